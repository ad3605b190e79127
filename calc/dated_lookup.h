#pragma once

#include "calc/ledger_month.h"
#include "engine/date.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace rv {

// One row of a dated reference table: a figure in force from `begin` (empty: never).
struct DatedFigure {
    std::optional<Date> begin;
    std::optional<Date> end;
    double value = 0;
};

// The answer of a first-match lookup over a dated table for every date at once: the value of
// the first row in table order that covers the date. Constant from each start to the next, so a
// lookup is one binary search.
class DatedLookup {
public:
    enum class EndDate { Exclusive, Inclusive };
    DatedLookup() = default;
    DatedLookup(const std::vector<DatedFigure>& rows, EndDate endDate);
    std::optional<double> find(Date day) const;
    // find(day) for days read in ascending order: `cursor` keeps the place between the calls
    // (0 at first), so each day moves it on from the last one instead of searching.
    std::optional<double> findFrom(Date day, std::size_t& cursor) const;
    std::optional<Date> firstBegin() const { return m_firstBegin; }
    // The days on which the answer changes, ascending.
    const std::vector<Date>& starts() const { return m_starts; }
    double firstValue() const { return m_firstValue; }

private:
    std::optional<Date> m_firstBegin; // of the table's first row
    double m_firstValue = 0;          // of the table's first row; 0 without rows
    std::vector<Date> m_starts;       // ascending
    std::vector<std::optional<double>> m_values;
};

// A figure of every month from one month to another, worked out once, so that reading a month's
// figure takes no search; with `earlier`, also the one figure of every month before them. Other
// months, and those not of the calendar, are not kept.
class MonthlyFigures {
public:
    MonthlyFigures() = default;
    template <class FigureOf>
    MonthlyFigures(LedgerMonth first, LedgerMonth last, FigureOf figureOf,
                   std::optional<double> earlier)
        : m_first(ordinal(first)), m_earlier(earlier) {
        for (LedgerMonth month = first; month <= last; month = monthAfter(month))
            m_figures.push_back(figureOf(month));
    }
    // The figure kept for the month; null where none is kept. Inline and by pointer: it is
    // read for every month several times, and an optional answer stalls on being read back.
    const double* find(LedgerMonth month) const {
        if (month.year < 1 || month.year > 9999 || month.month0 < 0 || month.month0 > 11)
            return nullptr;
        const int position = ordinal(month) - m_first;
        if (position < 0)
            return m_earlier ? &*m_earlier : nullptr;
        if (position >= static_cast<int>(m_figures.size()))
            return nullptr;
        return &m_figures[static_cast<std::size_t>(position)];
    }

private:
    static int ordinal(LedgerMonth month) { return month.year * 12 + month.month0; }
    int m_first = 0; // the ordinal of the first month kept
    std::optional<double> m_earlier;
    std::vector<double> m_figures;
};

} // namespace rv
