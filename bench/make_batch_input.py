#!/usr/bin/env python3
"""Prints N cases as JSON Lines for `ravelta-calc --batch -`: a man born in 1960, one period of
MONTHS months ending in December 2024, an earning in each month, applying in January 2025 (the
case of bench/batch_bench.cpp for 540 months). Usage: make_batch_input.py N [MONTHS]

Memory over many cases, for example:
  python3 bench/make_batch_input.py 100000 24 | /usr/bin/time -v build/bin/ravelta-calc --batch - >/dev/null
"""
import json
import sys

count = int(sys.argv[1])
months = int(sys.argv[2]) if len(sys.argv) > 2 else 540
first = 2025 * 12 - months
earnings = []
for index in range(first, 2025 * 12):
    year, month = divmod(index, 12)
    amount = 0.00002 * (month + 101) if year < 1996 else 40.0 * year - 79000 + month + 1
    earnings.append({"year": year, "month": month + 1, "amount": round(amount, 6)})
begin_year, begin_month = divmod(first, 12)
case = {
    "person": {"name": "Коваль", "birthdate": "01.01.1960", "gender": 0,
               "application_date": "01.01.2025"},
    "periods": [{"begin": f"01.{begin_month + 1:02d}.{begin_year}", "end": "31.12.2024"}],
    "earnings": earnings,
}
line = json.dumps(case, ensure_ascii=False)
out = sys.stdout
for _ in range(count):
    out.write(line + "\n")
