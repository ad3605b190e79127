#include "law_tables.h"

#include "engine/date.h"

#include <charconv>
#include <optional>

namespace rv::refdata {
namespace {

[[noreturn]] void fail(const CsvFile& csv, std::size_t row, const std::string& what) {
    throw RefdataError(csv.fileName + ":" + std::to_string(fileLineOfRow(row)) + ": " + what);
}

const std::string& field(const CsvFile& csv, std::size_t row, std::string_view column) {
    return csv.rows[row][csv.column(column)];
}

std::optional<Date> optionalDate(const CsvFile& csv, std::size_t row, std::string_view column) {
    const std::string& text = field(csv, row, column);
    if (text.empty())
        return std::nullopt;
    const auto date = text.size() == 10 ? parseDate(text) : std::nullopt;
    if (!date)
        fail(csv, row, std::string(column) + " \"" + text + "\" is not a date dd.mm.yyyy");
    return date;
}

int integerIn(const CsvFile& csv, std::size_t row, std::string_view column, int low, int high) {
    const std::string& text = field(csv, row, column);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high)
        fail(csv, row,
             std::string(column) + " \"" + text + "\" is not an integer " + std::to_string(low) +
                 ".." + std::to_string(high));
    return value;
}

// A packed column keeps its CSV name behind a table prefix.
std::vector<std::string> prefixedLines(const CsvFile& csv, std::string_view prefix,
                                       std::size_t firstRowNumber) {
    std::vector<std::string> lines;
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        const std::string rowNumber = std::to_string(firstRowNumber + row);
        for (std::size_t column = 0; column < csv.header.size(); ++column)
            lines.push_back(std::string(prefix) + csv.header[column] + rowNumber + "=" +
                            csv.rows[row][column]);
    }
    return lines;
}

} // namespace

void checkLawRules(const CsvFile& csv) {
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        if (field(csv, row, "rule_id").empty())
            fail(csv, row, "rule_id is empty");
        const std::string& confidence = field(csv, row, "confidence");
        if (confidence != "EXACT" && confidence != "PRESS" && confidence != "INFERRED")
            fail(csv, row, "confidence \"" + confidence + "\" is not EXACT, PRESS or INFERRED");
        if (field(csv, row, "source").empty())
            fail(csv, row, "source is empty");
        const auto begin = optionalDate(csv, row, "date_begin");
        const auto end = optionalDate(csv, row, "date_end");
        if (begin && end && *end < *begin)
            fail(csv, row, "date_end is before date_begin");
    }
}

void checkWomenAges(const CsvFile& csv) {
    if (csv.rows.empty())
        throw RefdataError(csv.fileName + ": no rows");
    std::optional<Date> previousEnd;
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        const auto begin = optionalDate(csv, row, "birth_date_begin");
        const auto end = optionalDate(csv, row, "birth_date_end");
        integerIn(csv, row, "age_years", 40, 80);
        integerIn(csv, row, "age_months", 0, 11);
        if (!begin && row != 0)
            fail(csv, row, "only the first row may have an empty birth_date_begin");
        if (!end && row + 1 != csv.rows.size())
            fail(csv, row, "only the last row may have an empty birth_date_end");
        if (begin && end && *end < *begin)
            fail(csv, row, "birth_date_end is before birth_date_begin");
        if (row != 0 && (!begin || !previousEnd || begin->serial != previousEnd->serial + 1))
            fail(csv, row, "birth_date_begin does not follow the row above without a gap");
        previousEnd = end;
    }
}

std::vector<std::string> lawRuleLines(const std::vector<CsvFile>& files) {
    std::vector<std::string> lines;
    std::size_t nextRow = 1;
    for (const CsvFile& csv : files) {
        const std::vector<std::string> more = prefixedLines(csv, "lr_", nextRow);
        lines.insert(lines.end(), more.begin(), more.end());
        nextRow += csv.rows.size();
    }
    return lines;
}

std::vector<std::string> womenAgeLines(const CsvFile& csv) {
    return prefixedLines(csv, "wa_", 1);
}

} // namespace rv::refdata
