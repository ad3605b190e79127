#pragma once

#include "calc/calendar.h"
#include "calc/case.h"
#include "calc/estimated_figures.h"
#include "calc/pension_right.h"
#include "calc/reference.h"
#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// What the pension formula of ст. 27 and 28 Закону № 1058-IV starts from.
struct PensionFormulaInput {
    double averageWage = 0;        // average wage of the base year (ЗП), hryvnias
    double sumOfCoefficients = 0;  // sum of the counted months' wage coefficients
    double averageCoefficient = 0; // their average, not yet rounded
    std::int32_t countedMonths = 0;
    std::int32_t insuranceMonths = 0; // whole months of insurance experience (С)
    double valuationCoefficient = 0;  // valuation of one year of experience (type 1)
    double supplementRate = 0;        // percent of supplement per excess year (type 2)
    double minimumPension = 0;        // in force at the assignment date, hryvnias (ст. 28 ч. 1)
    std::int32_t requiredYears = 0;   // experience years of a full pension, ст. 28
    double experienceCoefficientCap = 0; // ст. 25 ч. 2
    // The minimum of ст. 28 ч. 2 for a person of 65 or more with full experience, when it holds.
    std::optional<double> minimumPensionAt65;
    double minimumWage = 0;        // in force at the assignment date, for that minimum's hint
    double minimumAt65Percent = 0; // percent of the minimum wage, ст. 28 ч. 2
    // With less than full experience the proportional minimum is a floor (ст. 28 ч. 3).
    bool proportionalFloor = false;
    std::optional<double> maximumPension; // ст. 27 ч. 3, when it holds
    double maximumInMinimums = 0;         // the ceiling in subsistence minimums; 0: set in hryvnias
};

// The numbers of the formula, each rounded as the law's calculation rounds it.
struct PensionFormula {
    double individualCoefficient = 0; // Кз, to 5 places, ст. 40
    double experienceCoefficient = 0; // Кс, to 5 places, at most 0.75, ст. 25
    double basicPension = 0;          // ЗП * Кз * Кс, to 4 places, ст. 27
    std::int32_t experienceYears = 0; // whole years of insurance experience
    double supplement = 0;            // for excess experience, to 4 places, never below 0, ст. 28
    double totalPension = 0;
    bool incomplete = false;                   // fewer experience years than required, ст. 28
    double appliedMinimum = 0;                 // the minimum a full pension is raised to
    std::optional<double> proportionalMinimum; // incomplete, with the floor in force
    double totalBeforeCeiling = 0;
    bool capped = false; // the total was lowered to the maximum pension
};

PensionFormula computePensionFormula(const PensionFormulaInput& input);

// The minimum of ст. 28 ч. 2: `percent` of the minimum wage, to the kopeck, not below the
// subsistence minimum.
double minimumPensionAt65(double minimumWage, double percent, double subsistenceMinimum);

// One result as the person reads it: its text and its hint (the formula with the numbers, or
// where in the law it comes from).
struct ResultField {
    std::string text = "0";
    std::string hint;
};

// The results of a calculation as the person reads them, from top to bottom. A default value is
// the one clearCalcResults(…, false) leaves, except the captions, which the reader keeps.
struct ResultTexts {
    ResultField rightWay{"", ""};    // which way gave the right, or why there is none (ст. 26)
    ResultField pensionFrom{"", ""}; // the day the pension is assigned from (ст. 45)
    ResultField insuranceExperience; // страховий стаж, р. міс. дн. (ст. 24)
    ResultField monthsAfterOptimisation1; // months kept by optimisation 1 (ст. 40 ч. 1)
    ResultField countedMonths;            // months of the average after optimisation 2 (ст. 40)
    ResultField sumOfCoefficients;        // the sum of their wage coefficients (ст. 40)
    std::string averageWageCaption;       // names the years of the average wage (ст. 40 ч. 2)
    ResultField averageWage;              // the average wage of the base years (ЗП, ст. 40)
    std::string averageWageNote;          // why another base year was taken
    bool averageWageNoteShown = false;
    ResultField individualCoefficient; // Кз (ст. 40)
    ResultField valuation;             // valuation of a year of experience in force, ст. 25
    ResultField experienceCoefficient; // Кс (ст. 25)
    ResultField basicPension;          // ЗП * Кз * Кс (ст. 27)
    std::optional<std::string> minimumPensionCaption; // none: the reader keeps its caption
    ResultField minimumPension;                       // ст. 28 ч. 1
    ResultField minimumPensionAt65;                   // ст. 28 ч. 2, or "—"
    ResultField supplement;                           // for excess experience, ст. 28 ч. 1
    ResultField maximumPension;                       // the ceiling of ст. 27 ч. 3, or "—"
    ResultField totalPension;                         // the pension
    bool incompleteNoteShown = false; // fewer years than a full pension asks (ст. 28)
    // How many counted months rest on an estimated reference figure; empty: none, hidden.
    std::string estimatesNote;
    // The periods credited without work and the months for the right only (ст. 24, розд. XV
    // п. 3-1); empty: none, hidden.
    std::string creditedNote;
    // The months left out at the person's wish, by reason (ст. 40 ч. 1 абз. 3); empty: none.
    std::string exclusionsNote;
};

// How a result reaches the person: a plain text, one with its formula as the hint, one whose
// hint is fixed ("із довідника"), or a sentence with its article as the hint.
enum class ResultFieldKind { PlainField, FormulaField, ReferenceField, Label };

struct ResultFieldInfo {
    ResultField ResultTexts::*field;
    ResultFieldKind kind;
};

// The results with a text and a hint, from top to bottom: the window shows them and the headless
// calculator prints them in this order, each under its own name.
inline constexpr ResultFieldInfo kResultFields[] = {
    {&ResultTexts::rightWay, ResultFieldKind::Label},
    {&ResultTexts::pensionFrom, ResultFieldKind::PlainField},
    {&ResultTexts::insuranceExperience, ResultFieldKind::PlainField},
    {&ResultTexts::monthsAfterOptimisation1, ResultFieldKind::PlainField},
    {&ResultTexts::countedMonths, ResultFieldKind::PlainField},
    {&ResultTexts::sumOfCoefficients, ResultFieldKind::PlainField},
    {&ResultTexts::averageWage, ResultFieldKind::ReferenceField},
    {&ResultTexts::individualCoefficient, ResultFieldKind::FormulaField},
    {&ResultTexts::valuation, ResultFieldKind::FormulaField},
    {&ResultTexts::experienceCoefficient, ResultFieldKind::FormulaField},
    {&ResultTexts::basicPension, ResultFieldKind::FormulaField},
    {&ResultTexts::minimumPension, ResultFieldKind::ReferenceField},
    {&ResultTexts::minimumPensionAt65, ResultFieldKind::FormulaField},
    {&ResultTexts::supplement, ResultFieldKind::FormulaField},
    {&ResultTexts::maximumPension, ResultFieldKind::FormulaField},
    {&ResultTexts::totalPension, ResultFieldKind::FormulaField},
};

// The results after clearCalcResults(noRight): every result "0" without hints, both notes hidden,
// the note of the exclusions empty and, unless with no right, the note of the credited periods;
// with no right pensionFrom reads "Право відсутнє" and insuranceExperience keeps its text, else
// insuranceExperience is "0" and pensionFrom empty. Captions are left as they are.
void clearCalcResults(ResultTexts& texts, bool noRight);

// Writes the formula's fields and hints, numbers in the decimal separator given.
void showPensionFormula(ResultTexts& texts, const PensionFormulaInput& input,
                        const PensionFormula& formula, char decimalSeparator);

struct CalculationResult {
    Date applicationDate;
    bool noRight = false;      // no right on the application date: nothing after the marks was
                               // computed
    bool incomplete = false;   // the pension is incomplete (shows "неповна")
    Date pensionAgeDate;       // ст. 26 ч. 1
    Date assignmentDate;       // ст. 45
    std::int32_t baseYear = 0; // the year whose average wage was used; 0 when none was found
    double averageWage = 0;    // ЗП, ст. 40 ч. 2
    YearsMonthsDays insuranceLength;  // the insurance experience, ст. 24
    std::int32_t insuranceMonths = 0; // its whole months (С), ст. 25
    // Whole months of the experience of ст. 26, with the months that count for the right only.
    std::int32_t rightInsuranceMonths = 0;
    std::string insuranceText;
    std::int32_t monthsAfterOptimisation1 = 0; // N1, ст. 40 ч. 1
    std::int32_t countedMonths = 0;            // N, after optimisation 2
    std::int32_t extraExcluded = 0; // months left out at the person's wish (ст. 40 ч. 1 абз. 3)
    double averageCoefficient = 0;     // ст. 40, not yet rounded
    double sumOfCoefficients = 0;      // SumK
    double valuationCoefficient = 0;   // ст. 25
    double supplementRate = 0;         // ст. 28 ч. 1
    double minimumPension = 0;         // ст. 28 ч. 1
    std::int32_t requiredYears = 0;    // full experience, ст. 28
    std::int32_t averageWageYears = 0; // the years the average wage of ст. 40 averages
    std::vector<RightPath> rightPaths; // ст. 26
    RightDecision right;
    std::optional<double> minimumPension65; // ст. 28 ч. 2
    std::optional<double> maximumPension;   // ст. 27 ч. 3
    PensionFormulaInput formulaInput;
    PensionFormula formula; // all zero with no right
    // The counted months whose reference figures are estimates, by figure.
    std::vector<EstimatedMonths> estimated;
    // The periods credited without work by kind, "строкова служба 2 р."; empty: none.
    std::string creditedShare;
    // The ledger's months evaluated again, with the optimisations' marks.
    std::vector<CaseMonth> months;
    ResultTexts texts; // filled by describeCalculation
};

// The pension of a case applied for on `applicationDate` (ст. 24-28, 40, 45). An error of any
// step (a month without an average wage, a negative earning, a person without a birth date, a
// rule the law book lacks) is thrown as UserError.
CalculationResult calculate(const Case& person, const Reference& reference, Date applicationDate);

// Writes the texts of a calculation's results, numbers in the decimal separator given.
void describeCalculation(CalculationResult& result, char decimalSeparator);

// The day on which a person born on `birthDate` reaches the pension age of ст. 26 ч. 1; throws
// UserError for a birth date the law book or the calendar cannot answer.
Date pensionAgeDateOf(const law::LawBook& law, std::optional<Date> birthDate, int gender);

} // namespace rv
