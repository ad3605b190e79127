#include "biff_writer.h"

#include "store/atomic_file.h"
#include "store/engine/cp1251.h"

#include <bit>
#include <cassert>
#include <stdexcept>

namespace rv {

namespace {

// Record types of the BIFF3 to BIFF5 record sets.
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kEof = 0x000A;

constexpr std::uint16_t kDefaultFormat = 0x0000;
constexpr std::uint16_t kBlankFormat = 0x0017;
constexpr std::uint16_t kWorksheet = 0x0010;
constexpr std::uint16_t kWindows1251 = 1251;

// RK keeps a 30-bit signed integer above its two flag bits.
constexpr std::int32_t kSmallestRk = -(1 << 29);
constexpr std::int32_t kLargestRk = (1 << 29) - 1;
constexpr std::uint32_t kRkIntegerFlag = 0x2;

constexpr std::uint32_t kLastIndex = 0xFFFF; // rows and columns are 16-bit

template <typename T> void append(std::string& out, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
}

} // namespace

BiffWriter::BiffWriter() {
    std::string bof;
    append<std::uint16_t>(bof, 0x0000); // version
    append<std::uint16_t>(bof, kWorksheet);
    append<std::uint16_t>(bof, 0x0000); // build
    append<std::uint16_t>(bof, 0x0000); // year
    record(kBof, bof);
    // Without it, spreadsheet programs outside a Cyrillic Windows misread the texts.
    std::string codePage;
    append<std::uint16_t>(codePage, kWindows1251);
    record(kCodePage, codePage);
}

void BiffWriter::label(std::string_view text) {
    std::string bytes = toCp1251(text);
    if (bytes.size() > kLongestLabel)
        bytes.resize(kLongestLabel);
    std::string data = cellHeader(kDefaultFormat);
    append<std::uint16_t>(data, static_cast<std::uint16_t>(bytes.size()));
    data += bytes;
    record(kLabel, data);
    advance();
}

void BiffWriter::number(double value) {
    std::string data = cellHeader(kDefaultFormat);
    append<std::uint64_t>(data, std::bit_cast<std::uint64_t>(value));
    record(kNumber, data);
    advance();
}

void BiffWriter::integer(std::int32_t value) {
    if (value < kSmallestRk || value > kLargestRk) {
        number(value);
        return;
    }
    std::string data = cellHeader(kDefaultFormat);
    append<std::uint32_t>(data, (static_cast<std::uint32_t>(value) << 2) | kRkIntegerFlag);
    record(kRk, data);
    advance();
}

void BiffWriter::blank() {
    record(kBlank, cellHeader(kBlankFormat));
    advance();
}

void BiffWriter::endRow() {
    ++m_row;
    m_column = 0;
}

std::string BiffWriter::finish() {
    if (!m_finished) {
        record(kEof, {});
        m_finished = true;
    }
    return m_stream;
}

void BiffWriter::record(std::uint16_t type, std::string_view data) {
    assert(!m_finished && data.size() <= 0xFFFF);
    append<std::uint16_t>(m_stream, type);
    append<std::uint16_t>(m_stream, static_cast<std::uint16_t>(data.size()));
    m_stream += data;
}

std::string BiffWriter::cellHeader(std::uint16_t format) {
    if (m_row > kLastIndex || m_column > kLastIndex)
        throw std::length_error("the cell lies beyond the rows and columns BIFF can number");
    std::string header;
    append<std::uint16_t>(header, static_cast<std::uint16_t>(m_row));
    append<std::uint16_t>(header, static_cast<std::uint16_t>(m_column));
    append<std::uint16_t>(header, format);
    return header;
}

void BiffWriter::advance() {
    ++m_column;
}

void saveBiffFile(const std::filesystem::path& path, BiffWriter& writer) {
    writeFileAtomically(path, writer.finish());
}

} // namespace rv
