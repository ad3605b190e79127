#pragma once

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rv::refdata {

// A reference CSV that cannot be read or packed; the text names the file and, where it can, the
// line.
class RefdataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One reference CSV: the header's column names and the data rows in file order. Data row i
// (0-based) is line i + 2 of the file.
struct CsvFile {
    std::string fileName;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    // The index of a header column; throws RefdataError when there is none.
    std::size_t column(std::string_view name) const;
};

inline int fileLineOfRow(std::size_t rowIndex) {
    return static_cast<int>(rowIndex) + 2;
}

// csv := header-line *data-line ; line := field *(";" field) (CR LF / LF / end of text)
// UTF-8, no quoting. The last column (the free-text `source`) takes the rest of its line, ';'
// included, so a data row needs at least as many fields as the header: fewer, an empty line
// or an empty text throw RefdataError.
CsvFile parseCsv(std::string_view text, std::string fileName);
CsvFile readCsvFile(const std::filesystem::path& path);

// One CSV column packed as one field of a reference table.
struct PackedColumn {
    std::string_view csvColumn;
    std::string_view fieldName;
};

// How one CSV fills one reference text.
struct ReferenceTableLayout {
    std::string_view fileName;
    std::vector<PackedColumn> columns; // in the table's field order
    // Rows with the same value in this column form one timeline of their own (the coefficient
    // type of Koeff.csv); empty when the whole file is one timeline.
    std::string_view timelineColumn;
};

// The layouts of reference texts 1..6 in their order.
const std::array<ReferenceTableLayout, 6>& referenceTableLayouts();

// The lines "fieldName<r>=value" of the reference text, r counted from 1 in file order, the
// fields of each row in layout order; no line breaks.
std::vector<std::string> referenceLines(const CsvFile& csv, const ReferenceTableLayout& layout);

// The reference text: every line of referenceLines followed by CR LF.
std::string referenceText(const CsvFile& csv, const ReferenceTableLayout& layout);

// The file of the stored parameters and their names in the order of S1..S5.
inline constexpr std::string_view kParametersFileName = "parameters.csv";
inline constexpr std::array<std::string_view, 5> kStoredParameterNames = {
    "MinInsuranceYears", "FullInsuranceYearsMale", "FullInsuranceYearsFemale", "PensionAgeMale",
    "PensionAgeFemale"};

// The decimal texts of S1..S5, looked up by `name` in parameters.csv (columns name;value;source).
// Throws RefdataError when a name is missing or repeated or its value is no 32-bit integer.
std::array<std::string, 5> storedParameterTexts(const CsvFile& parameters);

} // namespace rv::refdata
