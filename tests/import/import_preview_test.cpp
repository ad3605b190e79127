#include "case_builders.h"
#include "import/import_preview.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace rv::import {
namespace {

using testing_support::day;

// Reference figures chosen for the flags: minimum wage 300, average wage 1000 (70 in 1995),
// maximum for contributions 5000.
ReferenceRows flaggingRows() {
    ReferenceRows rows;
    rows.minimumWage = {{day("01.01.1990"), day("31.12.2010"), 300}};
    rows.averageWageOfMonth = {{day("01.01.1988"), day("31.12.1988"), 0.002332},
                               {day("01.01.1995"), day("31.12.1995"), 70},
                               {day("01.01.2005"), day("31.12.2005"), 1000}};
    rows.maximumIncome = {{day("01.01.2005"), day("31.12.2005"), 5000}};
    return rows;
}

// A person's ledger of the months of 2005 without earnings.
class ImportPreviewTest : public testing::Test {
protected:
    void SetUp() override {
        for (int month0 = 0; month0 < 12; ++month0) {
            CaseMonth month;
            month.month = {2005, month0};
            months.push_back(month);
        }
    }

    Reference reference{flaggingRows()};
    std::vector<CaseMonth> months;
};

TEST_F(ImportPreviewTest, FlagsWhatThePersonMustConfirm) {
    months[1].earning = 1000; // February: the same amount, no flag
    months[3].earning = 900;  // April: another amount
    const StatementReading reading = readStatement("2005;1;250\n"
                                                   "2005;2;1000\n"
                                                   "2005;3;6000\n"
                                                   "2005;4;1000\n"
                                                   "1995;3;7 000 000\n");
    using Code = ImportFlagCode;
    std::vector<std::tuple<int, int, Code>> found;
    for (const ImportFlag& flag : previewFlags(reference, reading, &months))
        found.emplace_back(flag.year, flag.month, flag.code);
    const std::vector<std::tuple<int, int, Code>> expected = {
        {1995, 3, Code::OldCurrency},      {1995, 3, Code::OutsideLedger},
        {2005, 1, Code::BelowMinimumWage}, {2005, 3, Code::FarAboveAverage},
        {2005, 4, Code::DifferentEarning},
    };
    EXPECT_EQ(found, expected);

    const std::vector<ImportFlag> flags = previewFlags(reference, reading, &months);
    EXPECT_EQ(flags[0].text, "березень 1995 р.: схоже, суму вказано в карбованцях (до грошової "
                             "реформи 1996 року); у гривнях це 70,00 грн");
    EXPECT_EQ(flags[4].text, "квітень 2005 р.: у розрахунку вже введено 900,00, імпорт замінить "
                             "цю суму");

    // Without a case only the reference data speaks.
    EXPECT_EQ(previewFlags(reference, reading, nullptr).size(), 3u);
}

TEST_F(ImportPreviewTest, RoublesBeforeKarbovanetsAreNamedAsRoublesWithTheirSmallHryvnias) {
    const StatementReading reading = readStatement("1988;3;180,50\n");
    const std::vector<ImportFlag> flags = previewFlags(reference, reading, nullptr);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].code, ImportFlagCode::OldCurrency);
    EXPECT_EQ(flags[0].text,
              "березень 1988 р.: сума в рублях (до 1992 року); у гривнях за курсом реформи 1996 "
              "року (100 000 : 1) це 0,001805 грн");
}

TEST(ImportPersonTest, NamesWhatSetsTheStatementsPersonApart) {
    StatementPerson statement;
    statement.name = "ГОРБАТЮК НІНА ПЕТРІВНА";
    statement.birthDate = testing_support::day("03.05.1961");
    CasePerson same{"Горбатюк Ніна Петрівна", testing_support::day("03.05.1961"), 1, {}};
    EXPECT_TRUE(otherPersonReasons(statement, same).empty());
    CasePerson declined{"Горбатюку Ніні", testing_support::day("03.05.1961"), 1, {}};
    EXPECT_TRUE(otherPersonReasons(statement, declined).empty()) << "a case form of the name";

    CasePerson other{"Петренко Оксана", testing_support::day("15.03.1963"), 1, {}};
    const std::vector<std::string> reasons = otherPersonReasons(statement, other);
    ASSERT_EQ(reasons.size(), 2u);
    EXPECT_EQ(reasons[0], "у виписці дата народження 03.05.1961, а в розрахунку 15.03.1963");
    EXPECT_EQ(reasons[1], "у виписці прізвище особи — ГОРБАТЮК НІНА ПЕТРІВНА, а в розрахунку — "
                          "Петренко Оксана");
    EXPECT_TRUE(otherPersonReasons(StatementPerson{}, other).empty()) << "nothing to compare";
}

TEST_F(ImportPreviewTest, MonthsOutsideTheLedgerComeAsRuns) {
    const StatementReading reading = readStatement("2004;11;500\n2004;12;500\n2005;1;500\n"
                                                   "2006;2;500\n2006;3;500\n2006;5;500\n");
    const std::vector<MonthRun> runs = monthsOutsideLedger(reading, months);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].first, (LedgerMonth{2004, 10}));
    EXPECT_EQ(runs[0].last, (LedgerMonth{2004, 11}));
    EXPECT_EQ(runs[1].first, (LedgerMonth{2006, 1}));
    EXPECT_EQ(runs[1].last, (LedgerMonth{2006, 2}));
    EXPECT_EQ(runs[2].first, runs[2].last);
}

TEST_F(ImportPreviewTest, FarAboveMeansTenAverageWagesWhereNoMaximumIsKnown) {
    ReferenceRows rows = flaggingRows();
    rows.maximumIncome.clear();
    const Reference withoutMaximum(std::move(rows));
    const StatementReading reading = readStatement("2005;3;10000\n2005;4;10001\n");
    const std::vector<ImportFlag> flags = previewFlags(withoutMaximum, reading, nullptr);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].month, 4);
    EXPECT_EQ(flags[0].code, ImportFlagCode::FarAboveAverage);
}

} // namespace
} // namespace rv::import
