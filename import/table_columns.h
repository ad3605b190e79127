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

} // namespace rv::import
