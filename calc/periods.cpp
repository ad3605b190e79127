#include "calc/periods.h"
#include "calc/calendar.h"
#include "calc/ledger_rules.h"

#include <algorithm>
#include <string>

namespace rv {

namespace {

// The youngest age at which a person may be hired is the law's (a pupil with a parent's consent,
// ст. 188 КЗпП).
bool startsTooYoung(Date begin, Date birthDate, int minimumAge) {
    return begin < birthDate || FullYearsBetween(birthDate, begin) < minimumAge;
}

} // namespace

PeriodsCheck checkPeriods(std::vector<CasePeriod> periods, Date birthDate, int minimumAge) {
    PeriodsCheck check;
    for (const CasePeriod& period : periods)
        if (startsTooYoung(*period.begin, birthDate, minimumAge))
            check.ageFailure = true;
    // Sorted by their first day, periods overlap exactly when one starts on or before the last
    // day of an earlier one (both ends belong to a period, so touching on one day overlaps).
    std::sort(periods.begin(), periods.end(),
              [](const CasePeriod& a, const CasePeriod& b) { return *a.begin < *b.begin; });
    for (std::size_t i = 1; i < periods.size() && !check.overlapFailure; ++i)
        if (*periods[i].begin <= *periods[i - 1].finish)
            check.overlapFailure = true;
    return check;
}

} // namespace rv
