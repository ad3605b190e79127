#include "ledger_view.h"

#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "calc/ledger_rules.h"
#include "store/dmMain.h"
#include "store/engine/table_scopes.h"

#include <algorithm>
#include <optional>

namespace rv {

namespace {

// The marks of the optimisations (optimisation1.cpp, optimisation2.cpp).
const Value kCountedMark{std::string("+")};
const Value kExcludedMark{std::string("-")};

} // namespace

std::vector<LedgerMonthView> ledgerMonthViews(TdMain& dm) {
    Table& ledger = dm.cdsEarning;
    const LedgerFields fields(ledger);
    const LedgerRules& rules = dm.LedgerLawRules();

    // Reading view rows tells no view anything; only a filtered ledger (a year chosen) must be
    // opened up, unseen, and filtered again.
    std::optional<BoundViewsSuspension> suspension;
    std::optional<FilterRestored> restored;
    if (ledger.filtered()) {
        suspension.emplace(ledger);
        restored.emplace(ledger);
        ledger.setFiltered(false);
    }

    std::vector<LedgerMonthView> months;
    months.reserve(static_cast<std::size_t>(ledger.recordCount()));
    for (int row = 0; row < ledger.recordCount(); ++row) {
        if (integerOrZero(ledger.viewValue(row, fields.personId)) != dm.currentPersonId())
            continue;
        LedgerMonthView view;
        view.month = {integerOrZero(ledger.viewValue(row, fields.year)),
                      integerOrZero(ledger.viewValue(row, fields.month))};
        view.earning = floatOrZero(ledger.viewValue(row, fields.payment));
        view.averageWage = floatOrZero(ledger.viewValue(row, fields.avgZp));
        view.minimumWage = floatOrZero(ledger.viewValue(row, fields.minZp));
        const Date monthStart = MonthStart(view.month);
        if (!(monthStart < rules.maxIncomeFrom)) {
            view.cap = dm.GetMaxIncome(monthStart);
            view.capped = view.earning > *view.cap;
        }
        view.coefficient = floatOrZero(ledger.viewValue(row, fields.coefficient));
        view.creditedDays = integerOrZero(ledger.viewValue(row, fields.creditedDays));
        view.monthDays = integerOrZero(ledger.viewValue(row, fields.monthDays));
        view.belowMinimumWage =
            !(monthStart < rules.proportionalCreditFrom) &&
            std::min(view.earning, view.cap.value_or(view.earning)) < view.minimumWage;
        const bool markedCounted = ledger.viewValue(row, fields.opt1) == kCountedMark;
        view.excluded = ledger.viewValue(row, fields.opt2) == kExcludedMark;
        view.counted = markedCounted && !view.excluded;
        view.earlyWindow = markedCounted && monthStart < rules.earlyWindowEnd;
        months.push_back(view);
    }
    std::sort(months.begin(), months.end(),
              [](const LedgerMonthView& a, const LedgerMonthView& b) { return a.month < b.month; });
    return months;
}

} // namespace rv
