#include "calc/ledger_build.h"

#include "calc/calendar.h"
#include "calc/month_evaluation.h"
#include "calc/periods.h"
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

// Where the month belongs in the ledger: at its end when it is the latest, as a period's months
// mostly are, else found by a search.
std::vector<CaseMonth>::iterator placeOf(std::vector<CaseMonth>& months, const CaseMonth& month) {
    if (months.empty() || months.back().month < month.month)
        return months.end();
    return std::lower_bound(months.begin(), months.end(), month, earlier);
}

// The kept earning of each month of a period in turn, read moving forward from the period's
// first month instead of a search per month.
class KeptEarnings {
public:
    KeptEarnings(const std::map<LedgerMonth, double>& earnings, LedgerMonth first)
        : m_earnings(earnings), m_next(earnings.lower_bound(first)) {}
    // Months ascending.
    double of(LedgerMonth month) {
        while (m_next != m_earnings.end() && m_next->first < month)
            ++m_next;
        return m_next != m_earnings.end() && m_next->first == month ? m_next->second : 0.0;
    }

private:
    const std::map<LedgerMonth, double>& m_earnings;
    std::map<LedgerMonth, double>::const_iterator m_next;
};

} // namespace

LedgerBuild buildLedger(const std::vector<CasePeriod>& periods,
                        const std::map<LedgerMonth, double>& keptEarnings,
                        const Reference& reference, MonthEvaluation evaluation,
                        std::optional<Date> lawDay) {
    LedgerBuild build;
    std::vector<CaseMonth>& months = build.months;
    const bool byLaw = evaluation == MonthEvaluation::ByLaw;
    try {
        for (const CasePeriod& period : periodsCountedOnce(periods)) {
            if (!period.begin || !period.finish)
                continue;
            const CivilDate begin = civilFromDate(*period.begin);
            const CivilDate finish = civilFromDate(*period.finish);
            const LedgerMonth firstMonth = ledgerMonthOf(*period.begin);
            const LedgerMonth lastMonth = ledgerMonthOf(*period.finish);
            KeptEarnings kept(keptEarnings, firstMonth);
            for (LedgerMonth month = firstMonth; month <= lastMonth; month = monthAfter(month)) {
                const int share = periodShare(begin, finish, month);
                CaseMonth made;
                made.month = month;
                const auto place = placeOf(months, made);

                // A month that an earlier period reached: add this period's days.
                if (place != months.end() && place->month == month) {
                    CaseMonth merged = *place;
                    // The month is of the kind of most of its days; of equal parts, the
                    // credited one.
                    if (share > merged.coveredDays ||
                        (share == merged.coveredDays && period.kind != PeriodKind::Work))
                        merged.kind = period.kind;
                    merged.coveredDays += share;
                    if (byLaw)
                        evaluateMonth(merged, reference, lawDay);
                    *place = merged;
                    continue;
                }

                made.earning = kept.of(month);
                made.averageWage = reference.averageWageOfMonth(month);
                made.averageWageOfYear = reference.averageWageOfYearOfMonth(month);
                made.minimumWage = reference.minimumWage(month);
                made.coveredDays = share;
                made.kind = period.kind;
                if (byLaw)
                    evaluateMadeMonth(made, reference, lawDay);
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
