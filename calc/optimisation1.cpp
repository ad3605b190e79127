#include "calc/calc_cache.h"
#include "calc/ledger_rules.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/engine/table_scopes.h"
#include "store/messages.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rv {

namespace {

// The fields of a ledger row copy, in the order they are set.
constexpr int LedgerFields::*kCopiedFields[] = {
    &LedgerFields::personId,    &LedgerFields::id,          &LedgerFields::year,
    &LedgerFields::month,       &LedgerFields::avgZp,       &LedgerFields::avgZpYear,
    &LedgerFields::minZp,       &LedgerFields::minZpYear,   &LedgerFields::payment,
    &LedgerFields::paymentYear, &LedgerFields::coefficient, &LedgerFields::opt1,
    &LedgerFields::opt2,        &LedgerFields::monthDays,   &LedgerFields::creditedDays,
};

const std::string kCountedMark = "+";

constexpr const char* kPersonFilter = "earning_person_id = ";

// Filter conditions on the ledger months before the month of `day`, and from it on (the ledger
// counts months from 0).
std::string monthsBefore(Date day) {
    const CivilDate civil = civilFromDate(day);
    const std::string year = std::to_string(civil.year);
    return "((earning_year < " + year + ") or ((earning_year = " + year +
           ") and (earning_month < " + std::to_string(civil.month - 1) + ")))";
}

std::string monthsFrom(Date day) {
    const CivilDate civil = civilFromDate(day);
    const std::string year = std::to_string(civil.year);
    return "((earning_year > " + year + ") or ((earning_year = " + year +
           ") and (earning_month >= " + std::to_string(civil.month - 1) + ")))";
}

// The months before the end of the 60-month choice (July 2000), followed by the person id.
std::string earlyMonthsFilter(const LedgerRules& rules) {
    return monthsBefore(rules.earlyWindowEnd) + " and " + kPersonFilter;
}

// From the end of the choice on: every month until the months are credited by their earning
// (2004, ст. 24 ч. 3), then the months with an earning; followed by the person id.
std::string laterMonthsFilter(const LedgerRules& rules) {
    return "((" + monthsFrom(rules.proportionalCreditFrom) + " and earning_payment > 0) or (" +
           monthsFrom(rules.earlyWindowEnd) + " and " + monthsBefore(rules.proportionalCreditFrom) +
           ")) and " + kPersonFilter;
}

struct LedgerEntry {
    std::int32_t earningId;
    double coefficient;
};

void setLedgerFilter(Table& ledger, const std::string& text) {
    ledger.setFiltered(false);
    ledger.setFilter(text);
    ledger.setFiltered(true);
}

// The end of the window of `window` consecutive months with the greatest coefficient sum: a
// running double sum, one addition and one subtraction per month in this order; of equal sums
// the earliest window wins.
int bestWindowEnd(const std::vector<LedgerEntry>& months, int window) {
    double sum = 0;
    double best = -1;
    int bestEnd = -1;
    for (int i = 0; i < static_cast<int>(months.size()); ++i) {
        sum += months[static_cast<std::size_t>(i)].coefficient;
        if (i >= window)
            sum -= months[static_cast<std::size_t>(i - window)].coefficient;
        if (i >= window - 1 && sum > best) {
            best = sum;
            bestEnd = i;
        }
    }
    return bestEnd;
}

} // namespace

void TdMain::appendLedgerCopy(const Table& source, int row, Table& target,
                              std::optional<std::int32_t> number) {
    CalcCache& cache = calcCacheOf(m_calcCache);
    const LedgerFields from = ledgerFieldsOf(cache, source);
    const LedgerFields to = ledgerFieldsOf(cache, target);
    target.append();
    for (const auto field : kCopiedFields)
        target.setValue(to.*field, source.viewValue(row, from.*field));
    if (number)
        target.setValue(target.fieldIndex("earning_num"), *number);
    target.post();
}

// Optimisation 1, art. 40: of the months before the end of the choice (July 2000) the best run of
// Opt1WindowMonths consecutive ledger months counts; from then on every month counts except the
// months credited by their earning (from 2004) that have none. The months that count are copied to
// cdsEarningOpt1 and marked "+".
void TdMain::RunOptimization1() {
    const std::string personId = std::to_string(m_currentPersonId);
    // A window below 0 would read before the first month: it counts as 0, no early month.
    const int window = std::max(reference().Opt1WindowMonths, 0);
    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarning);
    BoundViewsSuspension unseenCopies(cdsEarningOpt1); // no view shows it

    cdsEarningOpt1.empty();
    cdsEarning.cancel();
    // On every way out a refused post is dropped first, so that switching the filter off does
    // not try it again.
    FilterOffAtExit filterOff(cdsEarning);
    UnstoredEditDropped droppedEdit(cdsEarning);
    const LedgerRules& rules = LedgerLawRules();
    setLedgerFilter(cdsEarning, earlyMonthsFilter(rules) + personId);

    const int earlyMonths = cdsEarning.recordCount();
    if (earlyMonths > window) {
        std::vector<LedgerEntry> months;
        months.reserve(static_cast<std::size_t>(earlyMonths));
        for (int row = 0; row < earlyMonths; ++row) {
            const LedgerEntry entry{integerOrZero(cdsEarning.viewValue(row, fields.id)),
                                    floatOrZero(cdsEarning.viewValue(row, fields.coefficient))};
            // The evaluation refuses negative earnings; the search must never see one.
            if (entry.coefficient < 0)
                throw UserError(messages::kNegativeEarning);
            months.push_back(entry);
        }
        const int end = bestWindowEnd(months, window);
        for (int position = end - window + 1; position <= end; ++position) {
            const std::int32_t earningId = months[static_cast<std::size_t>(position)].earningId;
            if (!cdsEarning.locate("earning_id", earningId))
                throw UserError(messages::kCannotLocateId + std::to_string(earningId));
            appendLedgerCopy(cdsEarning, cdsEarning.recNo() - 1, cdsEarningOpt1, position);
        }
    } else {
        std::int32_t position = 0;
        for (cdsEarning.first(); !cdsEarning.eof(); cdsEarning.next(), ++position) {
            appendLedgerCopy(cdsEarning, cdsEarning.recNo() - 1, cdsEarningOpt1, position);
            cdsEarning.edit();
            cdsEarning.setValue(fields.opt1, kCountedMark);
            cdsEarning.post();
        }
    }

    setLedgerFilter(cdsEarning, laterMonthsFilter(rules) + personId);
    for (int row = 0; row < cdsEarning.recordCount(); ++row)
        appendLedgerCopy(cdsEarning, row, cdsEarningOpt1, std::nullopt);

    setLedgerFilter(cdsEarning, kPersonFilter + personId);
    const int copyIdField = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarningOpt1).id;
    for (int row = 0; row < cdsEarningOpt1.recordCount(); ++row) {
        const Value earningId = cdsEarningOpt1.viewValue(row, copyIdField);
        if (isEmpty(earningId) || !cdsEarning.locate("earning_id", integerOrZero(earningId)))
            continue; // as Table::locate, an empty key finds nothing
        cdsEarning.edit();
        cdsEarning.setValue(fields.opt1, kCountedMark);
        cdsEarning.post();
    }

    cdsEarning.setShown("earning_opt1", true);
}

} // namespace rv
