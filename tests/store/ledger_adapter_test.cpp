// The data module's ledger table: built of the current person's periods with their keys, filtered
// to the person, the typed earnings kept while their month stays covered, other persons' rows
// left alone, and a refused build leaving the months made before it.
#include "case_builders.h"
#include "ledger_cases.h"
#include "store/dmMain.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::DatedRow;
using testing_support::day;
using testing_support::ledgerKey;
using testing_support::MonthDays;
using testing_support::setDatedRows;
using testing_support::setEarning;

using Period = std::pair<const char*, const char*>;

class LedgerAdapterTest : public testing::Test {
protected:
    void SetUp() override {
        personId = confirmedPerson(dm, day("01.01.1950"), 0, day("01.01.2012"));
    }

    void addPeriods(const std::vector<Period>& periods) {
        for (const auto& [begin, finish] : periods)
            addPeriod(dm, day(begin), day(finish));
    }

    // Replaces the person's periods by these and rebuilds the ledger.
    void rebuildWith(const std::vector<Period>& periods) {
        while (dm.cdsExp.recordCount() > 0) {
            dm.cdsExp.first();
            dm.cdsExp.remove();
        }
        addPeriods(periods);
        ASSERT_TRUE(dm.BuildLedger());
    }

    // The ledger rows in view order, each checked to carry the key of its month.
    std::vector<MonthDays> monthDays() {
        std::vector<MonthDays> rows;
        for (dm.cdsEarning.first(); !dm.cdsEarning.eof(); dm.cdsEarning.next()) {
            const MonthDays row{dm.cdsEarning.asInteger("earning_year"),
                                dm.cdsEarning.asInteger("earning_month"),
                                dm.cdsEarning.asInteger("earning_month_day")};
            EXPECT_EQ(dm.cdsEarning.asInteger("earning_id"),
                      ledgerKey(personId, row.year, row.month0));
            rows.push_back(row);
        }
        return rows;
    }

    // Every stored value of every row of the table, in view order.
    static std::vector<std::vector<Value>> contents(const Table& table) {
        std::vector<std::vector<Value>> rows;
        for (int row = 0; row < table.recordCount(); ++row) {
            rows.emplace_back();
            for (int field = 0; field < table.fieldCount(); ++field)
                rows.back().push_back(table.viewValue(row, field));
        }
        return rows;
    }

    double paymentOf(int year, int month0) {
        if (!dm.cdsEarning.locate("earning_id", ledgerKey(personId, year, month0)))
            return -1; // no row
        return dm.cdsEarning.asFloat("earning_payment");
    }

    TdMain dm;
    std::int32_t personId = 0;
};

TEST_F(LedgerAdapterTest, OneRowPerCoveredMonthWithTheDaysThePeriodsCover) {
    for (const testing_support::LedgerMonthsCase& c : testing_support::ledgerMonthsCases()) {
        SCOPED_TRACE(c.name);
        rebuildWith(c.periods);
        EXPECT_EQ(monthDays(), c.expected);
        EXPECT_EQ(dm.cdsEarning.filter(), "earning_person_id=" + std::to_string(personId));
        EXPECT_TRUE(dm.cdsEarning.filtered());
        EXPECT_EQ(dm.cdsExp.filter(), "exp_person_id=" + std::to_string(personId));
        EXPECT_TRUE(dm.cdsExp.filtered());
    }
}

TEST_F(LedgerAdapterTest, NewRowsCarryTheReferenceValuesAndTheEvaluation) {
    rebuildWith({{"15.06.1998", "31.03.2005"}});
    setEarning(dm, 1998, 6, 900);
    setEarning(dm, 2004, 1, 100);
    ASSERT_TRUE(dm.BuildLedger());
    ASSERT_EQ(dm.cdsEarning.recordCount(), 7 + 6 * 12 + 3);
    for (dm.cdsEarning.first(); !dm.cdsEarning.eof(); dm.cdsEarning.next()) {
        const Table& row = dm.cdsEarning;
        const LedgerMonth month{row.asInteger("earning_year"), row.asInteger("earning_month")};
        SCOPED_TRACE(std::to_string(month.year) + "/" + std::to_string(month.month0));
        const double payment = row.asFloat("earning_payment");
        const double minimum = row.asFloat("earning_min_zp");
        EXPECT_EQ(row.asInteger("earning_person_id"), personId);
        EXPECT_EQ(row.asFloat("earning_avg_zp"), dm.GetAvgZpMonth(month));
        EXPECT_EQ(row.asFloat("earning_avg_zp_year"), dm.GetAvgZpYearOfMonth(month));
        EXPECT_EQ(minimum, dm.GetMinZp(month));
        EXPECT_EQ(row.value("earning_min_zp_year"), Value{0.0});
        EXPECT_EQ(row.value("earning_payment_year"), Value{0.0});
        EXPECT_EQ(row.value("earning_opt1"), Value{std::string()});
        EXPECT_EQ(row.value("earning_opt2"), Value{std::string()});
        EXPECT_EQ(row.asFloat("earning_k"), dm.WageCoefficient(month.year, month.month0, payment,
                                                               row.asFloat("earning_avg_zp")));
        EXPECT_EQ(row.asInteger("earning_day"),
                  dm.CreditedDays(month.year, month.month0, payment, minimum,
                                  row.asInteger("earning_month_day")));
    }
    EXPECT_EQ(paymentOf(1998, 6), 900);
    EXPECT_GT(dm.cdsEarning.asFloat("earning_k"), 0);
    EXPECT_EQ(paymentOf(2004, 1), 100);
}

TEST_F(LedgerAdapterTest, TypedEarningsSurviveOnlyWhileTheirMonthStaysCovered) {
    rebuildWith({{"01.01.2005", "31.12.2005"}});
    setEarning(dm, 2005, 2, 1500);
    setEarning(dm, 2005, 6, 700);

    rebuildWith({{"01.01.2005", "31.12.2005"}});
    EXPECT_EQ(paymentOf(2005, 2), 1500) << "still covered";
    EXPECT_GT(dm.cdsEarning.asFloat("earning_k"), 0) << "evaluated again";
    EXPECT_EQ(paymentOf(2005, 6), 700);
    EXPECT_EQ(dm.cdsEarningCopy.recordCount(), 2);

    rebuildWith({{"01.04.2005", "31.12.2005"}});
    EXPECT_EQ(paymentOf(2005, 2), -1) << "no longer covered";
    EXPECT_EQ(paymentOf(2005, 6), 700);

    rebuildWith({{"01.01.2005", "31.12.2005"}});
    EXPECT_EQ(paymentOf(2005, 2), 0) << "covered again, but the earning is gone";
    EXPECT_EQ(paymentOf(2005, 6), 700);
    ASSERT_EQ(dm.cdsEarningCopy.recordCount(), 1);
    dm.cdsEarningCopy.first();
    EXPECT_EQ(dm.cdsEarningCopy.asInteger("earning_id"), ledgerKey(personId, 2005, 6));
    EXPECT_EQ(dm.cdsEarningCopy.asFloat("earning_payment"), 700);
}

TEST_F(LedgerAdapterTest, ConfirmingTheSamePeriodsAgainGivesTheSameLedger) {
    rebuildWith({{"16.01.2005", "20.03.2006"}, {"01.06.2003", "15.01.2005"}});
    setEarning(dm, 2003, 5, 321.5);
    setEarning(dm, 2005, 0, 1200);
    setEarning(dm, 2006, 2, 9000);
    const auto before = contents(dm.cdsEarning);
    ASSERT_TRUE(dm.BuildLedger());
    EXPECT_EQ(contents(dm.cdsEarning), before);
}

TEST_F(LedgerAdapterTest, RowsOfOtherPersonsAreLeftAlone) {
    rebuildWith({{"01.01.2005", "31.03.2005"}});
    dm.cdsEarning.setFiltered(false);
    const auto everyRowBefore = contents(dm.cdsEarning);
    dm.cdsEarning.append();
    dm.cdsEarning.setValue("earning_id", ledgerKey(99, 2005, 0));
    dm.cdsEarning.setValue("earning_person_id", 99);
    dm.cdsEarning.setValue("earning_year", 2005);
    dm.cdsEarning.setValue("earning_month", 0);
    dm.cdsEarning.setValue("earning_avg_zp", 800.0);
    dm.cdsEarning.setValue("earning_payment", 400.0);
    dm.cdsEarning.post();
    const std::vector<Value> otherPerson = contents(dm.cdsEarning).back();

    ASSERT_TRUE(dm.BuildLedger());
    EXPECT_EQ(dm.cdsEarning.recordCount(), 3);
    dm.cdsEarning.setFiltered(false);
    auto everyRowAfter = contents(dm.cdsEarning);
    ASSERT_EQ(everyRowAfter.size(), everyRowBefore.size() + 1);
    EXPECT_EQ(everyRowAfter.back(), otherPerson);
    everyRowAfter.pop_back();
    EXPECT_EQ(everyRowAfter, everyRowBefore);
}

TEST_F(LedgerAdapterTest, AMonthWithoutAverageWageEndsTheBuildKeepingTheMonthsBefore) {
    rebuildWith({{"01.01.2005", "30.04.2005"}});
    setEarning(dm, 2005, 1, 1000);
    setDatedRows(dm.cdsAvgZpMonth, {{day("01.01.2005"), day("01.03.2005"), 800}});
    try {
        dm.BuildLedger();
        ADD_FAILURE() << "the build went through March 2005";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(),
                     "Відсутнє значення середньої заробітної плати за березень 2005 р.");
    }
    EXPECT_FALSE(dm.cdsEarning.isEditing());
    EXPECT_EQ(monthDays(), (std::vector<MonthDays>{{2005, 0, 31}, {2005, 1, 28}}));
    EXPECT_EQ(paymentOf(2005, 1), 1000);
    EXPECT_EQ(dm.cdsEarningCopy.recordCount(), 1);
    EXPECT_EQ(dm.cdsEarning.filter(), "earning_person_id=" + std::to_string(personId));
}

// Before 2004 the credited days are the covered days, so the super state shows which share
// the row kept.
TEST_F(LedgerAdapterTest, UnderTheSuperStateRowsKeepTheDaysOfTheirFirstShare) {
    struct Case {
        const char* name;
        bool superState;
        bool coefficientEvaluated;
        std::int32_t creditedDays;
    };
    const Case cases[] = {
        {"evaluated", false, true, 11},
        {"super state", true, false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dm.setSuperState(false);
        rebuildWith({{"01.03.2003", "31.03.2003"}});
        setEarning(dm, 2003, 2, 500);
        dm.setSuperState(c.superState);
        rebuildWith({{"01.03.2003", "05.03.2003"}, {"10.03.2003", "15.03.2003"}});
        ASSERT_EQ(paymentOf(2003, 2), 500);
        EXPECT_EQ(dm.cdsEarning.asInteger("earning_month_day"), 11);
        EXPECT_EQ(dm.cdsEarning.asInteger("earning_day"), c.creditedDays);
        const double evaluated =
            dm.WageCoefficient(2003, 2, 500, dm.cdsEarning.asFloat("earning_avg_zp"));
        EXPECT_EQ(dm.cdsEarning.asFloat("earning_k"), c.coefficientEvaluated ? evaluated : 0);
    }
}

} // namespace
} // namespace rv
