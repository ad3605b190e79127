#pragma once

#include "engine/table.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// One column of a bound grid.
struct GridColumn {
    std::string field{};     // empty: a column without a field, always blank and read-only
    QString title{};         // empty: the field's label
    QString displayFormat{}; // "0.00", "0.00###", "0.00000"; empty: the field type's own form
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int width = 0;           // pixels; 0: as the grid decides
    bool fixedWidth = false; // the person cannot resize the column
    bool readOnly = false;
    QColor colour{}; // cell background; invalid: the grid's
    // A lookup column whose cells are edited as the key: the edit role reads and writes the
    // lookup's key field (a drop-down list of the lookup table offers the keys).
    bool editsLookupKey = false;
    bool exported = true; // false: shown, but left out of the grid's spreadsheet export
};

// The rows of a table's view as a Qt model, one column per GridColumn. It follows the table
// through TableListener: while the table's bound views are suspended nothing reaches the model,
// which keeps presenting its last row count until the one change that follows the resume. The
// row being inserted shows after the view's rows.
class TableModel : public QAbstractTableModel, private TableListener {
    Q_OBJECT
public:
    TableModel(Table& table, std::vector<GridColumn> columns, QObject* parent = nullptr);
    ~TableModel() override;

    Table& table() const { return m_table; }
    const GridColumn& column(int column) const;
    int fieldPosition(int column) const;               // -1 for a column without a field
    int columnOfField(const std::string& field) const; // -1 when no column shows it

    // Background colour of a column's cells (the grid styling sets it once at start-up).
    void setColumnColour(int column, const QColor& colour);
    void setColumnReadOnly(int column, bool readOnly);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // Read-only when the column, the grid or the field (a lookup not edited as its key) is.
    bool isColumnReadOnly(int column) const;
    void setTitleColour(const QColor& colour);
    void setCellToolTips(bool on);
    // Text colour of one cell when the hook gives one (view row, column).
    void setForegroundHook(std::function<std::optional<QColor>(int row, int column)> hook);
    // Display format of one cell when the hook gives one, else the column's.
    void setDisplayFormatHook(std::function<std::optional<QString>(int row, int column)> hook);
    // Data of a cell (view row, column) for a role when the hook gives some; an invalid QVariant
    // leaves the cell to the column. Columns without a field get their texts so.
    void setCellHook(std::function<QVariant(int row, int column, int role)> hook);
    // The display format of a cell (view row, column).
    QString displayFormat(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Writes a text typed into a cell of the current row, starting an edit when needed. False for
    // another row or a text that does not read as the field's type; the table's own errors
    // (a refused start of the edit) pass on to the caller.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // The table's cursor moved to this view row.
    void cursorMoved(int row);

private:
    void tableChanged(const Table& table, const TableChange& change) override;
    int liveRowCount() const;
    int editingRow() const; // the view row being edited or inserted; -1 when browsing
    Value cellValue(int row, int column, int role = Qt::DisplayRole) const;
    // The field a cell's edit role reads and writes: a lookup's key where the column says so.
    int editedPosition(int column) const;
    void reset();

    Table& m_table;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_positions;
    int m_rowCount = 0;
    bool m_readOnly = false;
    bool m_cellToolTips = false;
    QColor m_titleColour;
    std::function<std::optional<QColor>(int, int)> m_foregroundHook;
    std::function<std::optional<QString>(int, int)> m_displayFormatHook;
    std::function<QVariant(int, int, int)> m_cellHook;
};

} // namespace rv
