#include "calc/dated_lookup.h"

#include <algorithm>
#include <cstddef>
#include <set>

namespace rv {

// Sweeps the days on which rows come into force or leave it, keeping the rows in force ordered
// by their position in the table: the first of them answers until the next such day. A row
// without a begin date is in force on no day, nor is a row that ends before it begins.
DatedLookup::DatedLookup(const std::vector<DatedFigure>& rows, EndDate endDate) {
    struct Change {
        Date day;
        bool comesIntoForce;
        std::size_t row;
    };
    std::vector<Change> changes;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const DatedFigure& figure = rows[row];
        if (!figure.begin)
            continue;
        if (figure.end) {
            const Date firstDayOut =
                endDate == EndDate::Exclusive ? *figure.end : Date{figure.end->serial + 1};
            if (firstDayOut <= *figure.begin)
                continue;
            changes.push_back({firstDayOut, false, row});
        }
        changes.push_back({*figure.begin, true, row});
    }
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return a.day < b.day; });

    std::set<std::size_t> inForce;
    for (std::size_t i = 0; i < changes.size();) {
        const Date day = changes[i].day;
        for (; i < changes.size() && changes[i].day == day; ++i) {
            if (changes[i].comesIntoForce)
                inForce.insert(changes[i].row);
            else
                inForce.erase(changes[i].row);
        }
        std::optional<double> answer;
        if (!inForce.empty())
            answer = rows[*inForce.begin()].value;
        if (m_values.empty() || m_values.back() != answer) {
            m_starts.push_back(day);
            m_values.push_back(answer);
        }
    }
    if (!rows.empty()) {
        m_firstBegin = rows.front().begin;
        m_firstValue = rows.front().value;
    }
}

std::optional<double> DatedLookup::find(Date day) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), day);
    if (after == m_starts.begin())
        return std::nullopt;
    return m_values[static_cast<std::size_t>(after - m_starts.begin() - 1)];
}

std::optional<double> DatedLookup::findFrom(Date day, std::size_t& cursor) const {
    // The cursor is the position of the first start after the day, as the search in find gives.
    if (cursor > m_starts.size() || (cursor > 0 && day < m_starts[cursor - 1]))
        cursor = static_cast<std::size_t>(
            std::upper_bound(m_starts.begin(), m_starts.end(), day) - m_starts.begin());
    while (cursor < m_starts.size() && !(day < m_starts[cursor]))
        ++cursor;
    if (cursor == 0)
        return std::nullopt;
    return m_values[cursor - 1];
}

} // namespace rv
