#include "calc/calculation.h"

#include "value_cases.h"

#include "calc/messages.h"
#include "calc/number_format.h"
#include "protect/reference_container.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace rv {
namespace {

std::string general(double x) {
    return formatGeneral(x, '.');
}

// The formula's numbers in one line, so that a failure shows all of them.
std::string describe(const PensionFormula& f) {
    return "K=" + general(f.individualCoefficient) + " KS=" + general(f.experienceCoefficient) +
           " P=" + general(f.basicPension) + " Y=" + std::to_string(f.experienceYears) +
           " Extra=" + general(f.supplement) + " Total=" + general(f.totalPension) +
           (f.incomplete ? " incomplete" : "");
}

void expectField(const ResultField& field, const ResultField& expected, const char* name) {
    EXPECT_EQ(field.text, expected.text) << name << " text";
    EXPECT_EQ(field.hint, expected.hint) << name << " hint";
}

// The cap of the experience coefficient, ст. 25 ч. 2 (0.75 in every rule of the law book).
constexpr double kExperienceCap = 0.75;

// A formula input with the cap of ст. 25 ч. 2 and no other rule of ст. 27 and 28 in force.
PensionFormulaInput formulaInput(double averageWage, double sum, double average,
                                 std::int32_t counted, std::int32_t insuranceMonths,
                                 double valuation, double supplementRate, double minimum,
                                 std::int32_t required) {
    PensionFormulaInput input;
    input.averageWage = averageWage;
    input.sumOfCoefficients = sum;
    input.averageCoefficient = average;
    input.countedMonths = counted;
    input.insuranceMonths = insuranceMonths;
    input.valuationCoefficient = valuation;
    input.supplementRate = supplementRate;
    input.minimumPension = minimum;
    input.requiredYears = required;
    input.experienceCoefficientCap = kExperienceCap;
    return input;
}

// The worked example: AvgZp 2000, SumK 150.123456 over 120 months, M 425, Kv1 1, Kv2 1,
// MinP 800, R 30.
PensionFormulaInput workedExample() {
    return formulaInput(2000, 150.123456, 150.123456 / 120, 120, 425, 1, 1, 800, 30);
}

// Incomplete experience with the proportional minimum of ст. 28 ч. 3 as a floor.
PensionFormulaInput withProportionalFloor(double minimumPension, std::int32_t required) {
    PensionFormulaInput input = workedExample();
    input.minimumPension = minimumPension;
    input.requiredYears = required;
    input.proportionalFloor = true;
    return input;
}

PensionFormulaInput withMinimumAndRequiredYears(double minimumPension, std::int32_t required) {
    PensionFormulaInput input = workedExample();
    input.minimumPension = minimumPension;
    input.requiredYears = required;
    return input;
}

// A career of 1.2 average coefficient over 120 months with M months of experience.
PensionFormulaInput plainCareer(std::int32_t insuranceMonths, double valuation,
                                double supplementRate, std::int32_t required) {
    return formulaInput(2000, 144, 1.2, 120, insuranceMonths, valuation, supplementRate, 800,
                        required);
}

TEST(PensionFormulaTest, ComputesAndShowsEveryResultWithItsHint) {
    struct Case {
        const char* name;
        PensionFormulaInput input;
        const char* numbers;
        ResultField earningK, experience, pension, minimum, supplement, total;
    };
    const Case cases[] = {
        {"worked example, full pension",
         workedExample(),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=40 Total=926.1546",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"800.00", ""},
         {"40.00", "((35 - 30) * 1 / 100) * 800"},
         {"926.15", "886.15 + 40"}},
        {"ст. 28 ч. 3: incomplete, the proportional minimum below the basic pension is no cut",
         withProportionalFloor(1000, 40),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=0 Total=886.1546 incomplete",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"1000.00", ""},
         {"0.00", ""},
         {"886.15", "886.15"}},
        {"ст. 28 ч. 3: incomplete, the proportional minimum above the basic pension is the floor",
         withProportionalFloor(1100, 40),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=0 Total=973.96 incomplete",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"1100.00", ""},
         {"0.00", ""},
         {"973.96", "(1100 * 425) / 40 * 12"}},
        {"ст. 28 ч. 3: under 65 after 2018 no floor, the basic pension stands",
         withMinimumAndRequiredYears(1100, 40),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=0 Total=886.1546 incomplete",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"1100.00", ""},
         {"0.00", ""},
         {"886.15", "886.15"}},
        {"incomplete above the minimum: the basic pension",
         withMinimumAndRequiredYears(800, 40),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=0 Total=886.1546 incomplete",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"800.00", ""},
         {"0.00", ""},
         {"886.15", "886.15"}},
        {"incomplete exactly at the minimum: the basic pension",
         withMinimumAndRequiredYears(886.1546, 40),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=0 Total=886.1546 incomplete",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"886.15", ""},
         {"0.00", ""},
         {"886.15", "886.15"}},
        {"full below the minimum: the minimum plus the supplement of the basic pension",
         withMinimumAndRequiredYears(1000, 30),
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=44.3077 Total=1044.3077",
         {"1.25103", "150.123456 / 120"},
         {"0.35417", "((35 * 12 + 5) / 1200) * 1"},
         {"886.15", "2000 * 1.25103 * 0.35417"},
         {"1000.00", ""},
         {"44.31", "((35 - 30) * 1 / 100) * 886.1546"},
         {"1044.31", "1000.00 + 44.3077"}},
        {"experience years equal to the required: no supplement",
         plainCareer(420, 1, 1, 35),
         "K=1.2 KS=0.35 P=840 Y=35 Extra=0 Total=840",
         {"1.2", "144 / 120"},
         {"0.35", "((35 * 12 + 0) / 1200) * 1"},
         {"840.00", "2000 * 1.2 * 0.35"},
         {"800.00", ""},
         {"0.00", ""},
         {"840.00", "840.00 + 0"}},
        {"experience years equal to the required, below the minimum",
         plainCareer(360, 1, 1, 30),
         "K=1.2 KS=0.3 P=720 Y=30 Extra=0 Total=800",
         {"1.2", "144 / 120"},
         {"0.3", "((30 * 12 + 0) / 1200) * 1"},
         {"720.00", "2000 * 1.2 * 0.3"},
         {"800.00", ""},
         {"0.00", ""},
         {"800.00", "800.00 + 0"}},
        {"experience coefficient above 0.75 is capped, its hint keeps the formula",
         plainCareer(901, 1, 1, 35),
         "K=1.2 KS=0.75 P=1800 Y=75 Extra=320 Total=2120",
         {"1.2", "144 / 120"},
         {"0.75", "((75 * 12 + 1) / 1200) * 1"},
         {"1800.00", "2000 * 1.2 * 0.75"},
         {"800.00", ""},
         {"320.00", "((75 - 35) * 1 / 100) * 800"},
         {"2120.00", "1800.00 + 320"}},
        {"valuation and supplement rates other than 1",
         plainCareer(600, 1.35, 0.5, 35),
         "K=1.2 KS=0.675 P=1620 Y=50 Extra=60 Total=1680",
         {"1.2", "144 / 120"},
         {"0.675", "((50 * 12 + 0) / 1200) * 1.35"},
         {"1620.00", "2000 * 1.2 * 0.675"},
         {"800.00", ""},
         {"60.00", "((50 - 35) * 0.5 / 100) * 800"},
         {"1680.00", "1620.00 + 60"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PensionFormula formula = computePensionFormula(c.input);
        EXPECT_EQ(describe(formula), c.numbers);

        ResultTexts panel;
        showPensionFormula(panel, c.input, formula, '.');
        expectField(panel.sumOfCoefficients,
                    {formatPattern(c.input.sumOfCoefficients, 0, 5, '.'), ""}, "edtSumK");
        expectField(panel.individualCoefficient, c.earningK, "edtEarningK");
        expectField(panel.experienceCoefficient, c.experience, "edtISSK");
        expectField(panel.basicPension, c.pension, "edtPens");
        expectField(panel.minimumPension, c.minimum, "edtMinPens");
        expectField(panel.supplement, c.supplement, "edtExtraPens");
        expectField(panel.totalPension, c.total, "edfFullPens");
        EXPECT_EQ(panel.incompleteNoteShown, formula.incomplete);
    }
}

TEST(PensionFormulaTest, UsesTheDecimalSeparatorGivenButKeepsTheLiteralNoSupplementText) {
    for (const auto& [required, supplement] :
         {std::pair{30, ResultField{"40,00", "((35 - 30) * 1 / 100) * 800"}},
          std::pair{35, ResultField{"0.00", ""}}}) {
        SCOPED_TRACE("required years " + std::to_string(required));
        const PensionFormulaInput input = withMinimumAndRequiredYears(800, required);
        ResultTexts panel;
        showPensionFormula(panel, input, computePensionFormula(input), ',');
        expectField(panel.sumOfCoefficients, {"150,12346", ""},
                    "edtSumK"); // to the coefficients' 5 places
        expectField(panel.basicPension, {"886,15", "2000 * 1,25103 * 0,35417"}, "edtPens");
        expectField(panel.experienceCoefficient, {"0,35417", "((35 * 12 + 5) / 1200) * 1"},
                    "edtISSK");
        expectField(panel.supplement, supplement, "edtExtraPens");
    }
}

PensionFormulaInput withFloor(PensionFormulaInput input) {
    input.proportionalFloor = true;
    return input;
}

// Exact halves in binary: 1/64 and 3/64 at 5 places, 1/32 and 3/32 at 4, 1/8 and 3/8 at 2.
TEST(PensionFormulaTest, RoundsExactHalvesToTheEvenNeighbour) {
    struct Case {
        const char* name;
        PensionFormulaInput input;
        double PensionFormula::*result;
        const char* expected;
    };
    // KS = 600 * 1 / 1200 = 0.5 and K = 1, so P = AvgZp / 2.
    const Case cases[] = {
        {"K of 0.015625", formulaInput(2000, 1.875, 0.015625, 120, 425, 1, 1, 800, 30),
         &PensionFormula::individualCoefficient, "0.01562"},
        {"K of 0.046875", formulaInput(2000, 5.625, 0.046875, 120, 425, 1, 1, 800, 30),
         &PensionFormula::individualCoefficient, "0.04688"},
        {"P of 0.03125", formulaInput(0.0625, 120, 1, 120, 600, 1, 1, 800, 30),
         &PensionFormula::basicPension, "0.0312"},
        {"P of 0.09375", formulaInput(0.1875, 120, 1, 120, 600, 1, 1, 800, 30),
         &PensionFormula::basicPension, "0.0938"},
        {"proportional minimum of 0.125", withFloor(formulaInput(0, 0, 0, 120, 6, 1, 1, 0.25, 1)),
         &PensionFormula::totalPension, "0.12"},
        {"proportional minimum of 0.375", withFloor(formulaInput(0, 0, 0, 120, 6, 1, 1, 0.75, 1)),
         &PensionFormula::totalPension, "0.38"},
    };
    for (const Case& c : cases) {
        const PensionFormula formula = computePensionFormula(c.input);
        EXPECT_EQ(general(formula.*c.result), c.expected) << c.name << ": " << describe(formula);
    }
}

// The floors and the ceiling of ст. 27 ч. 3 and ст. 28 ч. 2 on both sides of each.
TEST(PensionFormulaTest, TheMinimumAt65AndTheCeilingBoundTheTotal) {
    struct Case {
        const char* name;
        std::optional<double> minimumAt65;
        std::optional<double> maximum;
        const char* numbers;
        ResultField minimum65, ceiling, total;
    };
    // A full pension of P 886.1546 + Extra 40 over a minimum of 800.
    const Case cases[] = {
        {"ст. 28 ч. 2: the 65+ minimum above the basic pension raises it",
         1200,
         std::nullopt,
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=40 Total=1240",
         {"1200.00", "Max(3000 * 40 / 100; 800)"},
         {"—", ""},
         {"1240.00", "1200.00 + 40"}},
        {"ст. 28 ч. 2: the 65+ minimum below the basic pension changes nothing",
         850,
         std::nullopt,
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=40 Total=926.1546",
         {"850.00", "Max(3000 * 40 / 100; 800)"},
         {"—", ""},
         {"926.15", "886.15 + 40"}},
        {"ст. 27 ч. 3: a total above the ceiling is lowered to it",
         std::nullopt,
         900,
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=40 Total=900 capped",
         {"—", ""},
         {"900.00", "10 * 800"},
         {"900.00", "Min(886.15 + 40; 900.00)"}},
        {"ст. 27 ч. 3: a total below the ceiling stays",
         std::nullopt,
         8000,
         "K=1.25103 KS=0.35417 P=886.1546 Y=35 Extra=40 Total=926.1546",
         {"—", ""},
         {"8000.00", "10 * 800"},
         {"926.15", "886.15 + 40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PensionFormulaInput input = workedExample();
        input.minimumPensionAt65 = c.minimumAt65;
        input.minimumWage = 3000;
        input.minimumAt65Percent = 40;
        input.maximumPension = c.maximum;
        input.maximumInMinimums = 10;
        const PensionFormula formula = computePensionFormula(input);
        EXPECT_EQ(describe(formula) + (formula.capped ? " capped" : ""), c.numbers);
        ResultTexts panel;
        showPensionFormula(panel, input, formula, '.');
        expectField(panel.minimumPensionAt65, c.minimum65, "edtMinPens65");
        expectField(panel.maximumPension, c.ceiling, "edtMaxPens");
        expectField(panel.totalPension, c.total, "edfFullPens");
    }
}

TEST(PensionFormulaTest, TheMinimumAt65IsAShareOfTheMinimumWageNotBelowTheSubsistenceMinimum) {
    EXPECT_EQ(minimumPensionAt65(8000, 40, 2595), 3200);       // 40 % of 8000 above 2595
    EXPECT_EQ(minimumPensionAt65(6000, 40, 2595), 2595);       // 2400 is below it
    EXPECT_EQ(minimumPensionAt65(6487.5, 40, 2595), 2595);     // equal
    EXPECT_EQ(minimumPensionAt65(7100.03, 40, 2000), 2840.01); // to the kopeck
}

TEST(ClearCalcResultsTest, ResetsTheResultsAndKeepsTheCaptions) {
    for (const bool noRight : {true, false}) {
        SCOPED_TRACE(noRight ? "no right" : "reset");
        ResultTexts panel;
        panel.pensionFrom = {"11.05.2011", ""};
        panel.insuranceExperience = {"35 р. 5 міс. 0 дн.", ""};
        panel.monthsAfterOptimisation1 = {"120 міс.", ""};
        panel.countedMonths = {"120 міс.", ""};
        panel.averageWageCaption = "Середня ЗП по Україні в 2010 році";
        panel.averageWage = {"2000", messages::kFromReferenceHint};
        panel.averageWageNote = "В довіднику відсутнє значення для 2011.";
        panel.averageWageNoteShown = true;
        panel.minimumPensionCaption = "Мінімальний розмір пенсії за віком станом на 11.05.2011";
        panel.minimumPension.hint = messages::kFromReferenceHint;
        const PensionFormulaInput input = withMinimumAndRequiredYears(1000, 40);
        showPensionFormula(panel, input, computePensionFormula(input), '.');
        ASSERT_TRUE(panel.incompleteNoteShown);

        clearCalcResults(panel, noRight);

        expectField(panel.pensionFrom, {noRight ? "Право відсутнє" : "", ""}, "edtPensAge");
        expectField(panel.insuranceExperience, {noRight ? "35 р. 5 міс. 0 дн." : "0", ""},
                    "edtFullSS");
        for (const auto& [field, name] : {std::pair{&panel.monthsAfterOptimisation1, "edtSSMonth"},
                                          {&panel.countedMonths, "edtSSMonth2"},
                                          {&panel.sumOfCoefficients, "edtSumK"},
                                          {&panel.individualCoefficient, "edtEarningK"},
                                          {&panel.experienceCoefficient, "edtISSK"},
                                          {&panel.basicPension, "edtPens"},
                                          {&panel.supplement, "edtExtraPens"},
                                          {&panel.totalPension, "edfFullPens"}})
            expectField(*field, {"0", ""}, name);
        expectField(panel.averageWage, {"0", "із довідника"}, "edtAvgZpForYear");
        expectField(panel.minimumPension, {"0", "із довідника"}, "edtMinPens");
        EXPECT_FALSE(panel.averageWageNoteShown);
        EXPECT_FALSE(panel.incompleteNoteShown);
        EXPECT_EQ(panel.averageWageCaption, "Середня ЗП по Україні в 2010 році");
        EXPECT_EQ(panel.minimumPensionCaption,
                  "Мінімальний розмір пенсії за віком станом на 11.05.2011");
    }
}

// ---- The calculation of a whole case, on the real reference data unless a test says otherwise.

using testing_support::calculated;
using testing_support::day;
using testing_support::lawReference;
using testing_support::periodsOf;

// Every month earns exactly its average wage, so each wage coefficient is 1 and every month
// from 2004 on is credited in full.
void earnTheAverageWageEveryMonth(Case& person) {
    testing_support::earnEveryMonth(person, *lawReference(),
                                    [](const CaseMonth& month) { return month.averageWage; });
}

int countMonths(const std::vector<CaseMonth>& months, bool CaseMonth::*mark) {
    int count = 0;
    for (const CaseMonth& month : months)
        count += month.*mark;
    return count;
}

// A man born 10.05.1958 (pension age date 11.05.2018) with one period of employment, applying
// on `application`, every month earning its average wage.
Case manBorn1958(const char* begin, const char* finish, const char* application) {
    Case person = testing_support::enteredCase({"Особа", day("10.05.1958"), 0, day(application)},
                                               periodsOf({{begin, finish}}), *lawReference());
    earnTheAverageWageEveryMonth(person);
    return person;
}

// The program's reference with these yearly average wages and, if given, these subsistence
// minimums (the minimum pension).
std::shared_ptr<const Reference> withAverageWagesOfYears(std::vector<DatedFigure> years,
                                                         std::vector<DatedFigure> minimums = {}) {
    return testing_support::changedReference([&](ReferenceRows& rows) {
        rows.averageWageOfYear = years;
        if (!minimums.empty())
            rows.subsistenceMinimum = minimums;
    });
}

class CalculationDriverTest : public testing::Test {
protected:
    void SetUp() override {
        // The cases count on these parameters of the real reference data.
        ReferenceData stored;
        UnpackReferenceData(EmbeddedReferenceData(), stored);
        ASSERT_EQ(stored.MinInsuranceYears, 15);
        ASSERT_EQ(stored.FullInsuranceYearsMale, 35);
        ASSERT_EQ(stored.FullInsuranceYearsFemale, 30);
        ASSERT_EQ(lawReference()->limits().mostExcludedMonths, 60);
        ASSERT_EQ(lawReference()->limits().fewestKeptMonths, 60);
    }
};

// ст. 26: the right follows the insurance experience, not the counted months. A man born
// 10.05.1958 reaches 65 on 11.05.2023, when 15 years give the right; 60 (2018) needs 25 years
// and 63 (2021) 18.
TEST_F(CalculationDriverTest, TheRightFollowsTheInsuranceExperienceAtTheAgesOfTheLaw) {
    struct Case {
        const char* name;
        const char* finish;
        bool noRight;
        const char* insuranceText;
        const char* right;
        const char* assignment;
    };
    const Case cases[] = {
        {"ст. 26 ч. 3: 180 months at 65", "31.12.2018", false, "15 р. 0 міс. 0 дн.",
         "з 65 років: потрібно 15 р. стажу, є 15 р.", "11.05.2023"},
        {"ст. 26 ч. 3: 179 months, a month short", "30.11.2018", true, "14 р. 11 міс. 0 дн.",
         "Стажу недостатньо: потрібно з 60 років (11.05.2018) — 25 р., з 63 років (11.05.2021) "
         "— 18 р., з 65 років (11.05.2023) — 15 р., незалежно від віку (з 01.01.2028) — 40 р.; "
         "є 14 р. 11 міс., бракує 1 міс. Якщо працювати далі, право виникне з 15.07.2023 (з 65 "
         "років).",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rv::Case person = manBorn1958("01.01.2004", c.finish, "15.06.2023");
        const int months = static_cast<int>(person.months.size());

        const CalculationResult result = calculated(person, *lawReference(), day("15.06.2023"));

        EXPECT_EQ(result.noRight, c.noRight);
        EXPECT_EQ(result.texts.insuranceExperience.text, c.insuranceText);
        EXPECT_EQ(result.texts.rightWay.text, c.right);
        EXPECT_EQ(result.texts.rightWay.hint,
                  c.noRight ? "Закон №1058-IV, ст.26 ч.3" : "Закон №1058-IV, ст.26 ч.3");
        // The marks are written with or without a right.
        EXPECT_EQ(countMonths(person.months, &CaseMonth::counted), months);
        EXPECT_EQ(countMonths(person.months, &CaseMonth::excluded), months / 10);
        const ResultTexts& panel = result.texts;
        if (c.noRight) {
            EXPECT_EQ(panel.pensionFrom.text, "Право відсутнє");
            for (const auto& [field, name] :
                 {std::pair{&panel.monthsAfterOptimisation1, "edtSSMonth"},
                  {&panel.countedMonths, "edtSSMonth2"},
                  {&panel.sumOfCoefficients, "edtSumK"},
                  {&panel.averageWage, "edtAvgZpForYear"},
                  {&panel.individualCoefficient, "edtEarningK"},
                  {&panel.valuation, "edtValuation"},
                  {&panel.experienceCoefficient, "edtISSK"},
                  {&panel.basicPension, "edtPens"},
                  {&panel.minimumPension, "edtMinPens"},
                  {&panel.minimumPensionAt65, "edtMinPens65"},
                  {&panel.supplement, "edtExtraPens"},
                  {&panel.maximumPension, "edtMaxPens"},
                  {&panel.totalPension, "edfFullPens"}})
                EXPECT_EQ(field->text, "0") << name;
            for (const ResultField* field :
                 {&panel.experienceCoefficient, &panel.individualCoefficient, &panel.basicPension,
                  &panel.supplement, &panel.totalPension})
                EXPECT_EQ(field->hint, "");
            EXPECT_FALSE(panel.averageWageNoteShown);
            EXPECT_FALSE(panel.incompleteNoteShown);
            EXPECT_FALSE(panel.minimumPensionCaption.has_value());
        } else {
            EXPECT_EQ(panel.pensionFrom.text, c.assignment);
            EXPECT_EQ(panel.monthsAfterOptimisation1.text, std::to_string(months) + " міс.");
            // 15 years in 2023: incomplete, 65 years old, so the proportional floor of
            // ст. 28 ч. 3 holds; the ceiling is 10 subsistence minimums (ст. 27 ч. 3).
            EXPECT_TRUE(panel.incompleteNoteShown);
            EXPECT_EQ(panel.valuation.text, "1");
            EXPECT_EQ(panel.minimumPensionAt65.text, "—");
            EXPECT_EQ(panel.maximumPension.text, "20930.00");
            EXPECT_EQ(panel.maximumPension.hint, "10 * 2093");
        }
    }
}

// ст. 28 ч. 2 and 3 for a man of 65 or older: with full experience the minimum is 40 % of the
// minimum wage (2023: 6700, so 2680 above the subsistence minimum of 2093); with less, the
// minimum in proportion to the experience is a floor.
TEST_F(CalculationDriverTest, AtSixtyFiveTheMinimumsOfArticle28Hold) {
    struct Case {
        const char* name;
        const char* begin;
        const char* assignment;
        const char* minimum65;
        const char* total;
        const char* totalHint;
        bool incomplete;
    };
    const Case cases[] = {
        {"ст. 28 ч. 2: 40 years, right at 60, the 65+ minimum", "01.06.1983", "15.06.2023",
         "2680.00", "2682.00", "2680.00 + 2", false},
        {"ст. 28 ч. 3: 20 years (18 gained after 63), the proportional minimum", "01.06.2003",
         "15.06.2023", "—", "1196.00", "(2093 * 240) / 35 * 12", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rv::Case person = manBorn1958(c.begin, "31.05.2023", "15.06.2023");
        // An average wage of 100 keeps the basic pension far below the minimums.
        const auto reference = withAverageWagesOfYears({{day("01.01.2022"), std::nullopt, 100}});

        const CalculationResult result = calculated(person, *reference, day("15.06.2023"));

        ASSERT_FALSE(result.noRight) << result.texts.rightWay.text;
        EXPECT_EQ(result.texts.pensionFrom.text, c.assignment);
        EXPECT_EQ(result.texts.minimumPensionAt65.text, c.minimum65);
        EXPECT_EQ(result.texts.totalPension.text, c.total);
        EXPECT_EQ(result.texts.totalPension.hint, c.totalHint);
        EXPECT_EQ(result.incomplete, c.incomplete);
    }
}

// ст. 45: granted from the pension age date when applied within three months of it; the average
// wage is the indicator of the application year (the table's row of the year before), or of the
// nearest year the table holds; the caption names the years it averages (ст. 40 ч. 2).
TEST_F(CalculationDriverTest, DatesAndBaseYearFollowTheApplication) {
    struct Case {
        const char* application;
        const char* assignment;
        int baseYear;
        const char* averageWage;
        const char* missingYearNote; // nullptr: the note is hidden
        const char* minimumPension;
        const char* averagedYears; // ст. 40: the years the indicator averages
    };
    const Case cases[] = {
        {"10.08.2018", "11.05.2018", 2017, "7000.5", nullptr, "1500.00", "2016–2017 роки"},
        {"11.08.2018", "11.08.2018", 2017, "7000.5", nullptr, "2000.00", "2016–2017 роки"},
        {"15.01.2019", "15.01.2019", 0, "0", "В довіднику відсутнє значення для 2018.", "2000.00",
         "2016–2018 роки"},
        {"15.01.2022", "15.01.2022", 2020, "11000", "В довіднику відсутнє значення для 2021.",
         "2000.00", "2019–2021 роки"},
    };
    rv::Case person = manBorn1958("01.01.1980", "31.07.2020", "15.01.2021");
    const auto reference = withAverageWagesOfYears(
        {{day("01.01.2016"), day("31.12.2016"), 5000},
         {day("01.01.2017"), day("31.12.2017"), 7000.5},
         {day("01.01.2019"), day("31.12.2019"), 10000},
         {day("01.01.2020"), std::nullopt, 11000}},
        {{day("01.01.2018"), day("30.06.2018"), 1500}, {day("01.07.2018"), std::nullopt, 2000}});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("application ") + c.application);
        const CalculationResult result = calculated(person, *reference, day(c.application));
        const ResultTexts& panel = result.texts;
        ASSERT_FALSE(result.noRight);
        EXPECT_EQ(formatDate(result.pensionAgeDate), "11.05.2018");
        EXPECT_EQ(panel.pensionFrom.text, c.assignment);
        EXPECT_EQ(result.baseYear, c.baseYear);
        EXPECT_EQ(panel.averageWageCaption,
                  "Показник середньої заробітної плати для пенсій, призначених у " +
                      std::string(c.application).substr(6) + " році (середня за " +
                      c.averagedYears + ")");
        EXPECT_EQ(panel.averageWage.text, c.averageWage);
        EXPECT_EQ(panel.averageWage.hint, "із довідника");
        EXPECT_EQ(panel.averageWageNoteShown, c.missingYearNote != nullptr);
        if (c.missingYearNote) {
            EXPECT_EQ(panel.averageWageNote, c.missingYearNote);
        }
        EXPECT_EQ(panel.minimumPensionCaption,
                  std::string("Мінімальний розмір пенсії за віком станом на ") + c.assignment);
        EXPECT_EQ(panel.minimumPension.text, c.minimumPension);
        EXPECT_EQ(panel.minimumPension.hint, "із довідника");
    }
}

// 32 years of experience, the months before July 2000 all equal: optimisation 1 keeps the first
// 60 of them plus the 246 months from July 2000 on (306), optimisation 2 leaves out the first
// 38 (M div 10), so K = 268 / 268 = 1 and KS = 384 / 1200 = 0.32.
TEST_F(CalculationDriverTest, ChangingTheGenderTurnsAnIncompletePensionIntoAFullOne) {
    struct Case {
        int gender;
        bool incomplete;
        ResultField supplement, total;
    };
    const Case cases[] = {
        {0, true, {"0.00", ""}, {"3200.00", "3200.00"}},
        {1, false, {"40.00", "((32 - 30) * 1 / 100) * 2000"}, {"3240.00", "3200.00 + 40"}},
    };
    rv::Case person = manBorn1958("01.01.1989", "31.12.2020", "15.01.2021");
    const auto reference = withAverageWagesOfYears({{day("01.01.2020"), std::nullopt, 10000}},
                                                   {{day("01.01.2020"), std::nullopt, 2000}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gender == 0 ? "man: 35 years required" : "woman: 30 years required");
        person.person.gender = c.gender;
        const CalculationResult result = calculated(person, *reference, day("15.01.2021"));
        const ResultTexts& panel = result.texts;
        ASSERT_FALSE(result.noRight);
        EXPECT_EQ(result.incomplete, c.incomplete);
        EXPECT_EQ(panel.incompleteNoteShown, c.incomplete);
        EXPECT_EQ(panel.pensionFrom.text, "15.01.2021");
        EXPECT_EQ(panel.insuranceExperience.text, "32 р. 0 міс. 0 дн.");
        EXPECT_EQ(panel.monthsAfterOptimisation1.text, "306 міс.");
        EXPECT_EQ(panel.countedMonths.text, "268 міс.");
        expectField(panel.sumOfCoefficients, {"268", ""}, "edtSumK");
        expectField(panel.individualCoefficient, {"1", "268 / 268"}, "edtEarningK");
        expectField(panel.experienceCoefficient, {"0.32", "((32 * 12 + 0) / 1200) * 1"}, "edtISSK");
        expectField(panel.basicPension, {"3200.00", "10000 * 1 * 0.32"}, "edtPens");
        expectField(panel.minimumPension, {"2000.00", "із довідника"}, "edtMinPens");
        expectField(panel.supplement, c.supplement, "edtExtraPens");
        expectField(panel.totalPension, c.total, "edfFullPens");
    }
}

} // namespace
} // namespace rv

namespace rv {
namespace {

// Закон 489-V ст. 62 в ред. Закону 749-V: from 01.04 and 01.10.2007 the minimum old-age pension
// of ст. 28 ч. 1 is the subsistence minimum raised by 1 % (406 → 410,06, 411 → 415,11); before
// April and from 2008 it is the subsistence minimum itself.
TEST(MinimumPensionTest, TheSubsistenceMinimumRaisedByOnePercentInApril2007ToDecember2007) {
    struct Case {
        const char* application;
        const char* minimum;
    };
    const Case cases[] = {
        {"15.03.2007", "380.00"}, {"15.04.2007", "410.06"}, {"15.09.2007", "410.06"},
        {"15.10.2007", "415.11"}, {"15.12.2007", "415.11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.application);
        rv::Case person = testing_support::enteredCase(
            {"Особа", day("10.01.1947"), 0, day(c.application)},
            periodsOf({{"01.01.1975", "28.02.2007"}}), *lawReference());
        testing_support::earnEveryMonth(person, *lawReference(),
                                        testing_support::timesTheAverageWage(0.1));
        const CalculationResult result = calculated(person, *lawReference(), day(c.application));
        ASSERT_FALSE(result.noRight);
        EXPECT_EQ(result.texts.minimumPension.text, c.minimum);
    }
    rv::Case next =
        testing_support::enteredCase({"Особа", day("10.01.1947"), 0, day("15.01.2008")},
                                     periodsOf({{"01.01.1975", "28.02.2007"}}), *lawReference());
    testing_support::earnEveryMonth(next, *lawReference(),
                                    testing_support::timesTheAverageWage(0.1));
    const CalculationResult in2008 = calculated(next, *lawReference(), day("15.01.2008"));
    EXPECT_EQ(
        in2008.texts.minimumPension.text,
        std::to_string(static_cast<int>(lawReference()->subsistenceMinimum(day("15.01.2008")))) +
            ".00")
        << "no raise in 2008";
}

} // namespace
} // namespace rv

namespace rv {
namespace {

// ст. 26 ч. 1: 32 years in 2025; 01.03.1993–28.02.2025 is 32 whole years (the 1st to a month's
// last day counts whole months), so the man has the right at 60; a day less and he has not.
TEST(RightTest, APeriodToTheLastDayOfFebruaryCountsWholeMonthsForTheRight) {
    struct Case {
        const char* finish;
        bool right;
    };
    for (const Case& c : {Case{"28.02.2025", true}, Case{"27.02.2025", false}}) {
        SCOPED_TRACE(c.finish);
        rv::Case person =
            testing_support::enteredCase({"Особа", day("10.03.1965"), 0, day("15.03.2025")},
                                         periodsOf({{"01.03.1993", c.finish}}), *lawReference());
        testing_support::earnEveryMonth(person, *lawReference(),
                                        testing_support::timesTheAverageWage(1));
        const CalculationResult result = calculated(person, *lawReference(), day("15.03.2025"));
        EXPECT_EQ(result.noRight, !c.right);
        if (c.right) {
            EXPECT_EQ(result.texts.pensionFrom.text, "11.03.2025");
        }
    }
}

} // namespace
} // namespace rv

namespace rv {
namespace {

// Закон 3668-VI розд. II п. 4: the 5 years of ст. 26 before 01.10.2011 held only for pensions
// assigned before that day; a man of 60 in 2010 with 10 years has the right when he applies in
// 2010, and none when he applies in 2012, when 15 years are needed.
TEST(RightTest, TheFiveYearsBefore2011HoldOnlyForPensionsAssignedBeforeOctober2011) {
    struct Case {
        const char* application;
        bool right;
    };
    for (const Case& c :
         {Case{"15.06.2010", true}, Case{"15.09.2011", true}, Case{"15.06.2012", false}}) {
        SCOPED_TRACE(c.application);
        rv::Case person = testing_support::enteredCase(
            {"Особа", day("10.05.1950"), 0, day(c.application)},
            periodsOf({{"01.01.2000", "31.12.2009"}}), *lawReference());
        testing_support::earnEveryMonth(person, *lawReference(),
                                        testing_support::timesTheAverageWage(1));
        const CalculationResult result = calculated(person, *lawReference(), day(c.application));
        EXPECT_EQ(result.noRight, !c.right) << result.texts.rightWay.text;
    }
}

} // namespace
} // namespace rv

namespace rv {
namespace {

// ст. 26 ч. 5: a man of 57 in 2028 with 40 years has the right at any age; with 39 he has none.
TEST(RightTest, FortyYearsGiveTheRightAtAnyAgeFrom2028) {
    struct Case {
        const char* begin;
        bool right;
    };
    for (const Case& c : {Case{"01.01.1988", true}, Case{"01.01.1989", false}}) {
        SCOPED_TRACE(c.begin);
        rv::Case person =
            testing_support::enteredCase({"Особа", day("10.05.1971"), 0, day("15.02.2028")},
                                         periodsOf({{c.begin, "31.12.2027"}}), *lawReference());
        testing_support::earnEveryMonth(person, *lawReference(),
                                        testing_support::timesTheAverageWage(1));
        const CalculationResult result = calculated(person, *lawReference(), day("15.02.2028"));
        EXPECT_EQ(result.noRight, !c.right) << result.texts.rightWay.text;
    }
}

} // namespace
} // namespace rv
