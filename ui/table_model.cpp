#include "table_model.h"

#include "contrast.h"

#include "display_format.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace rv {

namespace {

// A typed text as a value of the field's type; empty text is an empty value. Floats take either
// "," or "." as the decimal separator.
std::optional<Value> readTyped(const FieldDef& field, const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return Value{};
    bool ok = false;
    switch (field.type) {
    case FieldType::Text:
        return Value{text.toStdString()};
    case FieldType::Integer: {
        const int integer = text.toInt(&ok);
        return ok ? std::optional<Value>(Value{static_cast<std::int32_t>(integer)}) : std::nullopt;
    }
    case FieldType::Float: {
        QString number = text;
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        const double value = number.toDouble(&ok);
        return ok ? std::optional<Value>(Value{value}) : std::nullopt;
    }
    case FieldType::Date:
        if (const std::optional<Date> date = parseDate(text.toStdString()))
            return Value{*date};
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

TableModel::TableModel(Table& table, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_columns(std::move(columns)) {
    for (GridColumn& column : m_columns) {
        m_positions.push_back(column.field.empty() ? -1 : m_table.fieldIndex(column.field));
        if (column.title.isEmpty() && !column.field.empty())
            column.title = QString::fromStdString(m_table.field(column.field).label);
    }
    m_rowCount = liveRowCount();
    m_table.addListener(this);
}

TableModel::~TableModel() {
    m_table.removeListener(this);
}

const GridColumn& TableModel::column(int column) const {
    return m_columns.at(static_cast<std::size_t>(column));
}

int TableModel::fieldPosition(int column) const {
    return m_positions.at(static_cast<std::size_t>(column));
}

int TableModel::columnOfField(const std::string& field) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field == field)
            return static_cast<int>(i);
    return -1;
}

void TableModel::setColumnColour(int column, const QColor& colour) {
    m_columns.at(static_cast<std::size_t>(column)).colour = colour;
    if (m_rowCount > 0)
        emit dataChanged(index(0, column), index(m_rowCount - 1, column), {Qt::BackgroundRole});
}

void TableModel::setColumnReadOnly(int column, bool readOnly) {
    m_columns.at(static_cast<std::size_t>(column)).readOnly = readOnly;
}

void TableModel::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
}

bool TableModel::isColumnReadOnly(int column) const {
    return m_readOnly || this->column(column).readOnly || fieldPosition(column) < 0 ||
           (m_table.field(fieldPosition(column)).isLookup() &&
            !this->column(column).editsLookupKey);
}

int TableModel::editedPosition(int column) const {
    const int position = fieldPosition(column);
    if (position < 0 || !this->column(column).editsLookupKey)
        return position;
    const FieldDef& field = m_table.field(position);
    return field.isLookup() ? m_table.fieldIndex(field.lookup->keyField) : position;
}

void TableModel::setTitleColour(const QColor& colour) {
    m_titleColour = colour;
    if (!m_columns.empty())
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void TableModel::setCellToolTips(bool on) {
    m_cellToolTips = on;
}

void TableModel::setDisplayFormatHook(
    std::function<std::optional<QString>(int row, int column)> hook) {
    m_displayFormatHook = std::move(hook);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString TableModel::displayFormat(int row, int column) const {
    if (m_displayFormatHook)
        if (std::optional<QString> format = m_displayFormatHook(row, column))
            return *format;
    return this->column(column).displayFormat;
}

void TableModel::setForegroundHook(std::function<std::optional<QColor>(int, int)> hook) {
    m_foregroundHook = std::move(hook);
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rowCount;
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

int TableModel::liveRowCount() const {
    return m_table.recordCount() + (m_table.state() == TableState::Insert ? 1 : 0);
}

int TableModel::editingRow() const {
    return m_table.isEditing() ? m_table.recNo() - 1 : -1;
}

Value TableModel::cellValue(int row, int column, int role) const {
    const int position = role == Qt::EditRole ? editedPosition(column) : fieldPosition(column);
    if (position < 0)
        return {};
    if (row == editingRow())
        return m_table.value(position);
    return m_table.viewValue(row, position);
}

void TableModel::setCellHook(std::function<QVariant(int row, int column, int role)> hook) {
    m_cellHook = std::move(hook);
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return {};
    if (m_cellHook && index.row() < m_table.recordCount())
        if (QVariant hooked = m_cellHook(index.row(), index.column(), role); hooked.isValid())
            return hooked;
    const GridColumn& setup = column(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayText(cellValue(index.row(), index.column(), role),
                           role == Qt::DisplayRole ? displayFormat(index.row(), index.column())
                                                   : QString());
    case Qt::ToolTipRole:
        if (m_cellToolTips)
            return displayText(cellValue(index.row(), index.column()),
                               displayFormat(index.row(), index.column()));
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(setup.alignment);
    case Qt::BackgroundRole:
        return setup.colour.isValid() ? QVariant(QBrush(setup.colour)) : QVariant();
    case Qt::ForegroundRole:
        if (m_foregroundHook)
            if (const std::optional<QColor> colour = m_foregroundHook(index.row(), index.column()))
                return QBrush(*colour);
        // A background of the program's own comes with a text colour that reads on it.
        if (setup.colour.isValid())
            return QBrush(
                readableOn(setup.colour, QGuiApplication::palette().color(QPalette::Text)));
        return {};
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return column(section).title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        return m_titleColour.isValid() ? QVariant(QBrush(m_titleColour)) : QVariant();
    case Qt::ForegroundRole:
        return m_titleColour.isValid()
                   ? QVariant(QBrush(readableOn(
                         m_titleColour, QGuiApplication::palette().color(QPalette::ButtonText))))
                   : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isColumnReadOnly(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int currentRow = m_table.isEditing() ? editingRow() : m_table.recNo() - 1;
    if (index.row() != currentRow)
        return false;
    const int position = editedPosition(index.column());
    if (position < 0)
        return false;
    const std::optional<Value> typed = readTyped(m_table.field(position), value.toString());
    if (!typed)
        return false;
    m_table.edit();
    m_table.setValue(position, *typed);
    return true;
}

void TableModel::reset() {
    beginResetModel();
    m_rowCount = liveRowCount();
    endResetModel();
}

void TableModel::tableChanged(const Table&, const TableChange& change) {
    if (liveRowCount() != m_rowCount || change.kind == ChangeKind::ViewRebuilt) {
        reset();
        if (m_table.recordCount() > 0)
            emit cursorMoved(m_table.recNo() - 1);
        return;
    }
    switch (change.kind) {
    case ChangeKind::RowChanged:
    case ChangeKind::StateChanged:
        if (change.row >= 0 && change.row < m_rowCount)
            emit dataChanged(index(change.row, 0), index(change.row, columnCount() - 1));
        break;
    case ChangeKind::CursorMoved:
        emit cursorMoved(change.row);
        break;
    case ChangeKind::ViewRebuilt:
        break;
    }
}

} // namespace rv
