#include "import/import_preview.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "import/import_messages.h"
#include "import/import_text.h"
#include "import/reading_builder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace rv::import {

namespace {

// An amount this many times the month's average wage is read as karbovanets or roubles.
constexpr double kOldCurrencyRatio = 1000;
// Where no maximum for contributions is known: "far above" is this many average wages.
constexpr double kFarAboveAverageRatio = 10;

// A converted amount, which may be a few thousandths of a hryvnia: as many places as it needs
// (at most seven), "0,0018050" rather than "0,00".
std::string smallAmountText(double amount) {
    if (amount >= 0.01)
        return formatAmount(amount);
    const std::int64_t units = std::llround(amount * 1e7);
    std::string digits = std::to_string(units);
    digits.insert(0, 8 - std::min<std::size_t>(8, digits.size()), '0');
    std::string text = "0," + digits.substr(1);
    while (text.size() > 4 && text.back() == '0')
        text.pop_back();
    return text;
}

} // namespace

std::vector<ImportFlag> previewFlags(const Reference& reference, const StatementReading& reading,
                                     const std::vector<CaseMonth>* months) {
    std::vector<ImportFlag> flags;
    std::map<LedgerMonth, double> ledger; // month -> earning; a repeated month: the first
    if (months)
        for (const CaseMonth& month : *months)
            ledger.emplace(month.month, month.earning);
    for (const ImportedMonth& entry : reading.months) {
        const LedgerMonth month = entry.month;
        const int year = month.year;
        const int calendar = calendarMonth(month);
        const auto add = [&](ImportFlagCode code, const std::string& text) {
            flags.push_back({year, calendar, code, importMonthLabel(month) + text});
        };
        const double average = reference.averageWageOfMonth(month);
        const double minimum = reference.minimumWage(month);
        const double maximum = reference.maximumIncome(MonthStart(month));
        if (average > 0 && entry.amount >= kOldCurrencyRatio * average) {
            const bool roubles = year < kFirstKarbovanetsYear;
            add(ImportFlagCode::OldCurrency,
                (roubles ? messages::kImportRoubles : messages::kImportOldCurrency) +
                    smallAmountText(entry.amount * kOldCurrencyToHryvnia) +
                    messages::kImportHryvniaSuffix);
        } else if (maximum > 0 && entry.amount > maximum) {
            add(ImportFlagCode::FarAboveAverage,
                messages::kImportAboveMaximum + formatAmount(maximum));
        } else if (maximum <= 0 && average > 0 && entry.amount > kFarAboveAverageRatio * average) {
            add(ImportFlagCode::FarAboveAverage,
                messages::kImportFarAboveAverage + formatAmount(average));
        }
        if (minimum > 0 && entry.amount > 0 && entry.amount < minimum)
            add(ImportFlagCode::BelowMinimumWage,
                messages::kImportBelowMinimumWage + formatAmount(minimum));
        if (!months)
            continue;
        const auto stored = ledger.find(month);
        if (stored == ledger.end())
            add(ImportFlagCode::OutsideLedger, messages::kImportOutsideLedger);
        else if (stored->second != 0 &&
                 std::llround(stored->second * 100) != std::llround(entry.amount * 100))
            add(ImportFlagCode::DifferentEarning, messages::kImportDifferentEarning +
                                                      formatAmount(stored->second) +
                                                      messages::kImportDifferentEarningSuffix);
    }
    std::vector<ImportFlag> all = reading.flags;
    std::stable_sort(flags.begin(), flags.end(), [](const ImportFlag& a, const ImportFlag& b) {
        return std::pair(a.year, a.month) < std::pair(b.year, b.month);
    });
    all.insert(all.end(), flags.begin(), flags.end());
    return all;
}

namespace {

// The surname as compared: lower case, apostrophes dropped, and the ending that a case form
// changes ("Горбатюк", "Горбатюку"; "Іваненко", "Іваненку") cut off.
std::u32string surnameStem(const std::string& name) {
    std::u32string word;
    for (char32_t c : lowerCase(decodeText(name))) {
        if (c == U' ' || c == U',' || c == U'\t') {
            if (!word.empty())
                break;
            continue;
        }
        if (c != U'\'' && c != 0x2019 && c != 0x02BC)
            word.push_back(c);
    }
    constexpr std::size_t kKeptLetters = 4;
    if (word.size() > kKeptLetters)
        word.resize(std::max(kKeptLetters, word.size() - 2));
    return word;
}

} // namespace

std::vector<std::string> otherPersonReasons(const StatementPerson& statement,
                                            const CasePerson& person) {
    std::vector<std::string> reasons;
    if (statement.birthDate && person.birthDate && *statement.birthDate != *person.birthDate)
        reasons.push_back(messages::kImportOtherBirthDate + formatDate(*statement.birthDate) +
                          messages::kImportOtherBirthDateCase + formatDate(*person.birthDate));
    const std::u32string printed = surnameStem(statement.name);
    const std::u32string entered = surnameStem(person.name);
    if (!printed.empty() && !entered.empty() && printed.compare(0, entered.size(), entered) != 0 &&
        entered.compare(0, printed.size(), printed) != 0)
        reasons.push_back(messages::kImportOtherName + statement.name +
                          messages::kImportOtherNameCase + person.name);
    return reasons;
}

std::vector<MonthRun> monthsOutsideLedger(const StatementReading& reading,
                                          const std::vector<CaseMonth>& months) {
    std::set<LedgerMonth> ledger;
    for (const CaseMonth& month : months)
        ledger.insert(month.month);
    std::vector<MonthRun> runs;
    for (const ImportedMonth& entry : reading.months) {
        if (ledger.contains(entry.month))
            continue;
        if (!runs.empty() && monthAfter(runs.back().last) == entry.month)
            runs.back().last = entry.month;
        else
            runs.push_back({entry.month, entry.month});
    }
    return runs;
}

std::vector<AcceptedEarning> allMonths(const StatementReading& reading) {
    std::vector<AcceptedEarning> earnings;
    for (const ImportedMonth& entry : reading.months)
        earnings.push_back({entry.month, entry.amount});
    return earnings;
}

} // namespace rv::import
