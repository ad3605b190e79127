#include "import/ledger_csv.h"

#include "calc/ledger_month.h"
#include "engine/atomic_file.h"
#include "calc/messages.h"
#include "import/import_messages.h"

#include <charconv>
#include <variant>

namespace rv::import {

namespace {

std::string integerText(const Value& value) {
    const auto* number = std::get_if<std::int32_t>(&value);
    return number ? std::to_string(*number) : std::string();
}

std::string amountText(const Value& value) {
    const auto* number = std::get_if<double>(&value);
    if (!number)
        return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

} // namespace

std::string ledgerCsvBytes(const Table& ledger) {
    const int year = *ledger.findField("earning_year");
    const int month = *ledger.findField("earning_month");
    const int payment = *ledger.findField("earning_payment");
    std::string bytes = std::string(messages::kLedgerCsvHeader) + "\r\n";
    for (int row = 0; row < ledger.recordCount(); ++row) {
        const Value yearValue = ledger.viewValue(row, year);
        const Value monthValue = ledger.viewValue(row, month);
        const auto* year0 = std::get_if<std::int32_t>(&yearValue);
        const auto* month0 = std::get_if<std::int32_t>(&monthValue);
        const std::string calendar =
            year0 && month0 ? std::to_string(calendarMonth(LedgerMonth{*year0, *month0})) : "";
        bytes += integerText(yearValue) + ";" + calendar + ";" +
                 amountText(ledger.viewValue(row, payment)) + "\r\n";
    }
    return bytes;
}

void saveLedgerCsv(const Table& ledger, const std::filesystem::path& path) {
    writeFileAtomically(path, ledgerCsvBytes(ledger));
}

} // namespace rv::import
