#!/usr/bin/env python3
"""Opens the golden .xls files, which the exports match byte for byte, with xlrd (Debian's
python3-xlrd), a reader of Excel's binary formats written apart from this program: the sheet is
an Excel 4.0 worksheet whose dates are date cells, whose numbers carry their formats, whose
columns are as wide as their titles, with the heading first and the totals last.
Usage: xls_read_by_xlrd.py DATA_FOLDER. Exit 77 (skipped) without xlrd."""
import os
import sys

try:
    import xlrd
except ImportError:
    print("python3-xlrd is not installed: the check is skipped")
    sys.exit(77)

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def open_sheet(name):
    book = xlrd.open_workbook(os.path.join(sys.argv[1], name), formatting_info=True)
    check(book.biff_version == 40, f"{name}: BIFF version {book.biff_version}, not 4.0")
    return book, book.sheet_by_index(0)


def cell_format(book, cell):
    if cell.xf_index is None or cell.xf_index >= len(book.xf_list):
        return None
    return book.format_map[book.xf_list[cell.xf_index].format_key].format_str


def check_frame(name, book, sheet, heading, totals):
    check(sheet.cell_value(0, 0).startswith(heading), f"{name}: heading {sheet.cell_value(0, 0)}")
    for column in range(sheet.ncols):
        title = sheet.cell_value(1, column)
        info = sheet.colinfo_map.get(column)
        width = info.width / 256 if info else 0
        check(width >= len(title), f"{name}: column {column} of {width} for «{title}»")
    last = sheet.nrows - 1
    for column, expected in totals.items():
        cell = sheet.cell(last, column)
        check(cell.value == expected, f"{name}: total {cell.value} in column {column}")
    check(sheet.cell_value(last, 0) == "Разом", f"{name}: totals label {sheet.cell_value(last, 0)}")


book, sheet = open_sheet("experience_two_periods.xls")
check_frame("experience", book, sheet, "Петренко, 15.03.1950 р. н. — трудовий стаж; вивантажено ",
            {2: "18/5/15"})
for row, column, day in [(2, 0, (1985, 9, 1)), (3, 1, (2004, 3, 15))]:
    cell = sheet.cell(row, column)
    is_date = cell.ctype == xlrd.XL_CELL_DATE
    check(is_date, f"experience: ({row}, {column}) is no date cell")
    check(is_date and xlrd.xldate_as_tuple(cell.value, book.datemode)[:3] == day,
          f"experience: ({row}, {column}) is {cell.value}")
    check(cell_format(book, cell) == "dd.mm.yyyy", f"experience: date format {cell_format(book, cell)}")

book, sheet = open_sheet("earnings_7_columns.xls")
check_frame("earnings", book, sheet, "Петренко, 15.03.1950 р. н. — заробітки; вивантажено ",
            {4: 1584.5})
june_2000 = sheet.row(2)
check([cell_format(book, cell) for cell in june_2000[2:6]] == ["0.00", "0.00###", "0.00", "0.00###"],
      "earnings: formats of the money and the coefficient")
check(june_2000[4].ctype == xlrd.XL_CELL_NUMBER and june_2000[4].value == 350,
      "earnings: June 2000's payment")
check(abs(sheet.cell_value(4, 5) - (sheet.cell_value(2, 5) + sheet.cell_value(3, 5))) < 1e-9,
      "earnings: the coefficients' total")

book, sheet = open_sheet("earnings_9_columns.xls")
july_1995 = sheet.row(2)
check(july_1995[0].value == 1995 and cell_format(book, july_1995[4]) == "0.00000",
      "earnings after a calculation: karbovanets keep five decimals")

for failure in failures:
    print("FAILED:", failure)
print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
sys.exit(1 if failures else 0)
