#include "calc/reference.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "engine/errors.h"

#include <algorithm>

namespace rv {

namespace {

int yearOf(std::optional<Date> date) {
    return civilFromDate(date.value_or(Date{})).year; // an empty date reads as the zero date
}

// A bound on what a table with far-flung dates can take; the program's tables span decades.
constexpr int kMostMonthsKept = 12 * 1000;

// A month's figure: 0 before the first row's begin or where no row covers the month's first day.
double monthFigure(const DatedLookup& lookup, LedgerMonth month) {
    const Date monthStart = MonthStart(month);
    if (lookup.firstBegin() && monthStart < *lookup.firstBegin())
        return 0;
    return lookup.find(monthStart).value_or(0);
}

// The figures of the months in which the lookup's answer changes, of the month after the last
// change and of the months before the first, for which the lookup answers nothing alike; the
// later months are left to the lookup itself.
template <class FigureOf> MonthlyFigures keptByMonth(const DatedLookup& lookup, FigureOf figureOf) {
    if (lookup.starts().empty())
        return {};
    const LedgerMonth first = ledgerMonthOf(lookup.starts().front());
    const LedgerMonth last = monthAfter(ledgerMonthOf(lookup.starts().back()));
    const int months = (last.year - first.year) * 12 + (last.month0 - first.month0) + 1;
    if (first.year < 1 || last.year > 9999 || months > kMostMonthsKept)
        return {};
    std::optional<double> earlier;
    if (first > LedgerMonth{1, 0})
        earlier = figureOf(first.month0 == 0 ? LedgerMonth{first.year - 1, 11}
                                             : LedgerMonth{first.year, first.month0 - 1});
    return MonthlyFigures(first, last, figureOf, earlier);
}

MonthlyFigures figuresByMonth(const DatedLookup& lookup) {
    return keptByMonth(lookup, [&](LedgerMonth month) { return monthFigure(lookup, month); });
}

} // namespace

Reference::Reference(ReferenceRows rows, std::shared_ptr<const MonthProvenance> provenance)
    : m_rows(std::move(rows)), m_law(m_rows.lawRules, m_rows.womenAges),
      m_provenance(std::move(provenance)),
      m_averageWageOfMonth(m_rows.averageWageOfMonth, DatedLookup::EndDate::Exclusive),
      m_averageWageOfYear(m_rows.averageWageOfYear, DatedLookup::EndDate::Exclusive),
      m_minimumWage(m_rows.minimumWage, DatedLookup::EndDate::Exclusive),
      m_maximumIncome(m_rows.maximumIncome, DatedLookup::EndDate::Inclusive),
      m_subsistenceMinimum(m_rows.subsistenceMinimum, DatedLookup::EndDate::Inclusive) {
    m_averageWageByMonth = figuresByMonth(m_averageWageOfMonth);
    m_averageWageOfYearByMonth = figuresByMonth(m_averageWageOfYear);
    m_minimumWageByMonth = figuresByMonth(m_minimumWage);
    m_maximumIncomeByMonth = keptByMonth(
        m_maximumIncome, [this](LedgerMonth month) { return maximumIncome(MonthStart(month)); });
    try {
        m_ledgerRules = ledgerRulesOf(m_law);
    } catch (const UserError& missing) {
        m_ledgerRulesError = missing.what();
    }
    m_creditedRules = creditedRulesOf(m_law);
}

std::shared_ptr<const Reference> Reference::fromStored(const StoredReferenceData& stored) {
    ReferenceData data;
    try {
        UnpackReferenceData(stored, data);
    } catch (const ReferenceUnpackError&) {
        throw UserError(messages::kCannotUnpackReference);
    }
    return std::make_shared<const Reference>(
        referenceRowsOf(data),
        std::make_shared<const MonthProvenance>(MonthProvenance::embedded()));
}

namespace {

double keptOrLookedUp(const MonthlyFigures& kept, const DatedLookup& lookup, LedgerMonth month) {
    if (const auto figure = kept.find(month))
        return *figure;
    return monthFigure(lookup, month);
}

} // namespace

double Reference::averageWageOfMonth(LedgerMonth month) const {
    return keptOrLookedUp(m_averageWageByMonth, m_averageWageOfMonth, month);
}

double Reference::averageWageOfYearOfMonth(LedgerMonth month) const {
    return keptOrLookedUp(m_averageWageOfYearByMonth, m_averageWageOfYear, month);
}

double Reference::minimumWage(LedgerMonth month) const {
    return keptOrLookedUp(m_minimumWageByMonth, m_minimumWage, month);
}

double Reference::maximumIncome(Date day) const {
    return m_maximumIncome.find(day).value_or(0);
}

double Reference::maximumIncomeOfMonth(LedgerMonth month) const {
    if (const auto figure = m_maximumIncomeByMonth.find(month))
        return *figure;
    return maximumIncome(MonthStart(month));
}

double Reference::subsistenceMinimum(Date day) const {
    return m_subsistenceMinimum.find(day).value_or(m_subsistenceMinimum.firstValue());
}

double Reference::coefficient(int type) const {
    const std::string wanted = std::to_string(type);
    for (const CoefficientRow& row : m_rows.coefficients)
        if (row.type == wanted && !row.end)
            return row.value;
    return 0;
}

double Reference::averageWageForYear(int& year) const {
    const std::vector<DatedFigure>& rows = m_rows.averageWageOfYear;
    if (rows.empty()) {
        year = 0;
        return 0;
    }
    const int firstYear = yearOf(rows.front().begin);
    if (year < firstYear) {
        year = firstYear;
        return rows.front().value;
    }
    const int lastYear = yearOf(rows.back().begin);
    if (year > lastYear) {
        year = lastYear;
        return rows.back().value;
    }
    const Date yearStart = dateFromCivil(year, 1, 1);
    for (const DatedFigure& row : rows)
        if (row.begin && *row.begin == yearStart)
            return row.value;
    year = 0;
    return 0;
}

const LedgerRules& Reference::ledgerRules() const {
    if (!m_ledgerRules)
        throw UserError(m_ledgerRulesError);
    return *m_ledgerRules;
}

const MonthProvenance& Reference::provenance() const {
    static const MonthProvenance kNone;
    return m_provenance ? *m_provenance : kNone;
}

} // namespace rv
