#include "calc/month_evaluation.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "calc/rounding.h"
#include "engine/errors.h"

#include <algorithm>
#include <optional>

namespace rv {

namespace {

// What the law's rules make of one ledger month, found once for all its figures.
struct MonthTerms {
    // From the law's month an earning counts only up to the maximum income subject to
    // contributions (ст. 40); before it the coefficient has a cap of its own.
    std::optional<double> earningCap;
    double earlyCoefficientCap = 0;
    // From the law's day the month is credited by its earning (ст. 24 ч. 3).
    bool creditedByEarning = false;
    KindTerms kind; // what the month's kind changes
};

// Throws UserError naming a rule the law book lacks.
MonthTerms monthTerms(const Reference& reference, LedgerMonth month) {
    const LedgerRules& rules = reference.ledgerRules();
    const Date monthStart = MonthStart(month);
    MonthTerms terms;
    if (!(monthStart < rules.maxIncomeFrom))
        terms.earningCap = reference.maximumIncomeOfMonth(month);
    terms.earlyCoefficientCap = rules.earlyCoefficientCap;
    terms.creditedByEarning = !(monthStart < rules.proportionalCreditFrom);
    return terms;
}

// The terms of a ledger month of its kind; the military pay has a cap of its own where the law
// sets one (15 minimum wages from 2026).
MonthTerms monthTerms(const Reference& reference, const CaseMonth& month,
                      std::optional<Date> lawDay) {
    MonthTerms terms = monthTerms(reference, month.month);
    terms.kind = kindTermsOf(reference.creditedRules(), month.kind, month.month, lawDay);
    if (terms.kind.capInMinimumWages && terms.earningCap)
        terms.earningCap =
            std::min(*terms.earningCap, *terms.kind.capInMinimumWages * month.minimumWage);
    return terms;
}

double cappedEarning(const MonthTerms& terms, double earning) {
    return terms.earningCap ? std::min(earning, *terms.earningCap) : earning;
}

double coefficientOf(const MonthTerms& terms, double earning, double averageWage) {
    double coefficient = cappedEarning(terms, earning) / averageWage;
    if (coefficient > terms.earlyCoefficientCap && !terms.earningCap)
        coefficient = terms.earlyCoefficientCap;
    return static_cast<double>(RoundToPlaces(coefficient, kWageCoefficientPlaces));
}

std::uint16_t creditedDaysOf(const MonthTerms& terms, LedgerMonth month, double earning,
                             double minimumWage, int coveredDays) {
    if (!terms.creditedByEarning)
        return static_cast<std::uint16_t>(coveredDays);
    const double capped = cappedEarning(terms, earning);
    const int monthLength = MonthLength(month);
    if (capped >= minimumWage)
        return static_cast<std::uint16_t>(monthLength);
    // (capped / minimum) * monthLength in Extended, then half to even. Only an earning set by
    // hand can be negative: it credits no day.
    const Extended share = Extended{capped} / Extended{minimumWage} * monthLength;
    return static_cast<std::uint16_t>(std::max(RoundHalfEven(share), Extended{0}));
}

void refuseWithoutAverageWage(LedgerMonth month, double averageWage) {
    if (averageWage == 0)
        throw UserError(messages::kNoAverageWagePrefix + monthInSentence(month) +
                        messages::kNoAverageWageSuffix);
}

void refuseUnevaluable(const CaseMonth& month) {
    if (month.earning < 0)
        throw UserError(messages::kNegativeEarning);
    refuseWithoutAverageWage(month.month, month.averageWage);
}

} // namespace

double capEarning(const Reference& reference, LedgerMonth month, double earning) {
    return cappedEarning(monthTerms(reference, month), earning);
}

double wageCoefficient(const Reference& reference, LedgerMonth month, double earning,
                       double averageWage) {
    refuseWithoutAverageWage(month, averageWage);
    return coefficientOf(monthTerms(reference, month), earning, averageWage);
}

std::uint16_t creditedDays(const Reference& reference, LedgerMonth month, double earning,
                           double minimumWage, int coveredDays) {
    return creditedDaysOf(monthTerms(reference, month), month, earning, minimumWage, coveredDays);
}

namespace {

void evaluateByTerms(CaseMonth& month, const MonthTerms& terms) {
    month.minimumWageStands = terms.kind.minimumWageStands;
    month.rightOnlyRest = terms.creditedByEarning && terms.kind.rightOnlyRest;
    if (month.minimumWageStands)
        month.earning = month.minimumWage;
    month.coefficient = coefficientOf(terms, month.earning, month.averageWage);
    month.creditedDays = terms.creditedByEarning && terms.kind.creditedInFull
                             ? static_cast<std::uint16_t>(MonthLength(month.month))
                             : creditedDaysOf(terms, month.month, month.earning, month.minimumWage,
                                              month.coveredDays);
}

} // namespace

void evaluateMadeMonth(CaseMonth& month, const Reference& reference, std::optional<Date> lawDay) {
    const MonthTerms terms = monthTerms(reference, month, lawDay);
    refuseUnevaluable(month);
    evaluateByTerms(month, terms);
}

void evaluateMonth(CaseMonth& month, const Reference& reference, std::optional<Date> lawDay) {
    refuseUnevaluable(month);
    evaluateByTerms(month, monthTerms(reference, month, lawDay));
}

} // namespace rv
