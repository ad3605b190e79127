#include "table.h"

#include "text_utf8.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>

namespace rv {

namespace {

FieldDef makeField(std::string name, FieldType type, int size, std::string label, bool shown) {
    FieldDef field;
    field.name = std::move(name);
    field.type = type;
    field.size = size;
    field.label = std::move(label);
    field.shown = shown;
    return field;
}

std::string describe(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Values of one field compare within the field's type; an empty value sorts first.
bool valueLess(const Value& a, const Value& b) {
    if (isEmpty(b))
        return false;
    if (isEmpty(a))
        return true;
    return a < b;
}

} // namespace

std::optional<double> parseFloat(std::string_view text) {
    double number = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::int32_t number = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return number;
}

FieldDef integerField(std::string name, std::string label, bool shown) {
    return makeField(std::move(name), FieldType::Integer, 0, std::move(label), shown);
}

FieldDef textField(std::string name, int size, std::string label, bool shown) {
    return makeField(std::move(name), FieldType::Text, size, std::move(label), shown);
}

FieldDef dateField(std::string name, std::string label, bool shown) {
    return makeField(std::move(name), FieldType::Date, 0, std::move(label), shown);
}

FieldDef floatField(std::string name, std::string label, bool shown) {
    return makeField(std::move(name), FieldType::Float, 0, std::move(label), shown);
}

FieldDef lookupField(std::string name, std::string label, bool shown, LookupDef lookup) {
    FieldDef field = makeField(std::move(name), FieldType::Text, 20, std::move(label), shown);
    field.lookup = std::move(lookup);
    return field;
}

Table::Table(std::string name, std::vector<FieldDef> fields)
    : m_name(std::move(name)), m_fields(std::move(fields)), m_typedInput(m_fields.size()) {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fieldPositions.emplace(m_fields[i].name, static_cast<int>(i));
}

Table::~Table() = default;

void Table::create() {
    m_state = TableState::Browse;
    m_buffer.clear();
    m_editedRow = nullptr;
    m_rows.clear();
    ++m_changeCount;
    m_view.clear();
    m_cursor = 0;
    m_eof = m_bof = true;
    notify(ChangeKind::ViewRebuilt);
    if (AfterOpen)
        AfterOpen(*this);
}

// ---- fields

const FieldDef& Table::field(int position) const {
    if (position < 0 || position >= fieldCount())
        throw TableError(m_name + ": no field at position " + std::to_string(position));
    return m_fields[static_cast<std::size_t>(position)];
}

const FieldDef& Table::field(std::string_view name) const {
    return field(fieldIndex(name));
}

std::optional<int> Table::findField(std::string_view name) const {
    const auto found = m_fieldPositions.find(name);
    if (found == m_fieldPositions.end())
        return std::nullopt;
    return found->second;
}

int Table::fieldIndex(std::string_view name) const {
    if (auto position = findField(name))
        return *position;
    throw TableError(m_name + ": field " + describe(name) + " not found");
}

void Table::setShown(std::string_view name, bool shown) {
    m_fields[static_cast<std::size_t>(fieldIndex(name))].shown = shown;
}

void Table::setTypedInput(std::string_view name, std::string characters) {
    m_typedInput[static_cast<std::size_t>(fieldIndex(name))] = std::move(characters);
}

bool Table::acceptsTyped(std::string_view name, char32_t character) const {
    const std::string& allowed = m_typedInput[static_cast<std::size_t>(fieldIndex(name))];
    if (allowed.empty())
        return true;
    return character < 0x80 && allowed.find(static_cast<char>(character)) != std::string::npos;
}

// ---- editing

void Table::append() {
    postPending();
    m_cursorBeforeInsert = m_cursor;
    m_buffer.assign(m_fields.size(), Value{});
    m_editedRow = nullptr;
    m_state = TableState::Insert;
    m_eof = m_bof = false;
    notify(ChangeKind::StateChanged, recordCount());
    scrolled();
}

void Table::edit() {
    if (isEditing())
        return;
    if (m_view.empty()) {
        append();
        return;
    }
    m_editedRow = m_view[static_cast<std::size_t>(m_cursor)];
    m_buffer = m_editedRow->values;
    m_state = TableState::Edit;
    notify(ChangeKind::StateChanged, m_cursor);
}

void Table::post() {
    if (!isEditing())
        return;
    if (BeforePost)
        BeforePost(*this); // may change the buffer or refuse the post by raising
    if (!isEditing())
        return; // the hook completed or dropped the row itself

    Row* row = m_editedRow;
    int oldPosition = -1;
    if (m_state == TableState::Insert) {
        auto added = std::make_unique<Row>();
        added->sequence = m_nextSequence++;
        row = added.get();
        m_rows.push_back(std::move(added));
    } else {
        // Navigation posts first, so the edited row is still the current one.
        oldPosition = m_cursor;
        assert(m_view[static_cast<std::size_t>(oldPosition)] == row);
    }
    row->values = std::move(m_buffer);
    ++m_changeCount;
    m_buffer.clear();
    m_editedRow = nullptr;
    m_state = TableState::Browse;

    const bool passes = passesFilter(*row);
    if (oldPosition >= 0 && passes && staysInPlace(oldPosition)) {
        notify(ChangeKind::RowChanged, m_cursor);
    } else {
        if (oldPosition >= 0)
            m_view.erase(m_view.begin() + oldPosition);
        int position = -1;
        if (passes) {
            position = viewPositionFor(row);
            m_view.insert(m_view.begin() + position, row);
        } else {
            position = std::min(m_cursor, recordCount() - 1);
        }
        m_cursor = std::max(position, 0);
        m_eof = m_bof = m_view.empty();
        notify(ChangeKind::ViewRebuilt);
    }
    if (AfterPost)
        AfterPost(*this);
}

void Table::cancel() {
    if (!isEditing())
        return;
    const bool wasInsert = m_state == TableState::Insert;
    m_state = TableState::Browse;
    m_buffer.clear();
    m_editedRow = nullptr;
    if (wasInsert)
        m_cursor = std::clamp(m_cursorBeforeInsert, 0, std::max(recordCount() - 1, 0));
    m_eof = m_bof = m_view.empty();
    notify(ChangeKind::ViewRebuilt);
}

void Table::remove() {
    if (m_state == TableState::Insert) {
        cancel();
        return;
    }
    cancel();
    if (m_view.empty())
        throw TableError(m_name + ": cannot delete from an empty view");
    Row* row = m_view[static_cast<std::size_t>(m_cursor)];
    m_view.erase(m_view.begin() + m_cursor);
    // Rows are kept in the order they were added, so their sequence numbers ascend.
    auto stored = std::lower_bound(m_rows.begin(), m_rows.end(), row->sequence,
                                   [](const std::unique_ptr<Row>& r, std::uint64_t sequence) {
                                       return r->sequence < sequence;
                                   });
    assert(stored != m_rows.end() && stored->get() == row);
    m_rows.erase(stored);
    ++m_changeCount;
    if (m_view.empty()) {
        m_cursor = 0;
        m_eof = m_bof = true;
        notify(ChangeKind::ViewRebuilt);
        return;
    }
    m_cursor = std::min(m_cursor, recordCount() - 1);
    m_eof = m_bof = false;
    notify(ChangeKind::ViewRebuilt);
    scrolled();
}

void Table::setValue(std::string_view name, const Value& value) {
    setValue(fieldIndex(name), value);
}

void Table::setValue(int position, const Value& value) {
    const FieldDef& def = field(position);
    if (!isEditing())
        throw TableError(m_name + ": not editing or inserting, cannot set " + describe(def.name));
    if (def.isLookup())
        throw TableError(m_name + ": lookup field " + describe(def.name) + " cannot be set");
    m_buffer[static_cast<std::size_t>(position)] = convertForField(def, value);
    notify(ChangeKind::RowChanged, m_state == TableState::Insert ? recordCount() : m_cursor);
}

void Table::setText(std::string_view name, std::string_view text) {
    setValue(name, Value{std::string(text)});
}

Value Table::convertForField(const FieldDef& def, const Value& value) const {
    if (isEmpty(value))
        return value;
    auto fail = [&](const std::string& what) -> ConversionError {
        return ConversionError(what + " is not a valid value for field " + describe(def.name));
    };
    switch (def.type) {
    case FieldType::Integer:
        if (auto integer = std::get_if<std::int32_t>(&value))
            return *integer;
        if (auto text = std::get_if<std::string>(&value)) {
            if (auto parsed = parseInteger(*text))
                return *parsed;
            throw fail(describe(*text));
        }
        break;
    case FieldType::Float:
        if (auto number = std::get_if<double>(&value)) {
            if (!std::isfinite(*number))
                throw fail("a non-finite number");
            return *number;
        }
        if (auto integer = std::get_if<std::int32_t>(&value))
            return static_cast<double>(*integer);
        if (auto text = std::get_if<std::string>(&value)) {
            if (auto parsed = parseFloat(*text))
                return *parsed;
            throw fail(describe(*text));
        }
        break;
    case FieldType::Date:
        if (auto date = std::get_if<Date>(&value))
            return *date;
        if (auto text = std::get_if<std::string>(&value)) {
            if (auto parsed = parseDate(*text))
                return *parsed;
            throw fail(describe(*text));
        }
        break;
    case FieldType::Text:
        if (auto text = std::get_if<std::string>(&value))
            return truncateUtf8(*text, static_cast<std::size_t>(def.size));
        if (auto integer = std::get_if<std::int32_t>(&value))
            return std::to_string(*integer);
        break;
    }
    throw fail("a value of another type");
}

// ---- reading

const std::vector<Value>* Table::currentValues() const {
    if (isEditing())
        return &m_buffer;
    if (m_view.empty())
        return nullptr;
    return &m_view[static_cast<std::size_t>(m_cursor)]->values;
}

Value Table::value(int position) const {
    const FieldDef& def = field(position);
    const std::vector<Value>* values = currentValues();
    if (!values)
        return {};
    if (def.isLookup())
        return lookupValue(def, *values);
    return (*values)[static_cast<std::size_t>(position)];
}

Value Table::value(std::string_view name) const {
    return value(fieldIndex(name));
}

Value Table::viewValue(int row, int position) const {
    const FieldDef& def = field(position);
    if (row < 0 || row >= recordCount())
        return {};
    const std::vector<Value>& values = m_view[static_cast<std::size_t>(row)]->values;
    if (def.isLookup())
        return lookupValue(def, values);
    return values[static_cast<std::size_t>(position)];
}

Value Table::lookupValue(const FieldDef& def, const std::vector<Value>& row) const {
    const LookupDef& lookup = *def.lookup;
    const Value& key = row[static_cast<std::size_t>(fieldIndex(lookup.keyField))];
    if (isEmpty(key) || !lookup.table)
        return {};
    const Table& other = *lookup.table;
    const auto keyPosition = static_cast<std::size_t>(other.fieldIndex(lookup.tableKeyField));
    const auto resultPosition = static_cast<std::size_t>(other.fieldIndex(lookup.resultField));
    for (const auto& candidate : other.m_rows)
        if (candidate->values[keyPosition] == key)
            return candidate->values[resultPosition];
    return {};
}

std::int32_t Table::asInteger(std::string_view name) const {
    const Value v = value(name);
    if (auto integer = std::get_if<std::int32_t>(&v))
        return *integer;
    if (auto number = std::get_if<double>(&v))
        return static_cast<std::int32_t>(std::lround(*number));
    if (auto date = std::get_if<Date>(&v))
        return date->serial;
    if (auto text = std::get_if<std::string>(&v)) {
        if (auto parsed = parseInteger(*text))
            return *parsed;
        throw ConversionError(describe(*text) + " is not a valid integer value");
    }
    return 0;
}

double Table::asFloat(std::string_view name) const {
    const Value v = value(name);
    if (auto number = std::get_if<double>(&v))
        return *number;
    if (auto integer = std::get_if<std::int32_t>(&v))
        return *integer;
    if (auto text = std::get_if<std::string>(&v)) {
        if (auto parsed = parseFloat(*text))
            return *parsed;
        throw ConversionError(describe(*text) + " is not a valid floating point value");
    }
    return 0;
}

std::optional<Date> Table::asDate(std::string_view name) const {
    const Value v = value(name);
    if (auto date = std::get_if<Date>(&v))
        return *date;
    return std::nullopt;
}

std::string Table::asText(std::string_view name) const {
    const Value v = value(name);
    if (auto text = std::get_if<std::string>(&v))
        return *text;
    if (auto integer = std::get_if<std::int32_t>(&v))
        return std::to_string(*integer);
    if (auto date = std::get_if<Date>(&v))
        return formatDate(*date);
    if (auto number = std::get_if<double>(&v)) {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, *number, std::chars_format::general, 15);
        return std::string(buffer, result.ptr);
    }
    return {};
}

// ---- cursor

void Table::postPending() {
    if (isEditing())
        post();
}

void Table::setCursor(int position, bool bof) {
    m_cursor = position;
    m_eof = false;
    m_bof = bof;
    notify(ChangeKind::CursorMoved, m_cursor);
    scrolled();
}

void Table::first() {
    postPending();
    if (m_view.empty()) {
        m_cursor = 0;
        m_eof = m_bof = true;
        return;
    }
    setCursor(0, true);
}

void Table::next() {
    postPending();
    if (m_cursor + 1 >= recordCount()) {
        m_eof = true;
        return;
    }
    setCursor(m_cursor + 1, false);
}

void Table::prior() {
    postPending();
    if (m_cursor <= 0) {
        m_bof = true;
        return;
    }
    setCursor(m_cursor - 1, false);
}

void Table::last() {
    postPending();
    if (m_view.empty()) {
        m_eof = m_bof = true;
        return;
    }
    setCursor(recordCount() - 1, false);
}

int Table::recNo() const {
    if (m_state == TableState::Insert)
        return recordCount() + 1;
    return m_view.empty() ? 0 : m_cursor + 1;
}

void Table::setRecNo(int recNo) {
    postPending();
    if (recNo < 1 || recNo > recordCount())
        throw TableError(m_name + ": record number " + std::to_string(recNo) + " out of range");
    setCursor(recNo - 1, false);
}

bool Table::locate(std::string_view name, const Value& value) {
    postPending();
    const int position = fieldIndex(name);
    const FieldDef& def = m_fields[static_cast<std::size_t>(position)];
    if (def.isLookup())
        throw TableError(m_name + ": cannot locate on lookup field " + describe(name));
    Value key;
    try {
        key = convertForField(def, value);
    } catch (const ConversionError&) {
        return false;
    }
    if (isEmpty(key))
        return false;
    if (!m_index.empty() && m_index.front().position == position && !m_index.front().descending) {
        // The view is ordered by this field first: the first match is where the key would go.
        const auto found = std::lower_bound(
            m_view.begin(), m_view.end(), key, [position](const Row* row, const Value& wanted) {
                return valueLess(row->values[static_cast<std::size_t>(position)], wanted);
            });
        if (found == m_view.end() || (*found)->values[static_cast<std::size_t>(position)] != key)
            return false;
        setCursor(static_cast<int>(found - m_view.begin()), false);
        return true;
    }
    for (int i = 0; i < recordCount(); ++i)
        if (m_view[static_cast<std::size_t>(i)]->values[static_cast<std::size_t>(position)] ==
            key) {
            setCursor(i, false);
            return true;
        }
    return false;
}

void Table::empty() {
    postPending();
    m_rows.clear();
    ++m_changeCount;
    m_view.clear();
    m_cursor = 0;
    m_eof = m_bof = true;
    notify(ChangeKind::ViewRebuilt);
}

void Table::scrolled() {
    if (AfterScroll)
        AfterScroll(*this);
}

// ---- view

bool Table::passesFilter(const Row& row) const {
    return !m_filtered || m_filter.matches(row.values);
}

bool Table::viewOrderLess(const Row* a, const Row* b) const {
    for (const IndexPosition& key : m_index) {
        const Value& va = a->values[static_cast<std::size_t>(key.position)];
        const Value& vb = b->values[static_cast<std::size_t>(key.position)];
        if (valueLess(va, vb))
            return !key.descending;
        if (valueLess(vb, va))
            return key.descending;
    }
    return a->sequence < b->sequence;
}

int Table::viewPositionFor(const Row* row) const {
    auto place =
        std::lower_bound(m_view.begin(), m_view.end(), row,
                         [this](const Row* a, const Row* b) { return viewOrderLess(a, b); });
    return static_cast<int>(place - m_view.begin());
}

bool Table::staysInPlace(int position) const {
    const Row* row = m_view[static_cast<std::size_t>(position)];
    return (position == 0 || viewOrderLess(m_view[static_cast<std::size_t>(position) - 1], row)) &&
           (position + 1 == recordCount() ||
            viewOrderLess(row, m_view[static_cast<std::size_t>(position) + 1]));
}

void Table::rebuildView() {
    m_view.clear();
    for (const auto& row : m_rows)
        if (passesFilter(*row))
            m_view.push_back(row.get());
    const auto less = [this](const Row* a, const Row* b) { return viewOrderLess(a, b); };
    // Rows mostly come in key order (a ledger is built month by month): check before sorting.
    if (!m_index.empty() && !std::is_sorted(m_view.begin(), m_view.end(), less))
        std::sort(m_view.begin(), m_view.end(), less);
    m_cursor = 0;
    m_eof = m_bof = true;
    notify(ChangeKind::ViewRebuilt);
}

std::vector<FilterField> Table::filterFields() const {
    std::vector<FilterField> fields;
    fields.reserve(m_fields.size());
    for (const FieldDef& def : m_fields)
        fields.push_back(FilterField{def.isLookup() ? std::string() : def.name, def.type});
    return fields;
}

void Table::setFilter(std::string_view text) {
    FilterExpression parsed = FilterExpression::parse(text, filterFields());
    if (!m_filtered) {
        m_filter = std::move(parsed);
        return;
    }
    postPending();
    m_filter = std::move(parsed);
    rebuildView();
    first();
}

void Table::setFiltered(bool filtered) {
    postPending();
    m_filtered = filtered;
    rebuildView();
    first();
}

void Table::setIndexFieldNames(std::string_view name) {
    std::vector<IndexKey> keys;
    if (!name.empty())
        keys.push_back({std::string(name), false});
    setIndex(keys);
}

void Table::setIndex(const std::vector<IndexKey>& keys) {
    std::vector<IndexPosition> positions;
    std::string names;
    for (const IndexKey& key : keys) {
        positions.push_back({fieldIndex(key.field), key.descending});
        names += (names.empty() ? "" : ";") + key.field;
    }
    postPending();
    m_index = std::move(positions);
    m_indexFieldNames = std::move(names);
    rebuildView();
    first();
}

// ---- bound views

void Table::suspendBoundViews() {
    ++m_suspension;
}

void Table::resumeBoundViews() {
    assert(m_suspension > 0);
    if (--m_suspension == 0)
        notify(ChangeKind::ViewRebuilt);
}

void Table::addListener(TableListener* listener) {
    m_listeners.push_back(listener);
}

void Table::removeListener(TableListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                      m_listeners.end());
}

void Table::notify(ChangeKind kind, int row) {
    if (m_suspension > 0 || m_listeners.empty())
        return;
    const TableChange change{kind, row};
    // A listener may remove itself while being told.
    const std::vector<TableListener*> listeners = m_listeners;
    for (TableListener* listener : listeners)
        listener->tableChanged(*this, change);
}

DataSource::DataSource(Table& table) : m_table(table) {
    m_table.addListener(this);
}

DataSource::~DataSource() {
    m_table.removeListener(this);
}

void DataSource::tableChanged(const Table&, const TableChange& change) {
    if (change.kind == ChangeKind::StateChanged)
        return;
    if (OnDataChange)
        OnDataChange();
}

} // namespace rv
