#include "case_builders.h"
#include "import/import_preview.h"
#include "store/dmMain.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace rv::import {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::DatedRow;
using testing_support::day;
using testing_support::ledgerKey;
using testing_support::setDatedRows;
using testing_support::setEarning;

// A person with the months of 2005 in the ledger and reference figures chosen for the flags:
// minimum wage 300, average wage 1000 (70 in 1995), maximum for contributions 5000.
class ImportPreviewTest : public testing::Test {
protected:
    void SetUp() override {
        setDatedRows(dm.cdsMinZP, {{day("01.01.1990"), day("31.12.2010"), 300}});
        setDatedRows(dm.cdsAvgZpMonth, {{day("01.01.1995"), day("31.12.1995"), 70},
                                        {day("01.01.2005"), day("31.12.2005"), 1000}});
        setDatedRows(dm.cdsMaxIncome, {{day("01.01.2005"), day("31.12.2005"), 5000}});
        personId = confirmedPerson(dm, day("01.01.1960"), 0, day("01.01.2021"));
        addPeriod(dm, day("01.01.2005"), day("31.12.2005"));
        ASSERT_TRUE(dm.BuildLedger());
    }

    double earning(int year, int month0) {
        EXPECT_TRUE(dm.cdsEarning.locate("earning_id", ledgerKey(personId, year, month0)));
        return dm.cdsEarning.asFloat("earning_payment");
    }

    TdMain dm;
    std::int32_t personId = 0;
};

TEST_F(ImportPreviewTest, FlagsWhatThePersonMustConfirm) {
    setEarning(dm, 2005, 1, 1000); // February: the same amount, no flag
    setEarning(dm, 2005, 3, 900);  // April: another amount
    const StatementReading reading = readStatement("2005;1;250\n"
                                                   "2005;2;1000\n"
                                                   "2005;3;6000\n"
                                                   "2005;4;1000\n"
                                                   "1995;3;7 000 000\n");
    using Code = ImportFlagCode;
    std::vector<std::tuple<int, int, Code>> found;
    for (const ImportFlag& flag : previewFlags(dm, reading, true))
        found.emplace_back(flag.year, flag.month, flag.code);
    const std::vector<std::tuple<int, int, Code>> expected = {
        {1995, 3, Code::OldCurrency},      {1995, 3, Code::OutsideLedger},
        {2005, 1, Code::BelowMinimumWage}, {2005, 3, Code::FarAboveAverage},
        {2005, 4, Code::DifferentEarning},
    };
    EXPECT_EQ(found, expected);

    const std::vector<ImportFlag> flags = previewFlags(dm, reading, true);
    EXPECT_EQ(flags[0].text, "березень 1995 р.: схоже, суму вказано в карбованцях чи рублях до "
                             "грошової реформи 1996 року; у гривнях це 70,00");
    EXPECT_EQ(flags[4].text, "квітень 2005 р.: у розрахунку вже введено 900,00, імпорт замінить "
                             "цю суму");

    // Without a case only the reference data speaks.
    EXPECT_EQ(previewFlags(dm, reading, false).size(), 3u);
}

TEST_F(ImportPreviewTest, FarAboveMeansTenAverageWagesWhereNoMaximumIsKnown) {
    setDatedRows(dm.cdsMaxIncome, {});
    const StatementReading reading = readStatement("2005;3;10000\n2005;4;10001\n");
    const std::vector<ImportFlag> flags = previewFlags(dm, reading, false);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].month, 4);
    EXPECT_EQ(flags[0].code, ImportFlagCode::FarAboveAverage);
}

TEST_F(ImportPreviewTest, AppliesEveryMonthAndEvaluatesIt) {
    applyImportedEarnings(dm, {{{2005, 2}, 1500}, {{2005, 3}, 2000.5}});
    EXPECT_EQ(earning(2005, 2), 1500);
    EXPECT_EQ(dm.cdsEarning.asFloat("earning_k"), 1.5) << "March's coefficient";
    EXPECT_EQ(earning(2005, 3), 2000.5);
}

TEST_F(ImportPreviewTest, AppliesAllOrNothing) {
    setEarning(dm, 2005, 2, 500);
    // May loses its average wage, so the evaluation refuses its earning.
    dm.setSuperState(true);
    ASSERT_TRUE(dm.cdsEarning.locate("earning_id", ledgerKey(personId, 2005, 4)));
    dm.cdsEarning.edit();
    dm.cdsEarning.setValue("earning_avg_zp", 0.0);
    dm.cdsEarning.post();
    dm.setSuperState(false);

    const std::vector<AcceptedEarning> earnings = {
        {{2005, 2}, 1500}, {{2005, 3}, 1600}, {{2005, 4}, 1700}, {{2005, 5}, 1800}};
    try {
        applyImportedEarnings(dm, earnings);
        FAIL() << "the refused May must stop the import";
    } catch (const UserError& refusal) {
        EXPECT_EQ(std::string(refusal.what()),
                  "Імпорт не виконано, нічого не змінено: Відсутнє значення середньої заробітної "
                  "плати за травень 2005 р.");
    }
    EXPECT_EQ(earning(2005, 2), 500);
    EXPECT_EQ(earning(2005, 3), 0);
    EXPECT_EQ(earning(2005, 4), 0);
    EXPECT_EQ(earning(2005, 5), 0);
}

TEST_F(ImportPreviewTest, RefusesAMonthOutsideTheLedgerBeforeChangingAnything) {
    const std::vector<AcceptedEarning> earnings = {{{2005, 0}, 1000}, {{2006, 0}, 1000}};
    EXPECT_THROW(applyImportedEarnings(dm, earnings), UserError);
    EXPECT_EQ(earning(2005, 0), 0);
    EXPECT_THROW(applyImportedEarnings(dm, {}), UserError);
    EXPECT_THROW(applyImportedEarnings(dm, {{{2005, 0}, -1}}), UserError);
    EXPECT_EQ(earning(2005, 0), 0);
}

} // namespace
} // namespace rv::import
