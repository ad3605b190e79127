// The pure steps of the calculation on values: the ledger made from periods, the insurance
// experience, and the whole calculation of a case built by hand, which must give what the data
// module gives for the same case.

#include "case_builders.h"

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/insurance_experience.h"
#include "calc/ledger_build.h"
#include "calc/month_evaluation.h"
#include "calc/reference.h"
#include "store/dmMain.h"
#include "store/dm_calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::day;

std::shared_ptr<const Reference> lawReference() {
    static const std::shared_ptr<const Reference> reference =
        Reference::fromStored(EmbeddedReferenceData());
    return reference;
}

// A period; nullptr leaves its date out.
CasePeriod period(const char* begin, const char* finish) {
    CasePeriod made;
    if (begin)
        made.begin = day(begin);
    if (finish)
        made.finish = day(finish);
    return made;
}

std::vector<CasePeriod> periodsOf(const std::vector<std::pair<const char*, const char*>>& dates) {
    std::vector<CasePeriod> periods;
    for (const auto& [begin, finish] : dates)
        periods.push_back(period(begin, finish));
    return periods;
}

std::string monthName(LedgerMonth month) {
    return std::to_string(month.year) + "/" + std::to_string(month.month0);
}

// A double written so that two texts are equal only for equal doubles.
std::string exact(double value) {
    std::ostringstream text;
    text << std::setprecision(17) << value;
    return text.str();
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
    ReferenceRows rows = lawReference()->rows();
    rows.averageWageOfMonth = {{day("01.01.2005"), day("01.03.2005"), 800}};
    return std::make_shared<const Reference>(std::move(rows));
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

struct MonthDays {
    int year;
    int month0;
    int credited;
    int covered;
};

// Every month of a year employed and credited in full, but for the months in `except`.
std::vector<MonthDays> fullYear(int year, const std::vector<MonthDays>& except = {}) {
    std::vector<MonthDays> months;
    for (int month0 = 0; month0 < 12; ++month0) {
        const int length = daysInMonth(year, month0 + 1);
        MonthDays month{year, month0, length, length};
        for (const MonthDays& changed : except)
            if (changed.month0 == month0)
                month = changed;
        months.push_back(month);
    }
    return months;
}

struct ExperienceCase {
    const char* name;
    std::vector<CasePeriod> periods;
    std::vector<MonthDays> ledger;
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
         fullYear(2004, {{2004, 2, 16, 31}}),
         nullptr,
         {0, 11, 15}},
        {"January 2005 credited in full beyond its 17 employed days",
         periodsOf({{"15.01.2005", "31.12.2005"}}),
         fullYear(2005, {{2005, 0, 31, 17}}),
         nullptr,
         {1, 0, 1}},
        {"January 2004 without earning: a negative total becomes zero",
         periodsOf({{"01.01.2004", "31.01.2004"}}),
         {{2004, 0, 0, 31}},
         nullptr,
         {0, 0, 0}},
        {"before 2004 the credited days change nothing",
         periodsOf({{"01.03.1990", "15.06.1992"}, {"01.01.1995", "31.12.2003"}}),
         {{1992, 5, 0, 15}, {1999, 4, 3, 31}, {2003, 11, 0, 31}},
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
         fullYear(2004, {{2004, 2, 16, 31}}),
         "20.03.2004",
         {0, 2, 20}},
        {"a month over on the last day is corrected",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {{2004, 2, 16, 31}}),
         "31.03.2004",
         {0, 2, 15}},
        {"the months after the last day do not count",
         periodsOf({{"01.01.2004", "31.12.2004"}}),
         fullYear(2004, {{2004, 9, 0, 31}}),
         "30.06.2004",
         {0, 6, 0}},
        {"a month over on the last day counts in full beyond its employed days",
         periodsOf({{"15.01.2005", "31.12.2005"}}),
         fullYear(2005, {{2005, 0, 31, 17}}),
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
        std::vector<CaseMonth> months;
        for (const MonthDays& days : c.ledger) {
            CaseMonth month;
            month.month = {days.year, days.month0};
            month.creditedDays = days.credited;
            month.coveredDays = days.covered;
            months.push_back(month);
        }
        const std::optional<Date> lastDay =
            c.lastDay ? std::optional<Date>(day(c.lastDay)) : std::nullopt;

        const YearsMonthsDays length = insuranceExperience(c.periods, months, rules, lastDay);

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

// ---- calculate() against the data module

// A case for both ways: the person, its periods, and the earnings of its months.
struct CalculationCase {
    const char* name;
    const char* birthDate;
    int gender;
    const char* applicationDate;
    std::vector<std::pair<const char*, const char*>> periods;
    bool byHand; // the ledger's "super change": coefficients set by hand, not evaluated
    // What the case must reach, so that it shows the branch it is meant to.
    bool noRight;
    bool incomplete;
};

// The earning of a month: most months a share of the month's average wage that varies from month
// to month, some without pay, some below the minimum wage.
double earningOf(LedgerMonth month, double averageWage) {
    const int n = month.year * 12 + month.month0;
    if (n % 17 == 0)
        return 0;
    if (n % 23 == 0)
        return 100;
    return std::round(averageWage * (0.6 + (n * 7 % 13) / 8.0) * 100) / 100;
}

// The coefficient of a month set by hand.
double coefficientByHand(LedgerMonth month) {
    const int n = month.year * 12 + month.month0;
    return 0.5 + (n % 9) / 4.0;
}

std::vector<std::string> monthLines(const std::vector<CaseMonth>& months) {
    std::vector<std::string> lines;
    for (const CaseMonth& m : months)
        lines.push_back(monthName(m.month) + " avg " + exact(m.averageWage) + " avgYear " +
                        exact(m.averageWageOfYear) + " min " + exact(m.minimumWage) + " earning " +
                        exact(m.earning) + " k " + exact(m.coefficient) + " credited " +
                        std::to_string(m.creditedDays) + " covered " +
                        std::to_string(m.coveredDays) + (m.counted ? " +" : "") +
                        (m.excluded ? " -" : ""));
    return lines;
}

std::string optionalText(const std::optional<double>& value) {
    return value ? exact(*value) : "none";
}

std::string optionalText(const std::optional<Date>& value) {
    return value ? formatDate(*value) : "none";
}

std::string pathText(const RightPath& path) {
    return std::to_string(path.age.years) + "y" + std::to_string(path.age.months) + "m from " +
           formatDate(path.from) + " needs " + std::to_string(path.requiredMonths) + " by " +
           (path.rule ? path.rule->id + " " + optionalText(path.rule->begin) : "none");
}

// Every figure of a calculation and every field of its panel, one line each.
std::vector<std::string> resultLines(const CalculationResult& r) {
    std::vector<std::string> lines = {
        "application " + formatDate(r.applicationDate),
        "noRight " + std::to_string(r.noRight),
        "incomplete " + std::to_string(r.incomplete),
        "pensionAge " + formatDate(r.pensionAgeDate),
        "assignment " + formatDate(r.assignmentDate),
        "baseYear " + std::to_string(r.baseYear),
        "averageWage " + exact(r.averageWage),
        "insurance " + experienceText(r.insuranceLength) + " = " +
            std::to_string(r.insuranceMonths) + " months, " + r.insuranceText,
        "N1 " + std::to_string(r.monthsAfterOptimisation1),
        "N " + std::to_string(r.countedMonths),
        "averageCoefficient " + exact(r.averageCoefficient),
        "sumOfCoefficients " + exact(r.sumOfCoefficients),
        "valuation " + exact(r.valuationCoefficient),
        "supplementRate " + exact(r.supplementRate),
        "minimumPension " + exact(r.minimumPension),
        "requiredYears " + std::to_string(r.requiredYears),
        "averageWageYears " + std::to_string(r.averageWageYears),
        "minimumPension65 " + optionalText(r.minimumPension65),
        "maximumPension " + optionalText(r.maximumPension),
    };
    for (const RightPath& path : r.rightPaths)
        lines.push_back("path " + pathText(path));
    lines.push_back("right " + std::to_string(r.right.hasRight) + " projected " +
                    std::to_string(r.right.projected) + " on " +
                    (r.right.path ? pathText(*r.right.path) : "none") + " from " +
                    optionalText(r.right.rightDate) + " short " +
                    std::to_string(r.right.shortfallMonths));
    const PensionFormulaInput& in = r.formulaInput;
    lines.push_back("input " + exact(in.averageWage) + " " + exact(in.sumOfCoefficients) + " " +
                    exact(in.averageCoefficient) + " " + std::to_string(in.countedMonths) + " " +
                    std::to_string(in.insuranceMonths) + " " + exact(in.valuationCoefficient) +
                    " " + exact(in.supplementRate) + " " + exact(in.minimumPension) + " " +
                    std::to_string(in.requiredYears) + " " + exact(in.experienceCoefficientCap) +
                    " " + optionalText(in.minimumPensionAt65) + " " + exact(in.minimumWage) + " " +
                    exact(in.minimumAt65Percent) + " " + std::to_string(in.proportionalFloor) +
                    " " + optionalText(in.maximumPension) + " " + exact(in.maximumInMinimums));
    const PensionFormula& f = r.formula;
    lines.push_back("formula " + exact(f.individualCoefficient) + " " +
                    exact(f.experienceCoefficient) + " " + exact(f.basicPension) + " " +
                    std::to_string(f.experienceYears) + " " + exact(f.supplement) + " " +
                    exact(f.totalPension) + " " + std::to_string(f.incomplete) + " " +
                    exact(f.appliedMinimum) + " " + optionalText(f.proportionalMinimum) + " " +
                    exact(f.totalBeforeCeiling) + " " + std::to_string(f.capped));
    for (const EstimatedMonths& estimated : r.estimated) {
        std::string line = "estimated " + std::to_string(static_cast<int>(estimated.figure));
        for (const LedgerMonth month : estimated.months)
            line += " " + monthName(month);
        for (const SourcedRow& row : estimated.rows)
            line += " [" + row.key + " " + optionalText(row.begin) + "]";
        lines.push_back(line);
    }
    const ResultTexts& texts = r.texts;
    for (std::size_t i = 0; i < std::size(kResultFields); ++i)
        lines.push_back("result " + std::to_string(i) + " " +
                        (texts.*kResultFields[i].field).text + " | " +
                        (texts.*kResultFields[i].field).hint);
    lines.push_back("average wage caption " + texts.averageWageCaption);
    lines.push_back("average wage note " + std::to_string(texts.averageWageNoteShown) + " " +
                    texts.averageWageNote);
    lines.push_back("minimum pension caption " + texts.minimumPensionCaption.value_or("(kept)"));
    lines.push_back("incomplete " + std::to_string(texts.incompleteNoteShown));
    lines.push_back("estimates " + texts.estimatesNote);
    return lines;
}

// The figures calculate() gives must hang together whatever the case.
void expectConsistent(const CalculationResult& r) {
    EXPECT_EQ(r.insuranceMonths, wholeMonths(r.insuranceLength));
    EXPECT_EQ(r.insuranceText, experienceText(r.insuranceLength));
    int counted = 0;
    int excluded = 0;
    double keptSum = 0;
    std::optional<std::size_t> firstExcluded;
    std::optional<std::size_t> lastExcluded;
    int countedBetween = 0; // counted months from the first excluded to the last
    for (std::size_t i = 0; i < r.months.size(); ++i) {
        const CaseMonth& month = r.months[i];
        EXPECT_TRUE(month.counted || !month.excluded) << monthName(month.month);
        counted += month.counted;
        if (month.excluded) {
            ++excluded;
            if (!firstExcluded)
                firstExcluded = i;
            lastExcluded = i;
        } else if (month.counted) {
            keptSum += month.coefficient;
        }
    }
    if (firstExcluded)
        for (std::size_t i = *firstExcluded; i <= *lastExcluded; ++i)
            countedBetween += r.months[i].counted;
    EXPECT_EQ(counted, r.monthsAfterOptimisation1);
    EXPECT_EQ(excluded, r.monthsAfterOptimisation1 - r.countedMonths);
    EXPECT_EQ(countedBetween, excluded) << "the months left out are one run of counted months";
    EXPECT_NEAR(r.sumOfCoefficients, keptSum, 1e-9);
    if (r.countedMonths > 0) {
        EXPECT_NEAR(r.averageCoefficient, keptSum / r.countedMonths, 1e-9);
    }
}

void PrintTo(const CalculationCase& c, std::ostream* out) {
    *out << c.name;
}

class CalculationEqualityTest : public testing::TestWithParam<CalculationCase> {};

// The case built by hand (periods, buildLedger, the earnings) and the same case typed into the
// data module give the same months, the same figures and the same panel; the ledger takes the
// months' marks back.
TEST_P(CalculationEqualityTest, TheValueCaseGivesWhatTheDataModuleGives) {
    const CalculationCase& c = GetParam();
    const std::shared_ptr<const Reference> reference = lawReference();
    const Date application = day(c.applicationDate);
    const std::vector<CasePeriod> periods = periodsOf(c.periods);

    // The value: the months of the periods, then the earnings of those months.
    Case built;
    built.person = {"Особа", day(c.birthDate), c.gender, application};
    built.periods = periods;
    built.evaluation = c.byHand ? MonthEvaluation::AsStored : MonthEvaluation::ByLaw;
    const LedgerBuild bare = buildLedger(periods, {}, *reference, MonthEvaluation::ByLaw);
    ASSERT_FALSE(bare.refusal) << *bare.refusal;
    std::map<LedgerMonth, double> earnings;
    for (const CaseMonth& month : bare.months)
        if (const double earning = earningOf(month.month, month.averageWage); earning != 0)
            earnings[month.month] = earning;
    LedgerBuild withEarnings = buildLedger(periods, earnings, *reference, built.evaluation);
    ASSERT_FALSE(withEarnings.refusal) << *withEarnings.refusal;
    built.months = std::move(withEarnings.months);
    if (c.byHand)
        for (CaseMonth& month : built.months)
            month.coefficient = coefficientByHand(month.month);

    // The data module: the same person, periods and earnings, typed.
    TdMain dm;
    testing_support::confirmedPerson(dm, day(c.birthDate), c.gender, application);
    for (const CasePeriod& p : periods)
        testing_support::addPeriod(dm, *p.begin, *p.finish);
    ASSERT_TRUE(dm.BuildLedger());
    for (const auto& [month, earning] : earnings)
        testing_support::setEarning(dm, month.year, month.month0, earning);
    if (c.byHand) {
        dm.setSuperState(true);
        ASSERT_TRUE(dm.BuildLedger()); // the months made again, set by hand, with the earnings
        Table& ledger = dm.cdsEarning;
        for (const CaseMonth& month : built.months) {
            ASSERT_TRUE(ledger.locate("earning_id", ledgerKey(dm.currentPersonId(), month.month)));
            ledger.edit();
            ledger.setValue("earning_k", coefficientByHand(month.month));
            ledger.post();
        }
    }
    ASSERT_EQ(monthLines(dm.CurrentCase().months), monthLines(built.months))
        << "the data module's ledger is not the one buildLedger makes";

    CalculationResult fromValue = calculate(built, *reference, application);
    describeCalculation(fromValue, '.');
    const CalculationResult fromTables = Calculate(dm, application, '.');

    EXPECT_EQ(fromValue.noRight, c.noRight) << fromValue.texts.rightWay.text;
    EXPECT_EQ(fromValue.incomplete, c.incomplete);
    EXPECT_GT(fromValue.monthsAfterOptimisation1, 0);
    expectConsistent(fromValue);
    EXPECT_EQ(resultLines(fromTables), resultLines(fromValue));
    EXPECT_EQ(monthLines(fromTables.months), monthLines(fromValue.months));
    // The ledger holds the marks and the evaluation of the calculation.
    EXPECT_EQ(monthLines(dm.CurrentCase().months), monthLines(fromValue.months));
    if (c.byHand) {
        for (const CaseMonth& month : fromValue.months)
            EXPECT_EQ(month.coefficient, coefficientByHand(month.month)) << monthName(month.month);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculationEqualityTest,
    testing::Values(
        // Born 1960: 60 in March 2020; both periods share February 1990.
        CalculationCase{"ManBorn1960Applying2021",
                        "15.03.1960",
                        0,
                        "20.04.2021",
                        {{"01.09.1980", "10.02.1990"}, {"20.02.1990", "31.12.2020"}},
                        false,
                        false,
                        false},
        CalculationCase{"ManBorn1960WithCoefficientsSetByHand",
                        "15.03.1960",
                        0,
                        "20.04.2021",
                        {{"01.09.1980", "10.02.1990"}, {"20.02.1990", "31.12.2020"}},
                        true,
                        false,
                        false},
        CalculationCase{"ManOf65WithTwentyYears",
                        "20.06.1955",
                        0,
                        "20.04.2021",
                        {{"01.01.2001", "31.12.2020"}},
                        false,
                        false,
                        true},
        CalculationCase{"ManBorn1960WithSevenYears",
                        "15.03.1960",
                        0,
                        "20.04.2021",
                        {{"01.01.2004", "31.12.2010"}},
                        false,
                        true,
                        false},
        CalculationCase{"WomanApplyingWithinThreeMonthsOfHerAge",
                        "05.07.1962",
                        1,
                        "10.08.2022",
                        {{"01.09.1981", "10.03.1995"}, {"15.03.1995", "30.06.2022"}},
                        false,
                        false,
                        false}),
    [](const testing::TestParamInfo<CalculationCase>& param) { return param.param.name; });

} // namespace
} // namespace rv
