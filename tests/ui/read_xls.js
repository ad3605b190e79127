// Reads the first sheet of a spreadsheet file with the npm package "xlsx" and prints, as JSON,
// its cells' values row by row and the columns' widths in characters: the check that a real
// spreadsheet reader sees what the program wrote. (Version 0.18 of the reader leaves the number
// formats of an Excel 4.0 worksheet's cells unread, so they are not printed.)
// Usage: node read_xls.js FILE
const XLSX = require("xlsx");

const book = XLSX.readFile(process.argv[2], { cellStyles: true });
const sheet = book.Sheets[book.SheetNames[0]];
const rows = XLSX.utils.sheet_to_json(sheet, { header: 1, raw: true, defval: null });
const widths = (sheet["!cols"] || []).map((column) => (column && column.wch) || null);
process.stdout.write(JSON.stringify({ rows, widths }));
