#include "ledger_view.h"

#include "calc/calendar.h"
#include "calc/ledger_rules.h"
#include "calc/reference.h"

#include <algorithm>
#include <optional>

namespace rv {

std::vector<LedgerMonthView> ledgerMonthViews(const std::vector<CaseMonth>& months,
                                              const Reference& reference) {
    const LedgerRules& rules = reference.ledgerRules();
    std::vector<LedgerMonthView> views;
    views.reserve(months.size());
    for (const CaseMonth& month : months) {
        LedgerMonthView& view = views.emplace_back();
        view.month = month.month;
        view.earning = month.earning;
        view.averageWage = month.averageWage;
        view.minimumWage = month.minimumWage;
        const Date monthStart = MonthStart(view.month);
        if (!(monthStart < rules.maxIncomeFrom)) {
            view.cap = reference.maximumIncomeOfMonth(view.month);
            view.capped = view.earning > *view.cap;
        }
        view.coefficient = month.coefficient;
        view.creditedDays = month.creditedDays;
        view.monthDays = month.coveredDays;
        view.belowMinimumWage =
            !(monthStart < rules.proportionalCreditFrom) &&
            std::min(view.earning, view.cap.value_or(view.earning)) < view.minimumWage;
        view.excluded = month.excluded;
        view.extraExclusion = month.extraExclusion;
        view.kind = month.kind;
        view.minimumWageStands = month.minimumWageStands;
        view.counted = month.counted && !month.excluded;
        view.earlyWindow = month.counted && monthStart < rules.earlyWindowEnd;
    }
    const auto earlier = [](const LedgerMonthView& a, const LedgerMonthView& b) {
        return a.month < b.month;
    };
    // A calculation's months come in calendar order already.
    if (!std::is_sorted(views.begin(), views.end(), earlier))
        std::stable_sort(views.begin(), views.end(), earlier);
    return views;
}

} // namespace rv
