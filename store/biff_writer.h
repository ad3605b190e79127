#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace rv {

// A worksheet as a bare stream of Excel BIFF records (little-endian; record type, data length,
// data): BOF, CODEPAGE 1251, the cells, EOF. Cells fill a row column by column from (0, 0);
// endRow() moves to column 0 of the next row; a cell past row or column 65535 throws
// std::length_error. Every cell has the default format (0) except the blank cell's (0x0017).
class BiffWriter {
public:
    // The most text bytes a LABEL holds: its record length (8 + n) is a 16-bit number.
    static constexpr std::size_t kLongestLabel = 0xFFFF - 8;

    BiffWriter(); // writes BOF and CODEPAGE

    // LABEL: the UTF-8 text in code page 1251, cut to kLongestLabel bytes.
    void label(std::string_view text);
    // NUMBER: an 8-byte IEEE 754 double.
    void number(double value);
    // RK: (value << 2) | 2 for an integer of 30 bits; a NUMBER for a larger one, which RK
    // cannot hold.
    void integer(std::int32_t value);
    // BLANK: an empty cell.
    void blank();
    void endRow();

    // The stream with EOF appended; the writer takes no more cells afterwards.
    std::string finish();

private:
    void record(std::uint16_t type, std::string_view data);
    std::string cellHeader(std::uint16_t format);
    void advance();

    std::string m_stream;
    std::uint32_t m_row = 0;
    std::uint32_t m_column = 0;
    bool m_finished = false;
};

// Writes a finished stream to `path` atomically (temporary file, then rename); throws
// std::filesystem::filesystem_error when the file cannot be created or written.
void saveBiffFile(const std::filesystem::path& path, BiffWriter& writer);

} // namespace rv
