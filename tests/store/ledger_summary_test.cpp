#include "store/ledger_summary.h"

#include "case_builders.h"

#include "store/dmMain.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::setEarning;

// A ledger of November 2003 to February 2004 with three earnings typed.
class LedgerSummaryTest : public testing::Test {
protected:
    void SetUp() override {
        confirmedPerson(dm, day("10.05.1960"), 0, day("15.06.2021"));
        addPeriod(dm, day("01.11.2003"), day("29.02.2004"));
        ASSERT_TRUE(dm.BuildLedger());
        setEarning(dm, 2003, 10, 100);
        setEarning(dm, 2004, 0, 300.25);
        setEarning(dm, 2004, 1, 400);
    }

    TdMain dm;
};

TEST_F(LedgerSummaryTest, SumsAYearOrTheWholeLedgerAndLeavesTheCursor) {
    dm.cdsEarning.setRecNo(2);
    const LedgerSums year2004 = sumLedgerYear(dm.cdsEarning, 2004);
    EXPECT_EQ(year2004.months, 2);
    EXPECT_DOUBLE_EQ(year2004.earnings, 700.25);
    EXPECT_FALSE(dm.cdsEarning.filtered());
    EXPECT_EQ(dm.cdsEarning.recNo(), 2);
    EXPECT_FALSE(dm.cdsEarning.boundViewsSuspended());

    const LedgerSums all = sumLedger(dm.cdsEarning);
    EXPECT_EQ(all.months, 4);
    EXPECT_DOUBLE_EQ(all.earnings, 800.25);
    EXPECT_EQ(sumLedgerYear(dm.cdsEarning, 1999).months, 0);
}

// ст. 24 ч. 3 counts a month by its earning from 2004 on: a short month before it is not short.
TEST_F(LedgerSummaryTest, AShortCreditedMonthOnlyFromTheLawsFirstMonth) {
    const LedgerRules& rules = dm.LedgerLawRules();
    struct Case {
        const char* name;
        int year, month0, days;
        bool shortMonth;
    };
    const Case cases[] = {
        {"December 2003, 10 of 31 days", 2003, 11, 10, false},
        {"January 2004, 30 of 31 days", 2004, 0, 30, true},
        {"January 2004, all 31 days", 2004, 0, 31, false},
        {"February 2004, 29 of 29 days", 2004, 1, 29, false},
        {"February 2005, 27 of 28 days", 2005, 1, 27, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isShortCreditedMonth(rules, c.year, c.month0, c.days), c.shortMonth) << c.name;
}

} // namespace
} // namespace rv
