#include "calc/scenarios.h"

#include "value_cases.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "calc/pension_dates.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;

struct Period {
    const char* begin;
    const char* end;
};

// A person, their periods and every ledger month paid at `coefficient` times the month's average
// wage; calculated for the application date.
struct CalculatedCase {
    CalculatedCase(const char* birthDate, int gender, const char* applicationDate,
                   const std::vector<Period>& periods, double coefficient)
        : application(day(applicationDate)) {
        std::vector<std::pair<const char*, const char*>> dates;
        for (const Period& period : periods)
            dates.emplace_back(period.begin, period.end);
        person = testing_support::enteredCase({"Особа", day(birthDate), gender, application},
                                              testing_support::periodsOf(dates), *lawReference());
        testing_support::earnEveryMonth(person, *lawReference(),
                                        testing_support::timesTheAverageWage(coefficient));
        result = testing_support::calculated(person, *lawReference(), application);
    }

    ScenarioRunner runner() const {
        return ScenarioRunner(person, lawReference(), result, application);
    }

    Case person;
    Date application;
    CalculationResult result;
};

// A man of 60 on 16.03.2025 (the day after the birthday) with 27 years of experience, five short of
// the 32 the law asks at 60 in 2025 (ст. 26 ч. 1); at 63, in 2028, 25 years suffice (ч. 2).
CalculatedCase fiveYearsShortAtSixty() {
    return CalculatedCase("15.03.1965", 0, "17.03.2025", {{"01.03.1998", "28.02.2025"}}, 1.2);
}

TEST(ScenariosTest, FiveYearsShortAtSixtyTheRightComesAtSixtyThreeByWorkingOn) {
    CalculatedCase open = fiveYearsShortAtSixty();
    ASSERT_TRUE(open.result.noRight);
    ScenarioRunner runner = open.runner();
    EXPECT_FALSE(runner.today().right);
    EXPECT_NEAR(runner.coefficientAsNow(), 1.2, 1e-4);

    const std::optional<EarliestRight> earliest = runner.earliestRight();
    ASSERT_TRUE(earliest);
    EXPECT_EQ(formatDate(earliest->date), "16.03.2028");
    EXPECT_EQ(earliest->figures.ageRule, 63);
    EXPECT_TRUE(earliest->figures.right);
    EXPECT_GT(earliest->figures.total, 0);

    // Three years of work from the application: the right at 63, with 30 years of experience
    // and a month: 01.03.1998–28.02.2025 is 27 whole years, the three years from 17.03.2025 are
    // three more, and March 2025 and 2028, credited in full, add the days the periods leave out.
    const ScenarioOutcome worked = runner.run({"Ще 3 роки", WorkLonger{36, std::nullopt}});
    ASSERT_TRUE(worked.figures) << worked.refusal;
    EXPECT_EQ(formatDate(worked.workFrom), "17.03.2025");
    EXPECT_EQ(formatDate(worked.workUntil), "16.03.2028");
    EXPECT_EQ(formatDate(worked.figures->applicationDate), "17.03.2028");
    EXPECT_TRUE(worked.figures->right);
    EXPECT_EQ(worked.figures->ageRule, 63);
    EXPECT_EQ(formatDate(*worked.figures->rightDate), "16.03.2028");
    EXPECT_EQ(worked.figures->insuranceMonths, 27 * 12 + 36 + 1);
    EXPECT_NEAR(worked.figures->individualCoefficient, 1.2, 1e-3);
    EXPECT_NEAR(worked.delta, worked.figures->total, 0.005);

    // A year of work is not enough for either age: no right yet, and nothing gained.
    const ScenarioOutcome year = runner.run({"Ще рік", WorkLonger{12, 20000.0}});
    ASSERT_TRUE(year.figures) << year.refusal;
    EXPECT_FALSE(year.figures->right);
    EXPECT_EQ(year.figures->insuranceMonths, 28 * 12 + 1);
    EXPECT_EQ(year.delta, 0);
}

// The figures of a variant are those of the same case calculated directly for its date.
TEST(ScenariosTest, ALaterApplicationCrossesTheChangeOfTheAverageWageYear) {
    const std::vector<Period> career = {{"01.01.1990", "30.11.2025"}};
    CalculatedCase open("10.01.1965", 0, "01.12.2025", career, 1.5);
    ASSERT_FALSE(open.result.noRight);
    ASSERT_EQ(open.result.baseYear, 2024);
    ScenarioRunner runner = open.runner();

    const std::vector<ScenarioOutcome> outcomes = runner.runAll(
        {{"У грудні", ApplyOn{day("20.12.2025")}}, {"У січні", ApplyOn{day("05.01.2026")}}});
    ASSERT_EQ(outcomes.size(), 2u);
    CalculatedCase january("10.01.1965", 0, "05.01.2026", career, 1.5);
    ASSERT_EQ(january.result.baseYear, 2025);
    for (const ScenarioOutcome& outcome : outcomes)
        ASSERT_TRUE(outcome.figures) << outcome.refusal;
    EXPECT_DOUBLE_EQ(outcomes[0].figures->total, open.result.formula.totalPension);
    EXPECT_EQ(outcomes[0].delta, 0);
    EXPECT_DOUBLE_EQ(outcomes[1].figures->total, january.result.formula.totalPension);
    EXPECT_GT(outcomes[1].delta, 0);
    EXPECT_DOUBLE_EQ(outcomes[1].figures->individualCoefficient,
                     open.result.formula.individualCoefficient);
    EXPECT_TRUE(outcomes[1].best);
    EXPECT_FALSE(outcomes[0].best);
}

// A man of 67 with 13 years: 25 voluntary months make the 15 years of the third age.
TEST(ScenariosTest, VoluntaryMonthsLiftACaseOverFifteenYearsAndRepayTheirCost) {
    CalculatedCase open("01.01.1959", 0, "01.03.2026", {{"01.01.2000", "31.12.2012"}}, 1.0);
    ASSERT_TRUE(open.result.noRight);
    ScenarioRunner runner = open.runner();

    const ScenarioOutcome outcome = runner.run({"Добровільно", VoluntaryContributions{25}});
    ASSERT_TRUE(outcome.figures) << outcome.refusal;
    EXPECT_EQ(formatDate(outcome.workFrom), "01.03.2026");
    EXPECT_EQ(formatDate(outcome.workUntil), "31.03.2028");
    EXPECT_TRUE(outcome.figures->right);
    EXPECT_EQ(outcome.figures->ageRule, 65);
    EXPECT_EQ(outcome.figures->insuranceMonths, 15 * 12 + 1);
    // 22 % of the minimum wage of 8 647 грн is 1 902,34 грн a month.
    EXPECT_DOUBLE_EQ(outcome.monthlyWage, 8647);
    ASSERT_TRUE(outcome.cost);
    EXPECT_NEAR(*outcome.cost, 25 * 1902.34, 1e-6);
    ASSERT_GT(outcome.delta, 0);
    ASSERT_TRUE(outcome.paybackMonths);
    EXPECT_EQ(*outcome.paybackMonths, static_cast<int>(std::ceil(*outcome.cost / outcome.delta)));

    // Twelve months are not enough: the cost stands, nothing is gained and nothing repays it.
    const ScenarioOutcome tooFew = runner.run({"Рік", VoluntaryContributions{12}});
    ASSERT_TRUE(tooFew.figures);
    EXPECT_FALSE(tooFew.figures->right);
    EXPECT_FALSE(tooFew.paybackMonths);
}

TEST(ScenariosTest, VoluntaryMonthsStartWithTheFirstWholeMonthAfterTheLastPeriod) {
    CalculatedCase open("01.01.1959", 0, "01.03.2026", {{"01.01.2000", "15.03.2026"}}, 1.0);
    ScenarioRunner runner = open.runner();
    const ScenarioOutcome outcome = runner.run({"", VoluntaryContributions{2}});
    ASSERT_TRUE(outcome.figures) << outcome.refusal;
    EXPECT_EQ(formatDate(outcome.workFrom), "01.04.2026");
    EXPECT_EQ(formatDate(outcome.workUntil), "31.05.2026");
    EXPECT_EQ(formatDate(outcome.figures->applicationDate), "01.06.2026");
}

TEST(ScenariosTest, AVariantThatCannotBeCalculatedSaysWhyAndTheOthersGoOn) {
    CalculatedCase open = fiveYearsShortAtSixty();
    ScenarioRunner runner = open.runner();
    struct Case {
        const char* name;
        ScenarioChange change;
        const char* refusal;
    };
    const Case cases[] = {
        {"no months", WorkLonger{0, std::nullopt}, messages::kScenarioMonthsOutOfRange},
        {"a working life and more", VoluntaryContributions{601},
         messages::kScenarioMonthsOutOfRange},
        {"a negative wage", WorkLonger{12, -1.0}, messages::kScenarioWageNegative},
        {"no date", ApplyOn{}, messages::kScenarioDateMissing},
    };
    for (const Case& c : cases) {
        const ScenarioOutcome outcome = runner.run({c.name, c.change});
        EXPECT_FALSE(outcome.figures) << c.name;
        EXPECT_EQ(outcome.refusal, c.refusal) << c.name;
    }
    EXPECT_TRUE(runner.run({"", WorkLonger{12, std::nullopt}}).figures);
}

TEST(ScenariosTest, ACaseWithoutALedgerHasNoVariants) {
    Case empty;
    empty.person = {"Особа", day("01.01.1959"), 0, day("01.01.2026")};
    try {
        const ScenarioRunner runner(empty, lawReference(), CalculationResult{}, day("01.01.2026"));
        FAIL() << "a case without a ledger was copied";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), messages::kScenarioNotCalculated);
    }
}

// Working on raises the total as the experience grows; without work only the rules change.
TEST(ScenariosTest, TheTotalsByApplicationDateCoverFiveYears) {
    CalculatedCase open = fiveYearsShortAtSixty();
    ScenarioRunner runner = open.runner();
    const std::vector<TotalOnDate> totals = runner.totalsByApplicationDate(60, 3);
    ASSERT_EQ(totals.size(), 21u);
    EXPECT_EQ(formatDate(totals.front().applicationDate), "17.03.2025");
    EXPECT_EQ(formatDate(totals.back().applicationDate), "17.03.2030");
    EXPECT_EQ(totals.front().workingOn, 0);
    // From the age of 63 (16.03.2028) both have the right; working on gives more.
    for (const TotalOnDate& point : totals) {
        const bool from63 = point.applicationDate >= day("16.03.2028");
        EXPECT_EQ(point.workingOn > 0, from63) << formatDate(point.applicationDate);
        EXPECT_EQ(point.notWorking > 0, from63) << formatDate(point.applicationDate);
        if (from63) {
            EXPECT_GT(point.workingOn, point.notWorking) << formatDate(point.applicationDate);
        }
    }
    // The chart's point of a date is the variant of that date.
    const ScenarioOutcome at2029 = runner.run({"", ApplyOn{totals[16].applicationDate}});
    ASSERT_TRUE(at2029.figures);
    EXPECT_DOUBLE_EQ(totals[16].notWorking, at2029.figures->total);
}

} // namespace
} // namespace rv
