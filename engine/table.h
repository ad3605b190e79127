#pragma once

#include "filter.h"
#include "value.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rv {

class Table;

// A derived text field: the result field of the first row of `table` whose `tableKeyField`
// equals this row's `keyField`; empty when the key is empty or no row matches.
struct LookupDef {
    std::string keyField;
    const Table* table = nullptr;
    std::string tableKeyField;
    std::string resultField;
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Integer;
    int size = 0; // text(n): the most characters the field holds; 0 for other types
    std::string label;
    bool shown = true;
    int displayWidth = 0; // characters; 0 when the field has no width of its own
    std::optional<LookupDef> lookup;

    bool isLookup() const { return lookup.has_value(); }
};

FieldDef integerField(std::string name, std::string label = {}, bool shown = true);
FieldDef textField(std::string name, int size, std::string label = {}, bool shown = true);
FieldDef dateField(std::string name, std::string label = {}, bool shown = true);
FieldDef floatField(std::string name, std::string label = {}, bool shown = true);
FieldDef lookupField(std::string name, std::string label, bool shown, LookupDef lookup);

enum class TableState { Browse, Edit, Insert };

// A misuse of a table or a value that does not fit its field: a fault of the caller.
class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be read as the field's type.
class ConversionError : public TableError {
public:
    using TableError::TableError;
};

// A snapshot that cannot be loaded into this table; the table is left as it was.
class SnapshotError : public TableError {
public:
    using TableError::TableError;
};

enum class ChangeKind {
    ViewRebuilt,  // rows came, went or moved, or the filter changed: everything may differ
    RowChanged,   // the values of the row at `row` changed
    CursorMoved,  // the cursor moved to `row`
    StateChanged, // editing or inserting started or ended
};

struct TableChange {
    ChangeKind kind = ChangeKind::ViewRebuilt;
    int row = -1; // 0-based position in the view, where the kind names one
};

// Bound views (grids, editors) listen through this; nothing is delivered while the table's
// bound views are suspended, and one ViewRebuilt follows the last resume.
class TableListener {
public:
    virtual ~TableListener() = default;
    virtual void tableChanged(const Table& table, const TableChange& change) = 0;
};

// An in-memory table: declared fields, rows with empty marks, a cursor over the view (the rows
// that pass the filter, in index order or in the order they were added), edit and insert states,
// hooks and snapshots.
class Table {
public:
    using Hook = std::function<void(Table&)>;

    Table(std::string name, std::vector<FieldDef> fields);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& name() const { return m_name; }

    // Makes the table empty and open; runs AfterOpen.
    void create();

    // Fields
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const FieldDef& field(int position) const;
    const FieldDef& field(std::string_view name) const;
    std::optional<int> findField(std::string_view name) const;
    int fieldIndex(std::string_view name) const; // throws TableError for an unknown name
    void setShown(std::string_view name, bool shown);

    // Characters a bound editor accepts when the user types into the field; empty: any.
    void setTypedInput(std::string_view name, std::string characters);
    bool acceptsTyped(std::string_view name, char32_t character) const;

    // State and editing
    TableState state() const { return m_state; }
    bool isEditing() const { return m_state != TableState::Browse; }
    void append();
    void edit();
    void post();
    void cancel();
    void remove(); // delete of the current row

    void setValue(std::string_view name, const Value& value);
    void setValue(int position, const Value& value);
    // A text for a date, float or integer field is converted to the field's type
    // (dates "dd.mm.yyyy", numbers with "." as the decimal point); throws ConversionError.
    void setText(std::string_view name, std::string_view text);
    void clearValue(std::string_view name) { setValue(name, Value{}); }

    // Values of the current row, or of the row being edited or inserted; empty on an empty view.
    Value value(std::string_view name) const;
    Value value(int position) const;
    bool isNull(std::string_view name) const { return isEmpty(value(name)); }
    std::int32_t asInteger(std::string_view name) const; // 0 when empty
    double asFloat(std::string_view name) const;         // 0 when empty
    std::optional<Date> asDate(std::string_view name) const;
    std::string asText(std::string_view name) const; // "" when empty

    // Cursor
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recNo() const; // 1-based; 0 on an empty view
    void setRecNo(int recNo);
    int recordCount() const { return static_cast<int>(m_view.size()); }
    bool locate(std::string_view name, const Value& value);
    void empty();

    // Values of a view row without moving the cursor (bound views read through this).
    Value viewValue(int row, int position) const;

    // Grows with every change of the stored rows (post, delete, empty, load): a reader that
    // keeps something derived from the rows knows when to derive it again.
    std::uint64_t changeCount() const { return m_changeCount; }

    // Filter and order
    const std::string& filter() const { return m_filter.text(); }
    void setFilter(std::string_view text);
    bool filtered() const { return m_filtered; }
    void setFiltered(bool filtered);
    // The view's order: ascending by one field ("" for the order of adding).
    const std::string& indexFieldNames() const { return m_indexFieldNames; }
    void setIndexFieldNames(std::string_view name);
    // The view's order by several fields, each ascending or descending; equal rows keep the
    // order of adding. indexFieldNames() then lists the names joined by ";".
    struct IndexKey {
        std::string field;
        bool descending = false;
    };
    void setIndex(const std::vector<IndexKey>& keys);

    // Bound views
    void suspendBoundViews();
    void resumeBoundViews();
    bool boundViewsSuspended() const { return m_suspension > 0; }
    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);

    // Snapshots: field names, types and sizes and every row (outside the filter too).
    // Saving posts a pending edit first. Loading replaces the rows and reopens the table (runs
    // AfterOpen); filter, index and hooks stay. A snapshot that does not fit this table throws
    // SnapshotError and leaves the table untouched; checkSnapshot only checks. A snapshot of more
    // than `mostRows` rows is refused before any row is read. A table whose layout or texts do
    // not fit the snapshot's integers throws SnapshotError on saving.
    std::string saveSnapshot();
    void loadSnapshot(std::string_view bytes, std::size_t mostRows = kAnyRowCount);
    void checkSnapshot(std::string_view bytes, std::size_t mostRows = kAnyRowCount) const;
    static constexpr std::size_t kAnyRowCount = std::numeric_limits<std::uint32_t>::max();

    Hook AfterOpen;
    Hook BeforePost;
    Hook AfterPost;
    Hook AfterScroll;

private:
    struct Row {
        std::uint64_t sequence = 0;
        std::vector<Value> values;
    };

    std::vector<std::unique_ptr<Row>> decodeSnapshot(std::string_view bytes,
                                                     std::size_t mostRows) const;
    void postPending();
    void setCursor(int position, bool bof);
    void rebuildView();
    bool passesFilter(const Row& row) const;
    bool viewOrderLess(const Row* a, const Row* b) const;
    int viewPositionFor(const Row* row) const;
    bool staysInPlace(int position) const; // the view row still sorts between its neighbours
    void scrolled();
    void notify(ChangeKind kind, int row = -1);
    Value convertForField(const FieldDef& def, const Value& value) const;
    Value lookupValue(const FieldDef& def, const std::vector<Value>& row) const;
    const std::vector<Value>* currentValues() const;
    std::vector<FilterField> filterFields() const;

    std::string m_name;
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::vector<FieldDef> m_fields;
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> m_fieldPositions;
    std::vector<std::string> m_typedInput;
    std::vector<std::unique_ptr<Row>> m_rows; // in the order the rows were added
    std::vector<Row*> m_view;
    std::uint64_t m_nextSequence = 1;
    std::uint64_t m_changeCount = 0;

    int m_cursor = 0;
    bool m_eof = true;
    bool m_bof = true;
    TableState m_state = TableState::Browse;
    std::vector<Value> m_buffer; // the row being edited or inserted
    Row* m_editedRow = nullptr;
    int m_cursorBeforeInsert = 0;

    FilterExpression m_filter;
    bool m_filtered = false;
    struct IndexPosition {
        int position;
        bool descending;
    };
    std::string m_indexFieldNames;
    std::vector<IndexPosition> m_index;

    int m_suspension = 0;
    std::vector<TableListener*> m_listeners;
};

// Keeps a table's bound views suspended for a scope.
class BoundViewsSuspension {
public:
    explicit BoundViewsSuspension(Table& table) : m_table(table) { m_table.suspendBoundViews(); }
    ~BoundViewsSuspension() { m_table.resumeBoundViews(); }
    BoundViewsSuspension(const BoundViewsSuspension&) = delete;
    BoundViewsSuspension& operator=(const BoundViewsSuspension&) = delete;

private:
    Table& m_table;
};

// The data source through which bound views see a table; OnDataChange fires when the cursor
// moves, a value of the current row changes or the view is rebuilt, never while suspended.
class DataSource : private TableListener {
public:
    explicit DataSource(Table& table);
    ~DataSource() override;
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    Table& dataSet() const { return m_table; }

    std::function<void()> OnDataChange;

private:
    void tableChanged(const Table& table, const TableChange& change) override;

    Table& m_table;
};

} // namespace rv
