#pragma once

#include "import/import_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace rv::import {

// A cell of a table row: an amount with its printed pieces joined, or an empty cell ("-").
struct Cell {
    std::optional<double> amount;
    bool integer = false; // written without a fractional part
    int begin = 0;        // first column of the printed line
    int end = 0;          // one past the last
    std::u32string text;
};

// The cells of a row of money, from its number and dash tokens in order. Pieces one space apart
// join into one amount as thousands groups allow; a piece with a fractional part ends an amount,
// so "283,89 2 638,52" is two amounts, and a leading piece that cannot be a thousands group stays
// a cell of its own ("1 11 952,03": 1 and 11 952,03). Integers one space apart join greedily
// ("12 600 000"); `integerSplits` gives the other readings. Pieces further apart, or in the cells
// of a tab- or semicolon-separated line, are cells each.
std::vector<Cell> moneyCells(const std::vector<Token>& tokens);

// Every number and dash token a cell of its own: experience months, codes.
std::vector<Cell> plainCells(const std::vector<Token>& tokens);

// The readings of a row's number and dash tokens as exactly `count` cells, where integer pieces
// one space apart may be thousands groups ("850 000 851 000" is two amounts or one): at most
// `limit` of them; none when there are more readings than a bounded search can list.
std::vector<std::vector<Cell>> integerSplits(const std::vector<Token>& tokens, std::size_t count,
                                             std::size_t limit);

// The sum of the cells' amounts in cents.
std::int64_t centsOf(double amount);

} // namespace rv::import
