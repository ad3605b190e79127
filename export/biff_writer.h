#pragma once

#include "engine/date.h"
#include "export/sheet.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// A worksheet as a bare stream of Excel 4.0 (BIFF4) worksheet records, little-endian (record
// type, data length, data): BOF, CODEPAGE 1251, one FONT, the FORMAT records ("General" first,
// then the given number formats), the XF records (the style "Normal", 15 general cell XFs, then
// one cell XF per format), the STYLE of "Normal", one COLINFO per given width, DIMENSIONS, the
// cells, EOF. A BIFF4 worksheet
// carries its own formats, which spreadsheet programs read from the sheet itself. Cells fill a
// row column by column from (0, 0); endRow() moves to column 0 of the next row; a cell past row
// or column 65535 throws std::length_error.
class BiffWriter {
public:
    // The most text bytes a LABEL holds: its record length (8 + n) is a 16-bit number.
    static constexpr std::size_t kLongestLabel = 0xFFFF - 8;
    // The most number formats: an XF names its format in one byte, "General" is the first.
    static constexpr std::size_t kMostNumberFormats = 0xFF;

    // Widths in characters, one per column from the first; throws std::length_error for more
    // than kMostNumberFormats formats.
    explicit BiffWriter(const std::vector<std::string>& numberFormats = {},
                        const std::vector<int>& columnWidths = {});

    // LABEL: the UTF-8 text in code page 1251, cut to kLongestLabel bytes.
    void label(std::string_view text);
    // NUMBER: an 8-byte IEEE 754 double shown in `format` (one given to the constructor; empty:
    // general); throws std::invalid_argument for a format not given.
    void number(double value, std::string_view format = {});
    // RK: (value << 2) | 2 for an integer of 30 bits; a NUMBER for a larger one, which RK
    // cannot hold.
    void integer(std::int32_t value);
    // NUMBER: the date's serial day in kSheetDateFormat, which the constructor must have had.
    void date(Date day);
    // BLANK: an empty cell.
    void blank();
    void endRow();

    // The stream with EOF appended; the writer takes no more cells afterwards.
    std::string finish();

private:
    void record(std::uint16_t type, std::string_view data);
    std::string cellHeader(std::uint16_t xf);
    std::uint16_t formatXf(std::string_view format) const;
    void advance();

    std::vector<std::string> m_formats; // the FORMAT records after "General"
    std::string m_stream;
    std::size_t m_dimensionsAt = 0;  // where the cells begin
    std::uint32_t m_rowsUsed = 0;    // last row with a cell + 1
    std::uint32_t m_columnsUsed = 0; // last column with a cell + 1
    std::uint32_t m_row = 0;
    std::uint32_t m_column = 0;
    bool m_finished = false;
};

// The whole sheet as a BIFF4 stream: heading, titles, rows and totals, each part a row (or rows)
// of its own; integers as RK, numbers and dates as NUMBER with their formats, texts as LABEL,
// empty cells as BLANK; the columns as wide as sheetColumnWidths says.
std::string biffStream(const Sheet& sheet);

// Writes the sheet to `path` atomically (temporary file, then rename); throws
// std::filesystem::filesystem_error when the file cannot be created or written.
void saveBiffFile(const std::filesystem::path& path, const Sheet& sheet);

} // namespace rv
