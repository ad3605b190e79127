#pragma once

#include "engine/date.h"

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
    std::optional<Date> firstBegin() const { return m_firstBegin; }
    double firstValue() const { return m_firstValue; }

private:
    std::optional<Date> m_firstBegin; // of the table's first row
    double m_firstValue = 0;          // of the table's first row; 0 without rows
    std::vector<Date> m_starts;       // ascending
    std::vector<std::optional<double>> m_values;
};

} // namespace rv
