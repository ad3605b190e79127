#pragma once

#include "calc/calendar.h"
#include "calc/case.h"
#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rv {

// The checks a person's periods must pass before a ledger is built from them.
struct PeriodsCheck {
    bool ageFailure = false;     // a period starts before the youngest age of work
    bool overlapFailure = false; // two periods share a day (a credited period may lie on work)
    bool passed() const { return !ageFailure && !overlapFailure; }
};

// Checks periods that all have both dates; O(n log n), so any number of periods is cheap. A
// period credited without work may share days with work (a leave to care for a child while
// employed); two work periods, or two credited ones, may not.
PeriodsCheck checkPeriods(std::vector<CasePeriod> periods, Date birthDate, int minimumAge);

// The periods as the experience counts them: the days of work that a credited period also covers
// count once, as the credited kind (ст. 24). Work periods are cut around credited ones; periods
// without both dates pass as they are. Expects periods that passed checkPeriods.
std::vector<CasePeriod> periodsCountedOnce(const std::vector<CasePeriod>& periods);

// The periods as their length is counted: periods that share days (a credited period on work)
// are one span from the first day to the last, so the days count once and the length does not
// depend on where the work is cut; the others stay as they are.
std::vector<CasePeriod> experienceSpans(const std::vector<CasePeriod>& periods);

// The periods' lengths, each counted in years, months and days, summed and normalised; a period
// without both dates, or ending before it starts, counts nothing.
YearsMonthsDays periodsLength(const std::vector<CasePeriod>& periods);

} // namespace rv
