// The pure steps of the calculation on values: the ledger made from periods and the insurance
// experience.

#include "value_cases.h"

#include "calc/case.h"
#include "calc/insurance_experience.h"
#include "calc/ledger_build.h"
#include "calc/month_evaluation.h"
#include "calc/reference.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::fullYear;
using testing_support::monthWithDays;
using testing_support::lawReference;
using testing_support::periodsOf;

std::string monthName(LedgerMonth month) {
    return std::to_string(month.year) + "/" + std::to_string(month.month0);
}

// ---- buildLedger

struct BuiltMonth {
    int year;
    int month0;
    int covered;
    int credited;
    double earning = 0;
    bool operator==(const BuiltMonth&) const = default;
};

std::ostream& operator<<(std::ostream& out, const BuiltMonth& m) {
    return out << m.year << "/" << m.month0 << ": covered " << m.covered << ", credited "
               << m.credited << ", earning " << m.earning;
}

struct BuildCase {
    const char* name;
    std::vector<CasePeriod> periods;
    std::map<LedgerMonth, double> keptEarnings;
    MonthEvaluation evaluation;
    std::vector<BuiltMonth> expected;
    std::optional<std::string> refusal = std::nullopt;
};

// The reference of the program with one average wage of a month, for January and February 2005
// only: the build must stop at March 2005.
std::shared_ptr<const Reference> referenceEndingFebruary2005() {
    return testing_support::changedReference([](ReferenceRows& rows) {
        rows.averageWageOfMonth = {{day("01.01.2005"), day("01.03.2005"), 800}};
    });
}

void expectBuild(const BuildCase& c, const Reference& reference) {
    const LedgerBuild build = buildLedger(c.periods, c.keptEarnings, reference, c.evaluation);

    EXPECT_EQ(build.refusal, c.refusal);
    std::vector<BuiltMonth> made;
    for (const CaseMonth& month : build.months)
        made.push_back({month.month.year, month.month.month0, month.coveredDays, month.creditedDays,
                        month.earning});
    EXPECT_EQ(made, c.expected);
    const bool byLaw = c.evaluation == MonthEvaluation::ByLaw;
    for (const CaseMonth& month : build.months) {
        SCOPED_TRACE(monthName(month.month));
        EXPECT_EQ(month.averageWage, reference.averageWageOfMonth(month.month));
        EXPECT_EQ(month.averageWageOfYear, reference.averageWageOfYearOfMonth(month.month));
        EXPECT_EQ(month.minimumWage, reference.minimumWage(month.month));
        if (byLaw) {
            EXPECT_EQ(month.coefficient,
                      wageCoefficient(reference, month.month, month.earning, month.averageWage));
            EXPECT_EQ(month.coefficient > 0, month.earning > 0);
        } else {
            EXPECT_EQ(month.coefficient, 0) << "set by hand, the coefficient is not worked out";
        }
        EXPECT_FALSE(month.counted);
        EXPECT_FALSE(month.excluded);
    }
}

// Before 2004 a month is credited the days the periods cover; from 2004 the whole month when its
// earning reaches the minimum wage, nothing without an earning.
TEST(BuildLedgerTest, MakesTheMonthsOfThePeriodsWithTheKeptEarnings) {
    const MonthEvaluation byLaw = MonthEvaluation::ByLaw;
    const std::vector<BuildCase> cases = {
        {"inside one month",
         periodsOf({{"10.03.2005", "20.03.2005"}}),
         {},
         byLaw,
         {{2005, 2, 11, 0}}},
        {"across the year end, earnings kept only for the months covered",
         periodsOf({{"20.11.1999", "10.02.2000"}}),
         {{{1999, 11}, 300}, {{2000, 1}, 50}, {{2001, 0}, 999}, {{1999, 9}, 5}},
         byLaw,
         {{1999, 10, 11, 11}, {1999, 11, 31, 31, 300}, {2000, 0, 31, 31}, {2000, 1, 10, 10, 50}}},
        {"from 2004 an earning above the minimum wage credits the whole month",
         periodsOf({{"17.12.2003", "10.02.2004"}}),
         {{{2003, 11}, 100000}, {{2004, 0}, 100000}, {{2004, 1}, 100000}},
         byLaw,
         {{2003, 11, 15, 15, 100000}, {2004, 0, 31, 31, 100000}, {2004, 1, 10, 29, 100000}}},
        {"two periods sharing a month add their days",
         periodsOf({{"01.12.2002", "10.01.2003"}, {"16.01.2003", "31.03.2003"}}),
         {{{2003, 0}, 400}},
         byLaw,
         {{2002, 11, 31, 31}, {2003, 0, 26, 26, 400}, {2003, 1, 28, 28}, {2003, 2, 31, 31}}},
        {"the same two listed the other way",
         periodsOf({{"16.01.2003", "31.03.2003"}, {"01.12.2002", "10.01.2003"}}),
         {{{2003, 0}, 400}},
         byLaw,
         {{2002, 11, 31, 31}, {2003, 0, 26, 26, 400}, {2003, 1, 28, 28}, {2003, 2, 31, 31}}},
        {"two short periods in one month",
         periodsOf({{"01.03.2003", "05.03.2003"}, {"10.03.2003", "15.03.2003"}}),
         {},
         byLaw,
         {{2003, 2, 11, 11}}},
        {"no months between periods",
         periodsOf({{"01.12.2001", "31.01.2002"}, {"15.12.2003", "31.12.2003"}}),
         {},
         byLaw,
         {{2001, 11, 31, 31}, {2002, 0, 31, 31}, {2003, 11, 17, 17}}},
        {"a period without both dates gives nothing",
         periodsOf({{nullptr, "31.03.2005"},
                    {"01.01.2005", nullptr},
                    {nullptr, nullptr},
                    {"01.06.2005", "30.06.2005"}}),
         {{{2005, 0}, 1000}},
         byLaw,
         {{2005, 5, 30, 0}}},
        {"no periods", {}, {{{2005, 0}, 1000}}, byLaw, {}},
        // Set by hand, a shared month keeps the days credited by its first share.
        {"set by hand: nothing is evaluated",
         periodsOf({{"01.03.2003", "05.03.2003"}, {"10.03.2003", "15.03.2003"}}),
         {{{2003, 2}, 500}},
         MonthEvaluation::AsStored,
         {{2003, 2, 11, 5, 500}}},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectBuild(c, *lawReference());
    }
}

TEST(BuildLedgerTest, ARefusalKeepsTheMonthsMadeBeforeIt) {
    const std::vector<BuildCase> cases = {
        {"a month without an average wage",
         periodsOf({{"01.01.2005", "30.04.2005"}}),
         {{{2005, 1}, 1000}},
         MonthEvaluation::ByLaw,
         {{2005, 0, 31, 0}, {2005, 1, 28, 28, 1000}},
         "Відсутнє значення середньої заробітної плати за березень 2005 р."},
        {"a negative earning",
         periodsOf({{"01.01.2005", "30.04.2005"}}),
         {{{2005, 1}, -5}},
         MonthEvaluation::ByLaw,
         {{2005, 0, 31, 0}},
         "Заробіток не може бути від'ємним"},
        {"a later period reaching a month without an average wage",
         periodsOf({{"01.01.2005", "28.02.2005"}, {"01.03.2005", "31.03.2005"}}),
         {},
         MonthEvaluation::ByLaw,
         {{2005, 0, 31, 0}, {2005, 1, 28, 0}},
         "Відсутнє значення середньої заробітної плати за березень 2005 р."},
        {"set by hand, nothing is refused",
         periodsOf({{"01.01.2005", "30.04.2005"}}),
         {{{2005, 1}, 1000}},
         MonthEvaluation::AsStored,
         {{2005, 0, 31, 0}, {2005, 1, 28, 28, 1000}, {2005, 2, 31, 0}, {2005, 3, 30, 0}}},
    };
    const std::shared_ptr<const Reference> reference = referenceEndingFebruary2005();
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectBuild(c, *reference);
    }
}

// ---- insuranceExperience

struct ExperienceCase {
    const char* name;
    std::vector<CasePeriod> periods;
    std::vector<CaseMonth> ledger;
    const char* lastDay; // nullptr: the whole experience
    YearsMonthsDays expected;
};

TEST(InsuranceExperienceValueTest, TotalsThePeriodsCorrectedByTheCreditedDaysFrom2004) {
    const std::vector<ExperienceCase> cases = {
        {"2004 credited in full",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004),
         nullptr,
         {1, 0, 0}},
        {"March 2004 credited 16 of its 31 days",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {monthWithDays(2004, 2, 16, 31)}),
         nullptr,
         {0, 11, 15}},
        {"January 2005 credited in full beyond its 17 employed days",
         periodsOf({{"15.01.2005", "31.12.2005"}}),
         fullYear(2005, {monthWithDays(2005, 0, 31, 17)}),
         nullptr,
         {1, 0, 1}},
        {"January 2004 without earning: a negative total becomes zero",
         periodsOf({{"01.01.2004", "31.01.2004"}}),
         {monthWithDays(2004, 0, 0, 31)},
         nullptr,
         {0, 0, 0}},
        {"before 2004 the credited days change nothing",
         periodsOf({{"01.03.1990", "15.06.1992"}, {"01.01.1995", "31.12.2003"}}),
         {monthWithDays(1992, 5, 0, 15), monthWithDays(1999, 4, 3, 31), monthWithDays(2003, 11, 0, 31)},
         nullptr,
         {11, 3, 15}},
        {"a period without its end counts nothing",
         periodsOf({{"01.01.1990", nullptr}, {"01.01.1995", "31.12.1995"}}),
         {},
         nullptr,
         {1, 0, 0}},
        {"the periods end on the last day",
         periodsOf({{"01.01.1990", "31.12.1999"}}),
         {},
         "30.06.1995",
         {5, 6, 0}},
        {"a period after the last day counts nothing",
         periodsOf({{"01.01.1990", "31.12.1990"}, {"01.01.1996", "31.12.1999"}}),
         {},
         "31.12.1995",
         {1, 0, 0}},
        {"a month not over on the last day is not corrected",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {monthWithDays(2004, 2, 16, 31)}),
         "20.03.2004",
         {0, 2, 20}},
        {"a month over on the last day is corrected",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {monthWithDays(2004, 2, 16, 31)}),
         "31.03.2004",
         {0, 2, 15}},
        {"the months after the last day do not count",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {monthWithDays(2004, 9, 0, 31)}),
         "30.06.2004",
         {0, 6, 0}},
        {"a month over on the last day counts in full beyond its employed days",
         periodsOf({{"15.01.2005", "31.12.2005"}}),
         fullYear(2005, {monthWithDays(2005, 0, 31, 17)}),
         "31.01.2005",
         {0, 1, 1}},
        {"a last day before every period",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004),
         "31.12.2003",
         {0, 0, 0}},
        {"no period and no ledger", {}, {}, nullptr, {0, 0, 0}},
    };
    const LedgerRules& rules = lawReference()->ledgerRules();
    for (const ExperienceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Date> lastDay =
            c.lastDay ? std::optional<Date>(day(c.lastDay)) : std::nullopt;

        const YearsMonthsDays length = insuranceExperience(c.periods, c.ledger, rules, lastDay);

        EXPECT_EQ(experienceText(length), experienceText(c.expected));
        EXPECT_EQ(wholeMonths(length), c.expected.years * 12 + c.expected.months);
    }
}

TEST(InsuranceExperienceValueTest, TheLastExperienceDayIsTheLatestEnd) {
    EXPECT_EQ(lastExperienceDay({}), std::nullopt);
    EXPECT_EQ(
        lastExperienceDay(periodsOf({{"01.01.2004", "31.12.2010"}, {"01.01.1990", "31.12.1999"}})),
        day("31.12.2010"));
}

} // namespace
} // namespace rv
