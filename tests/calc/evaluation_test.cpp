#include "case_builders.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::confirmedPerson;
using testing_support::DatedRow;
using testing_support::day;
using testing_support::ledgerKey;
using testing_support::setDatedRows;

// The inputs of one ledger month as the ledger build leaves them.
struct MonthInputs {
    int year;
    int month0;
    std::optional<double> payment; // none: left empty
    double avgZp;
    double minZp;
    int monthDays;
};

struct Evaluated {
    Value payment;
    double coefficient;
    std::int32_t creditedDays;
};

class EvaluationTest : public testing::Test {
protected:
    void SetUp() override {
        personId = confirmedPerson(dm, day("01.01.1950"), 0, day("01.01.2010"));
    }

    // Appends the month to the table and posts it; the table stays in editing when the post
    // is refused.
    void append(Table& table, const MonthInputs& in) {
        table.append();
        table.setValue("earning_id", ledgerKey(personId, in.year, in.month0));
        table.setValue("earning_person_id", personId);
        table.setValue("earning_year", in.year);
        table.setValue("earning_month", in.month0);
        table.setValue("earning_avg_zp", in.avgZp);
        table.setValue("earning_min_zp", in.minZp);
        table.setValue("earning_month_day", in.monthDays);
        if (in.payment)
            table.setValue("earning_payment", *in.payment);
        table.post();
    }

    Evaluated post(Table& table, const MonthInputs& in) {
        append(table, in);
        EXPECT_TRUE(table.locate("earning_id", ledgerKey(personId, in.year, in.month0)));
        return {table.value("earning_payment"), table.asFloat("earning_k"),
                table.asInteger("earning_day")};
    }

    std::vector<Table*> ledgerTables() {
        return {&dm.cdsEarning, &dm.cdsEarningOpt1, &dm.cdsEarningOpt2};
    }

    TdMain dm;
    std::int32_t personId = 0;
};

const std::vector<DatedRow> kMaxIncomeFromAugust1998 = {{day("01.08.1998"), std::nullopt, 1000}};

TEST_F(EvaluationTest, CoefficientAndCreditedDaysFollowTheRulesOfTheMonth) {
    struct Case {
        const char* name;
        MonthInputs in;
        std::vector<DatedRow> maxIncome;
        double coefficient;
        std::int32_t creditedDays;
    };
    const std::vector<Case> cases = {
        {"March 1995: 6 is capped to 5.6, the covered days are credited",
         {1995, 2, 12000, 2000, 0.5, 20},
         kMaxIncomeFromAugust1998,
         5.6,
         20},
        {"July 1998: capped to 5.6 and the missing maximum income is not consulted",
         {1998, 6, 20000, 500, 55, 31},
         {},
         5.6,
         31},
        {"August 1998: the earning stops at the maximum income, 10 is not capped to 5.6",
         {1998, 7, 5000, 100, 55, 31},
         kMaxIncomeFromAugust1998,
         10,
         31},
        {"100 / 300 is taken to 5 places",
         {2000, 0, 100, 300, 118, 31},
         kMaxIncomeFromAugust1998,
         0.33333,
         31},
        {"200 / 300 rounds up at the fifth place",
         {2000, 0, 200, 300, 118, 31},
         kMaxIncomeFromAugust1998,
         0.66667,
         31},
        {"an empty earning in 2005 becomes 0 and credits no day",
         {2005, 4, {}, 1000, 262, 31},
         kMaxIncomeFromAugust1998,
         0,
         0},
        {"2004: an earning equal to the minimum wage credits the whole month",
         {2004, 3, 237, 500, 237, 10},
         kMaxIncomeFromAugust1998,
         0.474,
         30},
        {"February 2004 at half the minimum wage: 14.5 rounds to 14",
         {2004, 1, 100, 500, 200, 29},
         kMaxIncomeFromAugust1998,
         0.2,
         14},
        {"March 2004 at half the minimum wage: 15.5 rounds to 16",
         {2004, 2, 100, 500, 200, 31},
         kMaxIncomeFromAugust1998,
         0.2,
         16},
        {"2005, 10 covered days, earning above the minimum: 31 days",
         {2005, 0, 500, 800, 262, 10},
         kMaxIncomeFromAugust1998,
         0.625,
         31},
        {"2003, 10 covered days, earning above the minimum: 10 days",
         {2003, 0, 500, 400, 185, 10},
         kMaxIncomeFromAugust1998,
         1.25,
         10},
        {"2005 without a maximum income: the earning counts as 0",
         {2005, 0, 500, 800, 262, 31},
         {{day("01.08.1998"), day("31.12.2004"), 1000}},
         0,
         0},
        {"a minimum wage of 0 credits the whole month for no earning",
         {2005, 1, 0, 800, 0, 5},
         kMaxIncomeFromAugust1998,
         0,
         28},
        {"the days are shared by the capped earning: 100 of 200 in 31 days",
         {2005, 2, 5000, 800, 200, 31},
         {{day("01.08.1998"), std::nullopt, 100}},
         0.125,
         16},
    };
    for (const Case& c : cases) {
        setDatedRows(dm.cdsMaxIncome, c.maxIncome);
        for (Table* table : ledgerTables()) {
            SCOPED_TRACE(std::string(c.name) + " in " + table->name());
            const Evaluated out = post(*table, c.in);
            EXPECT_EQ(out.coefficient, c.coefficient);
            EXPECT_EQ(out.creditedDays, c.creditedDays);
            EXPECT_EQ(out.payment, Value{c.in.payment.value_or(0.0)}) << "the typed earning stays";
            table->remove();
        }
    }
}

TEST_F(EvaluationTest, RefusedMonthsStayInEditingWithTheirInput) {
    struct Case {
        const char* name;
        MonthInputs in;
        const char* message;
    };
    const std::string noAverage = std::string(messages::kNoAverageWagePrefix) + "березень 2005" +
                                  messages::kNoAverageWageSuffix;
    const Case cases[] = {
        {"no average wage", {2005, 2, 500, 0, 262, 31}, noAverage.c_str()},
        {"a negative earning", {2005, 2, -1, 800, 262, 31}, messages::kNegativeEarning},
    };
    ASSERT_EQ(noAverage, "Відсутнє значення середньої заробітної плати за березень 2005 р.");
    for (const Case& c : cases) {
        for (Table* table : ledgerTables()) {
            SCOPED_TRACE(std::string(c.name) + " in " + table->name());
            try {
                append(*table, c.in);
                ADD_FAILURE() << "the post was not refused";
            } catch (const UserError& error) {
                EXPECT_STREQ(error.what(), c.message);
            }
            EXPECT_EQ(table->state(), TableState::Insert);
            EXPECT_EQ(table->asFloat("earning_payment"), *c.in.payment);
            table->cancel();
            EXPECT_EQ(table->recordCount(), 0);
        }
    }
}

TEST_F(EvaluationTest, TheSuperStatePostsTheRowAsTyped) {
    dm.setSuperState(true);
    for (Table* table : ledgerTables()) {
        SCOPED_TRACE(table->name());
        table->append();
        table->setValue("earning_id", ledgerKey(personId, 2005, 0));
        table->setValue("earning_person_id", personId);
        table->setValue("earning_year", 2005);
        table->setValue("earning_month", 0);
        table->setValue("earning_payment", -5.0);
        table->setValue("earning_k", 7.25);
        table->setValue("earning_day", 3);
        table->post(); // no average wage and a negative earning: nothing is evaluated
        EXPECT_EQ(table->asFloat("earning_payment"), -5.0);
        EXPECT_EQ(table->asFloat("earning_k"), 7.25);
        EXPECT_EQ(table->asInteger("earning_day"), 3);
    }
}

TEST_F(EvaluationTest, CreditedDaysDirectlyBeforeAndFrom2004) {
    setDatedRows(dm.cdsMaxIncome, kMaxIncomeFromAugust1998);
    struct Case {
        const char* name;
        int year;
        int month0;
        double earning;
        double minimum;
        int covered;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {"December 2003 credits the covered days whatever the earning", 2003, 11, 0, 185, 12, 12},
        {"January 2004 is the first month of the minimum wage rule", 2004, 0, 0, 205, 12, 0},
        {"a quarter of the minimum in a 30-day month: 7.5 rounds to 8", 2004, 3, 50, 200, 30, 8},
        {"an earning capped to the maximum income below the minimum", 2004, 0, 9000, 2000, 31, 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dm.CreditedDays(c.year, c.month0, c.earning, c.minimum, c.covered), c.expected)
            << c.name;
}

} // namespace
} // namespace rv
