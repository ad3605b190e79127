#include "earnings_dump.h"

#include "store/atomic_file.h"
#include "store/engine/cp1251.h"
#include "store/messages.h"
#include "store/number_format.h"

#include <array>

namespace rv {

namespace {

constexpr std::array<const char*, 9> kDumpFields = {
    "earning_year", "earning_month_name", "earning_min_zp", "earning_avg_zp", "earning_payment",
    "earning_k",    "earning_day",        "earning_opt1",   "earning_opt2"};

constexpr const char* kLineEnd = "\r\n";

// The table's plain text form of a value; a real number in the general format.
std::string plainText(const Table& ledger, const char* name, char decimalSeparator) {
    const Value value = ledger.value(name);
    if (const auto* number = std::get_if<double>(&value))
        return formatGeneral(*number, decimalSeparator);
    return ledger.asText(name);
}

} // namespace

std::string earningsDumpBytes(Table& ledger, char decimalSeparator) {
    std::string text = std::string(messages::kEarningsDumpHeader) + kLineEnd;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        for (const char* name : kDumpFields) {
            text += plainText(ledger, name, decimalSeparator);
            text += ';';
        }
        text += kLineEnd;
    }
    return toCp1251(text);
}

void saveEarningsDump(Table& ledger, const std::filesystem::path& path, char decimalSeparator) {
    writeFileAtomically(path, earningsDumpBytes(ledger, decimalSeparator));
}

std::filesystem::path defaultEarningsDumpPath() {
#ifdef _WIN32
    return std::filesystem::path("c:\\temp\\earning.csv");
#else
    return std::filesystem::temp_directory_path() / "earning.csv";
#endif
}

} // namespace rv
