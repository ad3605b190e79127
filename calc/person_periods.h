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

// Restricts the period table to the person (filter off, "exp_person_id=<id>", filter on) and
// reads the periods in table order.
std::vector<EmploymentPeriod> selectPersonPeriods(Table& cdsExp, std::int32_t personId);

} // namespace rv
