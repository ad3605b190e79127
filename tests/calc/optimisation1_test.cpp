#include "calc/optimisations.h"

#include "value_cases.h"

#include "calc/ledger_build.h"
#include "calc/reference.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;

// The law's rules of the program's own reference data: the choice of ст. 40 ч. 1 ends with June
// 2000, months are credited by their earning from January 2004.
const LedgerRules& lawRules() {
    return lawReference()->ledgerRules();
}

struct Month {
    int year;
    int month0;
    double coefficient;
    double earning = 100;
};

std::vector<CaseMonth> ledgerOf(const std::vector<Month>& months) {
    std::vector<CaseMonth> ledger;
    for (const Month& month : months) {
        CaseMonth made;
        made.month = {month.year, month.month0};
        made.coefficient = month.coefficient;
        made.earning = month.earning;
        ledger.push_back(made);
    }
    return ledger;
}

struct WindowEndCase {
    const char* name;
    std::vector<double> coefficients;
    int window;
    int expectedEnd;
};

TEST(BestWindowEndTest, FindsTheEarliestWindowWithTheGreatestRunningSum) {
    const std::vector<WindowEndCase> cases = {
        {"no months", {}, 1, -1},
        {"fewer months than the window", {1, 2}, 3, -1},
        {"exactly the window", {1, 2, 3}, 3, 2},
        {"the later window is larger", {5, 0, 0, 4, 4}, 2, 4},
        {"the earlier window is larger", {4, 4, 0, 0, 5}, 2, 1},
        {"equal sums: the earliest window", {1, 1, 1, 1}, 3, 2},
        {"equal single months: the earliest", {3, 1, 1, 3}, 1, 0},
        {"zero sums still make a window", {0, 0, 0}, 2, 1},
        // 0.1 + 0.02 + 0.06 sums to 0.18 either way round, but the running sum of the second
        // window, 0.18 + 0.1 - 0.1, is one unit in the last place above it.
        {"the running sums decide between mathematically equal windows",
         {0.1, 0.02, 0.06, 0.1},
         3,
         3},
    };
    for (const WindowEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bestWindowEnd(c.coefficients, c.window), c.expectedEnd);
    }
}

struct WindowCase {
    const char* name;
    int window;
    std::vector<Month> ledger;
    // Positions in the ledger of the months that count, in the order given; the first
    // `earlyCount` of them are the months of the choice before July 2000.
    std::vector<std::size_t> expected;
    std::size_t earlyCount;
};

TEST(Optimisation1Test, CountsTheBestEarlyWindowAndTheLaterMonths) {
    const std::vector<WindowCase> cases = {
        {"C = W: every early month",
         3,
         {{1999, 0, 0.5}, {1999, 1, 0}, {1999, 2, 2}, {2000, 6, 1}},
         {0, 1, 2, 3},
         3},
        {"C < W: every early month", 5, {{1999, 0, 0.5}, {1999, 1, 0}, {2001, 3, 1}}, {0, 1, 2}, 2},
        {"C = W + 1: the later window is larger",
         3,
         {{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1.5}},
         {1, 2, 3},
         3},
        {"C = W + 1: the earlier window is larger",
         3,
         {{1999, 0, 1.5}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}},
         {0, 1, 2},
         3},
        {"C = W + 1: equal windows, the earlier wins",
         3,
         {{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}},
         {0, 1, 2},
         3},
        {"C = W + 1: the running sums decide between mathematically equal windows",
         3,
         {{1999, 0, 0.1}, {1999, 1, 0.02}, {1999, 2, 0.06}, {1999, 3, 0.1}},
         {1, 2, 3},
         3},
        {"a window across the gap between two periods",
         3,
         {{1990, 10, 0}, {1990, 11, 3}, {1995, 0, 3}, {1995, 1, 3}, {1995, 2, 0}},
         {1, 2, 3},
         3},
        {"June 2000 is early, July 2000 counts whatever its coefficient",
         3,
         {{2000, 2, 2}, {2000, 3, 0}, {2000, 4, 0}, {2000, 5, 0}, {2000, 6, 0}, {2000, 7, 0}},
         {0, 1, 2, 4, 5},
         3},
        {"2001 to 2003 count without earning, months from 2004 only with one",
         3,
         {{2001, 0, 0, 0.0},
          {2003, 11, 0, 0.0},
          {2004, 0, 0, 0.0},
          {2004, 1, 0.5, 0.0},
          {2004, 2, 0.5, 50.0}},
         {0, 1, 4},
         0},
        {"no month before July 2000", 3, {{2005, 0, 1}, {2005, 1, 2}}, {0, 1}, 0},
        {"a month given twice counts twice",
         3,
         {{2005, 0, 1, 10.0}, {2005, 0, 1, 20.0}},
         {0, 1},
         0},
        {"an empty ledger", 3, {}, {}, 0},
        {"a window of 0: no early month counts",
         0,
         {{1999, 0, 1}, {1999, 1, 2}, {2001, 0, 1}},
         {2},
         0},
        {"a window below 0 counts as 0", -2, {{1999, 0, 1}, {1999, 1, 2}, {2001, 0, 1}}, {2}, 0},
    };
    // The cases count on these rules of the law.
    ASSERT_EQ(lawRules().earlyWindowEnd, day("01.07.2000"));
    ASSERT_EQ(lawRules().proportionalCreditFrom, day("01.01.2004"));
    const LedgerMonth choiceEnd{2000, 6};
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<CaseMonth> ledger = ledgerOf(c.ledger);

        const std::vector<std::size_t> counted = optimisation1(ledger, lawRules(), c.window);

        EXPECT_EQ(counted, c.expected);
        for (std::size_t k = 0; k < counted.size(); ++k) {
            ASSERT_LT(counted[k], ledger.size());
            EXPECT_EQ(ledger[counted[k]].month < choiceEnd, k < c.earlyCount) << "entry " << k;
        }
    }
}

// A negative coefficient is refused before the search, also outside the window that would win.
TEST(Optimisation1Test, RefusesANegativeCoefficientOfTheChoice) {
    const std::vector<std::vector<Month>> ledgers = {
        {{1999, 0, 1}, {1999, 1, -0.5}, {1999, 2, 1}, {1999, 3, 1}},
        {{1999, 0, -0.5}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}, {2005, 0, 1}},
    };
    for (const std::vector<Month>& months : ledgers) {
        try {
            optimisation1(ledgerOf(months), lawRules(), 3);
            ADD_FAILURE() << "no refusal";
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), "Заробіток не може бути від'ємним");
        }
    }
}

// An evaluated ledger from January 1999 to December 2005 with the program's window of 60
// months: all 18 early months, the 42 months from July 2000 to 2003, and the two months from 2004
// with an earning.
TEST(Optimisation1Test, AnEvaluatedLedgerCountsTheMonthsOfTheLaw) {
    const std::shared_ptr<const Reference>& reference = lawReference();
    ASSERT_EQ(reference->limits().earlyWindowMonths, 60);
    const std::map<LedgerMonth, double> earnings = {
        {{1999, 3}, 500}, {{2000, 8}, 700}, {{2004, 5}, 1500}, {{2005, 11}, 40}};
    const LedgerBuild build = buildLedger({{day("10.01.1999"), day("20.12.2005")}}, earnings,
                                          *reference, MonthEvaluation::ByLaw);
    ASSERT_FALSE(build.refusal) << *build.refusal;
    ASSERT_EQ(build.months.size(), 84u);

    const std::vector<std::size_t> counted =
        optimisation1(build.months, reference->ledgerRules(), 60);

    std::vector<std::size_t> expected;
    for (std::size_t i = 0; i < 60; ++i)
        expected.push_back(i);
    expected.push_back(5 * 12 + 5);  // June 2004
    expected.push_back(6 * 12 + 11); // December 2005
    EXPECT_EQ(counted, expected);
    EXPECT_GT(build.months[3].coefficient, 0); // April 1999
}

} // namespace
} // namespace rv
