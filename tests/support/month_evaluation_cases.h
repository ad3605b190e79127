#pragma once

// A ledger month's evaluation (ст. 24 ч. 3, ст. 40): one table for the rule (tests/calc) and for
// the ledger tables that evaluate a month as it is posted (tests/store).

#include "calc/dated_lookup.h"
#include "calc/messages.h"
#include "value_cases.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rv::testing_support {

// The inputs of one ledger month as the ledger build leaves them.
struct MonthInputs {
    int year;
    int month0;
    std::optional<double> payment; // none: left empty
    double avgZp;
    double minZp;
    int monthDays;
};

struct MonthEvaluationCase {
    const char* name;
    MonthInputs in;
    std::vector<DatedFigure> maxIncome; // the maximum income subject to contributions
    double coefficient;
    std::int32_t creditedDays;
};

inline std::vector<DatedFigure> maxIncomeFromAugust1998() {
    return {{day("01.08.1998"), std::nullopt, 1000}};
}

inline std::vector<MonthEvaluationCase> monthEvaluationCases() {
    const std::vector<DatedFigure> fromAugust1998 = maxIncomeFromAugust1998();
    return {
        {"March 1995: 6 is capped to 5.6, the covered days are credited",
         {1995, 2, 12000, 2000, 0.5, 20},
         fromAugust1998,
         5.6,
         20},
        {"July 1998: capped to 5.6 and the missing maximum income is not consulted",
         {1998, 6, 20000, 500, 55, 31},
         {},
         5.6,
         31},
        {"August 1998: the earning stops at the maximum income, 10 is not capped to 5.6",
         {1998, 7, 5000, 100, 55, 31},
         fromAugust1998,
         10,
         31},
        {"100 / 300 is taken to 5 places", {2000, 0, 100, 300, 118, 31}, fromAugust1998, 0.33333, 31},
        {"200 / 300 rounds up at the fifth place",
         {2000, 0, 200, 300, 118, 31},
         fromAugust1998,
         0.66667,
         31},
        {"an empty earning in 2005 becomes 0 and credits no day",
         {2005, 4, {}, 1000, 262, 31},
         fromAugust1998,
         0,
         0},
        {"2004: an earning equal to the minimum wage credits the whole month",
         {2004, 3, 237, 500, 237, 10},
         fromAugust1998,
         0.474,
         30},
        {"February 2004 at half the minimum wage: 14.5 rounds to 14",
         {2004, 1, 100, 500, 200, 29},
         fromAugust1998,
         0.2,
         14},
        {"March 2004 at half the minimum wage: 15.5 rounds to 16",
         {2004, 2, 100, 500, 200, 31},
         fromAugust1998,
         0.2,
         16},
        {"2005, 10 covered days, earning above the minimum: 31 days",
         {2005, 0, 500, 800, 262, 10},
         fromAugust1998,
         0.625,
         31},
        {"2003, 10 covered days, earning above the minimum: 10 days",
         {2003, 0, 500, 400, 185, 10},
         fromAugust1998,
         1.25,
         10},
        {"2005 without a maximum income: the earning counts as 0",
         {2005, 0, 500, 800, 262, 31},
         {{day("01.08.1998"), day("31.12.2004"), 1000}},
         0,
         0},
        {"a minimum wage of 0 credits the whole month for no earning",
         {2005, 1, 0, 800, 0, 5},
         fromAugust1998,
         0,
         28},
        {"the days are shared by the capped earning: 100 of 200 in 31 days",
         {2005, 2, 5000, 800, 200, 31},
         {{day("01.08.1998"), std::nullopt, 100}},
         0.125,
         16},
    };
}

// A month the evaluation refuses, and the refusal's text.
struct RefusedMonthCase {
    const char* name;
    MonthInputs in;
    const char* message;
};

inline std::vector<RefusedMonthCase> refusedMonthCases() {
    return {
        {"no average wage",
         {2005, 2, 500, 0, 262, 31},
         "Відсутнє значення середньої заробітної плати за березень 2005 р."},
        {"a negative earning", {2005, 2, -1, 800, 262, 31}, messages::kNegativeEarning},
    };
}

} // namespace rv::testing_support
