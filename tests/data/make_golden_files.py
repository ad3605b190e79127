#!/usr/bin/env python3
"""Writes the golden files of the export tests from the record layouts, independently of the
program's writer. Run from this folder: python3 make_golden_files.py"""
import calendar
import csv
import os
import struct


def record(record_type, data=b""):
    return struct.pack("<HH", record_type, len(data)) + data


def label(row, column, text):
    raw = text.encode("cp1251")
    return record(0x0204, struct.pack("<HHHH", row, column, 0, len(raw)) + raw)


BOF = record(0x0809, struct.pack("<HHHH", 0x0000, 0x0010, 0x0000, 0x0000))
CODEPAGE = record(0x0042, struct.pack("<H", 1251))
EOF = record(0x000A)

# An experience sheet of two periods: the title row, then one row per period.
rows = [
    ["Дата зарахування", "Дата звільнення", "Трудовий стаж (р/м/д) *"],
    ["01.09.1985", "31.08.1990", "5/0/0"],
    ["01.10.1990", "15.03.2004", "13/5/15"],
]
sheet = BOF + CODEPAGE
for r, cells in enumerate(rows):
    for c, text in enumerate(cells):
        sheet += label(r, c, text)
sheet += EOF
with open("experience_two_periods.xls", "wb") as out:
    out.write(sheet)

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
def number(row, column, value):
    return record(0x0203, struct.pack("<HHHd", row, column, 0, value))


def integer(row, column, value):
    return record(0x027E, struct.pack("<HHHI", row, column, 0, (value << 2) | 2))


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


def earnings_sheet(months, marks):
    sheet = BOF + CODEPAGE
    titles = TITLES + (MARK_TITLES if marks else [])
    for c, text in enumerate(titles):
        sheet += label(0, c, text)
    for r, (year, month) in enumerate(months, start=1):
        payment = PAYMENTS.get((year, month), 0.0)
        average = in_force(AVERAGE_WAGES, year, month)
        # Before 2004 every month of work counts in full.
        cells = [integer(r, 0, year), label(r, 1, MONTHS[month - 1]),
                 number(r, 2, in_force(MIN_WAGES, year, month)), number(r, 3, average),
                 number(r, 4, payment), number(r, 5, round(payment / average, 5)),
                 integer(r, 6, calendar.monthrange(year, month)[1])]
        if marks:
            cells += [label(r, 7, marks[0]), label(r, 8, marks[1](year, month))]
        sheet += b"".join(cells)
    return sheet + EOF


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
