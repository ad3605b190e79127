#include "store/loaded_case.h"

#include "calc/calendar.h"
#include "calc/extra_exclusions.h"
#include "calc/ledger_month.h"
#include "calc/ledger_rules.h"
#include "calc/messages.h"
#include "calc/periods.h"
#include "store/case_limits.h"
#include "store/dmMain.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_set>
#include <variant>

// The checks of a loaded case: every field within what the program writes, and the periods as
// the experience command checks them.
namespace rv {

namespace {

// Ledger keys are person id * 1000000 + year * 100 + month0 with years up to 9999: the
// largest identity whose keys still fit in a signed 32-bit integer.
constexpr std::int64_t kLargestLedgerKeyMonth = 9999 * 100 + 11;
constexpr std::int64_t kLargestPersonId =
    (std::numeric_limits<std::int32_t>::max() - kLargestLedgerKeyMonth) / kLedgerKeyPersonStep;

// Reads the view rows of a table by field name without moving its cursor.
class Rows {
public:
    explicit Rows(const Table& table) : m_table(table) {}
    int count() const { return m_table.recordCount(); }
    Value at(int row, std::string_view field) const {
        return m_table.viewValue(row, m_table.fieldIndex(field));
    }
    std::optional<std::int32_t> integer(int row, std::string_view field) const {
        const Value value = at(row, field);
        if (const auto* number = std::get_if<std::int32_t>(&value))
            return *number;
        return std::nullopt;
    }
    std::optional<double> number(int row, std::string_view field) const {
        const Value value = at(row, field);
        if (const auto* number = std::get_if<double>(&value))
            return *number;
        return std::nullopt;
    }
    std::optional<Date> date(int row, std::string_view field) const {
        const Value value = at(row, field);
        if (const auto* date = std::get_if<Date>(&value))
            return *date;
        return std::nullopt;
    }
    std::optional<std::string> text(int row, std::string_view field) const {
        const Value value = at(row, field);
        if (const auto* text = std::get_if<std::string>(&value))
            return *text;
        return std::nullopt;
    }
    bool empty(int row, std::string_view field) const { return isEmpty(at(row, field)); }
    // Empty, or an integer within low..high.
    bool integerIn(int row, std::string_view field, std::int64_t low, std::int64_t high) const {
        if (empty(row, field))
            return true;
        const auto value = integer(row, field);
        return value && *value >= low && *value <= high;
    }
    // Empty, or a code of a kind of period.
    bool kindCode(int row, std::string_view field) const {
        const auto value = text(row, field);
        return empty(row, field) || (value && periodKindOfCode(*value));
    }
    // Empty, or one of the texts.
    bool textOf(int row, std::string_view field, std::initializer_list<const char*> texts) const {
        if (empty(row, field))
            return true;
        const auto value = text(row, field);
        return value && std::any_of(texts.begin(), texts.end(),
                                    [&](const char* allowed) { return *value == allowed; });
    }

private:
    const Table& m_table;
};

// The smallest and largest value of a reference table: a ledger value read from it lies between
// them, or is 0 when the table had none for the month.
struct ValueRange {
    double smallest = std::numeric_limits<double>::infinity();
    double largest = 0;
    bool admits(double value) const {
        return value == 0 || (value >= smallest && value <= largest);
    }
};

ValueRange rangeOf(const Table& reference, std::string_view field) {
    ValueRange range;
    const Rows rows(reference);
    for (int row = 0; row < rows.count(); ++row)
        if (const auto value = rows.number(row, field); value && *value > 0) {
            range.smallest = std::min(range.smallest, *value);
            range.largest = std::max(range.largest, *value);
        }
    return range;
}

// Empty (read as 0), or a number the range admits.
bool referenceValue(const Rows& rows, int row, std::string_view field, const ValueRange& range) {
    if (rows.empty(row, field))
        return true;
    const auto value = rows.number(row, field);
    return value && range.admits(*value);
}

bool emptyOrZero(const Rows& rows, int row, std::string_view field) {
    const auto value = rows.number(row, field);
    return rows.empty(row, field) || (value && *value == 0);
}

bool emptyOrWithin(const Rows& rows, int row, std::string_view field, double low, double high) {
    const auto value = rows.number(row, field);
    return rows.empty(row, field) || (value && *value >= low && *value <= high);
}

struct Person {
    std::int32_t id = 0;
    std::optional<Date> birthDate;
};

bool personValid(const Rows& rows, Person& person) {
    const auto id = rows.integer(0, "person_id");
    if (!id || *id < 0 || *id > kLargestPersonId)
        return false;
    person = {*id, rows.date(0, "person_birthdate")};
    return rows.integerIn(0, "person_gender", 0, 1) &&
           rows.integerIn(0, "person_exp_verified", 0, 1) &&
           rows.integerIn(0, "person_extra_excl", 0, 1);
}

bool periodsValid(const Rows& rows, const Person& person) {
    for (int row = 0; row < rows.count(); ++row) {
        const auto begin = rows.date(row, "exp_date_begin");
        const auto finish = rows.date(row, "exp_date_finish");
        if (rows.integer(row, "exp_person_id") != person.id || !begin || !finish ||
            *begin > *finish || !rows.integerIn(row, "exp_id", 0, 0) ||
            !rows.kindCode(row, "exp_kind"))
            return false;
        if (!rows.empty(row, "exp_day") &&
            rows.integer(row, "exp_day") != ExpPeriodLength(*begin, *finish).days)
            return false;
    }
    return true;
}

bool ledgerValid(const Rows& rows, const Person& person, TdMain& dm) {
    const LedgerRules& rules = dm.LedgerLawRules();
    const ValueRange averageWages = rangeOf(dm.cdsAvgZpMonth, "azm_value");
    const ValueRange yearlyAverageWages = rangeOf(dm.cdsAvgZpYear, "azy_value");
    const ValueRange minimumWages = rangeOf(dm.cdsMinZP, "mz_value");
    const ValueRange maximumIncomes = rangeOf(dm.cdsMaxIncome, "mi_value");
    const double largestCoefficient =
        std::max(rules.earlyCoefficientCap, maximumIncomes.largest / averageWages.smallest);
    const CivilDate birth = civilFromDate(*person.birthDate);
    const LedgerMonth firstMonth =
        ledgerMonthFromCalendar(birth.year + rules.minimumWorkingAge, birth.month);

    std::unordered_set<std::int32_t> keys;
    for (int row = 0; row < rows.count(); ++row) {
        const auto key = rows.integer(row, "earning_id");
        const auto year = rows.integer(row, "earning_year");
        const auto month0 = rows.integer(row, "earning_month");
        if (!key || !year || !month0 || *year < 1 || *year > 9999 || *month0 < 0 || *month0 > 11)
            return false;
        const LedgerMonth month{*year, *month0};
        const std::int64_t expectedKey =
            person.id * kLedgerKeyPersonStep + std::int64_t{*year} * 100 + *month0;
        if (rows.integer(row, "earning_person_id") != person.id || *key != expectedKey ||
            month < firstMonth || !keys.insert(*key).second)
            return false;

        const int monthLength = MonthLength(MonthStart(month));
        const auto coveredDays = rows.integer(row, "earning_month_day");
        if (!coveredDays || *coveredDays < 1 || *coveredDays > monthLength ||
            !rows.integerIn(row, "earning_day", 0, monthLength))
            return false;
        if (!referenceValue(rows, row, "earning_avg_zp", averageWages) ||
            !referenceValue(rows, row, "earning_avg_zp_year", yearlyAverageWages) ||
            !referenceValue(rows, row, "earning_min_zp", minimumWages) ||
            !emptyOrZero(rows, row, "earning_min_zp_year") ||
            !emptyOrZero(rows, row, "earning_payment_year") ||
            !emptyOrWithin(rows, row, "earning_payment", 0, std::numeric_limits<double>::max()) ||
            !emptyOrWithin(rows, row, "earning_k", 0, largestCoefficient))
            return false;
        if (!rows.textOf(row, "earning_opt1", {"", "+"}) ||
            !rows.textOf(row, "earning_opt2", {"", "-"}) || !rows.kindCode(row, "earning_kind"))
            return false;
        if (const auto reason = rows.text(row, "earning_excl");
            reason && !reason->empty() && exclusionOfCode(*reason) == ExtraExclusion::None)
            return false;
    }
    return true;
}

} // namespace

bool LoadedCase::fieldsValid(TdMain& dm) const {
    const Rows personRows(persons);
    const Rows periodRows(periods);
    const Rows ledgerRows(ledger);
    if (personRows.count() == 0)
        return periodRows.count() == 0 && ledgerRows.count() == 0;
    Person person;
    if (!personValid(personRows, person))
        return false;
    if (!person.birthDate)
        return periodRows.count() == 0 && ledgerRows.count() == 0;
    return periodsValid(periodRows, person) && ledgerValid(ledgerRows, person, dm);
}

std::vector<std::string> LoadedCase::periodWarnings(TdMain& dm) const {
    const Rows rows(periods);
    if (rows.count() == 0)
        return {};
    std::vector<CasePeriod> list;
    list.reserve(static_cast<std::size_t>(rows.count()));
    for (int row = 0; row < rows.count(); ++row)
        list.push_back({rows.date(row, "exp_date_begin"), rows.date(row, "exp_date_finish"),
                        kindOrWork(rows.at(row, "exp_kind"))});
    const int minimumAge = dm.LedgerLawRules().minimumWorkingAge;
    const PeriodsCheck check =
        checkPeriods(std::move(list), *Rows(persons).date(0, "person_birthdate"), minimumAge);
    std::vector<std::string> warnings;
    if (check.ageFailure)
        warnings.emplace_back(messages::workBeforeMinimumAge(minimumAge));
    if (check.overlapFailure)
        warnings.emplace_back(messages::kPeriodsOverlap);
    return warnings;
}

} // namespace rv
