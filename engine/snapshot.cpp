// Snapshot layout (all integers little-endian):
//   "RVTS" u8 version
//   u16 fieldCount, fieldCount x (u8 type, u16 size, u8 nameLength, name bytes)
//   u32 rowCount, rowCount x fieldCount x (u8 mark: 0 empty, 1 value; the value when marked)
// Values: integer i32, float IEEE double, date i32 serial day, text u16 byteLength + UTF-8 bytes.
// Lookup fields are not stored.
#include "table.h"

#include "text_utf8.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

namespace rv {

namespace {

constexpr char kMagic[4] = {'R', 'V', 'T', 'S'};
constexpr std::uint8_t kVersion = 1;

std::uint8_t typeCode(FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return 0;
    case FieldType::Text:
        return 1;
    case FieldType::Date:
        return 2;
    case FieldType::Float:
        return 3;
    }
    return 0xFF;
}

class Writer {
public:
    void bytes(const void* data, std::size_t size) {
        m_out.append(static_cast<const char*>(data), size);
    }
    template <typename T> void integer(T value) {
        static_assert(std::is_unsigned_v<T>);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            m_out.push_back(
                static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
    }
    // A count or length written in a T: refused when it does not fit, so a longer text or a
    // larger table can never write a damaged snapshot.
    template <typename T> void length(std::size_t value, const std::string& what) {
        if (value > std::numeric_limits<T>::max())
            throw SnapshotError(what + " is too long for a snapshot");
        integer<T>(static_cast<T>(value));
    }
    std::string take() { return std::move(m_out); }

private:
    std::string m_out;
};

class Reader {
public:
    explicit Reader(std::string_view in) : m_in(in) {}

    std::string_view bytes(std::size_t size) {
        if (size > remaining())
            throw SnapshotError("snapshot truncated at byte " + std::to_string(m_position));
        std::string_view out = m_in.substr(m_position, size);
        m_position += size;
        return out;
    }
    template <typename T> T integer() {
        const std::string_view raw = bytes(sizeof(T));
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(raw[i])) << (8 * i);
        return static_cast<T>(value);
    }
    std::size_t remaining() const { return m_in.size() - m_position; }

private:
    std::string_view m_in;
    std::size_t m_position = 0;
};

const std::int32_t kFirstSerial = dateFromCivil(1, 1, 1).serial;
const std::int32_t kLastSerial = dateFromCivil(9999, 12, 31).serial;

} // namespace

std::string Table::saveSnapshot() {
    postPending();
    std::vector<int> stored;
    for (int i = 0; i < fieldCount(); ++i)
        if (!m_fields[static_cast<std::size_t>(i)].isLookup())
            stored.push_back(i);

    Writer out;
    out.bytes(kMagic, sizeof kMagic);
    out.integer<std::uint8_t>(kVersion);
    out.length<std::uint16_t>(stored.size(), "the field list of " + m_name);
    for (int i : stored) {
        const FieldDef& def = m_fields[static_cast<std::size_t>(i)];
        out.integer<std::uint8_t>(typeCode(def.type));
        if (def.size < 0)
            throw SnapshotError("field " + def.name + " has a negative size");
        out.length<std::uint16_t>(static_cast<std::size_t>(def.size), "the size of " + def.name);
        out.length<std::uint8_t>(def.name.size(), "the name of " + def.name);
        out.bytes(def.name.data(), def.name.size());
    }
    out.length<std::uint32_t>(m_rows.size(), "the row count of " + m_name);
    for (const auto& row : m_rows) {
        for (int i : stored) {
            const Value& value = row->values[static_cast<std::size_t>(i)];
            const std::string& name = m_fields[static_cast<std::size_t>(i)].name;
            out.integer<std::uint8_t>(isEmpty(value) ? 0 : 1);
            if (auto integer = std::get_if<std::int32_t>(&value))
                out.integer<std::uint32_t>(static_cast<std::uint32_t>(*integer));
            else if (auto number = std::get_if<double>(&value))
                out.integer<std::uint64_t>(std::bit_cast<std::uint64_t>(*number));
            else if (auto date = std::get_if<Date>(&value))
                out.integer<std::uint32_t>(static_cast<std::uint32_t>(date->serial));
            else if (auto text = std::get_if<std::string>(&value)) {
                // The reader refuses a text longer than its field: never write one.
                if (utf8Length(*text) >
                    static_cast<std::size_t>(m_fields[static_cast<std::size_t>(i)].size))
                    throw SnapshotError("a text of " + name + " is longer than its field");
                out.length<std::uint16_t>(text->size(), "a text of " + name);
                out.bytes(text->data(), text->size());
            }
        }
    }
    return out.take();
}

std::vector<std::unique_ptr<Table::Row>> Table::decodeSnapshot(std::string_view bytes,
                                                               std::size_t mostRows) const {
    Reader in(bytes);
    if (in.bytes(sizeof kMagic) != std::string_view(kMagic, sizeof kMagic))
        throw SnapshotError("not a table snapshot");
    if (const auto version = in.integer<std::uint8_t>(); version != kVersion)
        throw SnapshotError("snapshot version " + std::to_string(version) + " is not supported");

    std::vector<int> stored;
    for (int i = 0; i < fieldCount(); ++i)
        if (!m_fields[static_cast<std::size_t>(i)].isLookup())
            stored.push_back(i);
    // A snapshot of an earlier version lacks the fields added to the end of the table since: they
    // read as empty.
    const std::uint16_t snapshotFields = in.integer<std::uint16_t>();
    if (snapshotFields > stored.size() || (snapshotFields == 0 && !stored.empty()))
        throw SnapshotError("snapshot fields do not match table " + m_name);
    stored.resize(snapshotFields);
    for (int i : stored) {
        const FieldDef& def = m_fields[static_cast<std::size_t>(i)];
        const auto type = in.integer<std::uint8_t>();
        const auto size = in.integer<std::uint16_t>();
        const auto nameLength = in.integer<std::uint8_t>();
        const std::string_view name = in.bytes(nameLength);
        // A text field may have grown since the snapshot was written: its texts still fit.
        const bool sizeFits = def.type == FieldType::Text ? size <= def.size : size == def.size;
        if (type != typeCode(def.type) || !sizeFits || name != def.name)
            throw SnapshotError("snapshot field " + std::string(name) + " does not match table " +
                                m_name);
    }

    const auto rowCount = in.integer<std::uint32_t>();
    if (rowCount > mostRows)
        throw SnapshotError("snapshot holds more rows than table " + m_name + " may have");
    // Every value takes at least its one-byte mark: a count beyond that is a lie.
    if (!stored.empty() && rowCount > in.remaining() / stored.size())
        throw SnapshotError("snapshot row count exceeds its data");
    if (stored.empty() && rowCount != 0)
        throw SnapshotError("snapshot rows without fields");

    std::vector<std::unique_ptr<Row>> rows;
    rows.reserve(rowCount);
    for (std::uint32_t r = 0; r < rowCount; ++r) {
        auto row = std::make_unique<Row>();
        row->values.resize(m_fields.size());
        for (int i : stored) {
            const FieldDef& def = m_fields[static_cast<std::size_t>(i)];
            Value& value = row->values[static_cast<std::size_t>(i)];
            const auto mark = in.integer<std::uint8_t>();
            if (mark == 0)
                continue;
            if (mark != 1)
                throw SnapshotError("snapshot value mark is damaged");
            switch (def.type) {
            case FieldType::Integer:
                value = static_cast<std::int32_t>(in.integer<std::uint32_t>());
                break;
            case FieldType::Float: {
                const double number = std::bit_cast<double>(in.integer<std::uint64_t>());
                if (!std::isfinite(number))
                    throw SnapshotError("snapshot holds a number that is not finite");
                value = number;
                break;
            }
            case FieldType::Date: {
                const auto serial = static_cast<std::int32_t>(in.integer<std::uint32_t>());
                if (serial < kFirstSerial || serial > kLastSerial)
                    throw SnapshotError("snapshot holds a date out of range");
                value = Date{serial};
                break;
            }
            case FieldType::Text: {
                const std::string_view text = in.bytes(in.integer<std::uint16_t>());
                if (!isValidUtf8(text) || utf8Length(text) > static_cast<std::size_t>(def.size))
                    throw SnapshotError("snapshot holds a text that does not fit field " +
                                        def.name);
                value = std::string(text);
                break;
            }
            }
        }
        rows.push_back(std::move(row));
    }
    if (in.remaining() != 0)
        throw SnapshotError("snapshot has bytes after its last row");
    return rows;
}

void Table::checkSnapshot(std::string_view bytes, std::size_t mostRows) const {
    decodeSnapshot(bytes, mostRows);
}

void Table::loadSnapshot(std::string_view bytes, std::size_t mostRows) {
    std::vector<std::unique_ptr<Row>> rows = decodeSnapshot(bytes, mostRows);
    cancel();
    m_rows = std::move(rows);
    ++m_changeCount;
    for (auto& row : m_rows)
        row->sequence = m_nextSequence++;
    rebuildView();
    if (AfterOpen)
        AfterOpen(*this);
    first();
}

} // namespace rv
