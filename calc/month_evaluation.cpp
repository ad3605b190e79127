#include "calc/month_evaluation.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "calc/rounding.h"
#include "engine/errors.h"

#include <algorithm>

namespace rv {

namespace {

// From the law's month an earning counts only up to the maximum income subject to contributions
// (ст. 40); before it the coefficient has a cap of its own.
bool isCappedByMaxIncome(const LedgerRules& rules, LedgerMonth month) {
    return !(MonthStart(month) < rules.maxIncomeFrom);
}

std::string noAverageWageText(LedgerMonth month) {
    return messages::kNoAverageWagePrefix + monthInSentence(month) + messages::kNoAverageWageSuffix;
}

} // namespace

double capEarning(const Reference& reference, LedgerMonth month, double earning) {
    if (!isCappedByMaxIncome(reference.ledgerRules(), month))
        return earning;
    return std::min(earning, reference.maximumIncome(MonthStart(month)));
}

double wageCoefficient(const Reference& reference, LedgerMonth month, double earning,
                       double averageWage) {
    if (averageWage == 0)
        throw UserError(noAverageWageText(month));
    const LedgerRules& rules = reference.ledgerRules();
    double coefficient = capEarning(reference, month, earning) / averageWage;
    if (coefficient > rules.earlyCoefficientCap && !isCappedByMaxIncome(rules, month))
        coefficient = rules.earlyCoefficientCap;
    return static_cast<double>(RoundToPlaces(coefficient, kWageCoefficientPlaces));
}

std::uint16_t creditedDays(const Reference& reference, LedgerMonth month, double earning,
                           double minimumWage, int coveredDays) {
    const double capped = capEarning(reference, month, earning);
    const Date monthStart = MonthStart(month);
    if (monthStart < reference.ledgerRules().proportionalCreditFrom)
        return static_cast<std::uint16_t>(coveredDays);
    const int monthLength = MonthLength(month);
    if (capped >= minimumWage)
        return static_cast<std::uint16_t>(monthLength);
    // (capped / minimum) * monthLength in Extended, then half to even. Only an earning set by
    // hand can be negative: it credits no day.
    const Extended share = Extended{capped} / Extended{minimumWage} * monthLength;
    return static_cast<std::uint16_t>(std::max(RoundHalfEven(share), Extended{0}));
}

void evaluateMonth(CaseMonth& month, const Reference& reference) {
    if (month.earning < 0)
        throw UserError(messages::kNegativeEarning);
    month.coefficient = wageCoefficient(reference, month.month, month.earning, month.averageWage);
    month.creditedDays =
        creditedDays(reference, month.month, month.earning, month.minimumWage, month.coveredDays);
}

} // namespace rv
