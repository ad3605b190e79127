#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "calc/ledger_rules.h"
#include "calc/rounding.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/ledger_month.h"
#include "store/messages.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <variant>

namespace rv {

namespace {

// From the law's month an earning counts only up to the maximum income subject to contributions
// (ст. 40); before it the coefficient has a cap of its own.
bool isCappedByMaxIncome(const LedgerRules& rules, int year, int month0) {
    return !(MonthStart(year, month0) < rules.maxIncomeFrom);
}

std::int32_t integerIn(const Table& table, int position) {
    return integerOrZero(table.value(position));
}

double floatIn(const Table& table, int position) {
    return floatOrZero(table.value(position));
}

std::string noAverageWageText(int year, int month0) {
    return messages::kNoAverageWagePrefix + monthInSentence(LedgerMonth{year, month0}) +
           messages::kNoAverageWageSuffix;
}

} // namespace

LedgerFields::LedgerFields(const Table& table)
    : id(table.fieldIndex("earning_id")), personId(table.fieldIndex("earning_person_id")),
      year(table.fieldIndex("earning_year")), month(table.fieldIndex("earning_month")),
      avgZp(table.fieldIndex("earning_avg_zp")), avgZpYear(table.fieldIndex("earning_avg_zp_year")),
      minZp(table.fieldIndex("earning_min_zp")), minZpYear(table.fieldIndex("earning_min_zp_year")),
      payment(table.fieldIndex("earning_payment")),
      paymentYear(table.fieldIndex("earning_payment_year")),
      coefficient(table.fieldIndex("earning_k")), creditedDays(table.fieldIndex("earning_day")),
      monthDays(table.fieldIndex("earning_month_day")), opt1(table.fieldIndex("earning_opt1")),
      opt2(table.fieldIndex("earning_opt2")) {}

LedgerFields ledgerFieldsOf(CalcCache& cache, const Table& table) {
    for (const auto& [known, fields] : cache.ledgerFields)
        if (known == &table)
            return fields;
    cache.ledgerFields.emplace_back(&table, LedgerFields(table));
    return cache.ledgerFields.back().second;
}

void TdMain::cdsEarningBeforePost(Table& table) {
    if (m_superState)
        return; // the row is stored as edited
    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), table);

    const double earning = floatIn(table, fields.payment);
    if (earning < 0)
        throw UserError(messages::kNegativeEarning);
    if (earning == 0) // also an empty earning
        table.setValue(fields.payment, 0.0);

    const int year = integerIn(table, fields.year);
    const int month0 = integerIn(table, fields.month);
    table.setValue(fields.coefficient,
                   WageCoefficient(year, month0, earning, floatIn(table, fields.avgZp)));
    table.setValue(fields.creditedDays, static_cast<std::int32_t>(CreditedDays(
                                            year, month0, earning, floatIn(table, fields.minZp),
                                            integerIn(table, fields.monthDays))));
}

double TdMain::CapEarning(int year, int month0, double earning) {
    if (!isCappedByMaxIncome(LedgerLawRules(), year, month0))
        return earning;
    return std::min(earning, GetMaxIncome(MonthStart(year, month0)));
}

// Коефіцієнт заробітної плати за місяць (Кз), ст. 40: the capped earning over the average wage,
// taken to 5 places.
double TdMain::WageCoefficient(int year, int month0, double earning, double average) {
    if (average == 0)
        throw UserError(noAverageWageText(year, month0));
    const LedgerRules& rules = LedgerLawRules();
    double coefficient = CapEarning(year, month0, earning) / average;
    if (coefficient > rules.earlyCoefficientCap && !isCappedByMaxIncome(rules, year, month0))
        coefficient = rules.earlyCoefficientCap;
    return static_cast<double>(RoundToPlaces(coefficient, kWageCoefficientPlaces));
}

// Days of the month credited to insurance experience, ст. 24: before 2004 the days the periods
// cover; from 2004 the whole month when the earning reaches the minimum wage, else its share.
std::uint16_t TdMain::CreditedDays(int year, int month0, double earning, double minimum,
                                   int coveredDays) {
    const double capped = CapEarning(year, month0, earning);
    const Date monthStart = MonthStart(year, month0);
    if (monthStart < LedgerLawRules().proportionalCreditFrom)
        return static_cast<std::uint16_t>(coveredDays);
    const int monthLength = MonthLength(monthStart);
    if (capped >= minimum)
        return static_cast<std::uint16_t>(monthLength);
    // (capped / minimum) * monthLength in Extended, then half to even. Only an earning stored
    // under the super state can be negative: it credits no day.
    const Extended share = Extended{capped} / Extended{minimum} * monthLength;
    return static_cast<std::uint16_t>(std::max(RoundHalfEven(share), Extended{0}));
}

} // namespace rv
