#include "calculation.h"

#include "calc/number_format.h"
#include "calc/pension_dates.h"
#include "calc/rounding.h"
#include "store/dmMain.h"
#include "store/messages.h"

#include <algorithm>

namespace rv {

namespace {

// edtExtraPens without a supplement shows this text as it stands, whatever the separator.
constexpr const char* kNoSupplementText = "0.00";
constexpr double kExperienceCoefficientCap = 0.75; // ст. 25

std::string months(std::int32_t count) {
    return std::to_string(count) + messages::kMonthsSuffix;
}

// Holds the ledger's bound views suspended; on the way out drops an unfinished edit, puts the
// cursor back on the remembered row and then resumes the views.
class LedgerWalkGuard {
public:
    explicit LedgerWalkGuard(Table& ledger) : m_ledger(ledger), m_recNo(ledger.recNo()) {
        m_ledger.suspendBoundViews();
    }
    ~LedgerWalkGuard() {
        m_ledger.cancel();
        if (m_recNo >= 1 && m_recNo <= m_ledger.recordCount())
            m_ledger.setRecNo(m_recNo);
        m_ledger.resumeBoundViews();
    }
    LedgerWalkGuard(const LedgerWalkGuard&) = delete;
    LedgerWalkGuard& operator=(const LedgerWalkGuard&) = delete;

private:
    Table& m_ledger;
    int m_recNo;
};

void clearOptimisationMarks(Table& ledger) {
    const int opt1 = ledger.fieldIndex("earning_opt1");
    const int opt2 = ledger.fieldIndex("earning_opt2");
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ledger.edit();
        ledger.setValue(opt1, std::string());
        ledger.setValue(opt2, std::string());
        ledger.post(); // runs the monthly evaluation again
    }
}

} // namespace

bool hasPensionRight(std::int32_t minInsuranceYears, std::int32_t countedMonths) {
    return minInsuranceYears * 12 <= countedMonths;
}

PensionFormula computePensionFormula(const PensionFormulaInput& input) {
    PensionFormula result;
    const Extended insuranceMonths = input.insuranceMonths;

    result.individualCoefficient = static_cast<double>(RoundToPlaces(input.averageCoefficient, 5));

    // Кс = С * Кв / 1200 to 5 places: multiplied by 100000 before the division, as written.
    Extended experience =
        RoundHalfEven(insuranceMonths * input.valuationCoefficient * 100000 / 1200) / 100000;
    result.experienceCoefficient =
        static_cast<double>(std::min<Extended>(experience, kExperienceCoefficientCap));

    const Extended basic =
        RoundToPlaces(static_cast<Extended>(input.averageWage) * result.individualCoefficient *
                          result.experienceCoefficient,
                      4);
    result.basicPension = static_cast<double>(basic);

    result.experienceYears = input.insuranceMonths / 12;
    const std::int32_t excessYears = result.experienceYears - input.requiredYears;
    const Extended supplementFactor =
        static_cast<Extended>(excessYears) * input.supplementRate / 100;
    const Extended supplementBase = std::min(result.basicPension, input.minimumPension);
    const Extended supplement = RoundToPlaces(supplementBase * supplementFactor, 4);
    result.supplement = supplement > 0 ? static_cast<double>(supplement) : 0.0;

    result.incomplete = input.requiredYears > result.experienceYears;
    if (!result.incomplete) {
        result.totalPension = static_cast<double>(
            static_cast<Extended>(std::max(input.minimumPension, result.basicPension)) +
            result.supplement);
    } else if (result.basicPension >= input.minimumPension) {
        result.totalPension = result.basicPension;
    } else {
        // The minimum pension in proportion to the experience.
        result.totalPension =
            static_cast<double>(RoundToPlaces(static_cast<Extended>(input.minimumPension) *
                                                  insuranceMonths / (input.requiredYears * 12),
                                              2));
    }
    return result;
}

void clearCalcResults(ResultsPanel& panel, bool noRight) {
    if (noRight) {
        panel.edtPensAge = {messages::kNoPensionRight, {}};
    } else {
        panel.edtFullSS = {"0", {}};
        panel.edtPensAge = {"", {}};
    }
    for (ResultField* field :
         {&panel.edtSumK, &panel.edtSSMonth, &panel.edtSSMonth2, &panel.edtAvgZpForYear,
          &panel.edtEarningK, &panel.edtISSK, &panel.edtPens, &panel.edtMinPens,
          &panel.edtExtraPens, &panel.edfFullPens})
        field->text = "0";
    for (ResultField* field : {&panel.edtISSK, &panel.edtEarningK, &panel.edtPens,
                               &panel.edtExtraPens, &panel.edfFullPens})
        field->hint.clear();
    panel.lNoAvgForYearVisible = false;
    panel.lPensNotFullVisible = false;
}

void showPensionFormula(ResultsPanel& panel, const PensionFormulaInput& input,
                        const PensionFormula& formula, char decimalSeparator) {
    auto general = [decimalSeparator](double x) { return formatGeneral(x, decimalSeparator); };
    auto twoDecimals = [decimalSeparator](double x) { return formatFixed(x, 2, decimalSeparator); };
    const std::string requiredYears = std::to_string(input.requiredYears);

    panel.edtSumK.text = general(input.sumOfCoefficients);

    panel.edtISSK.text = general(formula.experienceCoefficient);
    panel.edtISSK.hint = "((" + std::to_string(input.insuranceMonths / 12) + " * 12 + " +
                         std::to_string(input.insuranceMonths % 12) + ") / 1200) * " +
                         general(input.valuationCoefficient);

    panel.edtEarningK.text = general(formula.individualCoefficient);
    panel.edtEarningK.hint =
        general(input.sumOfCoefficients) + " / " + std::to_string(input.countedMonths);

    panel.edtPens.text = twoDecimals(formula.basicPension);
    panel.edtPens.hint = general(input.averageWage) + " * " +
                         general(formula.individualCoefficient) + " * " +
                         general(formula.experienceCoefficient);

    panel.edtMinPens.text = twoDecimals(input.minimumPension);

    if (formula.supplement > 0) {
        panel.edtExtraPens.text = twoDecimals(formula.supplement);
        panel.edtExtraPens.hint = "((" + std::to_string(formula.experienceYears) + " - " +
                                  requiredYears + ") * " + general(input.supplementRate) +
                                  " / 100) * " +
                                  general(std::min(formula.basicPension, input.minimumPension));
    } else {
        panel.edtExtraPens.text = kNoSupplementText;
        panel.edtExtraPens.hint.clear();
    }

    panel.lPensNotFullVisible = formula.incomplete;
    panel.edfFullPens.text = twoDecimals(formula.totalPension);
    if (!formula.incomplete) {
        panel.edfFullPens.hint = twoDecimals(std::max(input.minimumPension, formula.basicPension)) +
                                 " + " + general(formula.supplement);
    } else if (formula.basicPension >= input.minimumPension) {
        panel.edfFullPens.hint = twoDecimals(formula.basicPension);
    } else {
        panel.edfFullPens.hint = "(" + general(input.minimumPension) + " * " +
                                 general(input.insuranceMonths) + ") / " + requiredYears + " * 12";
    }
}

CalculationResult Calculate(TdMain& dm, Date applicationDate, char decimalSeparator) {
    CalculationResult result;
    ResultsPanel& panel = result.panel;
    panel.edtAvgZpForYear.hint = messages::kFromReferenceHint;
    panel.edtMinPens.hint = messages::kFromReferenceHint;

    LedgerWalkGuard guard(dm.cdsEarning);
    clearOptimisationMarks(dm.cdsEarning);

    result.pensionAgeDate = dm.GetPensionAgeDate();
    result.assignmentDate = assignmentDate(result.pensionAgeDate, applicationDate);
    panel.edtPensAge.text = formatDate(result.assignmentDate);

    // The average wage of the year before the application, or of the nearest year the table
    // holds.
    const int requestedYear = civilFromDate(applicationDate).year - 1;
    int baseYear = requestedYear;
    result.averageWage = dm.GetAvgZpForYear(baseYear);
    result.baseYear = baseYear;
    panel.lAvgZpForYear =
        messages::kAvgZpForYearPrefix + std::to_string(baseYear) + messages::kAvgZpForYearSuffix;
    panel.edtAvgZpForYear.text = formatGeneral(result.averageWage, decimalSeparator);
    panel.lNoAvgForYearVisible = baseYear != requestedYear;
    if (panel.lNoAvgForYearVisible)
        panel.lNoAvgForYear = messages::kNoAvgForYearPrefix + std::to_string(requestedYear) +
                              messages::kNoAvgForYearSuffix;

    dm.CalcInsuranceExperience(result.insuranceMonths, result.insuranceText);
    panel.edtFullSS.text = result.insuranceText;

    dm.RunOptimization1();
    result.monthsAfterOptimisation1 = dm.cdsEarningOpt1.recordCount();
    panel.edtSSMonth.text = months(result.monthsAfterOptimisation1);

    result.countedMonths = result.monthsAfterOptimisation1;
    dm.RunOptimization2(result.countedMonths, result.insuranceMonths, result.averageCoefficient,
                        result.sumOfCoefficients);
    panel.edtSSMonth2.text = months(result.countedMonths);

    if (!hasPensionRight(dm.reference().MinInsuranceYears, result.countedMonths)) {
        result.noRight = true;
        clearCalcResults(panel, true);
        return result;
    }

    result.valuationCoefficient = dm.GetKoeff(1);
    result.minimumPension = dm.GetMinPens(result.assignmentDate);
    result.supplementRate = dm.GetKoeff(2);
    result.requiredYears = dm.cdsPerson.asInteger("person_gender") == 0
                               ? dm.reference().FullInsuranceYearsMale
                               : dm.reference().FullInsuranceYearsFemale;
    const PensionFormulaInput input{
        result.averageWage,    result.sumOfCoefficients, result.averageCoefficient,
        result.countedMonths,  result.insuranceMonths,   result.valuationCoefficient,
        result.supplementRate, result.minimumPension,    result.requiredYears};
    result.formula = computePensionFormula(input);
    result.incomplete = result.formula.incomplete;
    panel.lMinPens = messages::kMinPensPrefix + formatDate(result.assignmentDate);
    showPensionFormula(panel, input, result.formula, decimalSeparator);
    return result;
}

} // namespace rv
