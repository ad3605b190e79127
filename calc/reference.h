#pragma once

#include "calc/credited_rules.h"
#include "calc/dated_lookup.h"
#include "calc/estimated_figures.h"
#include "calc/law.h"
#include "calc/ledger_month.h"
#include "calc/ledger_rules.h"
#include "engine/date.h"
#include "protect/reference_container.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// One row of the coefficient table: a dated figure of a type ("1": the valuation of a year).
struct CoefficientRow {
    std::optional<Date> begin;
    std::optional<Date> end;
    double value = 0;
    std::string type;
};

// The limits of the two optimisations of ст. 40.
struct OptimisationLimits {
    std::int32_t earlyWindowMonths = 0; // months of the choice before its end (ст. 40 ч. 1)
    std::int32_t mostExcludedMonths = 0;
    std::int32_t fewestKeptMonths = 0;
};

// The reference tables as rows, in table order.
struct ReferenceRows {
    std::vector<DatedFigure> averageWageOfMonth; // the average wage of each month
    std::vector<DatedFigure> averageWageOfYear;  // the yearly average wage (ст. 40 ч. 2)
    std::vector<DatedFigure> minimumWage;        // the minimum wage
    std::vector<CoefficientRow> coefficients;    // valuation and supplement coefficients
    std::vector<DatedFigure> subsistenceMinimum; // for those who lost the ability to work
    std::vector<DatedFigure> maximumIncome;      // subject to contributions (ст. 40)
    std::vector<law::Rule> lawRules;             // the law's dated rules
    std::vector<law::WomenAge> womenAges;        // the women's pension age by birth date
    OptimisationLimits limits;
};

// The rows of the program's reference texts (lines "field<row>=value", dates dd.mm.yyyy,
// numbers with "."); a table whose text does not read keeps the rows read before the fault.
ReferenceRows referenceRowsOf(const ReferenceData& data);

// The reference data and the law book a calculation reads: built once, never changed, safe to
// share between threads.
class Reference {
public:
    explicit Reference(ReferenceRows rows,
                       std::shared_ptr<const MonthProvenance> provenance = nullptr);
    // The program's own reference data; throws UserError when it cannot be unpacked.
    static std::shared_ptr<const Reference> fromStored(const StoredReferenceData& stored);

    // The figures of a ledger month: the first row whose begin is not after the month's first
    // day and whose end is after it; 0 before the first row or where no row covers it.
    double averageWageOfMonth(LedgerMonth month) const;
    double averageWageOfYearOfMonth(LedgerMonth month) const;
    double minimumWage(LedgerMonth month) const;
    // The maximum income in force on the day (both ends included); 0 where none is.
    double maximumIncome(Date day) const;
    // The maximum income in force on the month's first day.
    double maximumIncomeOfMonth(LedgerMonth month) const;
    // The subsistence minimum in force on the day; the first row's where none is.
    double subsistenceMinimum(Date day) const;
    // The coefficient of the type still in force (open end); 0 without one.
    double coefficient(int type) const;
    // The yearly average wage of `year`, clamped to the table's first and last year; `year`
    // becomes the year used, or 0 when a year inside the range has no row.
    double averageWageForYear(int& year) const;

    const law::LawBook& law() const { return m_law; }
    // The rules every ledger month follows; throws UserError naming a rule the book lacks.
    const LedgerRules& ledgerRules() const;
    // The rules of the periods credited without work; parts the book lacks are off.
    const CreditedRules& creditedRules() const { return m_creditedRules; }
    const OptimisationLimits& limits() const { return m_rows.limits; }
    // Where the month figures come from; empty when the reference was made without it.
    const MonthProvenance& provenance() const;
    const ReferenceRows& rows() const { return m_rows; }

private:
    ReferenceRows m_rows;
    law::LawBook m_law;
    std::optional<LedgerRules> m_ledgerRules;
    std::string m_ledgerRulesError; // why m_ledgerRules is empty
    CreditedRules m_creditedRules;
    std::shared_ptr<const MonthProvenance> m_provenance;
    DatedLookup m_averageWageOfMonth;
    DatedLookup m_averageWageOfYear;
    DatedLookup m_minimumWage;
    DatedLookup m_maximumIncome;
    DatedLookup m_subsistenceMinimum;
    // The month figures above, kept month by month where their tables change.
    MonthlyFigures m_averageWageByMonth;
    MonthlyFigures m_averageWageOfYearByMonth;
    MonthlyFigures m_minimumWageByMonth;
    MonthlyFigures m_maximumIncomeByMonth;
};

} // namespace rv
