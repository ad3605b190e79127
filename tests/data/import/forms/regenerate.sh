#!/bin/bash
# Makes every fixture of this folder again: the PDFs and their expected months, the text poppler
# gives with physical layout, and the browser's copy. See README.md for what each needs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake --build "$build" --target make_statement_pdfs -j1
QT_QPA_PLATFORM=offscreen "$build/bin/make_statement_pdfs" "$here"
for pdf in "$here"/*.pdf; do
    pdftotext -layout "$pdf" "${pdf%.pdf}.layout.txt"
done
node "$here/browser_copy.mjs" "$here"/*.pdf
