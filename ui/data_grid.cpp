#include "data_grid.h"

#include "command.h"
#include "footer_bar.h"
#include "prompt.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace rv {

namespace {

// Writes an edited cell through the command helper: a write the table refuses is shown in a box
// instead of leaving the view's slot as an exception.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(Prompt& prompt, QObject* parent) : QStyledItemDelegate(parent), m_prompt(prompt) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        runCommand(m_prompt, [&] { QStyledItemDelegate::setModelData(editor, model, index); });
    }

private:
    Prompt& m_prompt;
};

} // namespace

DataGrid::DataGrid(Prompt& prompt, QWidget* parent)
    : QWidget(parent), m_prompt(prompt), m_view(new QTableView(this)),
      m_footer(new FooterBar(m_view, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_footer);
    m_footer->hide();

    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->horizontalHeader()->setHighlightSections(false);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setWordWrap(false);
    m_view->setItemDelegate(new GridDelegate(prompt, m_view));
    setFocusProxy(m_view);
}

void DataGrid::setTable(Table& table, std::vector<GridColumn> columns) {
    delete m_model;
    m_model = new TableModel(table, std::move(columns), this);
    m_model->setReadOnly(m_readOnly);
    m_view->setModel(m_model);
    applyColumnWidths();
    connect(m_model, &TableModel::cursorMoved, this, &DataGrid::followCursor);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { currentRowChanged(current); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_lastColumn = current.column();
            });
    if (table.recordCount() > 0)
        followCursor(table.recNo() - 1);
}

QString DataGrid::cutCellText(int row, int column) const {
    if (!m_model)
        return {};
    const QString text = m_model->index(row, column).data().toString();
    // The view keeps a focus frame's margin and one pixel on each side of a cell's text.
    const int margin =
        m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    const int room = m_view->columnWidth(column) - 2 * margin;
    return m_view->fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

void DataGrid::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    if (m_model)
        m_model->setReadOnly(readOnly);
    m_view->setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                                     : QAbstractItemView::DoubleClicked |
                                           QAbstractItemView::EditKeyPressed |
                                           QAbstractItemView::AnyKeyPressed);
    m_view->setSelectionBehavior(readOnly ? QAbstractItemView::SelectRows
                                          : QAbstractItemView::SelectItems);
    // A read-only grid is left with Tab like any other control.
    m_view->setTabKeyNavigation(!readOnly);
}

void DataGrid::setFooterVisible(bool visible) {
    m_footer->setVisible(visible);
}

void DataGrid::applyColumnWidths() {
    QHeaderView* header = m_view->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const GridColumn& setup = m_model->column(column);
        if (setup.width > 0)
            header->resizeSection(column, setup.width);
        header->setSectionResizeMode(column, setup.fixedWidth ? QHeaderView::Fixed
                                                              : QHeaderView::Interactive);
    }
}

void DataGrid::followCursor(int row) {
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    m_following = true;
    // After the table rebuilt its view the grid has no current cell: the column stays the one
    // the person was in.
    const int column = current.isValid() ? current.column() : m_lastColumn;
    m_view->setCurrentIndex(m_model->index(row, column < m_model->columnCount() ? column : 0));
    m_following = false;
}

void DataGrid::currentRowChanged(const QModelIndex& current) {
    if (m_following || !current.isValid())
        return;
    Table& table = m_model->table();
    if (current.row() >= table.recordCount() || current.row() == table.recNo() - 1)
        return;
    const bool moved = runCommand(m_prompt, [&] { table.setRecNo(current.row() + 1); });
    if (!moved && table.recNo() > 0)
        followCursor(table.recNo() - 1);
}

} // namespace rv
