#!/usr/bin/env python3
"""Writes the golden files of the export tests from the record layouts, independently of the
program's writer. Run from this folder: python3 make_golden_files.py"""
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
    ["01.09.1985", "31.08.1990", "4/11/30"],
    ["01.10.1990", "15.03.2004", "13/5/14"],
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
