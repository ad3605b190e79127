#pragma once

#include "calc/calendar.h"
#include "calc/case.h"
#include "calc/ledger_rules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// Insurance experience (ст. 24): the periods (work under a credited period counted once), and
// from the law's day on each month
// by the days its earning credits, in calendar days of the month. With `lastDay`, only the days
// up to it: the periods end there and later months do not count.
YearsMonthsDays insuranceExperience(const std::vector<CasePeriod>& periods,
                                    const std::vector<CaseMonth>& months, const LedgerRules& rules,
                                    std::optional<Date> lastDay = std::nullopt);

// The insurance experience of insuranceExperience up to any day, worked out once: the months'
// corrections are kept summed in the order of their last days, so each day's experience takes
// one pass over the periods and one search.
class ExperienceByDay {
public:
    ExperienceByDay(const std::vector<CasePeriod>& periods, const std::vector<CaseMonth>& months,
                    const LedgerRules& rules);
    // Up to and including `lastDay`; the whole experience without one.
    YearsMonthsDays until(std::optional<Date> lastDay) const;
    // The same with the months that count for the right only (розд. XV п. 3-1): the experience
    // of ст. 26.
    YearsMonthsDays forRightUntil(std::optional<Date> lastDay) const;

private:
    struct Corrections {
        std::int32_t lastDay = 0;      // serial of the last month's last day
        std::int64_t daysSum = 0;      // days, summed over this month and those ending before it
        std::int64_t rightDaysSum = 0; // the same for the right
    };
    YearsMonthsDays summed(std::optional<Date> lastDay, std::int64_t Corrections::*sum) const;
    std::vector<CasePeriod> m_periods;
    std::vector<Corrections> m_corrections; // ascending by last day
};

// Whole months of an experience length (С of ст. 25).
std::int32_t wholeMonths(const YearsMonthsDays& length);

// "y р. m міс. d дн."
std::string experienceText(const YearsMonthsDays& length);

// The last day of the periods; none without periods.
std::optional<Date> lastExperienceDay(const std::vector<CasePeriod>& periods);

} // namespace rv
