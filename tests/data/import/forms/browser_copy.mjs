// The text a browser's PDF viewer (pdf.js) puts on the clipboard after "select all, copy".
//
// The viewer's text layer makes one span per text item of getTextContent() and a <br> after each
// item whose hasEOL is set; copying takes the selection's text, then normalizeUnicode() and the
// removal of NUL characters. This script does the same without a browser: for each page the
// items' `str` in order, "\n" after an item with hasEOL, the pages joined by "\n".
//
//   npm install --prefix /tmp/pdfjs pdfjs-dist
//   PDFJS_DIST=/tmp/pdfjs/node_modules/pdfjs-dist node browser_copy.mjs NAME.pdf [...]
//
// writes NAME.browser.txt beside each NAME.pdf.

import { readFile, writeFile } from "node:fs/promises";
import path from "node:path";
import { pathToFileURL } from "node:url";

const dist = process.env.PDFJS_DIST ?? "/tmp/pdfjs/node_modules/pdfjs-dist";
const pdfjs = await import(pathToFileURL(path.join(dist, "legacy/build/pdf.mjs")).href);

async function browserCopy(file) {
  const data = new Uint8Array(await readFile(file));
  const doc = await pdfjs.getDocument({ data, useSystemFonts: false, verbosity: 0 }).promise;
  const pages = [];
  for (let n = 1; n <= doc.numPages; ++n) {
    const page = await doc.getPage(n);
    // The viewer's own parameters (web/text_layer_builder.js).
    const content = await page.getTextContent({ includeMarkedContent: true, disableNormalization: true });
    let text = "";
    for (const item of content.items) {
      if (item.str === undefined) continue; // marked-content markers
      text += item.str;
      if (item.hasEOL) text += "\n";
    }
    pages.push(text);
  }
  await doc.destroy();
  return pdfjs.normalizeUnicode(pages.join("\n")).replaceAll("\x00", "");
}

for (const file of process.argv.slice(2)) {
  const out = file.replace(/\.pdf$/i, "") + ".browser.txt";
  await writeFile(out, await browserCopy(file), "utf8");
  console.log(`${path.basename(out)}`);
}
