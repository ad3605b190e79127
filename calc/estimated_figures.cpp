#include "estimated_figures.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "protect/source_flags.h"

#include <set>

namespace rv {

namespace {

const char* figureName(MonthFigure figure) {
    switch (figure) {
    case MonthFigure::AverageWage:
        return messages::kFigureAverageWage;
    case MonthFigure::MinimumWage:
        return messages::kFigureMinimumWage;
    case MonthFigure::Cap:
        return messages::kFigureCap;
    }
    return "";
}

// Ukrainian agreement of the verb with a count: 1, 21, 31 … take the singular.
bool takesSingular(std::size_t count) {
    return count % 10 == 1 && count % 100 != 11;
}

} // namespace

MonthProvenance::MonthProvenance(std::vector<SourcedRow> averageWageRows,
                                 std::vector<SourcedRow> minimumWageRows,
                                 std::vector<SourcedRow> capRows)
    : averageWage(std::move(averageWageRows)), minimumWage(std::move(minimumWageRows)),
      cap(std::move(capRows)) {
    for (const MonthFigure figure :
         {MonthFigure::AverageWage, MonthFigure::MinimumWage, MonthFigure::Cap}) {
        const std::vector<SourcedRow>& rows = rowsOf(figure);
        std::vector<DatedFigure> positions;
        positions.reserve(rows.size());
        for (std::size_t row = 0; row < rows.size(); ++row)
            positions.push_back({rows[row].key.empty() ? rows[row].begin : std::nullopt,
                                 rows[row].end, static_cast<double>(row)});
        m_rowOn[static_cast<std::size_t>(figure)] =
            DatedLookup(positions, DatedLookup::EndDate::Inclusive);
    }
}

MonthProvenance MonthProvenance::embedded() {
    return {referenceProvenance("AvgZpMonth.csv"), referenceProvenance("MinZP.csv"),
            referenceProvenance("MaxIncome.csv")};
}

const std::vector<SourcedRow>& MonthProvenance::rowsOf(MonthFigure figure) const {
    switch (figure) {
    case MonthFigure::MinimumWage:
        return minimumWage;
    case MonthFigure::Cap:
        return cap;
    case MonthFigure::AverageWage:
        break;
    }
    return averageWage;
}

const SourcedRow* MonthProvenance::rowOn(MonthFigure figure, Date day) const {
    const std::optional<double> position = m_rowOn[static_cast<std::size_t>(figure)].find(day);
    return position ? &rowsOf(figure)[static_cast<std::size_t>(*position)] : nullptr;
}

const SourcedRow* MonthProvenance::rowOn(MonthFigure figure, Date day,
                                         std::size_t& cursor) const {
    const std::optional<double> position =
        m_rowOn[static_cast<std::size_t>(figure)].findFrom(day, cursor);
    return position ? &rowsOf(figure)[static_cast<std::size_t>(*position)] : nullptr;
}

std::vector<EstimatedMonths> estimatedMonths(const std::vector<LedgerMonthView>& ledger,
                                             const MonthProvenance& provenance) {
    std::vector<EstimatedMonths> found = {{MonthFigure::AverageWage, {}, {}},
                                          {MonthFigure::MinimumWage, {}, {}},
                                          {MonthFigure::Cap, {}, {}}};
    // The ledger comes in calendar order: each figure's row is found moving forward.
    std::array<std::size_t, 3> cursors{};
    for (const LedgerMonthView& month : ledger) {
        if (!month.counted)
            continue;
        const Date monthStart = MonthStart(month.month);
        for (std::size_t i = 0; i < found.size(); ++i) {
            if ((found[i].figure == MonthFigure::Cap && !month.capped) ||
                (found[i].figure == MonthFigure::MinimumWage && !month.belowMinimumWage))
                continue;
            const SourcedRow* row = provenance.rowOn(found[i].figure, monthStart, cursors[i]);
            if (!row || !(row->flags & kEstimatedFigureFlags))
                continue;
            found[i].months.push_back(month.month);
            if (found[i].rows.empty() || found[i].rows.back().begin != row->begin)
                found[i].rows.push_back(*row);
        }
    }
    std::erase_if(found, [](const EstimatedMonths& figure) { return figure.months.empty(); });
    return found;
}

std::string yearsText(const std::vector<LedgerMonth>& months) {
    std::set<int> years;
    for (const LedgerMonth& month : months)
        years.insert(month.year);
    std::string text;
    for (auto it = years.begin(); it != years.end();) {
        const int first = *it;
        int last = first;
        for (++it; it != years.end() && *it == last + 1; ++it)
            last = *it;
        text += (text.empty() ? "" : ", ") + std::to_string(first);
        if (last != first)
            text += "–" + std::to_string(last);
    }
    return text;
}

std::string estimateWarning(const std::vector<EstimatedMonths>& estimated, int countedMonths) {
    if (estimated.empty())
        return {};
    std::set<LedgerMonth> any;
    for (const EstimatedMonths& figure : estimated)
        any.insert(figure.months.begin(), figure.months.end());
    std::string text = std::to_string(any.size()) + messages::kEstimateOf +
                       std::to_string(countedMonths) + messages::kEstimateCountedMonths;
    if (estimated.size() == 1)
        return text +
               (takesSingular(any.size()) ? messages::kEstimateHasOne
                                          : messages::kEstimateHaveOne) +
               figureName(estimated.front().figure) + " (" + yearsText(estimated.front().months) +
               ")";
    text += messages::kEstimateHaveSeveral;
    for (std::size_t i = 0; i < estimated.size(); ++i)
        text += (i ? ", " : "") + std::string(figureName(estimated[i].figure)) + " — " +
                std::to_string(estimated[i].months.size()) + " (" + yearsText(estimated[i].months) +
                ")";
    return text;
}

} // namespace rv
