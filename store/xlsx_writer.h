#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rv {

// A worksheet kept in memory and written as an Office Open XML workbook (.xlsx) by
// libxlsxwriter. Cells fill a row column by column from (0, 0); endRow() moves to column 0 of
// the next row. The calls match BiffWriter's, so one export writes either format.
class XlsxWriter {
public:
    void label(std::string_view utf8);
    void number(double value);
    void integer(std::int32_t value);
    void blank();
    void endRow();

    // Writes the workbook (one sheet) to a temporary file beside `path` and renames it over
    // `path` only when complete; throws std::filesystem::filesystem_error on failure.
    void save(const std::filesystem::path& path) const;

private:
    using Cell = std::variant<std::monostate, std::string, double>;
    std::vector<std::vector<Cell>> m_rows{1};
};

} // namespace rv
