#include "earnings_tab.h"

#include "calc/ledger_month.h"
#include "calc/number_format.h"
#include "captions.h"
#include "command.h"
#include "data_grid.h"
#include "display_format.h"
#include "footer_bar.h"
#include "prompt.h"
#include "store/dmMain.h"
#include "uMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

#include <charconv>
#include <cmath>
#include <string>

namespace rv {

namespace {

constexpr int kSelectorWidth = 123;
// Column widths in pixels before they are scaled to fill the grid; the month keeps its own.
constexpr int kMonthWidth = 76;
constexpr int kYearWidth = 50;
constexpr int kWageWidth = 110;
constexpr int kPaymentWidth = 120;
constexpr int kCoefficientWidth = 110;
constexpr int kCreditedDaysWidth = 100;
constexpr int kMarkWidth = 150;
constexpr int kFirstShortCreditedYear = 2004; // part 3 of art. 24 counts months from 2004 on
constexpr int kSummaryDigits = 10;            // significant digits of the footer's earnings sum
const QColor kShortCreditedText(255, 0, 0);

constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

std::vector<GridColumn> ledgerColumns() {
    const auto title = [](const char* text) { return QString::fromUtf8(text); };
    std::vector<GridColumn> columns = {
        {.field = "earning_year", .alignment = kNumberAlignment, .width = kYearWidth},
        {.field = "earning_month_name", .width = kMonthWidth},
        {.field = "earning_min_zp",
         .title = title(captions::kMinZpColumnTitle),
         .displayFormat = "0.00",
         .alignment = kNumberAlignment,
         .width = kWageWidth},
        {.field = "earning_avg_zp",
         .displayFormat = "0.00###",
         .alignment = kNumberAlignment,
         .width = kWageWidth},
        {.field = "earning_payment",
         .title = title(captions::kPaymentColumnTitle),
         .displayFormat = "0.00000",
         .alignment = kNumberAlignment,
         .width = kPaymentWidth},
        {.field = "earning_k",
         .title = title(captions::kCoefficientColumnTitle),
         .displayFormat = "0.00###",
         .alignment = kNumberAlignment,
         .width = kCoefficientWidth},
        {.field = "earning_day",
         .title = title(captions::kCreditedDaysColumnTitle),
         .alignment = kNumberAlignment,
         .width = kCreditedDaysWidth},
        {.field = "earning_opt1",
         .title = title(captions::kOpt1ColumnTitle),
         .alignment = Qt::AlignCenter,
         .width = kMarkWidth},
        {.field = "earning_opt2",
         .title = title(captions::kOpt2ColumnTitle),
         .alignment = Qt::AlignCenter,
         .width = kMarkWidth},
    };
    for (GridColumn& column : columns)
        column.readOnly = column.field != "earning_payment";
    return columns;
}

// The characters a ledger field admits when typed (digits, "," and "." for its numbers).
class TypedInputValidator : public QValidator {
public:
    TypedInputValidator(const Table& table, std::string field, QObject* parent)
        : QValidator(parent), m_table(table), m_field(std::move(field)) {}

    State validate(QString& input, int&) const override {
        for (const char32_t character : input.toUcs4())
            if (!m_table.acceptsTyped(m_field, character))
                return Invalid;
        return Acceptable;
    }

private:
    const Table& m_table;
    std::string m_field;
};

// The cell editor of the ledger grid: refuses characters the field does not admit, takes Enter
// as Tab, and stores through the command helper so that a refused value shows in a box.
class LedgerDelegate : public QStyledItemDelegate {
public:
    LedgerDelegate(const TableModel& model, Prompt& prompt, QObject* parent)
        : QStyledItemDelegate(parent), m_model(model), m_prompt(prompt) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new TypedInputValidator(m_model.table(),
                                                       m_model.column(index.column()).field, line));
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        runCommand(m_prompt, [&] { QStyledItemDelegate::setModelData(editor, model, index); });
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event)->key())) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            return QStyledItemDelegate::eventFilter(editor, &tab);
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    const TableModel& m_model;
    Prompt& m_prompt;
};

// Column titles wrap over as many lines as their width needs, and the title row grows to fit.
class WrappingTitleStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* title = qstyleoption_cast<const QStyleOptionHeader*>(option);
            title && element == CE_HeaderLabel) {
            QStyleOptionHeader wrapped(*title);
            wrapped.textAlignment = Qt::Alignment(int(title->textAlignment) | Qt::TextWordWrap);
            QProxyStyle::drawControl(element, &wrapped, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* title = qstyleoption_cast<const QStyleOptionHeader*>(option);
        const auto* header = qobject_cast<const QHeaderView*>(widget);
        if (type != CT_HeaderSection || !title || !header)
            return result;
        const int margins = 2 * pixelMetric(PM_HeaderMargin, option, widget);
        const int width = std::max(header->sectionSize(title->section) - margins, 1);
        const QRect text = option->fontMetrics.boundingRect(
            QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::AlignCenter | Qt::TextWordWrap, title->text);
        result.setHeight(std::max(result.height(), text.height() + margins));
        return result;
    }
};

// Leaves an edit that could not be stored, so that the row keeps its stored values.
class UnstoredEditCancel {
public:
    explicit UnstoredEditCancel(Table& table) : m_table(table) {}
    ~UnstoredEditCancel() {
        if (m_table.isEditing())
            m_table.cancel();
    }
    UnstoredEditCancel(const UnstoredEditCancel&) = delete;
    UnstoredEditCancel& operator=(const UnstoredEditCancel&) = delete;

private:
    Table& m_table;
};

// Returns to the row number current at construction on every way out of a walk over the table.
// A row still being edited (its store was refused) keeps the cursor where it is.
class KeptRow {
public:
    explicit KeptRow(Table& table) : m_table(table), m_recNo(table.recNo()) {}
    ~KeptRow() {
        if (!m_table.isEditing() && m_recNo >= 1 && m_recNo <= m_table.recordCount())
            m_table.setRecNo(m_recNo);
    }
    KeptRow(const KeptRow&) = delete;
    KeptRow& operator=(const KeptRow&) = delete;

private:
    Table& m_table;
    int m_recNo;
};

QPushButton* actionButton(QAction* action, const char* name, QWidget* parent) {
    auto* button = new QPushButton(action->text(), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

// The value rounded to its first `digits` significant digits.
double toSignificantDigits(double value, int digits) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

// The footer's sum of earnings: five decimals for a sum between 0 and 10, else two.
QString earningsSumText(double sum) {
    const int decimals = sum > 0 && sum < 10 ? 5 : 2;
    return QString::fromStdString(
        formatFixed(toSignificantDigits(sum, kSummaryDigits), decimals, decimalSeparator()));
}

// A pasted earning: a decimal number with "," or "." as separator, never negative.
std::optional<double> pastedEarning(const QString& text) {
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double earning = number.toDouble(&ok);
    if (!ok || !std::isfinite(earning) || earning < 0)
        return std::nullopt;
    return earning;
}

int integerValue(const Value& value) {
    const auto* integer = std::get_if<std::int32_t>(&value);
    return integer ? *integer : 0;
}

} // namespace

bool isShortCreditedMonth(int year, int month0, int creditedDays) {
    return year >= kFirstShortCreditedYear &&
           creditedDays < daysInMonth(year, calendarMonth(LedgerMonth{year, month0}));
}

EarningsTab::EarningsTab(TfrmMain& window, QWidget* parent)
    : QWidget(parent), pEarningTop(new QWidget(this)), cbEarningSelector(new QComboBox),
      grdEarning(new DataGrid(window.prompt(), this)), pEarningBottom(new QWidget(this)),
      bbClearEarning(actionButton(window.aClearEarning, "bbClearEarning", pEarningBottom)),
      bEarningPrint(actionButton(window.aPrintEarning, "bEarningPrint", pEarningBottom)),
      bbVerifyEarnings(actionButton(window.aVerifyEarning, "bbVerifyEarnings", pEarningBottom)),
      bImportEarnings(actionButton(window.aImportEarnings, "bImportEarnings", pEarningBottom)),
      Label3(new QLabel(QString::fromUtf8(captions::kEarningFootnote), pEarningBottom)),
      m_window(window) {
    pEarningTop->setObjectName(QStringLiteral("pEarningTop"));
    cbEarningSelector->setObjectName(QStringLiteral("cbEarningSelector"));
    grdEarning->setObjectName(QStringLiteral("grdEarning"));
    pEarningBottom->setObjectName(QStringLiteral("pEarningBottom"));
    Label3->setObjectName(QStringLiteral("Label3"));

    cbEarningSelector->setEditable(true);
    cbEarningSelector->setFixedWidth(kSelectorWidth);
    cbEarningSelector->setInsertPolicy(QComboBox::NoInsert);
    cbEarningSelector->setCompleter(nullptr); // a typed "20" must not become "2000"
    cbEarningSelector->setEditText(QString::fromUtf8(captions::kChooseYear));
    connect(cbEarningSelector, &QComboBox::editTextChanged, this,
            &EarningsTab::cbEarningSelectorChange);
    auto* topLayout = new QHBoxLayout(pEarningTop);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(cbEarningSelector);
    topLayout->addStretch(1);

    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    bImportEarnings->setText(QString::fromUtf8(captions::kImportEarningsButton));
    for (QPushButton* button : {bbClearEarning, bEarningPrint, bbVerifyEarnings, bImportEarnings})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* bottomLayout = new QVBoxLayout(pEarningBottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->addLayout(buttons);
    bottomLayout->addWidget(Label3);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pEarningTop);
    layout->addWidget(grdEarning, 1);
    layout->addWidget(pEarningBottom);

    QTableView* view = grdEarning->view();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    view->horizontalHeader()->setSectionsMovable(true);
    view->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    auto* titleStyle = new WrappingTitleStyle;
    titleStyle->setParent(view->horizontalHeader());
    view->horizontalHeader()->setStyle(titleStyle);

    FooterBar* footer = grdEarning->footer();
    footer->setCellAlignment(YearColumn, Qt::AlignCenter);
    footer->setCellAlignment(MonthColumn, Qt::AlignCenter);
    footer->setCellAlignment(PaymentColumn, kNumberAlignment);
    footer->setCellAlignment(CoefficientColumn, kNumberAlignment);
    grdEarning->setFooterVisible(true);
}

void EarningsTab::bind(TdMain& dMain) {
    m_dMain = &dMain;
    grdEarning->setReadOnly(false);
    grdEarning->setTable(dMain.cdsEarning, ledgerColumns());
    TableModel* model = grdEarning->model();
    model->setForegroundHook(
        [this](int row, int column) { return grdEarningDrawColumnCell(row, column); });
    QTableView* view = grdEarning->view();
    view->setItemDelegate(new LedgerDelegate(*model, m_window.prompt(), view));
    setOptimisationColumnsVisible(false);
}

void EarningsTab::setOptimisationColumnsVisible(bool visible) {
    grdEarning->view()->setColumnHidden(Optimisation1Column, !visible);
    grdEarning->view()->setColumnHidden(Optimisation2Column, !visible);
    fitColumnWidths();
}

// Scales the visible columns to fill the grid's width, keeping their proportions; the person may
// resize them afterwards until the grid's width changes.
void EarningsTab::fitColumnWidths() {
    const TableModel* model = grdEarning->model();
    QTableView* view = grdEarning->view();
    if (!model)
        return;
    int scalable = 0;
    int fixed = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        (column == MonthColumn ? fixed : scalable) += model->column(column).width;
    }
    const int available = view->viewport()->width() - fixed;
    if (scalable <= 0 || available <= 0)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        if (!view->isColumnHidden(column) && column != MonthColumn)
            view->horizontalHeader()->resizeSection(column, model->column(column).width *
                                                                available / scalable);
}

void EarningsTab::FillYearSelector() {
    const QSignalBlocker quiet(cbEarningSelector); // the list is filled, no year is chosen
    cbEarningSelector->clear();
    QStringList years;
    if (m_dMain) {
        Table& ledger = m_dMain->cdsEarning;
        try {
            const BoundViewsSuspension suspension(ledger);
            const KeptRow kept(ledger);
            ledger.setFiltered(false); // and off it stays
            // The ledger runs in year order, so each year starts a run of its months.
            int year = 0;
            for (; !ledger.eof(); ledger.next()) {
                if (ledger.asInteger("earning_year") == year)
                    continue;
                year = ledger.asInteger("earning_year");
                years.append(QString::number(year));
            }
        } catch (const std::exception&) {
            m_window.prompt().plain(QString::fromUtf8(captions::kSelectorFillError));
        }
    }
    cbEarningSelector->addItems(years);
    cbEarningSelector->setCurrentIndex(-1);
    cbEarningSelector->setEditText(QString::fromUtf8(captions::kChooseYear));
}

// Makes the first month of the typed or chosen year current, at the top of the view when enough
// months follow it; a number that is no year of the ledger leaves the last row current.
void EarningsTab::cbEarningSelectorChange(const QString& text) {
    bool isNumber = false;
    const int year = text.toInt(&isNumber);
    if (!isNumber || !m_dMain) {
        m_window.prompt().plain(QString::fromUtf8(captions::kYearChoiceError));
        return;
    }
    Table& ledger = m_dMain->cdsEarning;
    try {
        // The resume's notification refreshes the footer for the year found.
        const BoundViewsSuspension suspension(ledger);
        ledger.first();
        while (!ledger.eof() && ledger.asInteger("earning_year") != year)
            ledger.next();
    } catch (const std::exception&) {
        m_window.prompt().plain(QString::fromUtf8(captions::kYearChoiceError));
        return;
    }
    if (ledger.recordCount() == 0)
        return;
    QTableView* view = grdEarning->view();
    const QModelIndex current = view->currentIndex();
    view->scrollTo(
        grdEarning->model()->index(ledger.recNo() - 1, current.isValid() ? current.column() : 0),
        QAbstractItemView::PositionAtTop);
}

void EarningsTab::RefreshYearSummary(bool force) {
    if (!m_dMain)
        return;
    Table& ledger = m_dMain->cdsEarning;
    // A row being typed is left alone: its store brings the footer up to date.
    if (!force && (!m_window.LedgerRefreshEnabled || ledger.recordCount() < 1 ||
                   ledger.isEditing() || ledger.asInteger("earning_year") == m_window.SummaryYear))
        return;
    QScrollBar* scrollBar = grdEarning->view()->verticalScrollBar();
    const int scrollPosition = scrollBar->value();
    try {
        m_window.SummaryYear = ledger.asInteger("earning_year");
        int months = 0;
        double earnings = 0;
        double coefficients = 0;
        {
            const BoundViewsSuspension suspension(ledger);
            const KeptRow kept(ledger);
            ledger.setFilter("earning_year = " + std::to_string(m_window.SummaryYear));
            ledger.setFiltered(true);
            for (; !ledger.eof(); ledger.next()) {
                earnings += ledger.asFloat("earning_payment");
                coefficients += ledger.asFloat("earning_k");
                ++months;
            }
            ledger.setFiltered(false); // the filter text stays
        }
        writeYearSummary(m_window.SummaryYear, months, earnings, coefficients);
        scrollBar->setValue(scrollPosition);
    } catch (const std::exception&) {
        // The footer keeps its last texts: a summary that cannot be made is not worth a box.
    }
}

void EarningsTab::writeYearSummary(int year, int months, double earnings, double coefficients) {
    FooterBar* footer = grdEarning->footer();
    footer->setCellText(YearColumn, QString::number(year));
    footer->setCellText(MonthColumn,
                        QString::number(months) + QString::fromUtf8(captions::kMonthsSuffix));
    footer->setCellText(PaymentColumn, earningsSumText(earnings));
    footer->setCellText(CoefficientColumn,
                        QString::fromStdString(formatGeneral(coefficients, decimalSeparator())));
}

std::optional<QColor> EarningsTab::grdEarningDrawColumnCell(int row, int column) const {
    if (column != CreditedDaysColumn || !m_dMain)
        return std::nullopt;
    const Table& ledger = m_dMain->cdsEarning;
    const bool edited = ledger.isEditing() && row == ledger.recNo() - 1;
    const auto value = [&](const char* field) {
        const int position = ledger.fieldIndex(field);
        return integerValue(edited ? ledger.value(position) : ledger.viewValue(row, position));
    };
    if (isShortCreditedMonth(value("earning_year"), value("earning_month"), value("earning_day")))
        return kShortCreditedText;
    return std::nullopt;
}

bool EarningsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdEarning->view()->viewport() && event->type() == QEvent::Resize)
        fitColumnWidths();
    if (watched == grdEarning->view()) {
        if (event->type() == QEvent::KeyPress)
            return grdEarningKeyDown(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::KeyRelease)
            grdEarningKeyUp();
    }
    return QWidget::eventFilter(watched, event);
}

bool EarningsTab::grdEarningKeyDown(QKeyEvent* key) {
    if (!m_dMain)
        return false;
    const bool control = key->modifiers() & Qt::ControlModifier;
    if (control && key->key() == Qt::Key_C) {
        copyEarning();
        return true; // the view would put the focused cell's text there instead
    }
    if (control && key->key() == Qt::Key_V) {
        const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
        if (!clipboard || !clipboard->hasText())
            return false;
        pasteEarning();
        return true;
    }
    QTableView* view = grdEarning->view();
    Table& ledger = m_dMain->cdsEarning;
    if (isEnter(key->key())) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &tab);
        return true;
    }
    // Down on the last month stores it, as leaving the row would.
    if (key->key() == Qt::Key_Down && ledger.isEditing() &&
        ledger.recNo() == ledger.recordCount()) {
        runCommand(m_window.prompt(), [&] { ledger.next(); });
        return true;
    }
    // A character the field does not admit neither opens the cell editor nor reaches it.
    const QModelIndex current = view->currentIndex();
    if (key->text().isEmpty() || !key->text().at(0).isPrint() || !current.isValid() ||
        !(current.flags() & Qt::ItemIsEditable))
        return false;
    const std::string& field = grdEarning->model()->column(current.column()).field;
    for (const char32_t character : key->text().toUcs4())
        if (!ledger.acceptsTyped(field, character))
            return true;
    return false;
}

void EarningsTab::grdEarningKeyUp() {
    const bool hasRows = m_dMain && m_dMain->cdsEarning.recordCount() > 0;
    m_window.aVerifyEarning->setEnabled(hasRows);
    m_window.aClearEarning->setEnabled(hasRows);
}

// The current month's earning, whatever column is focused, in the general number format.
void EarningsTab::copyEarning() {
    const double earning = m_dMain->cdsEarning.asFloat("earning_payment");
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(formatGeneral(earning, decimalSeparator())));
}

// Stores the clipboard's number as the current month's earning and moves to the next month.
void EarningsTab::pasteEarning() {
    Table& ledger = m_dMain->cdsEarning;
    const std::optional<double> earning = pastedEarning(QGuiApplication::clipboard()->text());
    if (earning && ledger.recordCount() > 0) {
        try {
            {
                const UnstoredEditCancel unstored(ledger);
                ledger.edit();
                ledger.setValue("earning_payment", *earning);
                ledger.post();
            }
            ledger.next();
            return;
        } catch (const std::exception&) {
            // Reported below, like a text that is no earning.
        }
    }
    m_window.prompt().plain(QString::fromUtf8(captions::kCopyError));
}

void EarningsTab::aClearEarningExecute() {
    if (!m_dMain || !m_window.prompt().confirm(QString::fromUtf8(captions::kClearEarningQuestion)))
        return;
    Table& ledger = m_dMain->cdsEarning;
    {
        const BoundViewsSuspension suspension(ledger);
        const KeptRow kept(ledger);
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            const UnstoredEditCancel unstored(ledger);
            ledger.edit();
            ledger.setValue("earning_payment", 0.0);
            ledger.post(); // evaluates the month again with no earning
        }
    }
    grdEarning->setFocus();
    m_window.aClearEarning->setEnabled(false);
    m_window.aVerifyEarning->setEnabled(false);
}

void EarningsTab::aSuperChangeExecute() {
    const bool on = m_window.aSuperChange->isChecked();
    if (m_dMain)
        m_dMain->setSuperState(on);
    TableModel* model = grdEarning->model();
    if (!model)
        return;
    model->setColumnReadOnly(CoefficientColumn, !on);
    model->setColumnReadOnly(CreditedDaysColumn, !on);
}

} // namespace rv
