// The ledger's months built of the periods (ст. 24, 40): one month per covered month with the days
// the periods cover, the reference figures of the month and its evaluation.
#include "calc/ledger_build.h"

#include "ledger_cases.h"
#include "value_cases.h"

#include "calc/month_evaluation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::lawReference;
using testing_support::MonthDays;
using testing_support::periodsOf;

TEST(LedgerTest, OneMonthPerCoveredMonthWithTheDaysThePeriodsCover) {
    for (const testing_support::LedgerMonthsCase& c : testing_support::ledgerMonthsCases()) {
        SCOPED_TRACE(c.name);
        const LedgerBuild build =
            buildLedger(periodsOf(c.periods), {}, *lawReference(), MonthEvaluation::ByLaw);
        EXPECT_FALSE(build.refusal);
        std::vector<MonthDays> made;
        for (const CaseMonth& month : build.months)
            made.push_back({month.month.year, month.month.month0, month.coveredDays});
        EXPECT_EQ(made, c.expected);
    }
}

TEST(LedgerTest, NewMonthsCarryTheReferenceFiguresAndTheEvaluation) {
    const Reference& reference = *lawReference();
    const std::map<LedgerMonth, double> earnings = {{{1998, 6}, 900}, {{2004, 1}, 100}};
    const LedgerBuild build = buildLedger(periodsOf({{"15.06.1998", "31.03.2005"}}), earnings,
                                          reference, MonthEvaluation::ByLaw);
    ASSERT_FALSE(build.refusal);
    ASSERT_EQ(build.months.size(), 7u + 6 * 12 + 3);
    for (const CaseMonth& month : build.months) {
        SCOPED_TRACE(std::to_string(month.month.year) + "/" + std::to_string(month.month.month0));
        EXPECT_EQ(month.averageWage, reference.averageWageOfMonth(month.month));
        EXPECT_EQ(month.averageWageOfYear, reference.averageWageOfYearOfMonth(month.month));
        EXPECT_EQ(month.minimumWage, reference.minimumWage(month.month));
        EXPECT_FALSE(month.counted);
        EXPECT_FALSE(month.excluded);
        const auto kept = earnings.find(month.month);
        EXPECT_EQ(month.earning, kept == earnings.end() ? 0 : kept->second);
        EXPECT_EQ(month.coefficient,
                  wageCoefficient(reference, month.month, month.earning, month.averageWage));
        EXPECT_EQ(month.creditedDays, creditedDays(reference, month.month, month.earning,
                                                   month.minimumWage, month.coveredDays));
    }
    const CaseMonth& july1998 = build.months[1];
    ASSERT_EQ(july1998.month, (LedgerMonth{1998, 6}));
    EXPECT_EQ(july1998.earning, 900);
    EXPECT_GT(july1998.coefficient, 0);
}

// Before 2004 the credited days are the covered days, so a month set by hand shows which share it
// kept.
TEST(LedgerTest, SetByHandAMonthKeepsTheDaysOfItsFirstShare) {
    struct Case {
        const char* name;
        MonthEvaluation evaluation;
        bool coefficientEvaluated;
        int creditedDays;
    };
    const Case cases[] = {
        {"evaluated", MonthEvaluation::ByLaw, true, 11},
        {"set by hand", MonthEvaluation::AsStored, false, 5},
    };
    const Reference& reference = *lawReference();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LedgerBuild build =
            buildLedger(periodsOf({{"01.03.2003", "05.03.2003"}, {"10.03.2003", "15.03.2003"}}),
                        {{{2003, 2}, 500}}, reference, c.evaluation);
        ASSERT_FALSE(build.refusal);
        ASSERT_EQ(build.months.size(), 1u);
        const CaseMonth& march = build.months.front();
        ASSERT_EQ(march.earning, 500);
        EXPECT_EQ(march.coveredDays, 11);
        EXPECT_EQ(march.creditedDays, c.creditedDays);
        const double evaluated = wageCoefficient(reference, {2003, 2}, 500, march.averageWage);
        EXPECT_EQ(march.coefficient, c.coefficientEvaluated ? evaluated : 0);
    }
}

} // namespace
} // namespace rv
