#pragma once

#include "table_model.h"

#include <QWidget>

#include <vector>

class QTableView;

namespace rv {

class FooterBar;
class Prompt;

// A grid bound to an engine table: a table view over a TableModel with an optional footer row.
// The grid's current row and the table's cursor follow each other; a move that the table refuses
// (a row that cannot be stored) is shown through the prompt layer and the grid stays on its row.
class DataGrid : public QWidget {
    Q_OBJECT
public:
    explicit DataGrid(Prompt& prompt, QWidget* parent = nullptr);

    // Binds the grid; the table must outlive the grid.
    void setTable(Table& table, std::vector<GridColumn> columns);

    TableModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }
    FooterBar* footer() const { return m_footer; }

    // The cell's text where its column is too narrow to show it whole, else empty: the tooltip
    // of a cut cell.
    QString cutCellText(int row, int column) const;

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    void setFooterVisible(bool visible);

private:
    void applyColumnWidths();
    void followCursor(int row);
    void currentRowChanged(const QModelIndex& current);

    Prompt& m_prompt;
    QTableView* m_view;
    FooterBar* m_footer;
    TableModel* m_model = nullptr;
    bool m_readOnly = false;
    bool m_following = false;
    int m_lastColumn = 0; // of the last current cell
};

} // namespace rv
