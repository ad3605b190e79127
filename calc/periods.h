#pragma once

#include "calc/case.h"
#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rv {

// The checks a person's periods must pass before a ledger is built from them.
struct PeriodsCheck {
    bool ageFailure = false;     // a period starts before the youngest age of work
    bool overlapFailure = false; // two periods share a day
    bool passed() const { return !ageFailure && !overlapFailure; }
};

// Checks periods that all have both dates; O(n log n), so any number of periods is cheap.
PeriodsCheck checkPeriods(std::vector<CasePeriod> periods, Date birthDate, int minimumAge);

} // namespace rv
