#pragma once

#include <QStyledItemDelegate>

class QKeyEvent;
class QTableView;

namespace rv {

class Prompt;

// The cell editor of a lookup column edited as its key (GridColumn::editsLookupKey): a drop-down
// list of the lookup table's rows by their shown text; the chosen row's key is written into the
// row. Choosing from the opened list (Enter or a click) writes the choice and closes the editor;
// Tab, Shift+Tab and Enter write the shown choice and then reach the grid, which moves on; Escape
// leaves the cell as it was. A refused write is shown through the prompt layer. The current cell
// shows a drop-down arrow.
class LookupCellDelegate : public QStyledItemDelegate {
public:
    LookupCellDelegate(Prompt& prompt, QTableView* view, QObject* keyWatcher);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // Opens the editor of the view's cell with its list dropped down; a typed key goes on to the
    // list, which moves to the first item starting with what is typed. False when the cell
    // cannot be edited.
    static bool openList(QTableView* view, const QModelIndex& index,
                         const QKeyEvent* typed = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the editor's choice and closes it; the grid keeps the focus.
    void choose(QWidget* editor);

    Prompt& m_prompt;
    QTableView* m_view;
    QObject* m_keyWatcher;
};

} // namespace rv
