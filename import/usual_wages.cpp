#include "import/usual_wages.h"

#include "import/import_preview.h"

#include <cmath>
#include <limits>

namespace rv::import {

namespace {

// A reading is taken only when the next best lies this many orders of magnitude further off in
// all, and its own cells lie within this many on average.
constexpr double kClearMargin = 1.0;
constexpr double kMostPerCell = 0.8;
constexpr std::size_t kMostEmptyCells = 2;
constexpr std::size_t kSplitsPerCount = 64;

// Every way to leave `empty` of `columns` cells empty, the amounts filling the others in order.
void spread(const std::vector<Cell>& amounts, std::size_t columns, std::size_t empty,
            std::vector<std::optional<double>>& row, std::size_t next,
            std::vector<std::vector<std::optional<double>>>& out) {
    if (row.size() == columns) {
        out.push_back(row);
        return;
    }
    const std::size_t left = columns - row.size();
    const std::size_t amountsLeft = amounts.size() - next;
    if (amountsLeft < left) {
        row.push_back(std::nullopt);
        spread(amounts, columns, empty, row, next, out);
        row.pop_back();
    }
    if (amountsLeft > 0) {
        row.push_back(amounts[next].amount);
        spread(amounts, columns, empty, row, next + 1, out);
        row.pop_back();
    }
}

} // namespace

double distanceFromUsualWage(const Reference& reference, int year, int month, double amount) {
    const double average = reference.averageWageOfMonth(ledgerMonthFromCalendar(year, month));
    if (!(average > 0) || !(amount > 0))
        return 0;
    const double inHryvnias = std::abs(std::log10(amount / average));
    const double inOldMoney = std::abs(std::log10(amount * kOldCurrencyToHryvnia / average));
    return std::min(inHryvnias, inOldMoney);
}

std::vector<std::vector<std::optional<double>>> columnReadings(const std::vector<Token>& numbers,
                                                               std::size_t columns) {
    std::vector<std::vector<std::optional<double>>> readings;
    for (std::size_t empty = 0; empty <= kMostEmptyCells && empty < columns; ++empty) {
        for (const std::vector<Cell>& split :
             integerSplits(numbers, columns - empty, kSplitsPerCount)) {
            std::vector<std::optional<double>> row;
            spread(split, columns, empty, row, 0, readings);
        }
    }
    return readings;
}

std::optional<std::vector<std::optional<double>>>
likeliestReading(const Reference& reference,
                 const std::vector<std::vector<std::optional<double>>>& readings,
                 const std::vector<ColumnMonth>& columns) {
    double best = std::numeric_limits<double>::infinity();
    double second = best;
    std::size_t bestIndex = 0;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        double distance = 0;
        std::size_t filled = 0;
        for (std::size_t column = 0; column < columns.size(); ++column)
            if (const std::optional<double>& amount = readings[i][column]) {
                distance += distanceFromUsualWage(reference, columns[column].year,
                                                  columns[column].month, *amount);
                ++filled;
            } else {
                distance += kClearMargin / 2; // an empty cell is the exception
            }
        if (filled == 0)
            continue;
        if (distance < best) {
            second = best;
            best = distance;
            bestIndex = i;
        } else if (distance < second) {
            second = distance;
        }
    }
    if (best == std::numeric_limits<double>::infinity() || second - best < kClearMargin ||
        best > kMostPerCell * static_cast<double>(columns.size()))
        return std::nullopt;
    return readings[bestIndex];
}

} // namespace rv::import
