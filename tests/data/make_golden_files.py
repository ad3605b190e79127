#!/usr/bin/env python3
"""Writes the golden files of the export tests from the record layouts, independently of the
program's writer. Run from this folder: python3 make_golden_files.py"""
import calendar
import csv
import datetime
import os
import struct


def record(record_type, data=b""):
    return struct.pack("<HH", record_type, len(data)) + data


# The export date of a heading: the window's tests put the day of the run in its place.
EXPORT_DAY = "ДД.ММ.РРРР"
DATE_FORMAT = "dd.mm.yyyy"


class Date:
    """A date cell: its serial day counts from 30.12.1899."""

    def __init__(self, text):
        self.text = text
        day, month, year = (int(part) for part in text.split("."))
        self.serial = (datetime.date(year, month, day) - datetime.date(1899, 12, 30)).days


class Number:
    """A number cell shown in a format like "0.00###"."""

    def __init__(self, value, fmt):
        self.value = value
        self.fmt = fmt

    def shown(self):
        zeros = self.fmt.split(".")[1].count("0")
        places = len(self.fmt.split(".")[1])
        text = f"{self.value:.{places}f}"
        while places > zeros and text.endswith("0"):
            text = text[:-1]
            places -= 1
        return text


class Integer:
    def __init__(self, value):
        self.value = value


def cell_format(cell):
    if isinstance(cell, Number):
        return cell.fmt
    return DATE_FORMAT if isinstance(cell, Date) else None


def shown_length(cell):
    if isinstance(cell, str):
        return len(cell)
    if isinstance(cell, Integer):
        return len(str(cell.value))
    if isinstance(cell, Number):
        return len(cell.shown())
    return len(cell.text) if isinstance(cell, Date) else 0


def sheet(heading, titles, rows, totals):
    """An Excel 4.0 worksheet: BOF, CODEPAGE 1251, FONT, FORMAT ("General" first, then each
    format the cells use in the order met), XF (the style "Normal", 15 general cells of which
    the 15th is the default, then a cell XF per format), STYLE, COLINFO per column, DIMENSIONS,
    the heading, titles, rows and totals, EOF."""
    formats = ["General"]
    for cell in [cell for row in rows for cell in row] + totals:
        if cell_format(cell) and cell_format(cell) not in formats:
            formats.append(cell_format(cell))
    out = record(0x0409, struct.pack("<HHH", 0x0000, 0x0010, 0x0000))
    out += record(0x0042, struct.pack("<H", 1251))
    out += record(0x0231, struct.pack("<HHHB", 200, 0, 0x7FFF, 5) + b"Arial")
    for code in formats:
        out += record(0x041E, struct.pack("<HB", 0, len(code)) + code.encode("ascii"))
    # XF: font, format, locked (a style: no parent), bottom aligned (a cell: all attributes its
    # own), no fill pattern, no borders.
    out += record(0x0443, struct.pack("<BBHHHI", 0, 0, 0xFFF5, 0x0020, 0xCE00, 0))
    for index in [0] * 15 + list(range(1, len(formats))):
        out += record(0x0443, struct.pack("<BBHHHI", 0, index, 0x0001, 0xFC20, 0xCE00, 0))
    out += record(0x0293, struct.pack("<HBB", 0x8000, 0, 0xFF))
    # Each column as wide as its longest title, cell or total, two characters more, 8 to 60.
    widths = []
    for line in [titles] + rows + [totals]:
        for column, cell in enumerate(line):
            if column == len(widths):
                widths.append(0)
            widths[column] = max(widths[column], shown_length(cell))
    for column, width in enumerate(widths):
        out += record(0x007D, struct.pack("<HHHHHH", column, column,
                                          min(max(width + 2, 8), 60) * 256, 15, 0, 0))
    lines = [[heading], titles] + rows + [totals]
    out += record(0x0200, struct.pack("<HHHHH", 0, len(lines), 0, max(map(len, lines)), 0))

    def write(row, column, cell):
        if isinstance(cell, str):
            raw = cell.encode("cp1251")
            return record(0x0204, struct.pack("<HHHH", row, column, 15, len(raw)) + raw)
        if isinstance(cell, Integer):
            return record(0x027E, struct.pack("<HHHI", row, column, 15, (cell.value << 2) | 2))
        if cell is None:
            return record(0x0201, struct.pack("<HHH", row, column, 15))
        value = cell.value if isinstance(cell, Number) else float(cell.serial)
        xf = 15 + formats.index(cell_format(cell))
        return record(0x0203, struct.pack("<HHHd", row, column, xf, value))

    for r, line in enumerate(lines):
        out += b"".join(write(r, c, cell) for c, cell in enumerate(line))
    return out + record(0x000A)


# An experience sheet of two periods (typed by a man born 15.03.1950): the heading, the titles,
# one row per period, the total.
with open("experience_two_periods.xls", "wb") as out:
    out.write(sheet(
        "Петренко, 15.03.1950 р. н. — трудовий стаж; вивантажено " + EXPORT_DAY,
        ["Дата зарахування", "Дата звільнення", "Трудовий стаж (р/м/д) *"],
        [[Date("01.09.1985"), Date("31.08.1990"), "5/0/0"],
         [Date("01.10.1990"), Date("15.03.2004"), "13/5/15"]],
        ["Разом", None, "18/5/15"]))

# The earnings dump of three ledger months (key order), decimal comma.
lines = [
    "Рік;Місяць;мінімальна ЗП;Середня ЗП;Заробіток;Коефіцієнт;Зараховано днів;Опт1;Опт2;",
    "1999;Грудень;74;205,1;0,3;1,2E-6;0;;;",
    "2004;Січень;237;589,62;1000,5;1,69689;31;+;;",
    "2004;Лютий;237;600,03;;0;0;;-;",
]
with open("earnings_dump.csv", "wb") as out:
    out.write("".join(line + "\r\n" for line in lines).encode("cp1251"))


# The earnings sheets of one case: a man working from 01.09.1970 to 31.12.2003, paid 350 in
# June 2000 and 1234.5 in February 2002. The wages come from the reference tables of refdata/.
# The (begin, end, value) rows of a dated reference table; an open end lasts to 9999.
def dated_values(name):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "refdata", name)
    with open(path, encoding="utf-8") as source:
        return [(day(r["begin"]), day(r["end"] or "31.12.9999"), float(r["value"]))
                for r in csv.DictReader(source, delimiter=";")]


# "dd.mm.yyyy" as (year, month, day).
def day(text):
    d, m, y = (int(part) for part in text.split("."))
    return (y, m, d)


def in_force(table, year, month):
    return next(value for begin, end, value in table if begin <= (year, month, 1) <= end)


MONTHS = ["Січень", "Лютий", "Березень", "Квітень", "Травень", "Червень", "Липень", "Серпень",
          "Вересень", "Жовтень", "Листопад", "Грудень"]
TITLES = ["Рік", "Місяць", "Мінімальна ЗП по НГ в Україні *", "Середня ЗП по НГ в Україні",
          "Заробіток, грн **", "Коефіцієнт ЗП місячний ***", "Зараховано до СС, днів *"]
MARK_TITLES = ["Враховано заробітки до 07-2000 після оптимізації",
               "Виключено заробітки після оптимізації"]
PAYMENTS = {(2000, 6): 350.0, (2002, 2): 1234.5}
MIN_WAGES = dated_values("MinZP.csv")
AVERAGE_WAGES = dated_values("AvgZpMonth.csv")


# Money of the months before the currency reform (the hryvnia from 02.09.1996, Указ № 762/96)
# keeps the karbovanets' five decimals.
def before_reform(year, month):
    return (year, month) < (1996, 9)


def earnings_sheet(months, marks):
    titles = TITLES + (MARK_TITLES if marks else [])
    rows = []
    payments = coefficients = 0.0
    for year, month in months:
        payment = PAYMENTS.get((year, month), 0.0)
        average = in_force(AVERAGE_WAGES, year, month)
        coefficient = round(payment / average, 5)
        old = before_reform(year, month)
        # Before 2004 every month of work counts in full.
        row = [Integer(year), MONTHS[month - 1],
               Number(in_force(MIN_WAGES, year, month), "0.00###" if old else "0.00"),
               Number(average, "0.00###"), Number(payment, "0.00000" if old else "0.00"),
               Number(coefficient, "0.00###"), Integer(calendar.monthrange(year, month)[1])]
        if marks:
            row += [marks[0], marks[1](year, month) or ""]
        rows.append(row)
        payments += payment
        coefficients += coefficient
    totals = ["Разом", None, None, None, Number(payments, "0.00###"),
              Number(coefficients, "0.00###"), None] + ([None, None] if marks else [])
    heading = "Петренко, 15.03.1950 р. н. — заробітки; вивантажено " + EXPORT_DAY
    return sheet(heading, titles, rows, totals)


# Before a calculation: the two paid months.
with open("earnings_7_columns.xls", "wb") as out:
    out.write(earnings_sheet(sorted(PAYMENTS), None))

# After it: optimisation 1 keeps the 60 months before July 2000 and every month after, so the
# sheet has July 1995 to December 2003; optimisation 2 excludes the run of unpaid months July
# 1995 to October 1998 ("-") and leaves the other months an empty mark.
calculated = [(y, m) for y in range(1995, 2004) for m in range(1, 13) if (y, m) >= (1995, 7)]
with open("earnings_9_columns.xls", "wb") as out:
    out.write(earnings_sheet(calculated,
                             ("+", lambda y, m: "-" if (y, m) <= (1998, 10) else "")))
