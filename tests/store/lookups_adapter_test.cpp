// The data module's lookups over its reference tables: the same answers as the literal procedures
// over the tables, a filter left on switched off, a changed table followed.
#include "calc/calendar.h"
#include "case_builders.h"
#include "lookup_cases.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::DatedRow;
using testing_support::day;
using testing_support::setDatedRows;

// ---- The literal procedures the lookups must agree with ----

// Walks the rows from the first: the first row whose begin is not after the first day of the
// month and whose end is after it or empty; 0 before the first row's begin or on a miss.
double literalScan(Table& table, const std::string& prefix, LedgerMonth month) {
    table.setFiltered(false);
    const Date start = MonthStart(month);
    table.first();
    if (table.eof())
        return 0;
    if (const auto firstBegin = table.asDate(prefix + "_date_begin");
        firstBegin && start < *firstBegin)
        return 0;
    for (; !table.eof(); table.next()) {
        const auto begin = table.asDate(prefix + "_date_begin");
        const auto end = table.asDate(prefix + "_date_end");
        if (begin && *begin <= start && (!end || *end > start))
            return table.asFloat(prefix + "_value");
    }
    return 0;
}

// Sets the filter text of GetMaxIncome / GetMinPens on the table itself and reads the first
// passing row; without one, 0 or the value the table's first row held before filtering.
double literalFilter(Table& table, const std::string& prefix, Date day, bool firstRowFallback) {
    table.setFiltered(false);
    table.first();
    const double fallback = firstRowFallback ? table.asFloat(prefix + "_value") : 0;
    const std::string s = formatDate(day);
    const std::string begin = prefix + "_date_begin";
    const std::string end = prefix + "_date_end";
    table.setFilter("('" + s + "' >= " + begin + " and '" + s + "' <= " + end + ") or ('" + s +
                    "' >= " + begin + " and " + end + " is null)");
    table.setFiltered(true);
    table.first();
    const double result = table.recordCount() > 0 ? table.asFloat(prefix + "_value") : fallback;
    table.setFiltered(false);
    return result;
}

// One fast lookup and its literal procedure over one table; the scan lookups take ledger months
// and are compared on the first day of each month.
struct LookupPair {
    const char* name;
    Table TdMain::*table;
    bool byMonth;
    std::function<double(TdMain&, Date)> fast;
    std::function<double(TdMain&, Date)> literal;
};

std::vector<LookupPair> allLookups() {
    return {
        {"GetAvgZpMonth", &TdMain::cdsAvgZpMonth, true,
         [](TdMain& dm, Date d) { return dm.GetAvgZpMonth(ledgerMonthOf(d)); },
         [](TdMain& dm, Date d) { return literalScan(dm.cdsAvgZpMonth, "azm", ledgerMonthOf(d)); }},
        {"GetAvgZpYearOfMonth", &TdMain::cdsAvgZpYear, true,
         [](TdMain& dm, Date d) { return dm.GetAvgZpYearOfMonth(ledgerMonthOf(d)); },
         [](TdMain& dm, Date d) { return literalScan(dm.cdsAvgZpYear, "azy", ledgerMonthOf(d)); }},
        {"GetMinZp", &TdMain::cdsMinZP, true,
         [](TdMain& dm, Date d) { return dm.GetMinZp(ledgerMonthOf(d)); },
         [](TdMain& dm, Date d) { return literalScan(dm.cdsMinZP, "mz", ledgerMonthOf(d)); }},
        {"GetMaxIncome", &TdMain::cdsMaxIncome, false,
         [](TdMain& dm, Date d) { return dm.GetMaxIncome(d); },
         [](TdMain& dm, Date d) { return literalFilter(dm.cdsMaxIncome, "mi", d, false); }},
        {"GetMinPens", &TdMain::cdsMinPens, false,
         [](TdMain& dm, Date d) { return dm.GetMinPens(d); },
         [](TdMain& dm, Date d) { return literalFilter(dm.cdsMinPens, "mp", d, true); }},
    };
}

// Compares a lookup with its literal procedure on every day (every month start for the scans)
// of a range; stops at the first difference.
void expectSameAsLiteral(TdMain& dm, const LookupPair& lookup, Date from, Date to) {
    SCOPED_TRACE(lookup.name);
    int compared = 0;
    for (Date d = from; d <= to; d.serial += 1) {
        if (lookup.byMonth && civilFromDate(d).day != 1)
            continue;
        const double fast = lookup.fast(dm, d);
        const double literal = lookup.literal(dm, d);
        ++compared;
        ASSERT_EQ(fast, literal) << "on " << formatDate(d);
        ASSERT_FALSE((dm.*lookup.table).filtered()) << "filter left on after " << formatDate(d);
    }
    EXPECT_GT(compared, 0);
}

TEST(LookupsAgreeWithLiteralProcedure, OnTheRealTables) {
    TdMain dm;
    for (const LookupPair& lookup : allLookups()) {
        ASSERT_GT((dm.*lookup.table).recordCount(), 0) << lookup.name;
        if (lookup.byMonth)
            expectSameAsLiteral(dm, lookup, day("01.01.1945"), day("01.12.2035"));
        else
            expectSameAsLiteral(dm, lookup, day("01.01.1990"), day("31.12.2030"));
    }
}

// Rows out of date order, overlapping, touching, duplicated, open-ended, reversed or without a
// begin: the first row in table order that covers a day must win everywhere.
TEST(LookupsAgreeWithLiteralProcedure, OnHandMadeTablesWithOverlaps) {
    struct Case {
        const char* name;
        std::vector<DatedRow> rows;
    };
    const std::vector<Case> cases = {
        {"ascending, touching ends",
         {{day("01.01.2000"), day("01.03.2000"), 10},
          {day("01.03.2000"), day("30.06.2000"), 20},
          {day("01.07.2000"), std::nullopt, 30}}},
        {"an earlier row covers part of later ones",
         {{day("01.01.2000"), day("31.12.2001"), 1},
          {day("01.06.2000"), day("31.03.2002"), 2},
          {day("15.02.2001"), std::nullopt, 3},
          {day("01.01.2000"), day("31.12.2001"), 4}}},
        {"a later row begins before the first",
         {{day("01.06.2000"), day("31.12.2000"), 5},
          {day("01.01.1999"), day("31.12.2003"), 6},
          {day("01.01.2002"), std::nullopt, 7}}},
        {"reversed row, empty begin, one-day row, empty value",
         {{day("01.01.2000"), day("31.12.2000"), 8},
          {day("01.06.2001"), day("01.01.2001"), 9},
          {std::nullopt, day("31.12.2002"), 10},
          {day("01.01.2001"), day("01.01.2001"), 11},
          {day("01.02.2001"), day("30.04.2001"), 0}}},
        {"an open row, then a one-day row inside it",
         {{day("01.01.2000"), std::nullopt, 12}, {day("15.05.2000"), day("15.05.2000"), 13}}},
        {"no rows", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TdMain dm;
        for (const LookupPair& lookup : allLookups()) {
            setDatedRows(dm.*lookup.table, c.rows);
            expectSameAsLiteral(dm, lookup, day("01.12.1998"), day("31.01.2003"));
        }
    }
}

// The month figures are kept month by month where the tables change; every month, kept or not,
// must read as the lookup on its first day, also for tables spanning more months than are kept.
TEST(LookupsAgreeWithLiteralProcedure, MaximumIncomeOfAMonthIsThatOfItsFirstDay) {
    const std::vector<std::vector<DatedRow>> tables = {
        {},
        {{day("01.01.2000"), day("14.03.2000"), 1},
         {day("15.03.2000"), day("31.12.2000"), 2},
         {day("01.01.2001"), std::nullopt, 3},
         {day("15.05.2001"), day("15.05.2001"), 4}},
        {{day("01.01.0500"), day("31.12.1999"), 5}, {day("01.06.2000"), std::nullopt, 6}},
    };
    for (const auto& rows : tables) {
        TdMain dm;
        setDatedRows(dm.cdsMaxIncome, rows);
        setDatedRows(dm.cdsAvgZpMonth, rows);
        const auto reference = dm.CalcReference();
        for (LedgerMonth month{1900, 0}; month.year <= 2100; month = monthAfter(month)) {
            ASSERT_EQ(reference->maximumIncomeOfMonth(month),
                      reference->maximumIncome(MonthStart(month)))
                << month.year << "-" << calendarMonth(month);
            ASSERT_EQ(reference->averageWageOfMonth(month),
                      literalScan(dm.cdsAvgZpMonth, "azm", month))
                << month.year << "-" << calendarMonth(month);
        }
    }
}

// ---- The rules of each lookup on named cases ----

TEST(ScanLookups, EndExclusiveFirstRowEarlyOutAndOpenEnd) {
    for (const testing_support::MonthLookupCase& c : testing_support::monthLookupCases()) {
        TdMain dm;
        for (Table* table : {&dm.cdsAvgZpMonth, &dm.cdsAvgZpYear, &dm.cdsMinZP})
            setDatedRows(*table, testing_support::datedRowsOf(c.rows));
        const double results[] = {dm.GetAvgZpMonth(c.month), dm.GetAvgZpYearOfMonth(c.month),
                                  dm.GetMinZp(c.month)};
        for (double result : results)
            EXPECT_EQ(result, c.expected)
                << c.name << ": month " << c.month.year << "/" << c.month.month0;
    }
}

TEST(FilterLookups, EndInclusiveAndTheirFallbacks) {
    for (const testing_support::DayLookupCase& c : testing_support::dayLookupCases()) {
        TdMain dm;
        setDatedRows(dm.cdsMaxIncome, testing_support::datedRowsOf(c.rows));
        setDatedRows(dm.cdsMinPens, testing_support::datedRowsOf(c.rows));
        EXPECT_EQ(dm.GetMaxIncome(day(c.date)), c.maxIncome) << c.name << " on " << c.date;
        EXPECT_EQ(dm.GetMinPens(day(c.date)), c.minPens) << c.name << " on " << c.date;
    }
}

TEST(GetKoeff, TakesTheFirstOpenEndedRowOfTheType) {
    TdMain dm;
    setDatedRows(dm.cdsKoeff, testing_support::datedRowsOf(testing_support::coefficientRows()));
    for (const testing_support::CoefficientCase& c : testing_support::coefficientCases()) {
        EXPECT_EQ(dm.GetKoeff(c.type), c.expected) << c.name << ": type " << c.type;
        EXPECT_FALSE(dm.cdsKoeff.filtered()) << c.name;
    }
}

TEST(GetAvgZpForYear, ClampsToTheTableThenNeedsTheFirstOfJanuary) {
    TdMain dm;
    setDatedRows(dm.cdsAvgZpYear,
                 testing_support::datedRowsOf(testing_support::averageWageOfYearRows()));
    for (const testing_support::YearCase& c : testing_support::averageWageOfYearCases()) {
        int year = c.year;
        EXPECT_EQ(dm.GetAvgZpForYear(year), c.expected) << c.name << ": asked " << c.year;
        EXPECT_EQ(year, c.yearUsed) << c.name << ": asked " << c.year;
    }
}

TEST(Lookups, ReadEveryRowWhenAFilterWasLeftOnAndSwitchItOff) {
    TdMain dm;
    for (const LookupPair& lookup : allLookups()) {
        Table& table = dm.*lookup.table;
        const std::string valueField = table.field(2).name;
        const Date probe = day("01.03.2011");
        table.setFilter(valueField + " < 0");
        table.setFiltered(true);
        ASSERT_EQ(table.recordCount(), 0) << lookup.name;
        const double fast = lookup.fast(dm, probe);
        EXPECT_FALSE(table.filtered()) << lookup.name;
        EXPECT_NE(fast, 0) << lookup.name;
        EXPECT_EQ(fast, lookup.literal(dm, probe)) << lookup.name;
    }
}

TEST(Lookups, FollowChangesOfTheirTable) {
    TdMain dm;
    setDatedRows(dm.cdsMaxIncome, {{day("01.01.2005"), std::nullopt, 4100}});
    setDatedRows(dm.cdsMinZP, {{day("01.01.2005"), std::nullopt, 262}});
    EXPECT_EQ(dm.GetMaxIncome(day("01.06.2005")), 4100);
    EXPECT_EQ(dm.GetMinZp({2005, 5}), 262);

    for (Table* table : {&dm.cdsMaxIncome, &dm.cdsMinZP}) {
        table->first();
        table->edit();
        table->setValue(1, day("31.05.2005"));
        table->post();
        table->append();
        table->setValue(0, day("01.06.2005"));
        table->setValue(2, 5000.0);
        table->post();
    }
    EXPECT_EQ(dm.GetMaxIncome(day("31.05.2005")), 4100);
    EXPECT_EQ(dm.GetMaxIncome(day("01.06.2005")), 5000);
    EXPECT_EQ(dm.GetMinZp({2005, 4}), 262);
    EXPECT_EQ(dm.GetMinZp({2005, 5}), 5000);
}

} // namespace
} // namespace rv
