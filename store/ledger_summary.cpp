#include "ledger_summary.h"

#include "engine/table.h"
#include "engine/table_scopes.h"

#include <string>

namespace rv {

namespace {

LedgerSums sumView(Table& ledger) {
    LedgerSums sums;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        sums.earnings += ledger.asFloat("earning_payment");
        sums.coefficients += ledger.asFloat("earning_k");
        ++sums.months;
    }
    return sums;
}

} // namespace

LedgerSums sumLedgerYear(Table& ledger, int year) {
    const BoundViewsSuspension suspension(ledger);
    const KeptCursor kept(ledger);
    ledger.setFilter("earning_year = " + std::to_string(year));
    ledger.setFiltered(true);
    const LedgerSums sums = sumView(ledger);
    ledger.setFiltered(false); // the year's filter text stays
    return sums;
}

LedgerSums sumLedger(Table& ledger) {
    const BoundViewsSuspension suspension(ledger);
    const KeptCursor kept(ledger);
    return sumView(ledger);
}

} // namespace rv
