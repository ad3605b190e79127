// The ledger tables evaluate a month as it is posted: the same in the ledger and in both tables
// of the optimisations; a refused month stays in editing with its input; the super state posts
// the row as typed.
#include "case_builders.h"
#include "month_evaluation_cases.h"
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
using testing_support::day;
using testing_support::ledgerKey;
using testing_support::MonthInputs;
using testing_support::setDatedRows;

struct Evaluated {
    Value payment;
    double coefficient;
    std::int32_t creditedDays;
};

class EvaluationAdapterTest : public testing::Test {
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

TEST_F(EvaluationAdapterTest, CoefficientAndCreditedDaysFollowTheRulesOfTheMonth) {
    for (const testing_support::MonthEvaluationCase& c : testing_support::monthEvaluationCases()) {
        setDatedRows(dm.cdsMaxIncome, testing_support::datedRowsOf(c.maxIncome));
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

TEST_F(EvaluationAdapterTest, RefusedMonthsStayInEditingWithTheirInput) {
    const std::string noAverage = std::string(messages::kNoAverageWagePrefix) + "березень 2005" +
                                  messages::kNoAverageWageSuffix;
    ASSERT_EQ(noAverage, testing_support::refusedMonthCases().front().message);
    for (const testing_support::RefusedMonthCase& c : testing_support::refusedMonthCases()) {
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

TEST_F(EvaluationAdapterTest, TheSuperStatePostsTheRowAsTyped) {
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

} // namespace
} // namespace rv
