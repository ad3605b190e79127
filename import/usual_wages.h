#pragma once

#include "calc/reference.h"
#include "import/amount_cells.h"

#include <optional>
#include <vector>

namespace rv::import {

// How far an amount lies from the month's average wage, in orders of magnitude (|log10| of the
// ratio), in hryvnias or, where that is nearer, in karbovanets and roubles (100 000 to one
// hryvnia): 0 for an amount of the average, 1 for ten times or a tenth of it. 0 where the
// reference knows no average.
double distanceFromUsualWage(const Reference& reference, int year, int month, double amount);

// Of a row's readings, each a cell per column (nullopt: an empty cell), the one whose amounts
// lie nearest the months' usual wages, when it is clearly the nearest: nullopt when no reading
// fits or two fit about as well.
struct ColumnMonth {
    int year = 0;
    int month = 0;
};
std::optional<std::vector<std::optional<double>>>
likeliestReading(const Reference& reference,
                 const std::vector<std::vector<std::optional<double>>>& readings,
                 const std::vector<ColumnMonth>& columns);

// The readings of a row's number tokens spread over `columns` columns: every split into as many
// amounts as there are columns, and, with one or two cells left empty, into fewer.
std::vector<std::vector<std::optional<double>>> columnReadings(const std::vector<Token>& numbers,
                                                               std::size_t columns);

} // namespace rv::import
