#include "refdata_csv.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace rv::refdata {
namespace {

[[noreturn]] void fail(const std::string& fileName, int line, const std::string& what) {
    throw RefdataError(fileName + ":" + std::to_string(line) + ": " + what);
}

[[noreturn]] void fail(const std::string& fileName, const std::string& what) {
    throw RefdataError(fileName + ": " + what);
}

// Splits at ';' into at most maxFields fields, the last one taking the rest of the line.
std::vector<std::string> splitFields(std::string_view line, std::size_t maxFields) {
    std::vector<std::string> fields;
    while (fields.size() + 1 < maxFields) {
        const std::size_t separator = line.find(';');
        if (separator == std::string_view::npos)
            break;
        fields.emplace_back(line.substr(0, separator));
        line.remove_prefix(separator + 1);
    }
    fields.emplace_back(line);
    return fields;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool isInt32(std::string_view text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

} // namespace

std::size_t CsvFile::column(std::string_view name) const {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == name)
            return i;
    fail(fileName, 1, "no column \"" + std::string(name) + "\" in the header");
}

CsvFile parseCsv(std::string_view text, std::string fileName) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.empty())
        fail(fileName, "no header line");
    CsvFile csv{std::move(fileName), splitFields(lines[0], SIZE_MAX), {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto fields = splitFields(lines[i], csv.header.size());
        if (fields.size() != csv.header.size())
            fail(csv.fileName, static_cast<int>(i) + 1,
                 std::to_string(fields.size()) + " fields where the header has " +
                     std::to_string(csv.header.size()));
        csv.rows.push_back(std::move(fields));
    }
    return csv;
}

CsvFile readCsvFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail(path.string(), "cannot be opened");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        fail(path.string(), "cannot be read");
    return parseCsv(text, path.filename().string());
}

const std::array<ReferenceTableLayout, 6>& referenceTableLayouts() {
    static const std::array<ReferenceTableLayout, 6> layouts = {{
        {"AvgZpMonth.csv",
         {{"begin", "azm_date_begin"}, {"end", "azm_date_end"}, {"value", "azm_value"}},
         {}},
        {"AvgZpYear.csv",
         {{"begin", "azy_date_begin"}, {"end", "azy_date_end"}, {"value", "azy_value"}},
         {}},
        {"MinZP.csv",
         {{"begin", "mz_date_begin"}, {"end", "mz_date_end"}, {"value", "mz_value"}},
         {}},
        {"Koeff.csv",
         {{"begin", "k_date_begin"},
          {"end", "k_date_end"},
          {"value", "k_value"},
          {"type", "k_type"}},
         "type"},
        {"MinPens.csv",
         {{"begin", "mp_date_begin"}, {"end", "mp_date_end"}, {"value", "mp_value"}},
         {}},
        {"MaxIncome.csv",
         {{"begin", "mi_date_begin"}, {"end", "mi_date_end"}, {"value", "mi_value"}},
         {}},
    }};
    return layouts;
}

std::vector<std::string> referenceLines(const CsvFile& csv, const ReferenceTableLayout& layout) {
    std::vector<std::size_t> columns;
    for (const PackedColumn& packed : layout.columns)
        columns.push_back(csv.column(packed.csvColumn));

    std::vector<std::string> lines;
    lines.reserve(csv.rows.size() * columns.size());
    for (std::size_t row = 0; row < csv.rows.size(); ++row) {
        const std::string rowNumber = std::to_string(row + 1);
        for (std::size_t i = 0; i < columns.size(); ++i)
            lines.push_back(std::string(layout.columns[i].fieldName) + rowNumber + "=" +
                            csv.rows[row][columns[i]]);
    }
    return lines;
}

std::string referenceText(const CsvFile& csv, const ReferenceTableLayout& layout) {
    std::string text;
    for (const std::string& line : referenceLines(csv, layout))
        text += line + "\r\n";
    return text;
}

std::array<std::string, 5> storedParameterTexts(const CsvFile& parameters) {
    const std::size_t nameColumn = parameters.column("name");
    const std::size_t valueColumn = parameters.column("value");
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < kStoredParameterNames.size(); ++i) {
        const std::string_view name = kStoredParameterNames[i];
        int foundOnLine = 0;
        for (std::size_t row = 0; row < parameters.rows.size(); ++row) {
            if (parameters.rows[row][nameColumn] != name)
                continue;
            const int line = fileLineOfRow(row);
            if (foundOnLine != 0)
                fail(parameters.fileName, line,
                     std::string(name) + " repeats line " + std::to_string(foundOnLine));
            if (!isInt32(parameters.rows[row][valueColumn]))
                fail(parameters.fileName, line,
                     std::string(name) + " is not a 32-bit decimal integer");
            texts[i] = parameters.rows[row][valueColumn];
            foundOnLine = line;
        }
        if (foundOnLine == 0)
            fail(parameters.fileName, "no row for " + std::string(name));
    }
    return texts;
}

} // namespace rv::refdata
