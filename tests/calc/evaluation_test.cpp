// A ledger month's wage coefficient (ст. 40) and its days credited to the experience
// (ст. 24 ч. 3), on values.
#include "calc/month_evaluation.h"

#include "month_evaluation_cases.h"
#include "value_cases.h"

#include "calc/messages.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::MonthInputs;

// The program's reference with these rows of the maximum income.
std::shared_ptr<const Reference> withMaximumIncome(const std::vector<DatedFigure>& rows) {
    return testing_support::changedReference(
        [&rows](ReferenceRows& changed) { changed.maximumIncome = rows; });
}

CaseMonth monthOf(const MonthInputs& in) {
    CaseMonth month;
    month.month = {in.year, in.month0};
    month.earning = in.payment.value_or(0.0);
    month.averageWage = in.avgZp;
    month.minimumWage = in.minZp;
    month.coveredDays = in.monthDays;
    return month;
}

TEST(EvaluationTest, CoefficientAndCreditedDaysFollowTheRulesOfTheMonth) {
    for (const testing_support::MonthEvaluationCase& c : testing_support::monthEvaluationCases()) {
        SCOPED_TRACE(c.name);
        CaseMonth month = monthOf(c.in);
        evaluateMonth(month, *withMaximumIncome(c.maxIncome));
        EXPECT_EQ(month.coefficient, c.coefficient);
        EXPECT_EQ(month.creditedDays, c.creditedDays);
        EXPECT_EQ(month.earning, c.in.payment.value_or(0.0)) << "the typed earning stays";
    }
}

TEST(EvaluationTest, RefusedMonthsSayWhy) {
    const std::string noAverage = std::string(messages::kNoAverageWagePrefix) + "березень 2005" +
                                  messages::kNoAverageWageSuffix;
    ASSERT_EQ(noAverage, "Відсутнє значення середньої заробітної плати за березень 2005 р.");
    for (const testing_support::RefusedMonthCase& c : testing_support::refusedMonthCases()) {
        SCOPED_TRACE(c.name);
        CaseMonth month = monthOf(c.in);
        try {
            evaluateMonth(month, *testing_support::lawReference());
            ADD_FAILURE() << "the month was not refused";
        } catch (const UserError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(EvaluationTest, CreditedDaysDirectlyBeforeAndFrom2004) {
    const auto reference = withMaximumIncome(testing_support::maxIncomeFromAugust1998());
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
        EXPECT_EQ(creditedDays(*reference, {c.year, c.month0}, c.earning, c.minimum, c.covered),
                  c.expected)
            << c.name;
}

} // namespace
} // namespace rv
