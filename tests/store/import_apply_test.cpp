// The import's months written into the data module's ledger: all or nothing, evaluated as typed.
#include "case_builders.h"

#include "engine/errors.h"
#include "import/import_preview.h"
#include "store/dmMain.h"
#include "store/dm_calculation.h"
#include "store/import_apply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::ledgerKey;
using testing_support::setDatedRows;
using testing_support::setEarning;

// A person with the months of 2005 in the ledger and reference figures chosen for the flags:
// minimum wage 300, average wage 1000 (70 in 1995), maximum for contributions 5000.
class ImportApplyTest : public testing::Test {
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

// The window's preview reads the person's months from the ledger, whatever it shows, and leaves
// the ledger's filter and cursor as they were.
TEST_F(ImportApplyTest, ThePreviewReadsTheLedgersMonthsAndLeavesTheLedgerAsItWas) {
    setEarning(dm, 2005, 3, 900); // April
    Table& ledger = dm.cdsEarning;
    ledger.setFilter("earning_year = 2005 and earning_month > 5");
    ledger.setFiltered(true);
    ledger.setRecNo(3);

    const std::vector<CaseMonth> months = currentMonthsUnseen(dm);
    EXPECT_EQ(months.size(), 12u);
    EXPECT_TRUE(ledger.filtered());
    EXPECT_EQ(ledger.filter(), "earning_year = 2005 and earning_month > 5");
    EXPECT_EQ(ledger.recordCount(), 6);
    EXPECT_EQ(ledger.recNo(), 3);

    const import::StatementReading reading = import::readStatement("2005;4;1000\n2006;1;1000\n");
    std::vector<std::pair<int, import::ImportFlagCode>> found;
    for (const import::ImportFlag& flag :
         import::previewFlags(*dm.CalcReference(), reading, &months))
        found.emplace_back(flag.month, flag.code);
    const std::vector<std::pair<int, import::ImportFlagCode>> expected = {
        {4, import::ImportFlagCode::DifferentEarning}, {1, import::ImportFlagCode::OutsideLedger}};
    EXPECT_EQ(found, expected);
}

TEST_F(ImportApplyTest, AppliesEveryMonthAndEvaluatesIt) {
    applyImportedEarnings(dm, {{{2005, 2}, 1500}, {{2005, 3}, 2000.5}});
    EXPECT_EQ(earning(2005, 2), 1500);
    EXPECT_EQ(dm.cdsEarning.asFloat("earning_k"), 1.5) << "March's coefficient";
    EXPECT_EQ(earning(2005, 3), 2000.5);
}

TEST_F(ImportApplyTest, AppliesAllOrNothing) {
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

TEST_F(ImportApplyTest, RefusesAMonthOutsideTheLedgerBeforeChangingAnything) {
    const std::vector<AcceptedEarning> earnings = {{{2005, 0}, 1000}, {{2006, 0}, 1000}};
    EXPECT_THROW(applyImportedEarnings(dm, earnings), UserError);
    EXPECT_EQ(earning(2005, 0), 0);
    EXPECT_THROW(applyImportedEarnings(dm, {}), UserError);
    EXPECT_THROW(applyImportedEarnings(dm, {{{2005, 0}, -1}}), UserError);
    EXPECT_EQ(earning(2005, 0), 0);
}

} // namespace
} // namespace rv
