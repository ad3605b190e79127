#pragma once

#include "calc/dated_lookup.h"
#include "calc/ledger_view.h"
#include "calc/reference_provenance.h"

#include <array>
#include <string>
#include <vector>

namespace rv {

// The reference figures a counted month depends on.
enum class MonthFigure { AverageWage, MinimumWage, Cap };

// The counted months whose figure of one kind is an estimate (kEstimatedFigureFlags), and the
// reference rows they took it from.
struct EstimatedMonths {
    MonthFigure figure;
    std::vector<LedgerMonth> months;
    std::vector<SourcedRow> rows; // each once, in date order
};

// The sourced rows of the three tables a month reads, kept together for the checks, with the
// row in force on each day found by one search.
struct MonthProvenance {
    MonthProvenance() = default;
    MonthProvenance(std::vector<SourcedRow> averageWageRows,
                    std::vector<SourcedRow> minimumWageRows, std::vector<SourcedRow> capRows);
    static MonthProvenance embedded();

    // The row of the figure's table in force on the day, as sourcedRowOn finds it on the main
    // timeline; none where no row covers the day.
    const SourcedRow* rowOn(MonthFigure figure, Date day) const;
    // The same for days read in ascending order, `cursor` kept between the calls as
    // DatedLookup::findFrom keeps it.
    const SourcedRow* rowOn(MonthFigure figure, Date day, std::size_t& cursor) const;

    std::vector<SourcedRow> averageWage; // AvgZpMonth.csv
    std::vector<SourcedRow> minimumWage; // MinZP.csv
    std::vector<SourcedRow> cap;         // MaxIncome.csv

private:
    const std::vector<SourcedRow>& rowsOf(MonthFigure figure) const;
    std::array<DatedLookup, 3> m_rowOn; // by MonthFigure: the position of the row in force
};

// Of the counted months, those whose average wage, minimum wage or cap is an estimate and
// entered the result, by figure: the average wage always, the cap where it lowered the earning,
// the minimum wage where the month was credited in proportion to it. Figures without such a
// month are left out.
std::vector<EstimatedMonths> estimatedMonths(const std::vector<LedgerMonthView>& ledger,
                                             const MonthProvenance& provenance);

// The results panel's line on them: "12 із 282 врахованих місяців мають оціночне значення
// середньої заробітної плати (1993–1994)"; empty when no counted month has one.
std::string estimateWarning(const std::vector<EstimatedMonths>& estimated, int countedMonths);

// "1993–1994, 2026": the years of the months, runs of consecutive years joined.
std::string yearsText(const std::vector<LedgerMonth>& months);

} // namespace rv
