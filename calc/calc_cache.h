#pragma once

#include "calc/estimated_figures.h"
#include "calc/law.h"
#include "calc/ledger_rules.h"
#include "store/engine/date.h"
#include "store/engine/table.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace rv {

// The answer of a first-match lookup over a dated reference table for every date at once: the
// value of the first row in table order that covers the date, or none. The answer is constant
// from each start to the next, so a lookup is one binary search. It is derived again whenever
// the table's changeCount() moves.
struct DatedIndex {
    bool built = false;
    std::uint64_t changeCount = 0;
    std::optional<Date> firstBegin; // begin date of the table's first row
    double firstValue = 0;          // value of the table's first row (0 without rows)
    std::vector<Date> starts;       // ascending
    std::vector<std::optional<double>> values;

    std::optional<double> find(Date day) const;
};

// Positions of the fields that the evaluation and the ledger build use; the working copies of
// the ledger carry the same names at other positions.
struct LedgerFields {
    explicit LedgerFields(const Table& table);

    int id;
    int personId;
    int year;
    int month;
    int avgZp;
    int avgZpYear;
    int minZp;
    int minZpYear;
    int payment;
    int paymentYear;
    int coefficient;
    int creditedDays;
    int monthDays;
    int opt1;
    int opt2;
};

// What the calculation core derives once and keeps inside the data module.
struct CalcCache {
    DatedIndex avgZpMonth;
    DatedIndex avgZpYear;
    DatedIndex minZp;
    DatedIndex maxIncome;
    DatedIndex minPens;
    std::vector<std::pair<const Table*, LedgerFields>> ledgerFields;
    // The law book and the change counts of cdsLawRules and cdsWomenAge it was read at.
    std::optional<law::LawBook> law;
    std::optional<LedgerRules> ledgerRules; // of `law`, made on first use
    std::uint64_t lawRulesChangeCount = 0;
    std::uint64_t womenAgeChangeCount = 0;
    // The embedded provenance never changes: parsed on first use.
    std::optional<MonthProvenance> monthProvenance;
};

// The cache held in `slot`, made on first use.
CalcCache& calcCacheOf(std::shared_ptr<CalcCache>& slot);

// The field positions of cdsEarning or of one of its working copies.
LedgerFields ledgerFieldsOf(CalcCache& cache, const Table& table);

} // namespace rv
