#include "experience_tab.h"

#include "ledger_refresh_pause.h"
#include "engine/table_scopes.h"

#include "calc/calendar.h"
#include "calc/credited_text.h"
#include "calc/period_kind.h"
#include "store/period_view.h"
#include "captions.h"
#include "command.h"
#include "contrast.h"
#include "data_grid.h"
#include "date_edit.h"
#include "earnings_tab.h"
#include "footer_bar.h"
#include "lookup_cell_delegate.h"
#include "page_control.h"
#include "person_panel.h"
#include "prompt.h"
#include "engine/errors.h"
#include "calc/messages.h"
#include "uMain.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <utility>

namespace rv {

namespace {

constexpr int kGridFontPixels = 13;
constexpr int kDateColumnWidth = 140;
constexpr int kLengthColumnWidth = 225;
constexpr int kBottomPanelHeight = 35;
constexpr int kInfoPanelHeight = 61;
constexpr int kDateDigits = 8;
// Digits optional, so that a cell may be left blank; '_' marks the places still to type.
const char* const kDateMask = "99.99.9999;_";

// A push button that shows and runs an action.
void bindButton(QPushButton* button, QAction* action) {
    button->setText(action->text());
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

// Keys that leave a cell editor: the grid takes them over once the cell is written.
bool leavesCellEditor(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Keys that open the kind's list on its cell; a letter also finds the kind it starts.
bool opensList(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F4 && modifiers == Qt::NoModifier)
        return true;
    if (key.key() == Qt::Key_Down && modifiers == Qt::AltModifier)
        return true;
    return !key.text().isEmpty() && key.text().at(0).isPrint() &&
           !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
}

// The field a column sorts by: a looked-up text by its key, so that a kind's periods go together.
std::string sortField(const TableModel& model, int column) {
    const int position = model.fieldPosition(column);
    if (position >= 0 && model.table().field(position).isLookup())
        return model.table().field(position).lookup->keyField;
    return model.column(column).field;
}

// Draws the sort markers of the column titles: the toolkit's own arrow on every marked column.
class SortMarkerStyle : public QProxyStyle {
public:
    SortMarkerStyle(const std::vector<ExperienceTab::SortMarker>& markers, QObject* owner)
        : QProxyStyle(QApplication::style()->name()), m_markers(markers) {
        setParent(owner);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* title = qstyleoption_cast<const QStyleOptionHeader*>(option);
        if (element != CE_Header || !title) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const auto marker =
            std::find_if(m_markers.begin(), m_markers.end(),
                         [title](const auto& each) { return each.column == title->section; });
        QStyleOptionHeaderV2 marked;
        if (const auto* titleV2 = qstyleoption_cast<const QStyleOptionHeaderV2*>(option))
            marked = *titleV2;
        else
            static_cast<QStyleOptionHeader&>(marked) = *title;
        // The toolkit draws ascending as SortDown.
        marked.sortIndicator = marker == m_markers.end() ? QStyleOptionHeader::None
                               : marker->descending      ? QStyleOptionHeader::SortUp
                                                         : QStyleOptionHeader::SortDown;
        QProxyStyle::drawControl(element, &marked, painter, widget);
    }

private:
    const std::vector<ExperienceTab::SortMarker>& m_markers;
};

// The cell editor of the two date columns: a line with the mask "##.##.####". A blank or
// incomplete text leaves the cell empty; a complete text that is no calendar date is refused
// and the editor stays open. Keys that leave the cell are handed to the grid once the cell is
// written.
class DateCellDelegate : public QStyledItemDelegate {
public:
    DateCellDelegate(Prompt& prompt, QTableView* view, QObject* keyWatcher)
        : QStyledItemDelegate(view), m_prompt(prompt), m_view(view), m_keyWatcher(keyWatcher) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setInputMask(QString::fromLatin1(kDateMask));
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        editor->installEventFilter(m_keyWatcher);
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        store(editor, model, index);
    }

    // Writes the editor's date into the row; false when the text was refused.
    bool store(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line || m_storing)
            return false;
        m_storing = true; // a box that takes the focus must not store the editor again
        const bool stored = runCommand(m_prompt, [&] {
            const QString text = line->text();
            QString digits = text;
            digits.remove(QLatin1Char('.'));
            digits = digits.trimmed();
            if (digits.size() < kDateDigits) {
                model->setData(index, QString(), Qt::EditRole);
                return;
            }
            if (!parseDate(text.toStdString()))
                throw UserError(QString::fromUtf8(captions::kInvalidDate).arg(text).toStdString());
            model->setData(index, text, Qt::EditRole);
        });
        m_storing = false;
        return stored;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(watched);
        if (!editor || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool deletion =
            key->key() == Qt::Key_Delete && key->modifiers() & Qt::ControlModifier;
        if (!deletion && !leavesCellEditor(*key))
            return QStyledItemDelegate::eventFilter(watched, event);
        if (deletion) {
            emit closeEditor(editor, RevertModelCache);
        } else {
            if (!store(editor, m_view->model(), m_view->currentIndex()))
                return true;
            emit closeEditor(editor, NoHint);
        }
        QCoreApplication::sendEvent(m_view, event);
        return true;
    }

private:
    Prompt& m_prompt;
    QTableView* m_view;
    QObject* m_keyWatcher;
    mutable bool m_storing = false;
};

} // namespace

ExperienceTab::ExperienceTab(Prompt& prompt, QAction* aClearExp, QAction* aPrintExp,
                             QAction* aVerifyExp, QWidget* parent)
    : QWidget(parent), grdExp(new DataGrid(prompt, this)), pExpBottomAll(new QWidget(this)),
      bbClearExp(new QPushButton(pExpBottomAll)), bExpPrint(new QPushButton(pExpBottomAll)),
      bbVerifyExp(new QPushButton(pExpBottomAll)), pExpInfo(new QWidget(this)),
      lExpInfoAfter2004(new QLabel(QString::fromUtf8(captions::kExpInfoAfter2004), pExpInfo)),
      lExpInfoBefore2004(new QLabel(QString::fromUtf8(captions::kExpInfoBefore2004), pExpInfo)),
      m_prompt(prompt), m_aClearExp(aClearExp), m_aVerifyExp(aVerifyExp) {
    grdExp->setObjectName(QStringLiteral("grdExp"));
    pExpBottomAll->setObjectName(QStringLiteral("pExpBottomAll"));
    bbClearExp->setObjectName(QStringLiteral("bbClearExp"));
    bExpPrint->setObjectName(QStringLiteral("bExpPrint"));
    bbVerifyExp->setObjectName(QStringLiteral("bbVerifyExp"));
    pExpInfo->setObjectName(QStringLiteral("pExpInfo"));
    lExpInfoAfter2004->setObjectName(QStringLiteral("lExpInfoAfter2004"));
    lExpInfoBefore2004->setObjectName(QStringLiteral("lExpInfoBefore2004"));

    QFont gridFont = grdExp->font();
    gridFont.setPixelSize(kGridFontPixels);
    grdExp->setFont(gridFont);
    grdExp->setReadOnly(false);
    QTableView* view = grdExp->view();
    view->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
    view->setItemDelegateForColumn(0, new DateCellDelegate(prompt, view, this));
    view->setItemDelegateForColumn(1, new DateCellDelegate(prompt, view, this));
    view->setItemDelegateForColumn(KindColumn, new LookupCellDelegate(prompt, view, this));
    for (QObject* watched : {static_cast<QObject*>(view), static_cast<QObject*>(view->viewport()),
                             static_cast<QObject*>(view->horizontalHeader()->viewport())})
        watched->installEventFilter(this);
    view->horizontalHeader()->setStyle(new SortMarkerStyle(m_sortMarkers, this));
    connect(view->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ExperienceTab::titleClicked);
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (holdsFocus(old) && now && !holdsFocus(now) && now->window() == window())
                focusLeftGrid();
        });

    FooterBar* footer = grdExp->footer();
    footer->setCellAlignment(LengthColumn, Qt::AlignCenter);
    footer->setCellAlignment(KindColumn, Qt::AlignLeft | Qt::AlignVCenter);
    footer->setCellBold(KindColumn, false);
    footer->setCellWordWrap(KindColumn, true);
    footer->setPaintHook([this](QPainter& painter, int column, const QRect& cell) {
        grdExpDrawFooterCell(painter, column, cell);
    });
    grdExp->setFooterVisible(true);

    bindButton(bbClearExp, aClearExp);
    bindButton(bExpPrint, aPrintExp);
    bindButton(bbVerifyExp, aVerifyExp);
    pExpBottomAll->setFixedHeight(kBottomPanelHeight);
    auto* buttons = new QHBoxLayout(pExpBottomAll);
    buttons->setContentsMargins(4, 4, 4, 4);
    buttons->addWidget(bbClearExp);
    buttons->addStretch();
    buttons->addWidget(bExpPrint);
    buttons->addStretch();
    buttons->addWidget(bbVerifyExp);

    pExpInfo->setFixedHeight(kInfoPanelHeight);
    auto* notes = new QVBoxLayout(pExpInfo);
    notes->setContentsMargins(4, 2, 4, 2);
    notes->setSpacing(2);
    for (QLabel* note : {lExpInfoAfter2004, lExpInfoBefore2004}) {
        note->setWordWrap(true);
        notes->addWidget(note);
    }
    notes->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(grdExp, 1);
    layout->addWidget(pExpBottomAll);
    layout->addWidget(pExpInfo);
}

// The focus moves while the children go.
ExperienceTab::~ExperienceTab() {
    disconnect(m_focusWatch);
}

void ExperienceTab::bind(Table& cdsExp) {
    m_table = &cdsExp;
    GridColumn begin{.field = "exp_date_begin"};
    GridColumn finish{.field = "exp_date_finish"};
    for (GridColumn* date : {&begin, &finish}) {
        date->alignment = Qt::AlignCenter;
        date->width = kDateColumnWidth;
        date->fixedWidth = true;
    }
    GridColumn length{.field = "exp_day_str",
                      .title = QString::fromUtf8(captions::kExpLengthTitle),
                      .alignment = Qt::AlignCenter,
                      .width = kLengthColumnWidth,
                      .readOnly = true};
    // The sheet of "Зберегти в xls" keeps its columns: the kind is not written there.
    GridColumn kind{.field = "exp_kind_name", .editsLookupKey = true, .exported = false};
    grdExp->setTable(cdsExp, {begin, finish, length, kind});
    // A kind's title cut by a narrow column shows whole as the cell's tooltip.
    grdExp->model()->setCellHook([this](int row, int column, int role) -> QVariant {
        if (column != KindColumn || role != Qt::ToolTipRole)
            return {};
        const QString cut = grdExp->cutCellText(row, column);
        return cut.isEmpty() ? QVariant() : QVariant(cut);
    });
    applySort({{BeginColumn, false}});
}

void ExperienceTab::RefreshExpTotal() {
    if (!m_table)
        return;
    const YearsMonthsDays total = experienceTotal(*m_table);
    const std::string share = creditedShareText(periodsInView(*m_table));
    FooterBar* footer = grdExp->footer();
    footer->setCellText(LengthColumn, QString::fromStdString(lengthText(total)));
    footer->setCellText(
        KindColumn,
        share.empty()
            ? QString()
            : QString::fromUtf8(captions::kCreditedShare).arg(QString::fromStdString(share)));
}

void ExperienceTab::deleteAllPeriods() {
    if (!m_table)
        return;
    const BoundViewsSuspension frozen(*m_table);
    m_table->cancel(); // a row being typed goes with the others, unstored
    m_table->first();
    while (m_table->recordCount() > 0)
        m_table->remove();
}

void ExperienceTab::grdExpDrawFooterCell(QPainter& painter, int, const QRect& cell) {
    const FooterBar* footer = grdExp->footer();
    const QRect begin = footer->cellRect(0);
    const QRect finish = footer->cellRect(1);
    if (begin.isEmpty() || finish.isEmpty())
        return;
    // One label over both date columns, centred under them.
    const QRect labelArea(begin.left(), cell.top(), begin.width() + finish.width(), cell.height());
    painter.fillRect(labelArea, FooterBar::kCream);
    QFont bold = footer->font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(readableOn(FooterBar::kCream, footer->palette().color(QPalette::WindowText)));
    painter.drawText(labelArea, Qt::AlignCenter, QString::fromUtf8(captions::kExpTotalLabel));
}

void ExperienceTab::grdExpKeyUp() {
    const bool hasPeriods = m_table && m_table->recordCount() > 0;
    m_aVerifyExp->setEnabled(hasPeriods);
    m_aClearExp->setEnabled(hasPeriods);
}

bool ExperienceTab::eventFilter(QObject* watched, QEvent* event) {
    QTableView* view = grdExp->view();
    if (!m_table)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == view)
            return grdExpKeyDown(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::KeyRelease:
        if (watched != view->viewport() && watched != view->horizontalHeader()->viewport())
            grdExpKeyUp(); // the grid's or a cell editor's
        break;
    case QEvent::FocusIn:
        // An empty grid offers a new row to type into, as it does past its last row.
        if (watched == view && grdExp->model()->rowCount() == 0)
            appendRow(0);
        break;
    case QEvent::MouseButtonPress:
        if (watched == view->horizontalHeader()->viewport()) {
            m_titleClickModifiers = static_cast<QMouseEvent*>(event)->modifiers();
        } else if (watched == view->viewport()) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const QModelIndex clicked = view->indexAt(at);
            kindPressed(clicked);
            if (clicked.isValid() && clicked.row() != m_table->recordCount())
                dropUntouchedNewRow();
        }
        break;
    case QEvent::MouseButtonDblClick: // the second press of a double click
        if (watched == view->viewport())
            kindPressed(view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    case QEvent::MouseButtonRelease:
        if (watched == view->viewport() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            kindReleased(view->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool ExperienceTab::grdExpKeyDown(const QKeyEvent& key) {
    const QModelIndex current = grdExp->view()->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    const bool control = key.modifiers() & Qt::ControlModifier;
    if (current.isValid() && column == KindColumn && opensList(key))
        return LookupCellDelegate::openList(
            grdExp->view(), current,
            key.key() == Qt::Key_F4 || key.key() == Qt::Key_Down ? nullptr : &key);
    switch (key.key()) {
    case Qt::Key_Tab:
        if (control)
            return false;
        moveToNextCell();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveToNextCell();
        return true;
    case Qt::Key_Backtab:
        if (control)
            return false;
        moveToPreviousCell();
        return true;
    case Qt::Key_Down:
        if (current.isValid() && current.row() + 1 < grdExp->model()->rowCount())
            return false;
        appendRow(column);
        return true;
    case Qt::Key_Up:
        if (!isUntouchedNewRow())
            return false;
        dropUntouchedNewRow(); // back on the row the new one was started from
        setCurrentCell(m_table->recNo() - 1, column);
        return true;
    case Qt::Key_PageUp:
        dropUntouchedNewRow();
        return false;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (control)
            dropUntouchedNewRow();
        return false;
    case Qt::Key_Insert:
        appendRow(column);
        return true;
    case Qt::Key_Delete:
        deleteCurrentRow();
        return true;
    case Qt::Key_Escape:
        if (!m_table->isEditing())
            return false;
        cancelRow();
        return true;
    default:
        return false;
    }
}

void ExperienceTab::setCurrentCell(int row, int column) {
    TableModel* model = grdExp->model();
    if (row >= 0 && row < model->rowCount())
        grdExp->view()->setCurrentIndex(model->index(row, column));
}

int ExperienceTab::nextTypedColumn(int column, int step) const {
    const TableModel* model = grdExp->model();
    for (int next = column + step; next >= 0 && next < model->columnCount(); next += step)
        if (!model->isColumnReadOnly(next))
            return next;
    return -1;
}

void ExperienceTab::moveToNextCell() {
    const QModelIndex current = grdExp->view()->currentIndex();
    if (!current.isValid()) {
        appendRow(BeginColumn);
        return;
    }
    if (const int next = nextTypedColumn(current.column(), 1); next >= 0) {
        setCurrentCell(current.row(), next);
        return;
    }
    if (current.row() + 1 < grdExp->model()->rowCount())
        setCurrentCell(current.row() + 1, BeginColumn); // the grid stores the row it leaves
    else
        appendRow(BeginColumn);
}

void ExperienceTab::moveToPreviousCell() {
    const QModelIndex current = grdExp->view()->currentIndex();
    if (!current.isValid())
        return;
    if (const int previous = nextTypedColumn(current.column(), -1); previous >= 0) {
        setCurrentCell(current.row(), previous);
        return;
    }
    const int lastColumn = nextTypedColumn(grdExp->model()->columnCount(), -1);
    if (isUntouchedNewRow()) {
        dropUntouchedNewRow();
        setCurrentCell(m_table->recNo() - 1, lastColumn);
    } else if (current.row() > 0) {
        setCurrentCell(current.row() - 1, lastColumn);
    }
}

// A new row shows after the view's rows until it is stored in its place of the sort; it starts
// as work.
void ExperienceTab::appendRow(int column) {
    if (!isUntouchedNewRow() && !runCommand(m_prompt, [this] {
            m_table->append();
            m_table->setValue("exp_kind", std::string(namesOf(PeriodKind::Work).code));
        }))
        return; // the row being left was refused and stays in editing
    setCurrentCell(m_table->recordCount(), column);
}

void ExperienceTab::kindPressed(const QModelIndex& pressed) {
    m_kindPressedWhenCurrent = pressed.isValid() && pressed.column() == KindColumn &&
                               pressed == grdExp->view()->currentIndex();
}

void ExperienceTab::kindReleased(const QModelIndex& released) {
    if (std::exchange(m_kindPressedWhenCurrent, false) &&
        released == grdExp->view()->currentIndex())
        LookupCellDelegate::openList(grdExp->view(), released);
}

void ExperienceTab::deleteCurrentRow() {
    if (grdExp->model()->rowCount() == 0)
        return;
    if (!m_prompt.askPlainYesNo(QString::fromUtf8(captions::kDeleteRecordQuestion)))
        return;
    const QModelIndex current = grdExp->view()->currentIndex();
    if (runCommand(m_prompt, [this] { m_table->remove(); }))
        emit periodDeleted();
    if (m_table->recNo() > 0)
        setCurrentCell(m_table->recNo() - 1, current.isValid() ? current.column() : 0);
}

void ExperienceTab::cancelRow() {
    const QModelIndex current = grdExp->view()->currentIndex();
    m_table->cancel();
    if (m_table->recNo() > 0)
        setCurrentCell(m_table->recNo() - 1, current.isValid() ? current.column() : 0);
}

bool ExperienceTab::isUntouchedNewRow() const {
    return m_table && m_table->state() == TableState::Insert && m_table->isNull("exp_date_begin") &&
           m_table->isNull("exp_date_finish");
}

void ExperienceTab::dropUntouchedNewRow() {
    if (isUntouchedNewRow())
        m_table->cancel();
}

bool ExperienceTab::holdsFocus(const QWidget* widget) const {
    return widget && (widget == grdExp || grdExp->isAncestorOf(widget));
}

void ExperienceTab::focusLeftGrid() {
    if (!m_table || !m_table->isEditing())
        return;
    if (isUntouchedNewRow())
        m_table->cancel();
    else
        runCommand(m_prompt, [this] { m_table->post(); }); // refused: stays in editing
}

bool ExperienceTab::commitOpenEditor() {
    QTableView* view = grdExp->view();
    const QModelIndex current = view->currentIndex();
    QWidget* editor = current.isValid() ? view->indexWidget(current) : nullptr;
    QAbstractItemDelegate* delegate = view->itemDelegateForIndex(current);
    if (!editor || !delegate)
        return true;
    if (auto* date = dynamic_cast<DateCellDelegate*>(delegate)) {
        if (!date->store(editor, view->model(), current))
            return false;
    } else {
        delegate->setModelData(editor, view->model(), current);
    }
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void ExperienceTab::titleClicked(int column) {
    if (!m_table)
        return;
    const auto marked = [column](const SortMarker& marker) { return marker.column == column; };
    std::vector<SortMarker> markers = m_sortMarkers;
    const auto found = std::find_if(markers.begin(), markers.end(), marked);
    if (m_titleClickModifiers & Qt::ControlModifier) {
        if (found == markers.end())
            markers.push_back({column, false});
        else
            found->descending = !found->descending;
    } else {
        const bool descending = found != markers.end() && !found->descending;
        markers = {{column, descending}};
    }
    applySort(markers);
}

// The sort is the table's own index, so every walk of the periods follows the grid's order.
bool ExperienceTab::applySort(const std::vector<SortMarker>& markers) {
    if (!commitOpenEditor())
        return false;
    dropUntouchedNewRow();
    std::vector<Table::IndexKey> keys;
    for (const SortMarker& marker : markers)
        keys.push_back({sortField(*grdExp->model(), marker.column), marker.descending});
    if (!runCommand(m_prompt, [&] { m_table->setIndex(keys); }))
        return false;
    m_sortMarkers = markers;
    grdExp->view()->horizontalHeader()->viewport()->update();
    return true;
}

// ---- The experience tab's commands of the main window

void TfrmMain::RefreshExpTotal() {
    if (experienceTab)
        experienceTab->RefreshExpTotal();
}

void TfrmMain::aClearExpExecute() {
    if (!m_dMain || !m_prompt->confirm(QString::fromUtf8(captions::kClearExpQuestion)))
        return;
    const bool hadPeriods = m_dMain->cdsExp.recordCount() > 0;
    experienceTab->deleteAllPeriods();
    aClearExp->setEnabled(false);
    aVerifyExp->setEnabled(false);
    RefreshExpTotal();
    if (hadPeriods)
        MarkModified();
}

// An error of the ledger build (a month without reference data) ends the command after the
// guards have put the grid and the refresh flag back; the year list and summary stay as they were.
void TfrmMain::aVerifyExpExecute() {
    if (!m_dMain)
        return;
    {
        const LedgerRefreshPause refreshOff(*this, LedgerRefreshPause::SummaryAtExit::Keep);
        ClearCalcResults(false);
        // Returns to the current period (unless a refused one is still being edited), then
        // resumes the views.
        const BoundViewsSuspension frozen(m_dMain->cdsExp);
        const KeptCursor keptPeriod(m_dMain->cdsExp);
        const std::optional<Date> birthDate = gbPers->dtehPersBirthdate->date();
        if (!birthDate)
            throw UserError(messages::kPersonMessages[static_cast<int>(ConfirmCode::BadBirthDate)]);
        const VerifyResult result = m_dMain->VerifyPeriods(*birthDate);
        if (result.outcome == VerifyResult::Outcome::LedgerBuilt) {
            pcMain->setPageEnabled(pcMain->indexOf(tsEarning), result.ledgerBuilt);
            pcMain->update();
        }
        if (earningsTab)
            earningsTab->FillYearSelector();
    }
    if (earningsTab)
        earningsTab->RefreshYearSummary(true);
}

} // namespace rv
