#pragma once

#include "import/amount_cells.h"

#include <optional>
#include <vector>

namespace rv::import {

// What a column of a table header holds: a month 1..12 (or a year), the row total, or nothing
// that is read; and where the header prints it.
inline constexpr int kTotalColumn = -1;
inline constexpr int kIgnoredColumn = 0;

struct Column {
    int begin = 0;
    int end = 0;
    int key = kIgnoredColumn;
};

// The column a cell printed at [begin, end) belongs to: the one it overlaps most, else the
// nearest; nullopt when the header has no columns.
std::optional<int> columnOf(const Cell& cell, const std::vector<Column>& columns);

// A cell given its column's key; an empty cell has no amount.
struct Placed {
    int key = 0;
    std::optional<double> amount;
};

// The cells placed under the header's columns: nullopt unless every cell falls under its own
// column, in the columns' order, ignoring cells under columns that are not read. Printed cells
// one space apart are not laid out in columns (a copied text): nullopt as well, unless the line
// is `separated` into cells by tabs or semicolons, where a column is the cell's number.
std::optional<std::vector<Placed>>
placeByColumns(const std::vector<Cell>& cells, const std::vector<Column>& columns, bool separated);

// A row of twelve months and, perhaps, their total: the months of a year block or a
// certificate's year row.
inline constexpr std::size_t kMonthsInRow = 12;

// The last cell is the printed total of the others.
bool endsWithTotal(const std::vector<Cell>& cells);

// The cells as January, February, ... in order; the last is the total when `withTotal`, and any
// after December are totals too.
std::vector<Placed> monthsInOrder(const std::vector<Cell>& cells, bool withTotal);

// The one reading of a row of integers one space apart as twelve months and a total whose
// months add up to it; nullopt when none or several do.
std::optional<std::vector<Cell>> splitConfirmedByTotal(const std::vector<Token>& numbers);

} // namespace rv::import
