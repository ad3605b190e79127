#include "calc/calc_cache.h"
#include "calc/calendar.h"
#include "store/dmMain.h"
#include "store/engine/table_scopes.h"

#include <algorithm>
#include <set>
#include <string>
#include <variant>

namespace rv {

namespace {

// The begin, end and value fields of a dated reference table.
struct DatedFields {
    const char* begin;
    const char* end;
    const char* value;
};

constexpr DatedFields kAvgZpMonthFields{"azm_date_begin", "azm_date_end", "azm_value"};
constexpr DatedFields kAvgZpYearFields{"azy_date_begin", "azy_date_end", "azy_value"};
constexpr DatedFields kMinZpFields{"mz_date_begin", "mz_date_end", "mz_value"};
constexpr DatedFields kMaxIncomeFields{"mi_date_begin", "mi_date_end", "mi_value"};
constexpr DatedFields kMinPensFields{"mp_date_begin", "mp_date_end", "mp_value"};

// The scans take a row's end date as the first day it no longer covers; the filter lookups
// compare with "<=", so the end date is the last day the row covers.
enum class EndDate { Exclusive, Inclusive };

// Every lookup reads all rows of its table.
void showAllRows(Table& table) {
    if (table.filtered())
        table.setFiltered(false);
}

std::optional<Date> dateAt(const Table& table, int row, int position) {
    const Value value = table.viewValue(row, position);
    if (const auto* date = std::get_if<Date>(&value))
        return *date;
    return std::nullopt;
}

double floatAt(const Table& table, int row, int position) {
    return floatOrZero(table.viewValue(row, position)); // an empty value reads as 0
}

// Sweeps the days on which rows come into force or leave it, keeping the rows in force ordered
// by their position in the table: the first of them answers until the next such day. A row
// without a begin date is in force on no day (a filter comparison with an empty value is
// false), and so is a row that ends before it begins.
void buildIndex(DatedIndex& index, const Table& table, const DatedFields& names, EndDate endDate) {
    const int beginPosition = table.fieldIndex(names.begin);
    const int endPosition = table.fieldIndex(names.end);
    const int valuePosition = table.fieldIndex(names.value);

    struct Change {
        Date day;
        bool comesIntoForce;
        int row;
    };
    std::vector<Change> changes;
    for (int row = 0; row < table.recordCount(); ++row) {
        const std::optional<Date> begin = dateAt(table, row, beginPosition);
        if (!begin)
            continue;
        if (const std::optional<Date> end = dateAt(table, row, endPosition)) {
            const Date firstDayOut = endDate == EndDate::Exclusive ? *end : Date{end->serial + 1};
            if (firstDayOut <= *begin)
                continue;
            changes.push_back({firstDayOut, false, row});
        }
        changes.push_back({*begin, true, row});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.day < b.day; });

    index.starts.clear();
    index.values.clear();
    std::set<int> inForce;
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
            answer = floatAt(table, *inForce.begin(), valuePosition);
        if (index.values.empty() || index.values.back() != answer) {
            index.starts.push_back(day);
            index.values.push_back(answer);
        }
    }

    const bool hasRows = table.recordCount() > 0;
    index.firstBegin = hasRows ? dateAt(table, 0, beginPosition) : std::nullopt;
    index.firstValue = hasRows ? floatAt(table, 0, valuePosition) : 0;
    index.changeCount = table.changeCount();
    index.built = true;
}

const DatedIndex& currentIndex(DatedIndex& index, Table& table, const DatedFields& names,
                               EndDate endDate) {
    showAllRows(table);
    if (!index.built || index.changeCount != table.changeCount())
        buildIndex(index, table, names, endDate);
    return index;
}

// The first row (in table order) whose begin is not after the first day of the month and whose
// end is after it or empty; 0 when the month starts before the first row's begin or no row
// covers it.
double scanLookup(DatedIndex& index, Table& table, const DatedFields& names, LedgerMonth month) {
    const DatedIndex& current = currentIndex(index, table, names, EndDate::Exclusive);
    const Date monthStart = MonthStart(month);
    if (current.firstBegin && monthStart < *current.firstBegin)
        return 0;
    return current.find(monthStart).value_or(0);
}

int yearOf(std::optional<Date> date) {
    return civilFromDate(date.value_or(Date{})).year; // an empty date reads as the zero date
}

} // namespace

std::optional<double> DatedIndex::find(Date day) const {
    const auto after = std::upper_bound(starts.begin(), starts.end(), day);
    if (after == starts.begin())
        return std::nullopt;
    return values[static_cast<std::size_t>(after - starts.begin() - 1)];
}

CalcCache& calcCacheOf(std::shared_ptr<CalcCache>& slot) {
    if (!slot)
        slot = std::make_shared<CalcCache>();
    return *slot;
}

double TdMain::GetAvgZpMonth(LedgerMonth month) {
    return scanLookup(calcCacheOf(m_calcCache).avgZpMonth, cdsAvgZpMonth, kAvgZpMonthFields, month);
}

double TdMain::GetAvgZpYearOfMonth(LedgerMonth month) {
    return scanLookup(calcCacheOf(m_calcCache).avgZpYear, cdsAvgZpYear, kAvgZpYearFields, month);
}

double TdMain::GetMinZp(LedgerMonth month) {
    return scanLookup(calcCacheOf(m_calcCache).minZp, cdsMinZP, kMinZpFields, month);
}

// The first row (in table order) whose begin is not after the day and whose end is not before
// it or empty, as the filter "('d' >= mi_date_begin and 'd' <= mi_date_end) or ('d' >=
// mi_date_begin and mi_date_end is null)" passes them; 0 when none does.
double TdMain::GetMaxIncome(Date day) {
    return currentIndex(calcCacheOf(m_calcCache).maxIncome, cdsMaxIncome, kMaxIncomeFields,
                        EndDate::Inclusive)
        .find(day)
        .value_or(0);
}

// As GetMaxIncome over cdsMinPens, but the first row's value when no row covers the day.
double TdMain::GetMinPens(Date day) {
    const DatedIndex& index = currentIndex(calcCacheOf(m_calcCache).minPens, cdsMinPens,
                                           kMinPensFields, EndDate::Inclusive);
    return index.find(day).value_or(index.firstValue);
}

// The coefficient of the type still in force (open end), whatever date the calculation is for.
double TdMain::GetKoeff(int type) {
    cdsKoeff.setFilter("k_type=" + std::to_string(type) + " and k_date_end is null");
    const FilterOffAtExit filterOff(cdsKoeff);
    cdsKoeff.setFiltered(true);
    cdsKoeff.first();
    return cdsKoeff.recordCount() > 0 ? cdsKoeff.asFloat("k_value") : 0;
}

double TdMain::GetAvgZpForYear(int& year) {
    Table& table = cdsAvgZpYear;
    showAllRows(table);
    if (table.recordCount() == 0) {
        year = 0;
        return 0;
    }
    table.first();
    const int firstYear = yearOf(table.asDate("azy_date_begin"));
    if (year < firstYear) {
        year = firstYear;
        return table.asFloat("azy_value");
    }
    table.last();
    const int lastYear = yearOf(table.asDate("azy_date_begin"));
    if (year > lastYear) {
        year = lastYear;
        return table.asFloat("azy_value");
    }
    if (table.locate("azy_date_begin", formatDate(dateFromCivil(year, 1, 1))))
        return table.asFloat("azy_value");
    year = 0;
    return 0;
}

} // namespace rv
