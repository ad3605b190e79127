#pragma once

#include <cstddef>

namespace rv {

// What one case can hold, so that a case file is refused by its counts before its rows are read.
// The window keeps one person at a time; a person's ledger and periods lie within a lifetime.
inline constexpr std::size_t kMostCasePersons = 1;
inline constexpr std::size_t kLongestLifeYears = 150;
// One ledger row per month of a lifetime.
inline constexpr std::size_t kMostLedgerMonths = kLongestLifeYears * 12;
// Periods share no day, so a lifetime holds at most one per day.
inline constexpr std::size_t kMostPeriods = kLongestLifeYears * 366;

// The largest case file read: a full case of the limits above takes about 6.5 MB (a period row
// up to 108 bytes, a ledger row up to 259); a working life takes about 50 KB.
inline constexpr std::size_t kLargestCaseFile = 8 * 1024 * 1024;

} // namespace rv
