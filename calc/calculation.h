#pragma once

#include "store/engine/date.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rv {

class TdMain;

// What the pension formula of ст. 27 and 28 Закону № 1058-IV starts from.
struct PensionFormulaInput {
    double averageWage = 0;        // average wage of the base year (ЗП), hryvnias
    double sumOfCoefficients = 0;  // sum of the counted months' wage coefficients
    double averageCoefficient = 0; // their average, not yet rounded
    std::int32_t countedMonths = 0;
    std::int32_t insuranceMonths = 0; // whole months of insurance experience (С)
    double valuationCoefficient = 0;  // valuation of one year of experience (type 1)
    double supplementRate = 0;        // percent of supplement per excess year (type 2)
    double minimumPension = 0;        // in force at the assignment date, hryvnias
    std::int32_t requiredYears = 0;   // experience years of a full pension, ст. 28
};

// The numbers of the formula, each rounded as the law's calculation rounds it.
struct PensionFormula {
    double individualCoefficient = 0; // Кз, to 5 places, ст. 40
    double experienceCoefficient = 0; // Кс, to 5 places, at most 0.75, ст. 25
    double basicPension = 0;          // ЗП * Кз * Кс, to 4 places, ст. 27
    std::int32_t experienceYears = 0; // whole years of insurance experience
    double supplement = 0;            // for excess experience, to 4 places, never below 0, ст. 28
    double totalPension = 0;
    bool incomplete = false; // fewer experience years than required, ст. 28
};

// Counted months below MinInsuranceYears * 12 give no right to a pension (ст. 26).
bool hasPensionRight(std::int32_t minInsuranceYears, std::int32_t countedMonths);

PensionFormula computePensionFormula(const PensionFormulaInput& input);

// One read-only field of the results panel: its text and its tooltip.
struct ResultField {
    std::string text = "0";
    std::string hint;
};

// The results panel `gbCalc` as the window shows it, field by field. A default panel is the one
// ClearCalcResults(false) leaves, except the captions, which the window keeps.
struct ResultsPanel {
    ResultField edtPensAge{"", ""};
    ResultField edtFullSS;
    ResultField edtSSMonth;
    ResultField edtSSMonth2;
    ResultField edtSumK;
    std::string lAvgZpForYear;
    ResultField edtAvgZpForYear;
    std::string lNoAvgForYear;
    bool lNoAvgForYearVisible = false;
    ResultField edtEarningK;
    ResultField edtISSK;
    ResultField edtPens;
    std::optional<std::string> lMinPens; // empty: the window keeps its caption
    ResultField edtMinPens;
    ResultField edtExtraPens;
    ResultField edfFullPens;
    bool lPensNotFullVisible = false;
};

// The panel after ClearCalcResults(noRight): every result "0" without hints, both notes hidden;
// with no right edtPensAge reads "Право відсутнє" and edtFullSS keeps its text, else edtFullSS
// is "0" and edtPensAge empty. Captions are left as they are.
void clearCalcResults(ResultsPanel& panel, bool noRight);

// Writes the formula's fields and hints, numbers in the decimal separator given.
void showPensionFormula(ResultsPanel& panel, const PensionFormulaInput& input,
                        const PensionFormula& formula, char decimalSeparator);

struct CalculationResult {
    bool noRight = false;    // too few counted months: nothing after the marks was computed
    bool incomplete = false; // the pension is incomplete (shows "неповна")
    Date pensionAgeDate;
    Date assignmentDate;
    std::int32_t baseYear = 0; // the year whose average wage was used; 0 when none was found
    double averageWage = 0;
    std::int32_t insuranceMonths = 0;
    std::string insuranceText;
    std::int32_t monthsAfterOptimisation1 = 0;
    std::int32_t countedMonths = 0; // after optimisation 2
    double averageCoefficient = 0;
    double sumOfCoefficients = 0;
    double valuationCoefficient = 0;
    double supplementRate = 0;
    double minimumPension = 0;
    std::int32_t requiredYears = 0;
    PensionFormula formula; // all zero with no right
    ResultsPanel panel;
};

// The pension calculation of the current person's case, for the application date shown in the
// person panel: clears the ledger's optimisation marks, runs both optimisations (which write the
// marks again) and computes the pension. The ledger's bound views stay suspended throughout and
// its current row is restored on every way out. The caller keeps its year-summary refresh off
// meanwhile and refreshes the summary once afterwards (the resumed views report their change
// while the refresh is still off). An error of any step passes on to the caller, who then keeps
// the panel as it was.
CalculationResult Calculate(TdMain& dm, Date applicationDate, char decimalSeparator);

} // namespace rv
