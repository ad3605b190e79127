#include "import/table_columns.h"

#include <algorithm>
#include <cstdlib>

namespace rv::import {

std::optional<int> columnOf(const Cell& cell, const std::vector<Column>& columns) {
    std::optional<int> best;
    int bestOverlap = 0;
    int bestDistance = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const int overlap = std::min(cell.end, column.end) - std::max(cell.begin, column.begin);
        const int distance =
            std::abs((cell.begin + cell.end) - (column.begin + column.end)); // twice the gap
        if (!best || overlap > bestOverlap ||
            (overlap == bestOverlap && overlap <= 0 && distance < bestDistance)) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<std::vector<Placed>>
placeByColumns(const std::vector<Cell>& cells, const std::vector<Column>& columns, bool separated) {
    if (columns.empty())
        return std::nullopt;
    for (std::size_t i = 1; i < cells.size() && !separated; ++i)
        if (cells[i].begin < cells[i - 1].end + 2)
            return std::nullopt;
    std::vector<Placed> placed;
    int lastIndex = -1;
    for (const Cell& cell : cells) {
        const std::optional<int> index = columnOf(cell, columns);
        if (!index || *index <= lastIndex)
            return std::nullopt;
        lastIndex = *index;
        if (columns[*index].key != kIgnoredColumn)
            placed.push_back({columns[*index].key, cell.amount});
    }
    return placed;
}

namespace {

// The readings of an integer row that the search lists before it gives up on confirming one.
constexpr std::size_t kSplitLimit = 4;

} // namespace

bool endsWithTotal(const std::vector<Cell>& cells) {
    if (cells.size() < 2 || !cells.back().amount)
        return false;
    double sum = 0;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i)
        sum += cells[i].amount.value_or(0);
    return centsOf(sum) == centsOf(*cells.back().amount);
}

std::vector<Placed> monthsInOrder(const std::vector<Cell>& cells, bool withTotal) {
    std::vector<Placed> placed;
    placed.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        placed.push_back({i < kMonthsInRow && !(withTotal && i + 1 == cells.size())
                              ? static_cast<int>(i) + 1
                              : kTotalColumn,
                          cells[i].amount});
    return placed;
}

std::optional<std::vector<Cell>> splitConfirmedByTotal(const std::vector<Token>& numbers) {
    std::optional<std::vector<Cell>> confirmed;
    for (auto& split : integerSplits(numbers, kMonthsInRow + 1, kSplitLimit)) {
        if (!endsWithTotal(split))
            continue;
        if (confirmed)
            return std::nullopt;
        confirmed = std::move(split);
    }
    return confirmed;
}

} // namespace rv::import
