// The whole calculation of a case built as values gives what the data module gives for the same
// case typed into its tables, and the ledger takes the months' marks back.

#include "case_builders.h"
#include "value_cases.h"

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/insurance_experience.h"
#include "calc/ledger_build.h"
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
using testing_support::lawReference;
using testing_support::periodsOf;

std::string monthName(LedgerMonth month) {
    return std::to_string(month.year) + "/" + std::to_string(month.month0);
}

// A double written so that two texts are equal only for equal doubles.
std::string exact(double value) {
    std::ostringstream text;
    text << std::setprecision(17) << value;
    return text.str();
}

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
        lines.push_back("result " + std::to_string(i) + " " + (texts.*kResultFields[i].field).text +
                        " | " + (texts.*kResultFields[i].field).hint);
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
    int extraExcluded = 0;  // left out at the person's wish (ст. 40 ч. 1 абз. 3)
    int countedBetween = 0; // months optimisation 2 could leave out, from its first to its last
    const auto extra = [](const CaseMonth& month) {
        return month.extraExclusion != ExtraExclusion::None;
    };
    for (std::size_t i = 0; i < r.months.size(); ++i) {
        const CaseMonth& month = r.months[i];
        EXPECT_TRUE(month.counted || !month.excluded) << monthName(month.month);
        EXPECT_TRUE(month.excluded || !extra(month)) << monthName(month.month);
        counted += month.counted;
        if (month.excluded) {
            ++excluded;
            extraExcluded += extra(month);
            if (!extra(month)) {
                if (!firstExcluded)
                    firstExcluded = i;
                lastExcluded = i;
            }
        } else if (month.counted) {
            keptSum += month.coefficient;
        }
    }
    if (firstExcluded)
        for (std::size_t i = *firstExcluded; i <= *lastExcluded; ++i)
            countedBetween += r.months[i].counted && !extra(r.months[i]);
    EXPECT_EQ(counted, r.monthsAfterOptimisation1);
    EXPECT_EQ(excluded, r.monthsAfterOptimisation1 - r.countedMonths);
    EXPECT_EQ(extraExcluded, r.extraExcluded);
    EXPECT_EQ(countedBetween, excluded - extraExcluded)
        << "optimisation 2 leaves out one run of the months it may";
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
