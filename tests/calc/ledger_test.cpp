// The ledger's months built of the periods (ст. 24, 40): one month per covered month with the days
// the periods cover, the reference figures of the month and its evaluation.
#include "calc/ledger_build.h"

#include "ledger_cases.h"
#include "value_cases.h"

#include "calc/case_entry.h"
#include "calc/messages.h"
#include "calc/month_evaluation.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;
using testing_support::MonthDays;
using testing_support::periodsOf;

using Periods = std::vector<std::pair<const char*, const char*>>;

Case caseOf(const Periods& periods) {
    return testing_support::enteredCase({"Особа", day("01.01.1950"), 0, day("01.01.2012")},
                                        periodsOf(periods), *lawReference());
}

// The periods changed and the ledger built again, keeping the earnings entered, as the period
// table's confirmation does.
void rebuildWith(Case& person, const Periods& periods) {
    person.periods = periodsOf(periods);
    LedgerBuild build = buildLedger(person.periods, keptEarnings(person.months), *lawReference(),
                                    person.evaluation);
    ASSERT_FALSE(build.refusal) << *build.refusal;
    person.months = std::move(build.months);
}

// The earning of a month; -1: the ledger has no such month.
double earningOf(Case& person, int year, int month0) {
    const CaseMonth* month = findMonth(person.months, {year, month0});
    return month ? month->earning : -1;
}

std::vector<std::string> monthLines(const std::vector<CaseMonth>& months) {
    std::vector<std::string> lines;
    for (const CaseMonth& m : months)
        lines.push_back(std::to_string(m.month.year) + "/" + std::to_string(m.month.month0) +
                        " avg " + std::to_string(m.averageWage) + " min " +
                        std::to_string(m.minimumWage) + " earning " + std::to_string(m.earning) +
                        " k " + std::to_string(m.coefficient) + " credited " +
                        std::to_string(m.creditedDays) + " covered " +
                        std::to_string(m.coveredDays));
    return lines;
}

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

TEST(LedgerTest, EnteredEarningsAreKeptOnlyWhileTheirMonthStaysCovered) {
    Case person = caseOf({{"01.01.2005", "31.12.2005"}});
    testing_support::enterEarnings(person, {{{2005, 2}, 1500}, {{2005, 6}, 700}}, *lawReference());

    rebuildWith(person, {{"01.01.2005", "31.12.2005"}});
    EXPECT_EQ(earningOf(person, 2005, 2), 1500) << "still covered";
    EXPECT_GT(findMonth(person.months, {2005, 2})->coefficient, 0) << "evaluated again";
    EXPECT_EQ(earningOf(person, 2005, 6), 700);
    EXPECT_EQ(keptEarnings(person.months).size(), 2u);

    rebuildWith(person, {{"01.04.2005", "31.12.2005"}});
    EXPECT_EQ(earningOf(person, 2005, 2), -1) << "no longer covered";
    EXPECT_EQ(earningOf(person, 2005, 6), 700);

    rebuildWith(person, {{"01.01.2005", "31.12.2005"}});
    EXPECT_EQ(earningOf(person, 2005, 2), 0) << "covered again, but the earning is gone";
    EXPECT_EQ(earningOf(person, 2005, 6), 700);
    EXPECT_EQ(keptEarnings(person.months), (std::map<LedgerMonth, double>{{{2005, 6}, 700}}));
}

TEST(LedgerTest, BuildingTheSamePeriodsAgainGivesTheSameMonths) {
    Case person = caseOf({{"16.01.2005", "20.03.2006"}, {"01.06.2003", "15.01.2005"}});
    testing_support::enterEarnings(person,
                                   {{{2003, 5}, 321.5}, {{2005, 0}, 1200}, {{2006, 2}, 9000}},
                                   *lawReference());
    const std::vector<std::string> before = monthLines(person.months);
    rebuildWith(person, {{"16.01.2005", "20.03.2006"}, {"01.06.2003", "15.01.2005"}});
    EXPECT_EQ(monthLines(person.months), before);
}

TEST(LedgerTest, AnEarningOutsideTheLedgerOrBelowZeroIsRefused) {
    Case person = caseOf({{"01.01.2005", "31.03.2005"}});
    testing_support::enterEarnings(person, {{{2005, 1}, 1000}}, *lawReference());
    struct Refusal {
        const char* name;
        LedgerMonth month;
        double amount;
        std::string refusal;
    };
    const Refusal cases[] = {
        {"a month no period covers",
         {2004, 11},
         500,
         std::string(messages::kEarningMonthNotCoveredPrefix) + "грудень 2004" +
             messages::kEarningMonthNotCoveredSuffix},
        {"a negative earning", {2005, 1}, -1, messages::kNegativeEarning},
    };
    ASSERT_EQ(cases[0].refusal, "Заробіток за грудень 2004 р. не можна ввести: цей місяць не "
                                "входить до жодного періоду трудової діяльності");
    const std::vector<std::string> before = monthLines(person.months);
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            enterEarning(person, c.month, c.amount, *lawReference());
            ADD_FAILURE() << "not refused";
        } catch (const UserError& error) {
            EXPECT_EQ(error.what(), c.refusal);
        }
        EXPECT_EQ(monthLines(person.months), before) << "the ledger stays as it was";
    }
}

} // namespace
} // namespace rv
