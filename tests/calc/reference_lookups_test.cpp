// The reference's dated figures on named tables: a ledger month's figures end exclusive, a day's
// both ends included, the coefficient still in force and the yearly average wage of a year.
#include "calc/reference.h"

#include "lookup_cases.h"
#include "value_cases.h"

#include <gtest/gtest.h>

#include <string>

namespace rv {
namespace {

using testing_support::day;

TEST(ReferenceLookupsTest, AMonthsFiguresEndExclusiveTheFirstRowWinning) {
    for (const testing_support::MonthLookupCase& c : testing_support::monthLookupCases()) {
        SCOPED_TRACE(std::string(c.name) + ": month " + std::to_string(c.month.year) + "/" +
                     std::to_string(c.month.month0));
        const auto reference = testing_support::changedReference([&c](ReferenceRows& rows) {
            rows.averageWageOfMonth = c.rows;
            rows.averageWageOfYear = c.rows;
            rows.minimumWage = c.rows;
        });
        EXPECT_EQ(reference->averageWageOfMonth(c.month), c.expected);
        EXPECT_EQ(reference->averageWageOfYearOfMonth(c.month), c.expected);
        EXPECT_EQ(reference->minimumWage(c.month), c.expected);
    }
}

TEST(ReferenceLookupsTest, ADaysFiguresEndInclusiveWithTheirFallbacks) {
    for (const testing_support::DayLookupCase& c : testing_support::dayLookupCases()) {
        SCOPED_TRACE(std::string(c.name) + " on " + c.date);
        const auto reference = testing_support::changedReference([&c](ReferenceRows& rows) {
            rows.maximumIncome = c.rows;
            rows.subsistenceMinimum = c.rows;
        });
        EXPECT_EQ(reference->maximumIncome(day(c.date)), c.maxIncome);
        EXPECT_EQ(reference->subsistenceMinimum(day(c.date)), c.minPens);
    }
}

TEST(ReferenceLookupsTest, TheCoefficientIsTheFirstOpenEndedRowOfTheType) {
    const auto reference = testing_support::changedReference(
        [](ReferenceRows& rows) { rows.coefficients = testing_support::coefficientRows(); });
    for (const testing_support::CoefficientCase& c : testing_support::coefficientCases())
        EXPECT_EQ(reference->coefficient(c.type), c.expected) << c.name << ": type " << c.type;
}

TEST(ReferenceLookupsTest, TheAverageWageOfAYearIsClampedToTheTableThenNeedsTheFirstOfJanuary) {
    const auto reference = testing_support::changedReference([](ReferenceRows& rows) {
        rows.averageWageOfYear = testing_support::averageWageOfYearRows();
    });
    for (const testing_support::YearCase& c : testing_support::averageWageOfYearCases()) {
        int year = c.year;
        EXPECT_EQ(reference->averageWageForYear(year), c.expected)
            << c.name << ": asked " << c.year;
        EXPECT_EQ(year, c.yearUsed) << c.name << ": asked " << c.year;
    }
}

// Moving forward from day to day, the cursor finds what a search finds, also when a day goes
// back; on the tables of the month cases, either kind of end date.
TEST(ReferenceLookupsTest, ACursorFindsWhatTheSearchFinds) {
    const int first = day("01.01.1985").serial;
    const int last = day("31.12.2006").serial;
    for (const testing_support::MonthLookupCase& c : testing_support::monthLookupCases()) {
        SCOPED_TRACE(c.name);
        for (const auto endDate : {DatedLookup::EndDate::Exclusive, DatedLookup::EndDate::Inclusive}) {
            const DatedLookup lookup(c.rows, endDate);
            std::size_t cursor = 0;
            for (int serial = first; serial <= last; serial += 13)
                ASSERT_EQ(lookup.findFrom(Date{serial}, cursor), lookup.find(Date{serial}));
            for (const char* back : {"15.06.2000", "01.01.1980", "01.03.2005", "02.03.2005"})
                EXPECT_EQ(lookup.findFrom(day(back), cursor), lookup.find(day(back))) << back;
        }
    }
}

} // namespace
} // namespace rv
