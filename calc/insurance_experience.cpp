#include "calc/insurance_experience.h"

#include "calc/messages.h"

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
    YearsMonthsDays total;
    for (const CasePeriod& period : periods) {
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

    for (const CaseMonth& month : months) {
        if (!isPlausibleLedgerMonth(month.month))
            continue;
        const Date monthStart = MonthStart(month.month);
        if (monthStart < rules.proportionalCreditFrom)
            continue;
        const int monthDays = MonthLength(month.month);
        if (lastDay && lastDay->serial < monthStart.serial + monthDays - 1)
            continue; // a month not yet over
        if (monthDays > month.creditedDays)
            total.days -= monthDays - month.creditedDays;
        // A month credited in full counts in full, also the days outside the employment.
        if (monthDays == month.creditedDays && monthDays > month.coveredDays)
            total.days += monthDays - month.coveredDays;
    }

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
