#include "lookup_cell_delegate.h"

#include "command.h"
#include "display_format.h"
#include "table_model.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTableView>

#include <utility>

namespace rv {

namespace {

// Room beside the longest item of the opened list for its frame and scroll bar.
constexpr int kListMargin = 24;

// The editor's drop-down box. It tells a choice made in its opened list from a key on the closed
// box, which only moves the item shown: the list reports its closing, and any key or wheel turn
// on the box forgets it.
class LookupList : public QComboBox {
public:
    using QComboBox::QComboBox;

    // True once after the opened list was closed.
    bool takeListClosed() { return std::exchange(m_listClosed, false); }

    void showPopup() override {
        m_listClosed = false;
        QComboBox::showPopup();
    }
    void hidePopup() override {
        QComboBox::hidePopup();
        m_listClosed = true;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        m_listClosed = false;
        QComboBox::keyPressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        m_listClosed = false;
        QComboBox::wheelEvent(event);
    }

private:
    bool m_listClosed = false;
};

bool leavesCell(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

QColor roleColour(const QModelIndex& index, int role, const QColor& otherwise) {
    const QVariant value = index.data(role);
    return value.canConvert<QBrush>() ? value.value<QBrush>().color() : otherwise;
}

} // namespace

LookupCellDelegate::LookupCellDelegate(Prompt& prompt, QTableView* view, QObject* keyWatcher)
    : QStyledItemDelegate(view), m_prompt(prompt), m_view(view), m_keyWatcher(keyWatcher) {}

QWidget* LookupCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    auto* list = new LookupList(parent);
    list->setFrame(false);
    if (const auto* model = qobject_cast<const TableModel*>(index.model())) {
        const FieldDef& field = model->table().field(model->fieldPosition(index.column()));
        if (field.lookup && field.lookup->table) {
            const Table& rows = *field.lookup->table;
            const int key = rows.fieldIndex(field.lookup->tableKeyField);
            const int text = rows.fieldIndex(field.lookup->resultField);
            for (int row = 0; row < rows.recordCount(); ++row)
                list->addItem(rv::displayText(rows.viewValue(row, text)),
                              rv::displayText(rows.viewValue(row, key)));
        }
    }
    // The opened list shows every item whole, however narrow the column.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + kListMargin);
    list->installEventFilter(m_keyWatcher);
    // The view asks for editors through a const delegate; choosing closes one, as keys do.
    auto* self = const_cast<LookupCellDelegate*>(this);
    connect(list, &QComboBox::activated, self, [self, list] {
        if (list->takeListClosed())
            self->choose(list);
    });
    return list;
}

void LookupCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findData(index.data(Qt::EditRole).toString()));
}

void LookupCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list || list->currentIndex() < 0)
        return;
    const QString key = list->currentData().toString();
    if (key == index.data(Qt::EditRole).toString())
        return; // an unchanged cell leaves its row as it is
    runCommand(m_prompt, [&] { model->setData(index, key, Qt::EditRole); });
}

void LookupCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool arrow = (option.state & QStyle::State_HasFocus) &&
                       (index.flags() & Qt::ItemIsEditable) &&
                       option.rect.width() > 2 * option.rect.height();
    if (!arrow) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const int side = option.rect.height();
    QStyleOptionViewItem text(option);
    text.rect.setRight(option.rect.right() - side);
    QStyledItemDelegate::paint(painter, text, index);

    const bool selected = option.state & QStyle::State_Selected;
    const QColor background =
        selected ? option.palette.color(QPalette::Highlight)
                 : roleColour(index, Qt::BackgroundRole, option.palette.color(QPalette::Base));
    const QColor ink =
        selected ? option.palette.color(QPalette::HighlightedText)
                 : roleColour(index, Qt::ForegroundRole, option.palette.color(QPalette::Text));
    const QRect box(option.rect.right() - side + 1, option.rect.top(), side, side);
    const QPointF centre = QRectF(box).center();
    const qreal half = side / 5.0;
    painter->save();
    painter->fillRect(box, background);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(ink);
    painter->drawPolygon(QPolygonF({QPointF(centre.x() - half, centre.y() - half / 2),
                                    QPointF(centre.x() + half, centre.y() - half / 2),
                                    QPointF(centre.x(), centre.y() + half / 2)}));
    painter->restore();
}

bool LookupCellDelegate::openList(QTableView* view, const QModelIndex& index,
                                  const QKeyEvent* typed) {
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable))
        return false;
    if (view->currentIndex() != index)
        view->setCurrentIndex(index);
    if (!view->indexWidget(index))
        view->edit(index);
    auto* list = dynamic_cast<LookupList*>(view->indexWidget(index));
    if (!list)
        return false;
    list->showPopup();
    if (typed && !typed->text().isEmpty()) {
        QKeyEvent key(QEvent::KeyPress, typed->key(), typed->modifiers(), typed->text());
        QCoreApplication::sendEvent(list->view(), &key);
    }
    return true;
}

bool LookupCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool deletion = key->key() == Qt::Key_Delete && key->modifiers() & Qt::ControlModifier;
    if (!deletion && !leavesCell(*key))
        return QStyledItemDelegate::eventFilter(watched, event);
    if (deletion) {
        emit closeEditor(editor, RevertModelCache);
    } else {
        emit commitData(editor);
        emit closeEditor(editor, NoHint);
    }
    QCoreApplication::sendEvent(m_view, event);
    return true;
}

void LookupCellDelegate::choose(QWidget* editor) {
    emit commitData(editor);
    emit closeEditor(editor, NoHint);
    if (!m_view->hasFocus())
        m_view->setFocus();
}

} // namespace rv
