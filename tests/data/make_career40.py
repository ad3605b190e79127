#!/usr/bin/env python3
"""Writes career40.json: a 40-year career with earnings in every month, derived from the
embedded reference data (run `build/bin/ravelta-calc --reference > ref.json` first)."""
import datetime
import json
import sys

reference = json.load(open(sys.argv[1]))
average = {}
for row in reference["tables"]["cdsAvgZpMonth"]:
    begin = datetime.datetime.strptime(row["azm_date_begin"], "%d.%m.%Y").date()
    end = row["azm_date_end"]
    end = datetime.datetime.strptime(end, "%d.%m.%Y").date() if end else datetime.date(2030, 1, 1)
    y, m = begin.year, begin.month
    while (y, m) <= (end.year, end.month):
        average.setdefault((y, m), row["azm_value"])
        y, m = (y + 1, 1) if m == 12 else (y, m + 1)

periods = [("01.09.1981", "31.07.1990"), ("15.10.1991", "30.06.2005"),
           ("01.09.2005", "28.02.2023")]
earnings = []
for begin, end in periods:
    b = datetime.datetime.strptime(begin, "%d.%m.%Y").date()
    e = datetime.datetime.strptime(end, "%d.%m.%Y").date()
    y, m = b.year, b.month
    while (y, m) <= (e.year, e.month):
        # A career that earns about the average, more in the middle years, with a few weak
        # months after 2004 that fall under the minimum wage.
        factor = 0.9 + 0.02 * ((y * 12 + m) % 17)
        if y >= 2004 and m == 7 and y % 3 == 0:
            factor = 0.1
        places = 6 if y < 1996 else 2
        earnings.append({"year": y, "month": m,
                         "amount": round(average[(y, m)] * factor, places)})
        y, m = (y + 1, 1) if m == 12 else (y, m + 1)

case = {"person": {"name": "Петренко", "birthdate": "15.03.1963", "gender": 0,
                   "application_date": "20.03.2023"},
        "periods": [{"begin": b, "end": e} for b, e in periods],
        "earnings": earnings}
json.dump(case, open("career40.json", "w"), ensure_ascii=False, indent=1)
