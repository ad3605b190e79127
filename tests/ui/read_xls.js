// Reads the first sheet of a spreadsheet file with the npm package "xlsx" and prints its cells
// as JSON rows: the check that a real spreadsheet reader sees what the program wrote.
// Usage: node read_xls.js FILE
const XLSX = require("xlsx");

const book = XLSX.readFile(process.argv[2]);
const sheet = book.Sheets[book.SheetNames[0]];
const rows = XLSX.utils.sheet_to_json(sheet, { header: 1, raw: true, defval: null });
process.stdout.write(JSON.stringify(rows));
