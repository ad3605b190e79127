// Calculate(TdMain&): the months written back to the ledger in one pass, the marks of earlier
// calculations replaced, the ledger's views kept still and its cursor put back, on every way out.
#include "store/dm_calculation.h"

#include "case_builders.h"

#include "engine/errors.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;

class LedgerNotifications : public DataModuleListener {
public:
    void periodStored() override {}
    void ledgerRowStored() override {}
    void ledgerDataChanged() override { ++dataChanges; }
    int dataChanges = 0;
};

// Every month earns exactly its average wage, so each wage coefficient is 1 and every month
// from 2004 on is credited in full.
void earnTheAverageWageEveryMonth(TdMain& dm) {
    Table& ledger = dm.cdsEarning;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ledger.edit();
        ledger.setValue("earning_payment", ledger.asFloat("earning_avg_zp"));
        ledger.post();
    }
}

int countMarks(const Table& ledger, const char* field, const char* mark) {
    int count = 0;
    const int position = ledger.fieldIndex(field);
    for (int row = 0; row < ledger.recordCount(); ++row)
        count += ledger.viewValue(row, position) == Value{std::string(mark)};
    return count;
}

std::string markOf(TdMain& dm, int year, int month0, const char* field) {
    dm.cdsEarning.setFiltered(false);
    const std::int32_t key = testing_support::ledgerKey(dm.currentPersonId(), year, month0);
    return dm.cdsEarning.locate("earning_id", key) ? dm.cdsEarning.asText(field) : "(no row)";
}

class CalculationAdapterTest : public testing::Test {
protected:
    void SetUp() override {
        // The cases count on these parameters of the real reference data.
        ASSERT_EQ(dm.reference().MinInsuranceYears, 15);
        ASSERT_EQ(dm.reference().FullInsuranceYearsMale, 35);
        ASSERT_EQ(dm.reference().FullInsuranceYearsFemale, 30);
        ASSERT_EQ(dm.reference().Opt2MaxExcludedMonths, 60);
        ASSERT_EQ(dm.reference().Opt2MinKeptMonths, 60);
    }

    // A man born 10.05.1958 (pension age date 11.05.2018) with one period of employment.
    void buildCase(const char* begin, const char* finish) {
        confirmedPerson(dm, day("10.05.1958"), 0, day("15.01.2021"));
        addPeriod(dm, day(begin), day(finish));
        ASSERT_TRUE(dm.BuildLedger());
        earnTheAverageWageEveryMonth(dm);
    }

    LedgerNotifications notifications;
    TdMain dm{EmbeddedReferenceData(), &notifications};
};

TEST_F(CalculationAdapterTest, ReplacesTheMarksOfEarlierCalculations) {
    buildCase("01.01.1989", "31.12.2020");
    // Marks that no optimisation of this case would set.
    for (const auto& [year, month0, field, mark] :
         {std::tuple{1995, 0, "earning_opt1", "+"}, {2010, 4, "earning_opt2", "-"}}) {
        testing_support::setEarning(dm, year, month0, 0); // locates the row
        dm.cdsEarning.edit();
        dm.cdsEarning.setValue(field, std::string(mark));
        dm.cdsEarning.setValue("earning_payment", dm.cdsEarning.asFloat("earning_avg_zp"));
        dm.cdsEarning.post();
    }
    ASSERT_EQ(markOf(dm, 1995, 0, "earning_opt1"), "+");

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("calculation " + std::to_string(run));
        Calculate(dm, day("15.01.2021"), '.');
        dm.cdsEarning.setFiltered(false);
        EXPECT_EQ(countMarks(dm.cdsEarning, "earning_opt1", "+"), 306);
        EXPECT_EQ(countMarks(dm.cdsEarning, "earning_opt2", "-"), 38);
        EXPECT_EQ(markOf(dm, 1995, 0, "earning_opt1"), ""); // outside the best window
        EXPECT_EQ(markOf(dm, 2010, 4, "earning_opt2"), "");
        EXPECT_EQ(markOf(dm, 1989, 0, "earning_opt2"), "-"); // the first excluded month
        EXPECT_EQ(markOf(dm, 1992, 2, "earning_opt2"), "");  // the first month kept
    }
}

TEST_F(CalculationAdapterTest, KeepsTheLedgerViewsStillAndPutsTheCursorBack) {
    buildCase("01.01.2004", "31.07.2020");
    dm.cdsEarning.setRecNo(37);
    notifications.dataChanges = 0;

    Calculate(dm, day("15.01.2021"), '.');

    EXPECT_EQ(dm.cdsEarning.recNo(), 37);
    EXPECT_FALSE(dm.cdsEarning.boundViewsSuspended());
    EXPECT_EQ(notifications.dataChanges, 1); // the one change the resumed views report
}

TEST_F(CalculationAdapterTest, AnErrorStillResumesTheLedgerViewsAndPutsTheCursorBack) {
    buildCase("01.01.2004", "31.07.2020");
    dm.cdsEarning.setRecNo(37);
    int posts = 0;
    dm.cdsEarning.BeforePost = [&posts](Table&) {
        if (++posts == 5)
            throw UserError("refused");
    };

    EXPECT_THROW(Calculate(dm, day("15.01.2021"), '.'), UserError);
    EXPECT_EQ(dm.cdsEarning.state(), TableState::Browse);
    EXPECT_EQ(dm.cdsEarning.recNo(), 37);
    EXPECT_FALSE(dm.cdsEarning.boundViewsSuspended());
}

} // namespace
} // namespace rv
