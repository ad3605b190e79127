#pragma once

#include "store/engine/date.h"
#include "store/engine/table.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rv {

// One employment period as stored; a date may be missing in a row that was never posted.
struct EmploymentPeriod {
    std::optional<Date> begin;  // first day, inclusive
    std::optional<Date> finish; // last day, inclusive
};

// The checks a person's periods must pass before a ledger is built from them.
struct PeriodsCheck {
    bool ageFailure = false;     // a period starts before the youngest age of work
    bool overlapFailure = false; // two periods share a day
    bool passed() const { return !ageFailure && !overlapFailure; }
};

// Checks periods that all have both dates; O(n log n), so any number of periods is cheap.
PeriodsCheck checkPeriods(std::vector<EmploymentPeriod> periods, Date birthDate, int minimumAge);

// Restricts the period table to the person (filter off, "exp_person_id=<id>", filter on) and
// reads the periods in table order.
std::vector<EmploymentPeriod> selectPersonPeriods(Table& cdsExp, std::int32_t personId);

} // namespace rv
