#include "calc/insurance_experience.h"

#include "calc/messages.h"
#include "calc/periods.h"

#include <algorithm>
#include <iterator>

namespace rv {

namespace {

// A ledger month the calendar can hold; a hostile file may carry others.
bool isPlausibleLedgerMonth(LedgerMonth month) {
    return month.year >= 1 && month.year <= 9999 && month.month0 >= 0 && month.month0 <= 11;
}

} // namespace

YearsMonthsDays insuranceExperience(const std::vector<CasePeriod>& periods,
                                    const std::vector<CaseMonth>& months, const LedgerRules& rules,
                                    std::optional<Date> lastDay) {
    return ExperienceByDay(periods, months, rules).until(lastDay);
}

ExperienceByDay::ExperienceByDay(const std::vector<CasePeriod>& periods,
                                 const std::vector<CaseMonth>& months, const LedgerRules& rules)
    : m_periods(experienceSpans(periods)) {
    for (const CaseMonth& month : months) {
        if (!isPlausibleLedgerMonth(month.month))
            continue;
        const Date monthStart = MonthStart(month.month);
        if (monthStart < rules.proportionalCreditFrom)
            continue;
        const int monthDays = MonthLength(month.month);
        std::int32_t days = 0;
        std::int32_t rightDays = 0;
        if (monthDays > month.creditedDays) {
            days -= monthDays - month.creditedDays;
            // розд. XV п. 3-1: the days its earning does not credit still count for the right.
            if (!month.rightOnlyRest)
                rightDays = days;
        }
        // A month credited in full counts in full, also the days outside the employment.
        if (monthDays == month.creditedDays && monthDays > month.coveredDays) {
            days += monthDays - month.coveredDays;
            rightDays = days;
        }
        m_corrections.push_back({monthStart.serial + monthDays - 1, days, rightDays});
    }
    const auto endsEarlier = [](const Corrections& a, const Corrections& b) {
        return a.lastDay < b.lastDay;
    };
    if (!std::is_sorted(m_corrections.begin(), m_corrections.end(), endsEarlier))
        std::sort(m_corrections.begin(), m_corrections.end(), endsEarlier);
    for (std::size_t i = 1; i < m_corrections.size(); ++i) {
        m_corrections[i].daysSum += m_corrections[i - 1].daysSum;
        m_corrections[i].rightDaysSum += m_corrections[i - 1].rightDaysSum;
    }
}

YearsMonthsDays ExperienceByDay::until(std::optional<Date> lastDay) const {
    return summed(lastDay, &Corrections::daysSum);
}

YearsMonthsDays ExperienceByDay::forRightUntil(std::optional<Date> lastDay) const {
    return summed(lastDay, &Corrections::rightDaysSum);
}

YearsMonthsDays ExperienceByDay::summed(std::optional<Date> lastDay,
                                        std::int64_t Corrections::*sum) const {
    YearsMonthsDays total;
    for (const CasePeriod& period : m_periods) {
        // A missing date reads as day 0, as an empty date field does.
        const Date begin = period.begin.value_or(Date{});
        Date finish = period.finish.value_or(Date{});
        if (lastDay && *lastDay < finish)
            finish = *lastDay;
        if (finish < begin)
            continue;
        const YearsMonthsDays length = ExpPeriodYMD(begin, finish);
        // Part by part: the sum is normalised once, at the end.
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }

    // The months over by the last day; a month not yet over does not count.
    auto over = m_corrections.end();
    if (lastDay)
        over = std::upper_bound(
            m_corrections.begin(), m_corrections.end(), lastDay->serial,
            [](std::int32_t day, const Corrections& month) { return day < month.lastDay; });
    if (over != m_corrections.begin())
        total.days += static_cast<std::int32_t>((*std::prev(over)).*sum);

    NormalizeYMD(total);
    if (total.years < 0)
        total = YearsMonthsDays{};
    return total;
}

std::int32_t wholeMonths(const YearsMonthsDays& length) {
    return length.years * 12 + length.months;
}

std::string experienceText(const YearsMonthsDays& length) {
    return std::to_string(length.years) + messages::kExperienceYears +
           std::to_string(length.months) + messages::kExperienceMonths +
           std::to_string(length.days) + messages::kExperienceDays;
}

std::optional<Date> lastExperienceDay(const std::vector<CasePeriod>& periods) {
    std::optional<Date> last;
    for (const CasePeriod& period : periods) {
        const Date finish = period.finish.value_or(Date{});
        if (!last || *last < finish)
            last = finish;
    }
    return last;
}

} // namespace rv
