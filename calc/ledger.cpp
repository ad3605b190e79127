#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "calc/person_periods.h"
#include "store/dmMain.h"

#include <cassert>
#include <limits>
#include <string>
#include <unordered_map>
#include <variant>

namespace rv {

namespace {

LedgerMonth nextMonth(LedgerMonth month) {
    return month.month0 == 11 ? LedgerMonth{month.year + 1, 0}
                              : LedgerMonth{month.year, month.month0 + 1};
}

// Days of the month that the period covers, its first and last day included.
int periodShare(const CivilDate& begin, const CivilDate& finish, LedgerMonth month) {
    const bool startMonth = LedgerMonth{begin.year, begin.month - 1} == month;
    const bool endMonth = LedgerMonth{finish.year, finish.month - 1} == month;
    if (startMonth && endMonth)
        return finish.day - begin.day + 1;
    if (startMonth)
        return MonthLength(MonthStart(month)) - begin.day + 1;
    if (endMonth)
        return finish.day;
    return MonthLength(MonthStart(month));
}

// The view row of the ledger (ordered by earning_id) holding the key, if any.
std::optional<int> findKey(const Table& ledger, int idPosition, std::int32_t key) {
    int low = 0;
    int high = ledger.recordCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const Value value = ledger.viewValue(middle, idPosition);
        const auto* id = std::get_if<std::int32_t>(&value);
        if (id && *id >= key)
            high = middle;
        else
            low = middle + 1;
    }
    if (low == ledger.recordCount())
        return std::nullopt;
    const Value found = ledger.viewValue(low, idPosition);
    if (found != Value{key})
        return std::nullopt;
    return low;
}

// Posts the ledger row being edited; a refused row is dropped, so that the months posted
// before it stay and the table is usable again.
void postOrDrop(Table& ledger) {
    try {
        ledger.post();
    } catch (...) {
        ledger.cancel();
        throw;
    }
}

} // namespace

bool TdMain::BuildLedger() {
    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarning);
    const std::string personFilter = "earning_person_id=" + std::to_string(m_currentPersonId);
    const BoundViewsSuspension ledgerViewsSuspended(cdsEarning);

    // Keep the typed earnings of the person's months.
    cdsEarningCopy.empty();
    cdsEarning.setFilter(personFilter + " and earning_payment <> 0");
    cdsEarning.setFiltered(true);
    std::unordered_map<std::int32_t, double> keptEarnings;
    for (cdsEarning.first(); !cdsEarning.eof(); cdsEarning.next()) {
        const Value id = cdsEarning.value(fields.id);
        const Value payment = cdsEarning.value(fields.payment);
        cdsEarningCopy.append();
        cdsEarningCopy.setValue("earning_id", id);
        cdsEarningCopy.setValue("earning_payment", payment);
        cdsEarningCopy.post();
        if (const auto* key = std::get_if<std::int32_t>(&id))
            keptEarnings.emplace(*key, std::get<double>(payment)); // a repeated key: the first
    }

    // Clear the person's ledger; other persons' rows stay.
    cdsEarning.setFilter(personFilter);
    while (cdsEarning.recordCount() > 0) {
        cdsEarning.last();
        cdsEarning.remove();
    }

    for (const EmploymentPeriod& period : selectPersonPeriods(cdsExp, m_currentPersonId)) {
        if (!period.begin || !period.finish)
            continue; // cannot be posted; gives no months
        const CivilDate begin = civilFromDate(*period.begin);
        const CivilDate finish = civilFromDate(*period.finish);
        const LedgerMonth lastMonth = ledgerMonthOf(*period.finish);
        for (LedgerMonth month = ledgerMonthOf(*period.begin); month <= lastMonth;
             month = nextMonth(month)) {
            const int share = periodShare(begin, finish, month);
            const std::int32_t key = ledgerKey(m_currentPersonId, month);

            // A month that an earlier period of this build reached: add this period's days.
            if (const std::optional<int> row = findKey(cdsEarning, fields.id, key)) {
                cdsEarning.setRecNo(*row + 1);
                cdsEarning.edit();
                const Value days = cdsEarning.value(fields.monthDays);
                const auto* earlier = std::get_if<std::int32_t>(&days);
                cdsEarning.setValue(fields.monthDays, (earlier ? *earlier : 0) + share);
                postOrDrop(cdsEarning);
                continue;
            }

            const auto kept = keptEarnings.find(key);
            const double earning = kept == keptEarnings.end() ? 0.0 : kept->second;
            const double minimumWage = GetMinZp(month);
            cdsEarning.append();
            cdsEarning.setValue(fields.personId, m_currentPersonId);
            cdsEarning.setValue(fields.id, key);
            cdsEarning.setValue(fields.year, month.year);
            cdsEarning.setValue(fields.month, month.month0);
            cdsEarning.setValue(fields.avgZp, GetAvgZpMonth(month));
            cdsEarning.setValue(fields.avgZpYear, GetAvgZpYearOfMonth(month));
            cdsEarning.setValue(fields.minZp, minimumWage);
            cdsEarning.setValue(fields.minZpYear, 0.0);
            cdsEarning.setValue(fields.payment, earning);
            cdsEarning.setValue(fields.paymentYear, 0.0);
            cdsEarning.setValue(fields.coefficient, 0.0);
            cdsEarning.setValue(fields.monthDays, share);
            cdsEarning.setValue(fields.creditedDays,
                                static_cast<std::int32_t>(CreditedDays(
                                    month.year, month.month0, earning, minimumWage, share)));
            cdsEarning.setValue(fields.opt1, std::string());
            cdsEarning.setValue(fields.opt2, std::string());
            postOrDrop(cdsEarning); // the evaluation sets the coefficient and the days again
        }
    }
    return true;
}

} // namespace rv
