#include "biff_writer.h"

#include "engine/atomic_file.h"
#include "engine/cp1251.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <stdexcept>

namespace rv {

namespace {

// Record types of the BIFF4 worksheet.
constexpr std::uint16_t kBof = 0x0409;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kFont = 0x0231;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kXf = 0x0443;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kColumnInfo = 0x007D;
constexpr std::uint16_t kLabel = 0x0204;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kRk = 0x027E;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kEof = 0x000A;

constexpr std::uint16_t kWorksheet = 0x0010;
constexpr std::uint16_t kWindows1251 = 1251;

// The one font: Arial 10 pt (in twips) in the window's text colour.
constexpr std::uint16_t kFontHeight = 200;
constexpr std::uint16_t kAutomaticColour = 0x7FFF;
constexpr std::string_view kFontName = "Arial";

// XF 0 is the style "Normal", XFs 1 to 15 general cells, XF 15 the one cells take by default, as
// in the files Excel writes (Excel shows the default cells of a file with fewer XFs in another
// format); XF 16 onwards the cells of each number format.
constexpr std::uint16_t kGeneralXf = 15;
constexpr const char* kGeneralFormat = "General";
// XF fields: locked; a style (no parent: 0xFFF in bits 4-15); aligned to the bottom; a cell
// that uses all its own attributes (the six "used" flags in bits 10-15); no fill, no borders.
constexpr std::uint16_t kLocked = 0x0001;
constexpr std::uint16_t kStyleXf = 0x0004;
constexpr std::uint16_t kNoParent = 0xFFF0;
constexpr std::uint16_t kBottomAligned = 0x0020;
constexpr std::uint16_t kOwnAttributes = 0xFC00;
constexpr std::uint16_t kNoFill = 0xCE00;      // no pattern; window text on window background
constexpr std::uint16_t kNormalStyle = 0x8000; // a built-in style, its XF in bits 0-11

// Column widths are counted in 1/256 of a digit's width.
constexpr int kWidthUnitsPerCharacter = 256;

// RK keeps a 30-bit signed integer above its two flag bits.
constexpr std::int32_t kSmallestRk = -(1 << 29);
constexpr std::int32_t kLargestRk = (1 << 29) - 1;
constexpr std::uint32_t kRkIntegerFlag = 0x2;

constexpr std::uint32_t kLastIndex = 0xFFFF; // rows and columns are 16-bit

template <typename T> void append(std::string& out, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
}

// A text with its length in one byte before it; the caller keeps it under 256 bytes.
void appendShortText(std::string& out, std::string_view bytes) {
    append<std::uint8_t>(out, static_cast<std::uint8_t>(bytes.size()));
    out += bytes;
}

std::string xfData(std::uint8_t format, std::uint16_t typeAndParent, std::uint16_t alignment) {
    std::string data;
    append<std::uint8_t>(data, 0); // the font
    append<std::uint8_t>(data, format);
    append<std::uint16_t>(data, typeAndParent);
    append<std::uint16_t>(data, alignment);
    append<std::uint16_t>(data, kNoFill);
    append<std::uint32_t>(data, 0); // no borders
    return data;
}

} // namespace

BiffWriter::BiffWriter(const std::vector<std::string>& numberFormats,
                       const std::vector<int>& columnWidths)
    : m_formats(numberFormats) {
    if (m_formats.size() > kMostNumberFormats - 1)
        throw std::length_error("more number formats than an XF record can name");
    std::string bof;
    append<std::uint16_t>(bof, 0x0000); // version, not used
    append<std::uint16_t>(bof, kWorksheet);
    append<std::uint16_t>(bof, 0x0000); // not used
    record(kBof, bof);
    // Without it, spreadsheet programs outside a Cyrillic Windows misread the texts.
    std::string codePage;
    append<std::uint16_t>(codePage, kWindows1251);
    record(kCodePage, codePage);

    std::string font;
    append<std::uint16_t>(font, kFontHeight);
    append<std::uint16_t>(font, 0x0000); // not bold, not italic
    append<std::uint16_t>(font, kAutomaticColour);
    appendShortText(font, kFontName);
    record(kFont, font);

    // Formats are numbered by their order: "General" is 0.
    std::vector<std::string> formats{kGeneralFormat};
    formats.insert(formats.end(), m_formats.begin(), m_formats.end());
    for (const std::string& code : formats) {
        std::string format;
        append<std::uint16_t>(format, 0x0000); // not used
        appendShortText(format, code.substr(0, 0xFF));
        record(kFormat, format);
    }
    record(kXf, xfData(0, kLocked | kStyleXf | kNoParent, kBottomAligned));
    for (std::uint16_t xf = 1; xf <= kGeneralXf; ++xf)
        record(kXf, xfData(0, kLocked, kBottomAligned | kOwnAttributes));
    for (std::size_t format = 1; format < formats.size(); ++format)
        record(kXf,
               xfData(static_cast<std::uint8_t>(format), kLocked, kBottomAligned | kOwnAttributes));
    std::string style;
    append<std::uint16_t>(style, kNormalStyle); // XF 0
    append<std::uint8_t>(style, 0x00);          // built-in style "Normal"
    append<std::uint8_t>(style, 0xFF);          // no outline level
    record(kStyle, style);

    for (std::size_t column = 0; column < columnWidths.size() && column <= kLastIndex; ++column) {
        std::string info;
        append<std::uint16_t>(info, static_cast<std::uint16_t>(column)); // first column
        append<std::uint16_t>(info, static_cast<std::uint16_t>(column)); // last column
        append<std::uint16_t>(
            info, static_cast<std::uint16_t>(
                      std::clamp(columnWidths[column] * kWidthUnitsPerCharacter, 0, 0xFFFF)));
        append<std::uint16_t>(info, kGeneralXf);
        append<std::uint16_t>(info, 0x0000); // shown, not collapsed
        append<std::uint16_t>(info, 0x0000); // not used
        record(kColumnInfo, info);
    }
    m_dimensionsAt = m_stream.size();
}

void BiffWriter::label(std::string_view text) {
    std::string bytes = toCp1251(text);
    if (bytes.size() > kLongestLabel)
        bytes.resize(kLongestLabel);
    std::string data = cellHeader(kGeneralXf);
    append<std::uint16_t>(data, static_cast<std::uint16_t>(bytes.size()));
    data += bytes;
    record(kLabel, data);
    advance();
}

void BiffWriter::number(double value, std::string_view format) {
    std::string data = cellHeader(formatXf(format));
    append<std::uint64_t>(data, std::bit_cast<std::uint64_t>(value));
    record(kNumber, data);
    advance();
}

void BiffWriter::integer(std::int32_t value) {
    if (value < kSmallestRk || value > kLargestRk) {
        number(value);
        return;
    }
    std::string data = cellHeader(kGeneralXf);
    append<std::uint32_t>(data, (static_cast<std::uint32_t>(value) << 2) | kRkIntegerFlag);
    record(kRk, data);
    advance();
}

void BiffWriter::date(Date day) {
    number(day.serial, kSheetDateFormat);
}

void BiffWriter::blank() {
    record(kBlank, cellHeader(kGeneralXf));
    advance();
}

void BiffWriter::endRow() {
    ++m_row;
    m_column = 0;
}

std::string BiffWriter::finish() {
    if (!m_finished) {
        // The used range goes before the cells: first row, last row + 1, first column, last
        // column + 1.
        std::string dimensions;
        append<std::uint16_t>(dimensions, 0);
        append<std::uint16_t>(dimensions,
                              static_cast<std::uint16_t>(std::min(m_rowsUsed, kLastIndex)));
        append<std::uint16_t>(dimensions, 0);
        append<std::uint16_t>(dimensions,
                              static_cast<std::uint16_t>(std::min(m_columnsUsed, kLastIndex)));
        append<std::uint16_t>(dimensions, 0x0000); // not used
        std::string cells = m_stream.substr(m_dimensionsAt);
        m_stream.resize(m_dimensionsAt);
        record(kDimensions, dimensions);
        m_stream += cells;
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

std::string BiffWriter::cellHeader(std::uint16_t xf) {
    if (m_row > kLastIndex || m_column > kLastIndex)
        throw std::length_error("the cell lies beyond the rows and columns BIFF can number");
    m_rowsUsed = std::max(m_rowsUsed, m_row + 1);
    m_columnsUsed = std::max(m_columnsUsed, m_column + 1);
    std::string header;
    append<std::uint16_t>(header, static_cast<std::uint16_t>(m_row));
    append<std::uint16_t>(header, static_cast<std::uint16_t>(m_column));
    append<std::uint16_t>(header, xf);
    return header;
}

std::uint16_t BiffWriter::formatXf(std::string_view format) const {
    if (format.empty())
        return kGeneralXf;
    const auto found = std::find(m_formats.begin(), m_formats.end(), format);
    if (found == m_formats.end())
        throw std::invalid_argument("a number format the sheet did not declare");
    return static_cast<std::uint16_t>(kGeneralXf + 1 + (found - m_formats.begin()));
}

void BiffWriter::advance() {
    ++m_column;
}

namespace {

void writeCell(BiffWriter& writer, const SheetCell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell))
        writer.label(*text);
    else if (const auto* integer = std::get_if<std::int32_t>(&cell))
        writer.integer(*integer);
    else if (const auto* number = std::get_if<SheetNumber>(&cell))
        writer.number(number->value, number->format);
    else if (const auto* day = std::get_if<Date>(&cell))
        writer.date(*day);
    else
        writer.blank();
}

} // namespace

std::string biffStream(const Sheet& sheet) {
    BiffWriter writer(sheetNumberFormats(sheet), sheetColumnWidths(sheet));
    if (!sheet.heading.empty()) {
        writer.label(sheet.heading);
        writer.endRow();
    }
    if (!sheet.titles.empty()) {
        for (const std::string& title : sheet.titles)
            writer.label(title);
        writer.endRow();
    }
    for (const std::vector<SheetCell>& row : sheet.rows) {
        for (const SheetCell& cell : row)
            writeCell(writer, cell);
        writer.endRow();
    }
    for (const SheetCell& cell : sheet.totals)
        writeCell(writer, cell);
    return writer.finish();
}

void saveBiffFile(const std::filesystem::path& path, const Sheet& sheet) {
    writeFileAtomically(path, biffStream(sheet));
}

} // namespace rv
