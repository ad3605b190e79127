#include "import/amount_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv::import {
namespace {

std::vector<Token> numbers(const std::u32string& line) {
    std::vector<Token> result;
    for (const Token& token : tokenise(line))
        if (token.kind != Token::Kind::Word)
            result.push_back(token);
    return result;
}

std::vector<double> amounts(const std::vector<Cell>& cells) {
    std::vector<double> result;
    for (const Cell& cell : cells)
        result.push_back(cell.amount.value_or(-1));
    return result;
}

struct MoneyCase {
    const char* name;
    std::u32string line;
    std::vector<double> expected; // -1: an empty cell
};

TEST(AmountCellsTest, SplitsARowOfMoneyAsItWasPrinted) {
    const MoneyCase cases[] = {
        {"a copied row: the total's thousands after a month's amount",
         U"283,89 2 638,52",
         {283.89, 2638.52}},
        {"category before the wages, contribution, experience",
         U"1 11 952,03 2 629,45 1",
         {1, 11952.03, 2629.45, 1}},
        {"zero wages with a contribution and experience", U"6 0,00 1 474,00 1", {6, 0, 1474, 1}},
        {"laid out: cells far apart never join", U"1   952,03   209,45", {1, 952.03, 209.45}},
        {"millions in groups", U"1 234 567,89 12,00", {1234567.89, 12}},
        {"integers one space apart join as groups allow",
         U"12 600 000 13 200 000",
         {12600000, 13200000}},
        {"experience months stay apart", U"0 0 0,55 1 1", {0, 0, 0.55, 1, 1}},
        {"a dash is an empty cell", U"100,00 - 200,00", {100, -1, 200}},
        {"a group never leads with a zero", U"0 474,00", {0, 474}},
    };
    for (const MoneyCase& c : cases)
        EXPECT_EQ(amounts(moneyCells(numbers(c.line))), c.expected) << c.name;
}

TEST(AmountCellsTest, IntegerRowsAreReadEveryWayTheirCountAllows) {
    const auto two = integerSplits(numbers(U"850 000 851 000"), 2, 8);
    ASSERT_EQ(two.size(), 1u);
    EXPECT_EQ(amounts(two.front()), (std::vector<double>{850000, 851000}));

    // Thirteen cells of three-digit groups: several readings, listed up to the limit.
    std::u32string row;
    for (int i = 0; i < 13; ++i)
        row += U"120 000 ";
    const auto many = integerSplits(numbers(row), 13, 3);
    ASSERT_EQ(many.size(), 1u) << "each amount must be 120 000 to make thirteen";
    const auto fewer = integerSplits(numbers(row), 7, 3);
    EXPECT_EQ(fewer.size(), 3u) << "the limit stops the listing";
    EXPECT_TRUE(integerSplits(numbers(U"1 2 3"), 2, 3).empty());
}

} // namespace
} // namespace rv::import
