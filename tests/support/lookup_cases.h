#pragma once

// The reference's dated lookups on named tables: one table of cases for the value core's
// Reference (tests/calc) and for the data module's lookups over its tables (tests/store).

#include "calc/dated_lookup.h"
#include "calc/ledger_month.h"
#include "calc/reference.h"
#include "value_cases.h"

#include <optional>
#include <vector>

namespace rv::testing_support {

// The lookups of a ledger month: end exclusive, the first row in table order, 0 before the first
// row's begin or on a miss.
struct MonthLookupCase {
    const char* name;
    std::vector<DatedFigure> rows;
    LedgerMonth month;
    double expected;
};

inline std::vector<MonthLookupCase> monthLookupCases() {
    return {
        {"a month before the first row's begin is 0 though a later row covers it",
         {{day("01.01.2000"), std::nullopt, 5}, {day("01.01.1990"), std::nullopt, 7}},
         {1995, 0},
         0},
        {"a month starting on a row's end date skips that row",
         {{day("01.01.2005"), day("01.03.2005"), 10}, {day("02.03.2005"), std::nullopt, 20}},
         {2005, 2},
         0},
        {"the month before that end is still covered",
         {{day("01.01.2005"), day("01.03.2005"), 10}, {day("02.03.2005"), std::nullopt, 20}},
         {2005, 1},
         10},
        {"an open-ended last row covers every later month",
         {{day("01.01.2000"), day("31.12.2000"), 1}, {day("01.01.2001"), std::nullopt, 2}},
         {2100, 11},
         2},
        {"of two rows covering the month the first wins",
         {{day("01.01.2000"), std::nullopt, 1}, {day("01.01.2000"), std::nullopt, 2}},
         {2000, 5},
         1},
        {"a month in a gap between rows is 0",
         {{day("01.01.2000"), day("31.12.2000"), 1}, {day("01.01.2002"), std::nullopt, 2}},
         {2001, 6},
         0},
        {"an empty table is 0", {}, {2005, 0}, 0},
    };
}

// The lookups of a day: both ends included; without a row, 0 for the maximum income and the
// first row's value for the minimum pension.
struct DayLookupCase {
    const char* name;
    std::vector<DatedFigure> rows;
    const char* date;
    double maxIncome;
    double minPens;
};

inline std::vector<DayLookupCase> dayLookupCases() {
    return {
        {"a day equal to a row's end date is covered by it",
         {{day("01.01.2005"), day("01.03.2005"), 10}, {day("02.03.2005"), std::nullopt, 20}},
         "01.03.2005",
         10,
         10},
        {"the day after it belongs to the next row",
         {{day("01.01.2005"), day("01.03.2005"), 10}, {day("02.03.2005"), std::nullopt, 20}},
         "02.03.2005",
         20,
         20},
        {"a day before the first row: 0, or the first row's value",
         {{day("01.01.2005"), std::nullopt, 10}},
         "31.12.2004",
         0,
         10},
        {"a day in a gap: 0, or the first row's value",
         {{day("01.01.2000"), day("31.12.2000"), 5}, {day("01.01.2002"), std::nullopt, 6}},
         "01.06.2001",
         0,
         5},
        {"an open-ended last row covers every later day",
         {{day("01.01.2000"), day("31.12.2000"), 5}, {day("01.01.2001"), std::nullopt, 6}},
         "31.12.2099",
         6,
         6},
    };
}

// The coefficient table: the first open-ended row of a type.
inline std::vector<CoefficientRow> coefficientRows() {
    return {{day("01.01.2004"), day("31.12.2007"), 1.0, "1"},
            {day("01.01.2008"), std::nullopt, 1.35, "1"},
            {day("01.01.2009"), std::nullopt, 9.0, "1"},
            {day("01.01.2004"), day("31.12.2020"), 2.0, "2"},
            {day("01.01.2004"), std::nullopt, 3.0, "3"}};
}

struct CoefficientCase {
    const char* name;
    int type;
    double expected;
};

inline std::vector<CoefficientCase> coefficientCases() {
    return {
        {"the first open row, not a closed or a later one", 1, 1.35},
        {"only closed rows", 2, 0},
        {"the one open row", 3, 3},
        {"a type without rows", 4, 0},
    };
}

// The yearly average wage of a year: clamped to the table's years, then a row beginning on 1
// January of the year.
inline std::vector<DatedFigure> averageWageOfYearRows() {
    return {{day("01.01.2003"), day("31.12.2003"), 462},
            {day("01.01.2004"), day("31.12.2004"), 590},
            {day("01.07.2005"), day("31.12.2005"), 700},
            {day("01.01.2006"), std::nullopt, 806}};
}

struct YearCase {
    const char* name;
    int year;
    double expected;
    int yearUsed;
};

inline std::vector<YearCase> averageWageOfYearCases() {
    return {
        {"before the first year: the first row and its year", 1990, 462, 2003},
        {"the first year", 2003, 462, 2003},
        {"a year inside with a 1 January row", 2004, 590, 2004},
        {"a year inside without a 1 January row", 2005, 0, 0},
        {"the last year", 2006, 806, 2006},
        {"after the last year: the last row and its year", 2030, 806, 2006},
    };
}

} // namespace rv::testing_support
