#include "import/import_preview.h"

#include "calc/calendar.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <variant>

namespace rv::import {

namespace {

// An amount this many times the month's average wage is read as karbovanets or roubles.
constexpr double kOldCurrencyRatio = 1000;
// Where no maximum for contributions is known: "far above" is this many average wages.
constexpr double kFarAboveAverageRatio = 10;

std::string amountText(double amount) {
    const std::int64_t cents = std::llround(amount * 100);
    std::string whole = std::to_string(cents / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(static_cast<std::size_t>(i), " ");
    const int fraction = static_cast<int>(cents % 100);
    return whole + "," + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

std::string monthLabel(LedgerMonth month) {
    return monthInSentence(month) + " р.";
}

// The current person's ledger: key -> (view row, earning). Reads without moving the cursor.
std::map<std::int32_t, std::pair<int, double>> ledgerEarnings(TdMain& dm) {
    std::map<std::int32_t, std::pair<int, double>> rows;
    const int id = *dm.cdsEarning.findField("earning_id");
    const int person = *dm.cdsEarning.findField("earning_person_id");
    const int payment = *dm.cdsEarning.findField("earning_payment");
    for (int row = 0; row < dm.cdsEarning.recordCount(); ++row) {
        const Value key = dm.cdsEarning.viewValue(row, id);
        const Value owner = dm.cdsEarning.viewValue(row, person);
        const Value amount = dm.cdsEarning.viewValue(row, payment);
        const auto* keyNumber = std::get_if<std::int32_t>(&key);
        const auto* ownerNumber = std::get_if<std::int32_t>(&owner);
        if (!keyNumber || !ownerNumber || *ownerNumber != dm.currentPersonId())
            continue;
        const auto* earning = std::get_if<double>(&amount);
        rows.emplace(*keyNumber, std::make_pair(row, earning ? *earning : 0.0));
    }
    return rows;
}

} // namespace

std::vector<ImportFlag> previewFlags(TdMain& dm, const StatementReading& reading, bool withCase) {
    std::vector<ImportFlag> flags;
    const auto ledger = withCase ? ledgerEarnings(dm) : decltype(ledgerEarnings(dm)){};
    for (const ImportedMonth& entry : reading.months) {
        const LedgerMonth month = entry.month;
        const int year = month.year;
        const int calendar = calendarMonth(month);
        const auto add = [&](ImportFlagCode code, std::string text) {
            flags.push_back({year, calendar, code, monthLabel(month) + text});
        };
        const double average = dm.GetAvgZpMonth(month);
        const double minimum = dm.GetMinZp(month);
        const double maximum = dm.GetMaxIncome(MonthStart(month));
        if (average > 0 && entry.amount >= kOldCurrencyRatio * average) {
            add(ImportFlagCode::OldCurrency,
                messages::kImportOldCurrency + amountText(entry.amount * kOldCurrencyToHryvnia));
        } else if (maximum > 0 && entry.amount > maximum) {
            add(ImportFlagCode::FarAboveAverage,
                messages::kImportAboveMaximum + amountText(maximum));
        } else if (maximum <= 0 && average > 0 && entry.amount > kFarAboveAverageRatio * average) {
            add(ImportFlagCode::FarAboveAverage,
                messages::kImportFarAboveAverage + amountText(average));
        }
        if (minimum > 0 && entry.amount < minimum)
            add(ImportFlagCode::BelowMinimumWage,
                messages::kImportBelowMinimumWage + amountText(minimum));
        if (!withCase)
            continue;
        const auto row = ledger.find(ledgerKey(dm.currentPersonId(), month));
        if (row == ledger.end())
            add(ImportFlagCode::OutsideLedger, messages::kImportOutsideLedger);
        else if (row->second.second != 0 &&
                 std::llround(row->second.second * 100) != std::llround(entry.amount * 100))
            add(ImportFlagCode::DifferentEarning, messages::kImportDifferentEarning +
                                                      amountText(row->second.second) +
                                                      messages::kImportDifferentEarningSuffix);
    }
    std::vector<ImportFlag> all = reading.flags;
    std::stable_sort(flags.begin(), flags.end(), [](const ImportFlag& a, const ImportFlag& b) {
        return std::pair(a.year, a.month) < std::pair(b.year, b.month);
    });
    all.insert(all.end(), flags.begin(), flags.end());
    return all;
}

std::vector<AcceptedEarning> allMonths(const StatementReading& reading) {
    std::vector<AcceptedEarning> earnings;
    for (const ImportedMonth& entry : reading.months)
        earnings.push_back({entry.month, entry.amount});
    return earnings;
}

void applyImportedEarnings(TdMain& dm, const std::vector<AcceptedEarning>& earnings) {
    if (earnings.empty())
        throw UserError(messages::kImportNothingAccepted);
    const auto ledger = ledgerEarnings(dm);
    for (const AcceptedEarning& earning : earnings) {
        if (!ledger.contains(ledgerKey(dm.currentPersonId(), earning.month)))
            throw UserError(messages::kImportApplyOutsideLedger + monthLabel(earning.month));
        if (!std::isfinite(earning.amount) || earning.amount < 0)
            throw UserError(std::string(messages::kImportApplyRefused) +
                            messages::kNegativeEarning);
    }

    Table& table = dm.cdsEarning;
    const BoundViewsSuspension viewsSuspended(table);
    std::vector<std::pair<std::int32_t, double>> stored; // key, the earning it replaced
    const auto store = [&](std::int32_t key, double amount) {
        table.locate("earning_id", key);
        table.edit();
        table.setValue("earning_payment", amount);
        table.post();
    };
    try {
        for (const AcceptedEarning& earning : earnings) {
            const std::int32_t key = ledgerKey(dm.currentPersonId(), earning.month);
            const double before = ledger.at(key).second;
            store(key, earning.amount);
            stored.emplace_back(key, before);
        }
    } catch (const UserError& refusal) {
        table.cancel();
        // The earlier amounts were accepted before, so storing them again succeeds.
        for (auto it = stored.rbegin(); it != stored.rend(); ++it)
            store(it->first, it->second);
        throw UserError(messages::kImportApplyRefused + std::string(refusal.what()));
    }
}

} // namespace rv::import
