#include "calc/ledger_build.h"

#include "calc/calendar.h"
#include "calc/month_evaluation.h"
#include "engine/errors.h"

#include <algorithm>

namespace rv {

namespace {

// Days of the month that the period covers, its first and last day included.
int periodShare(const CivilDate& begin, const CivilDate& finish, LedgerMonth month) {
    const bool startMonth = LedgerMonth{begin.year, begin.month - 1} == month;
    const bool endMonth = LedgerMonth{finish.year, finish.month - 1} == month;
    if (startMonth && endMonth)
        return finish.day - begin.day + 1;
    if (startMonth)
        return MonthLength(month) - begin.day + 1;
    if (endMonth)
        return finish.day;
    return MonthLength(month);
}

bool earlier(const CaseMonth& a, const CaseMonth& b) {
    return a.month < b.month;
}

} // namespace

LedgerBuild buildLedger(const std::vector<CasePeriod>& periods,
                        const std::map<LedgerMonth, double>& keptEarnings,
                        const Reference& reference, MonthEvaluation evaluation) {
    LedgerBuild build;
    std::vector<CaseMonth>& months = build.months;
    const bool byLaw = evaluation == MonthEvaluation::ByLaw;
    try {
        for (const CasePeriod& period : periods) {
            if (!period.begin || !period.finish)
                continue;
            const CivilDate begin = civilFromDate(*period.begin);
            const CivilDate finish = civilFromDate(*period.finish);
            const LedgerMonth lastMonth = ledgerMonthOf(*period.finish);
            for (LedgerMonth month = ledgerMonthOf(*period.begin); month <= lastMonth;
                 month = monthAfter(month)) {
                const int share = periodShare(begin, finish, month);
                CaseMonth made;
                made.month = month;
                const auto place = std::lower_bound(months.begin(), months.end(), made, earlier);

                // A month that an earlier period reached: add this period's days.
                if (place != months.end() && place->month == month) {
                    CaseMonth merged = *place;
                    merged.coveredDays += share;
                    if (byLaw)
                        evaluateMonth(merged, reference);
                    *place = merged;
                    continue;
                }

                const auto kept = keptEarnings.find(month);
                made.earning = kept == keptEarnings.end() ? 0.0 : kept->second;
                made.averageWage = reference.averageWageOfMonth(month);
                made.averageWageOfYear = reference.averageWageOfYearOfMonth(month);
                made.minimumWage = reference.minimumWage(month);
                made.coveredDays = share;
                if (byLaw)
                    evaluateMadeMonth(made, reference);
                else
                    made.creditedDays =
                        creditedDays(reference, month, made.earning, made.minimumWage, share);
                months.insert(place, made);
            }
        }
    } catch (const UserError& refusal) {
        build.refusal = refusal.what();
    }
    return build;
}

} // namespace rv
