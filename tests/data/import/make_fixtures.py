#!/usr/bin/env python3
"""Writes the import fixtures: invented people, employers and amounts in the layouts of a
statement of insured earnings, a wage certificate and spreadsheet lists, with the awkward parts
that PDF viewers and browsers produce. Run from this folder; the files are committed."""

NBSP = "\u00a0"
NNBSP = "\u202f"
SHY = "\u00ad"
MONTHS = ["Січ", "Лют", "Бер", "Кві", "Тра", "Чер", "Лип", "Сер", "Вер", "Жов", "Лис", "Гру"]


def money(value, sep=" "):
    whole, frac = f"{value:.2f}".split(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    return sep.join(groups) + "," + frac


def row(code, mark, cells, total):
    text = f"{code:<10}{mark:<8}"
    for cell in cells:
        text += f"{cell:>11}"
    return text + f"{total:>13}"


def header():
    return f"{'Код':<10}{'Ознака':<8}" + "".join(f"{m:>11}" for m in MONTHS) + f"{'Всього':>13}"


page_head = ["Пенсійний фонд України                                   Форма ОК-5",
             "Індивідуальні відомості про застраховану особу"]

# Year blocks: 2005 (one employer, total as printed), 2006 continued on the next page, one
# employer with months that vanished from its row, a second employer, a wrong year total.
y2005 = [1000.0 + 10 * i for i in range(12)]
e1_2006 = {4: 2100.0, 5: 2100.0, 6: 2150.5, 7: 2150.5, 8: 2200.0, 9: 2200.0, 10: 2200.0,
           11: 2300.0, 12: 2400.0}
e2_2006 = {11: 8923.05, 12: 12345.67}
lines = page_head + [
    "ПІБ: Дʼяченко Олесь Петрович, РНОКПП: 2381040512",
    "",
    "2005 р\u0456к".replace("\u0456", "i"),  # Latin i in "рiк"
    header(),
    row("12345678", "1", [money(v, NBSP) for v in y2005], money(sum(y2005), NBSP)),
    "Сума вне" + SHY + "сків      " + "".join(f"{money(v * 0.33):>11}" for v in y2005),
    "Страхо" + SHY + "вий стаж    " + "".join(f"{'1':>11}" for _ in range(11)) + f"{'0,75':>11}",
    "Сторінка 1 з 2",
    "\f" + page_head[0],
    page_head[1],
    "2006 рік",
    header(),
    row("12345678", "1", ["" if m not in e1_2006 else money(e1_2006[m], NNBSP) for m in range(1, 13)],
        money(sum(e1_2006.values()), NNBSP)),
    row("87654321", "2", ["" if m not in e2_2006 else money(e2_2006[m]) for m in range(1, 13)],
        money(sum(e2_2006.values()))),
    "Страховий стаж    " + "".join(f"{'' if m < 4 else '1':>11}" for m in range(1, 13)),
    "Всього за рік" + f"{money(sum(e1_2006.values()) + sum(e2_2006.values()) + 100):>20}",
    "Сторінка 2 з 2",
]
open("year_blocks.txt", "w", encoding="utf-8").write("\n".join(lines) + "\n")

# One line per month: code and name, wages, contribution, months; two employers in 03.2011;
# a number cut by the line end; apostrophes in three forms in the employer names.
lines = [
    "Індивідуальні відомості про застраховану особу (ОК-7)",
    "Прізвище, ім’я, по батькові: Гнатюк Марʼяна Ігорівна",
    "РНОКПП 2623807368",
    "Період     Код ЄДРПОУ  Страхувальник                 Зарплата    Внески   Стаж",
    "01.2011    11223344    ТОВ «Обʼєднання Зоря»         3 210,00    1 155,60   1",
    "02.2011    11223344    ТОВ «Об’єднання Зоря»         3 210,00    1 155,60   1",
    "03.2011    11223344    ТОВ «Об'єднання Зоря»         2 000,00      720,00   0,5",
    "03.2011    55667788    ПП «Школа № 5»                1 500,50      540,18   0,5",
    "04.2011    55667788    ПП «Школа № 5»                8" + NBSP + "923,",
    "05 3 212,30 1",
    "05.2011    55667788    ПП «Школа № 5»                4 100,00    1 476,00   1",
]
open("monthly_lines.txt", "w", encoding="utf-8").write("\n".join(lines) + "\n")

# A wage certificate, month rows by year columns, karbovanets in 1993-1994, a "Разом" row
# whose 1994 total is wrong; a dash for a month without pay.
years = [1993, 1994, 1995]
amounts = {
    1993: [850000 + 1000 * i for i in range(12)],
    1994: [4500000 + 10000 * i for i in range(12)],
    1995: [12000000 if i != 6 else None for i in range(12)],
}
full = ["Січень", "Лютий", "Березень", "Квітень", "Травень", "Червень", "Липень", "Серпень",
        "Вересень", "Жовтень", "Листопад", "Грудень"]
lines = [
    "ДОВІДКА",
    "про заробітну плату для обчислення пенсії",
    "видана Гнатюк Марʼяні Ігорівні",
    f"{'Місяць':<12}" + "".join(f"{y:>16}" for y in years),
]
for i, name in enumerate(full):
    cells = [amounts[y][i] for y in years]
    lines.append(f"{name:<12}" + "".join(f"{'-' if c is None else money(c).replace(',00', ''):>16}"
                                         for c in cells))
totals = [sum(c for c in amounts[y] if c) for y in years]
totals[1] += 5
lines.append(f"{'Разом':<12}" + "".join(f"{money(t).replace(',00', ''):>16}" for t in totals))
open("certificate_months.txt", "w", encoding="utf-8").write("\n".join(lines) + "\n")

# A certificate as a spreadsheet's tab-separated table: year rows by month columns, an empty
# cell for a month without pay, a total column.
lines = ["Рік\t" + "\t".join(full) + "\tРазом"]
for year in (1998, 1999):
    cells = [f"{150 + 5 * i},{i:02d}" for i in range(12)]
    if year == 1999:
        cells[2] = ""
    total = sum(float(c.replace(",", ".")) for c in cells if c)
    lines.append(f"{year}\t" + "\t".join(cells) + "\t" + f"{total:.2f}".replace(".", ","))
open("certificate_years.tsv", "w", encoding="utf-8").write("\r\n".join(lines) + "\r\n")

# Plain lists in the separators people use.
lines = [
    "Рік;Місяць;Сума",
    "2001;1;410,50",
    "2001\t2\t420.75",
    "2001,3,430.00",
    "2001 квітень 1 440,25",
    "травень 2001 450",
    "06.2001 460,60",
    "2001-07 470,70",
    "це рядок без сум",
    "2001;13;100,00",
]
open("plain_list.txt", "w", encoding="utf-8").write("\n".join(lines) + "\n")
