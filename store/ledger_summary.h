#pragma once

#include "calc/ledger_rules.h"

namespace rv {

class Table;

// The sums of some months of the ledger: how many, their earnings and their wage coefficients.
struct LedgerSums {
    int months = 0;
    double earnings = 0;
    double coefficients = 0;
};

// The months of `year` in the ledger (its filter is switched off afterwards, the year's filter
// text stays), or of the ledger's current view; the cursor and the bound views are left as they
// were.
LedgerSums sumLedgerYear(Table& ledger, int year);
LedgerSums sumLedger(Table& ledger);

// The ledger months a spreadsheet export takes: those with an earning and those counted before
// July 2000.
inline constexpr const char* kExportedLedgerMonthsFilter =
    "earning_payment > 0 or earning_opt1 = '+'";

} // namespace rv
