#include "calculation.h"

#include "calc/calendar.h"
#include "calc/credited_text.h"
#include "calc/extra_exclusions.h"
#include "calc/insurance_experience.h"
#include "calc/law.h"
#include "calc/law_rule_ids.h"
#include "calc/ledger_view.h"
#include "calc/messages.h"
#include "calc/month_evaluation.h"
#include "calc/number_format.h"
#include "calc/optimisations.h"
#include "calc/pension_dates.h"
#include "calc/pension_right.h"
#include "calc/right_text.h"
#include "calc/rounding.h"
#include "engine/errors.h"

#include <algorithm>
#include <cmath>

namespace rv {

namespace {

// The supplement without one shows this text as it stands, whatever the separator.
constexpr const char* kNoSupplementText = "0.00";
// A figure of the law that does not hold for the person.
constexpr const char* kNotApplicableText = messages::kNotApplicable;

std::string months(std::int32_t count) {
    return std::to_string(count) + messages::kMonthsSuffix;
}

} // namespace

PensionFormula computePensionFormula(const PensionFormulaInput& input) {
    PensionFormula result;
    const Extended insuranceMonths = input.insuranceMonths;

    result.individualCoefficient = static_cast<double>(RoundToPlaces(input.averageCoefficient, 5));

    // Кс = С * Кв / 1200 to 5 places: multiplied by 100000 before the division, as written.
    Extended experience =
        RoundHalfEven(insuranceMonths * input.valuationCoefficient * 100000 / 1200) / 100000;
    result.experienceCoefficient =
        static_cast<double>(std::min<Extended>(experience, input.experienceCoefficientCap));

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
        // ст. 28 ч. 1 and 2: a full pension is at least the minimum in force for the person.
        result.appliedMinimum = input.minimumPensionAt65.value_or(input.minimumPension);
        result.totalPension = static_cast<double>(
            static_cast<Extended>(std::max(result.appliedMinimum, result.basicPension)) +
            result.supplement);
    } else {
        result.totalPension = result.basicPension;
        if (input.proportionalFloor && input.requiredYears > 0) {
            // ст. 28 ч. 3: the minimum in proportion to the experience is a floor.
            result.proportionalMinimum =
                static_cast<double>(RoundToPlaces(static_cast<Extended>(input.minimumPension) *
                                                      insuranceMonths / (input.requiredYears * 12),
                                                  2));
            result.totalPension = std::max(result.basicPension, *result.proportionalMinimum);
        }
    }
    result.totalBeforeCeiling = result.totalPension;
    if (input.maximumPension && result.totalPension > *input.maximumPension) {
        result.totalPension = *input.maximumPension;
        result.capped = true;
    }
    return result;
}

double minimumPensionAt65(double minimumWage, double percent, double subsistenceMinimum) {
    const Extended share = RoundToPlaces(static_cast<Extended>(minimumWage) * percent / 100, 2);
    return std::max(static_cast<double>(share), subsistenceMinimum);
}

void clearCalcResults(ResultTexts& texts, bool noRight) {
    if (noRight) {
        texts.pensionFrom = {messages::kNoPensionRight, {}};
    } else {
        texts.insuranceExperience = {"0", {}};
        texts.pensionFrom = {"", {}};
        texts.rightWay = {"", ""};
    }
    for (ResultField* field :
         {&texts.sumOfCoefficients, &texts.monthsAfterOptimisation1, &texts.countedMonths,
          &texts.averageWage, &texts.individualCoefficient, &texts.valuation,
          &texts.experienceCoefficient, &texts.basicPension, &texts.minimumPension,
          &texts.minimumPensionAt65, &texts.supplement, &texts.maximumPension, &texts.totalPension})
        field->text = "0";
    for (ResultField* field : {&texts.experienceCoefficient, &texts.individualCoefficient,
                               &texts.valuation, &texts.basicPension, &texts.minimumPensionAt65,
                               &texts.supplement, &texts.maximumPension, &texts.totalPension})
        field->hint.clear();
    texts.averageWageNoteShown = false;
    texts.incompleteNoteShown = false;
    // With no right the credited periods still tell of the experience shown.
    if (!noRight)
        texts.creditedNote.clear();
    texts.exclusionsNote.clear();
    texts.estimatesNote.clear();
}

void showPensionFormula(ResultTexts& texts, const PensionFormulaInput& input,
                        const PensionFormula& formula, char decimalSeparator) {
    auto general = [decimalSeparator](double x) { return formatGeneral(x, decimalSeparator); };
    auto twoDecimals = [decimalSeparator](double x) { return formatFixed(x, 2, decimalSeparator); };
    const std::string requiredYears = std::to_string(input.requiredYears);

    // A sum of coefficients kept to 5 places has no more: the double's tail (…769999999) is noise.
    texts.sumOfCoefficients.text =
        formatPattern(input.sumOfCoefficients, 0, kWageCoefficientPlaces, decimalSeparator);

    texts.experienceCoefficient.text = general(formula.experienceCoefficient);
    texts.experienceCoefficient.hint = "((" + std::to_string(input.insuranceMonths / 12) +
                                       " * 12 + " + std::to_string(input.insuranceMonths % 12) +
                                       ") / 1200) * " + general(input.valuationCoefficient);

    texts.individualCoefficient.text = general(formula.individualCoefficient);
    texts.individualCoefficient.hint =
        general(input.sumOfCoefficients) + " / " + std::to_string(input.countedMonths);

    texts.basicPension.text = twoDecimals(formula.basicPension);
    texts.basicPension.hint = general(input.averageWage) + " * " +
                              general(formula.individualCoefficient) + " * " +
                              general(formula.experienceCoefficient);

    texts.minimumPension.text = twoDecimals(input.minimumPension);

    if (formula.supplement > 0) {
        texts.supplement.text = twoDecimals(formula.supplement);
        texts.supplement.hint = "((" + std::to_string(formula.experienceYears) + " - " +
                                requiredYears + ") * " + general(input.supplementRate) +
                                " / 100) * " +
                                general(std::min(formula.basicPension, input.minimumPension));
    } else {
        texts.supplement.text = kNoSupplementText;
        texts.supplement.hint.clear();
    }

    texts.minimumPensionAt65.text = kNotApplicableText;
    texts.minimumPensionAt65.hint.clear();
    if (input.minimumPensionAt65 && !formula.incomplete) {
        texts.minimumPensionAt65.text = twoDecimals(*input.minimumPensionAt65);
        texts.minimumPensionAt65.hint = "Max(" + general(input.minimumWage) + " * " +
                                        general(input.minimumAt65Percent) + " / 100; " +
                                        general(input.minimumPension) + ")";
    }
    texts.maximumPension.text = kNotApplicableText;
    texts.maximumPension.hint.clear();
    if (input.maximumPension) {
        texts.maximumPension.text = twoDecimals(*input.maximumPension);
        texts.maximumPension.hint =
            input.maximumInMinimums > 0
                ? general(input.maximumInMinimums) + " * " + general(input.minimumPension)
                : messages::kMaximumInHryvniasHint;
    }

    texts.incompleteNoteShown = formula.incomplete;
    texts.totalPension.text = twoDecimals(formula.totalPension);
    if (!formula.incomplete) {
        texts.totalPension.hint =
            twoDecimals(std::max(formula.appliedMinimum, formula.basicPension)) + " + " +
            general(formula.supplement);
    } else if (!formula.proportionalMinimum ||
               formula.basicPension >= *formula.proportionalMinimum) {
        texts.totalPension.hint = twoDecimals(formula.basicPension);
    } else {
        texts.totalPension.hint = "(" + general(input.minimumPension) + " * " +
                                  general(input.insuranceMonths) + ") / " + requiredYears + " * 12";
    }
    if (formula.capped)
        texts.totalPension.hint =
            "Min(" + texts.totalPension.hint + "; " + twoDecimals(formula.totalPension) + ")";
}

namespace {

// The law's figures of the formula on the assignment date (ст. 25, 27, 28).
struct FormulaLaw {
    double valuation = 0;
    double supplementRate = 0;
    std::int32_t requiredYears = 0;
    double experienceCoefficientCap = 0;
    double minimumFactor = 0;
};

double requiredNumber(const law::LawBook& law, std::string_view id, Date day) {
    const auto value = law.number(id, day);
    if (!value)
        throw UserError(messages::kLawRuleMissing + std::string(id) + messages::kLawRuleOnDate +
                        formatDate(day));
    return *value;
}

FormulaLaw formulaLaw(const law::LawBook& law, Date assignment, int gender) {
    FormulaLaw figures;
    figures.valuation = requiredNumber(law, law::ids::kValuation, assignment);
    figures.supplementRate = requiredNumber(law, law::ids::kSupplementRate, assignment);
    figures.requiredYears = static_cast<std::int32_t>(std::lround(requiredNumber(
        law, gender == 0 ? law::ids::kFullExperienceMen : law::ids::kFullExperienceWomen,
        assignment)));
    figures.experienceCoefficientCap =
        requiredNumber(law, law::ids::kExperienceCoefficientCap, assignment);
    figures.minimumFactor =
        requiredNumber(law, law::ids::kMinimumInSubsistenceMinimums, assignment) *
        law.number(law::ids::kMinimumSubsistenceRaise, assignment).value_or(1);
    return figures;
}

// "… призначених у 2026 році (середня за 2023–2025 роки)" for an application in `year`.
std::string averageWageCaption(int year, int years) {
    std::string caption =
        messages::kAvgZpIndicatorPrefix + std::to_string(year) + messages::kAvgZpIndicatorYears;
    if (years <= 1)
        return caption + std::to_string(year - 1) + " рік)";
    return caption + std::to_string(year - years) + "–" + std::to_string(year - 1) + " роки)";
}

} // namespace

Date pensionAgeDateOf(const law::LawBook& law, std::optional<Date> birthDate, int gender) {
    const std::string refusal =
        messages::kPersonMessages[static_cast<int>(ConfirmCode::BadBirthDate)];
    if (!birthDate)
        throw UserError(refusal);
    const auto age = pensionAgeOf(law, *birthDate, gender);
    // The age is reached in a year the calendar can hold.
    const int reachedYear =
        civilFromDate(Date{birthDate->serial + 1}).year + (age ? age->years : 0);
    if (!age || reachedYear < 1 || reachedYear > 9998)
        throw UserError(refusal);
    return pensionAgeDate(*birthDate, age->years, age->months);
}

namespace {

// The months without the optimisations' marks, evaluated again by the rules of `lawDay` unless
// set by hand.
std::vector<CaseMonth> unmarkedMonths(const std::vector<CaseMonth>& stored,
                                      MonthEvaluation evaluation, const Reference& reference,
                                      Date lawDay) {
    std::vector<CaseMonth> months = stored;
    for (CaseMonth& month : months) {
        month.counted = false;
        month.excluded = false;
        month.extraExclusion = ExtraExclusion::None;
        if (evaluation == MonthEvaluation::ByLaw)
            evaluateMonth(month, reference, lawDay);
    }
    return months;
}

bool anyCreditedMonth(const std::vector<CaseMonth>& months) {
    return std::any_of(months.begin(), months.end(),
                       [](const CaseMonth& month) { return month.kind != PeriodKind::Work; });
}

// Marks the months by both optimisations of ст. 40 and, when the person wants them, the extra
// exclusions of the assignment date; fills N1, N, SumK and the average.
void optimise(std::vector<CaseMonth>& months, const Reference& reference, CalculationResult& result,
              std::optional<Date> assignment, bool extraExclusions) {
    const std::vector<std::size_t> counted =
        optimisation1(months, reference.ledgerRules(), reference.limits().earlyWindowMonths);
    result.monthsAfterOptimisation1 = static_cast<std::int32_t>(counted.size());
    std::vector<double> coefficients;
    coefficients.reserve(counted.size());
    std::vector<bool> candidates(counted.size(), false);
    std::vector<ExtraExclusion> reasons(counted.size(), ExtraExclusion::None);
    const CreditedRules& rules = reference.creditedRules();
    std::optional<ExclusionOffer> offer;
    if (extraExclusions && assignment)
        offer = exclusionOfferOn(rules, *assignment);
    for (std::size_t k = 0; k < counted.size(); ++k) {
        CaseMonth& month = months[counted[k]];
        month.counted = true;
        coefficients.push_back(month.coefficient);
        if (offer) {
            reasons[k] = extraExclusionOf(*offer, month);
            candidates[k] = reasons[k] != ExtraExclusion::None;
        }
    }
    const ExclusionChoice choice =
        chooseExclusions(coefficients, candidates, result.insuranceMonths, reference.limits(),
                         extraExclusions ? rules.fewestMonthsAfterExclusion : 0);
    const Optimisation2& second = choice.second;
    result.extraExcluded = 0;
    for (std::size_t k = 0; k < counted.size(); ++k)
        if (choice.extra[k]) {
            months[counted[k]].excluded = true;
            months[counted[k]].extraExclusion = reasons[k];
            ++result.extraExcluded;
        }
    result.countedMonths = static_cast<std::int32_t>(choice.kept.size() - second.excludedCount);
    result.averageCoefficient = second.averageCoefficient;
    result.sumOfCoefficients = second.sumOfCoefficients;
    for (std::size_t k = 0; k < second.excludedCount; ++k)
        months[counted[choice.kept[second.excludedFirst + k]]].excluded = true;
}

void measureExperience(const ExperienceByDay& experience, CalculationResult& result) {
    result.insuranceLength = experience.until(std::nullopt);
    result.insuranceMonths = wholeMonths(result.insuranceLength);
    result.insuranceText = experienceText(result.insuranceLength);
    result.rightInsuranceMonths = wholeMonths(experience.forRightUntil(std::nullopt));
}

} // namespace

CalculationResult calculate(const Case& person, const Reference& reference, Date applicationDate) {
    CalculationResult result;
    result.applicationDate = applicationDate;
    const law::LawBook& law = reference.law();
    std::vector<CaseMonth> months =
        unmarkedMonths(person.months, person.evaluation, reference, applicationDate);
    const std::optional<Date> birthDate = person.person.birthDate;
    const int gender = person.person.gender;
    result.pensionAgeDate = pensionAgeDateOf(law, birthDate, gender);

    // The average wage of ст. 40 for the application year: the table's row of the year before
    // holds it, or the nearest year the table holds.
    const int applicationYear = civilFromDate(applicationDate).year;
    int baseYear = applicationYear - 1;
    result.averageWage = reference.averageWageForYear(baseYear);
    result.baseYear = baseYear;
    result.averageWageYears = static_cast<std::int32_t>(
        std::lround(law.number(law::ids::kAverageWageYears, applicationDate).value_or(1)));

    const LedgerRules& rules = reference.ledgerRules();
    // Only the optimisations' marks change below, which the experience does not read.
    const ExperienceByDay experience(person.periods, months, rules);
    measureExperience(experience, result);
    result.creditedShare = creditedShareText(person.periods);

    // ст. 26: the right follows the insurance experience with the months that count for it only,
    // and the ages.
    result.rightPaths =
        pathsForApplication(law, rightPaths(law, *birthDate, gender), applicationDate);
    const Date lastDay = lastExperienceDay(person.periods).value_or(applicationDate);
    result.right = decideRight(
        result.rightPaths, result.rightInsuranceMonths,
        [&](Date day) { return wholeMonths(experience.forRightUntil(day)); }, lastDay,
        applicationDate);
    if (!result.right.hasRight) {
        result.noRight = true;
        if (result.right.rightDate)
            result.assignmentDate = *result.right.rightDate;
        optimise(months, reference, result, std::nullopt, false);
        result.months = std::move(months);
        return result;
    }
    result.assignmentDate = assignmentDate(*result.right.rightDate, applicationDate);
    // The credited months follow the rules of the assignment date (ст. 40 ч. 2).
    if (result.assignmentDate != applicationDate && person.evaluation == MonthEvaluation::ByLaw &&
        anyCreditedMonth(months)) {
        months = unmarkedMonths(person.months, person.evaluation, reference, result.assignmentDate);
        measureExperience(ExperienceByDay(person.periods, months, rules), result);
    }
    optimise(months, reference, result, result.assignmentDate, person.extraExclusions);
    result.months = std::move(months);

    const FormulaLaw figures = formulaLaw(law, result.assignmentDate, gender);
    result.valuationCoefficient = figures.valuation;
    result.supplementRate = figures.supplementRate;
    result.requiredYears = figures.requiredYears;
    const double subsistenceMinimum = reference.subsistenceMinimum(result.assignmentDate);
    result.minimumPension = static_cast<double>(
        RoundToPlaces(static_cast<Extended>(subsistenceMinimum) * figures.minimumFactor, 2));

    PensionFormulaInput& input = result.formulaInput;
    input.averageWage = result.averageWage;
    input.sumOfCoefficients = result.sumOfCoefficients;
    input.averageCoefficient = result.averageCoefficient;
    input.countedMonths = result.countedMonths;
    input.insuranceMonths = result.insuranceMonths;
    input.valuationCoefficient = result.valuationCoefficient;
    input.supplementRate = result.supplementRate;
    input.minimumPension = result.minimumPension;
    input.requiredYears = result.requiredYears;
    input.experienceCoefficientCap = figures.experienceCoefficientCap;

    // ст. 28 ч. 2: from the age of the rule, a share of the minimum wage, not below the minimum.
    const int ageAtAssignment = FullYearsBetween(*birthDate, result.assignmentDate);
    const auto at65Percent = law.number(law::ids::kMinimumAt65Percent, result.assignmentDate);
    const auto at65Age = law.number(law::ids::kMinimumAt65Age, result.assignmentDate);
    if (at65Percent && at65Age && ageAtAssignment >= std::lround(*at65Age)) {
        input.minimumWage = reference.minimumWage(ledgerMonthOf(result.assignmentDate));
        input.minimumAt65Percent = *at65Percent;
        input.minimumPensionAt65 =
            minimumPensionAt65(input.minimumWage, *at65Percent, result.minimumPension);
    }

    // ст. 28 ч. 3: the proportional minimum, from 2018 only from the age of its rule.
    if (law.inForce(law::ids::kProportionalMinimum, result.assignmentDate)) {
        const auto fromAge =
            law.number(law::ids::kProportionalMinimumFromAge, result.assignmentDate);
        input.proportionalFloor = !fromAge || ageAtAssignment >= std::lround(*fromAge);
    }

    // ст. 27 ч. 3: the ceiling, in hryvnias where the law set it so, else in minimums.
    if (const auto hryvnias = law.number(law::ids::kCeilingInHryvnias, result.assignmentDate)) {
        input.maximumPension = *hryvnias;
    } else if (const auto factor =
                   law.number(law::ids::kCeilingInSubsistenceMinimums, result.assignmentDate)) {
        input.maximumInMinimums = *factor;
        input.maximumPension = static_cast<double>(
            RoundToPlaces(static_cast<Extended>(subsistenceMinimum) * *factor, 2));
    }

    result.formula = computePensionFormula(input);
    result.incomplete = result.formula.incomplete;
    if (!result.formula.incomplete)
        result.minimumPension65 = input.minimumPensionAt65;
    result.maximumPension = input.maximumPension;
    result.estimated =
        estimatedMonths(ledgerMonthViews(result.months, reference), reference.provenance());
    return result;
}

void describeCalculation(CalculationResult& result, char decimalSeparator) {
    ResultTexts& texts = result.texts;
    texts = ResultTexts{};
    texts.averageWage.hint = messages::kFromReferenceHint;
    texts.minimumPension.hint = messages::kFromReferenceHint;

    const int applicationYear = civilFromDate(result.applicationDate).year;
    const int requestedYear = applicationYear - 1;
    texts.averageWageCaption = averageWageCaption(applicationYear, result.averageWageYears);
    texts.averageWage.text = formatGeneral(result.averageWage, decimalSeparator);
    texts.averageWageNoteShown = result.baseYear != requestedYear;
    if (texts.averageWageNoteShown)
        texts.averageWageNote = messages::kNoAvgForYearPrefix + std::to_string(requestedYear) +
                                messages::kNoAvgForYearSuffix;
    texts.insuranceExperience.text = result.insuranceText;
    texts.monthsAfterOptimisation1.text = months(result.monthsAfterOptimisation1);
    texts.countedMonths.text = months(result.countedMonths);

    texts.rightWay.text =
        rightSummary(result.right, result.rightPaths, result.rightInsuranceMonths);
    texts.creditedNote = creditedNote(result.creditedShare, result);
    if (result.right.path && result.right.path->rule)
        texts.rightWay.hint = messages::kLawName + (", " + result.right.path->rule->article);
    if (result.noRight) {
        clearCalcResults(texts, true);
        return;
    }
    texts.pensionFrom.text = formatDate(result.assignmentDate);
    texts.minimumPensionCaption = messages::kMinPensPrefix + formatDate(result.assignmentDate);
    showPensionFormula(texts, result.formulaInput, result.formula, decimalSeparator);
    texts.valuation.text = formatGeneral(result.valuationCoefficient, decimalSeparator);
    texts.valuation.hint = messages::kValuationHintPrefix + formatDate(result.assignmentDate);
    texts.estimatesNote = estimateWarning(result.estimated, result.countedMonths);
    texts.exclusionsNote = exclusionsNote(result);
}

} // namespace rv
