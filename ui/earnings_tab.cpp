#include "earnings_tab.h"

#include "action_button.h"
#include "calc/amount_text.h"
#include "calc/credited_rules.h"
#include "calc/ledger_month.h"
#include "calc/ledger_rules.h"
#include "calc/number_format.h"
#include "captions.h"
#include "command.h"
#include "data_grid.h"
#include "display_format.h"
#include "engine/table_scopes.h"
#include "footer_bar.h"
#include "prompt.h"
#include "store/dmMain.h"
#include "store/ledger_summary.h"
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
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace rv {

namespace {

constexpr int kSelectorWidth = 123;
constexpr int kKindWidth = 130;            // before the grid scales its columns to its width
constexpr int kExclusionWidth = 160;       // "воєнний стан" whole at the first size
constexpr int kSummaryDigits = 10;         // significant digits of the footer's earnings sum
constexpr int kKarbovanetsDecimals = 5;    // one karbovanets is 0,00001 hryvnia
constexpr int kCoefficientMinDecimals = 2; // "0.00###", as the coefficient column shows them
constexpr int kCoefficientMaxDecimals = 5;
const QColor kShortCreditedText(255, 0, 0);

constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;
// Hryvnias and kopecks; amounts before the 1996 reform are karbovanets converted and keep five
// decimals (one karbovanets is 0,00001 hryvnia).
const char* const kMoneyFormat = "0.00";
const char* const kPreReformPaymentFormat = "0.00000";
const char* const kPreReformWageFormat = "0.00###";

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QString displayFormatOf(LedgerColumnKind kind) {
    switch (kind) {
    case LedgerColumnKind::Money:
        return QString::fromLatin1(kMoneyFormat);
    case LedgerColumnKind::AverageWage:
    case LedgerColumnKind::Coefficient:
        return QStringLiteral("0.00###");
    default:
        return {};
    }
}

Qt::Alignment alignmentOf(LedgerColumnKind kind) {
    switch (kind) {
    case LedgerColumnKind::MonthName:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case LedgerColumnKind::Mark:
        return Qt::AlignCenter;
    default:
        return kNumberAlignment;
    }
}

// The grid's columns from the ledger's column descriptions; only the earning is typed.
std::vector<GridColumn> ledgerColumns() {
    std::vector<GridColumn> columns;
    for (const LedgerColumn& column : kLedgerColumns) {
        if (!column.shown)
            continue;
        columns.push_back(
            {.field = std::string(column.field),
             .title = QString::fromUtf8(column.gridTitle.data(),
                                        static_cast<qsizetype>(column.gridTitle.size())),
             .displayFormat = displayFormatOf(column.kind),
             .alignment = alignmentOf(column.kind),
             .width = column.gridWidth,
             .readOnly = column.field != "earning_payment"});
    }
    // The sheet of "Зберегти в xls" keeps the ledger's own columns.
    columns.push_back(
        {.field = "earning_kind_name", .width = kKindWidth, .readOnly = true, .exported = false});
    columns.push_back({.field = "earning_excl_name",
                       .width = kExclusionWidth,
                       .readOnly = true,
                       .exported = false});
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
// as Down in the earnings column (the next month's earning) and as Tab elsewhere, and stores
// through the command helper so that a refused value shows in a box.
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
            auto* view = qobject_cast<QAbstractItemView*>(parent());
            if (view && view->currentIndex().column() == EarningsTab::PaymentColumn) {
                // The editor ignores Down, which reaches the grid as if the person pressed it.
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QCoreApplication::sendEvent(editor, &down);
                return true;
            }
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

constexpr int shownLedgerColumnCount() {
    int count = 0;
    for (const LedgerColumn& column : kLedgerColumns)
        count += column.shown ? 1 : 0;
    return count;
}
static_assert(EarningsTab::KindColumn == shownLedgerColumnCount(),
              "the kind and the reason follow the ledger's own columns");

int integerValue(const Value& value) {
    const auto* integer = std::get_if<std::int32_t>(&value);
    return integer ? *integer : 0;
}

} // namespace

EarningsTab::EarningsTab(TfrmMain& window, QWidget* parent)
    : QWidget(parent), pEarningTop(new QWidget(this)), cbEarningSelector(new QComboBox),
      edtKarbovanets(new QLineEdit), lblKarbovanetsInHryvnias(new QLabel),
      bKarbovanetsToEarning(new QPushButton(QString::fromUtf8(captions::kKarbovanetsToEarning))),
      lblEarningsTotal(new QLabel), lblYearChoice(new QLabel),
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
    edtKarbovanets->setObjectName(QStringLiteral("edtKarbovanets"));
    lblKarbovanetsInHryvnias->setObjectName(QStringLiteral("lblKarbovanetsInHryvnias"));
    bKarbovanetsToEarning->setObjectName(QStringLiteral("bKarbovanetsToEarning"));
    lblEarningsTotal->setObjectName(QStringLiteral("lblEarningsTotal"));
    lblYearChoice->setObjectName(QStringLiteral("lblYearChoice"));
    auto* karbovanetsLabel = new QLabel(QString::fromUtf8(captions::kKarbovanetsLabel));
    karbovanetsLabel->setBuddy(edtKarbovanets);
    edtKarbovanets->setToolTip(QString::fromUtf8(captions::kKarbovanetsHint));
    edtKarbovanets->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
    edtKarbovanets->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"([0-9 \x{00A0}\x{202F}\x{2009},.]*)")),
        edtKarbovanets));
    bKarbovanetsToEarning->setEnabled(false);
    showKarbovanetsInHryvnias();
    connect(edtKarbovanets, &QLineEdit::textChanged, this, &EarningsTab::showKarbovanetsInHryvnias);
    connect(edtKarbovanets, &QLineEdit::returnPressed, this,
            &EarningsTab::storeKarbovanetsAsEarning);
    connect(bKarbovanetsToEarning, &QPushButton::clicked, this,
            &EarningsTab::storeKarbovanetsAsEarning);
    auto* topLayout = new QHBoxLayout(pEarningTop);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(cbEarningSelector);
    topLayout->addWidget(lblYearChoice);
    topLayout->addStretch(1);
    topLayout->addWidget(karbovanetsLabel);
    topLayout->addWidget(edtKarbovanets);
    topLayout->addWidget(lblKarbovanetsInHryvnias);
    topLayout->addWidget(bKarbovanetsToEarning);

    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    bImportEarnings->setText(QString::fromUtf8(captions::kImportEarningsButton));
    for (QPushButton* button : {bbClearEarning, bEarningPrint, bbVerifyEarnings, bImportEarnings})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(lblEarningsTotal);
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
    model->setDisplayFormatHook([this](int row, int column) -> std::optional<QString> {
        if (column != PaymentColumn && column != MinimumWageColumn)
            return std::nullopt;
        const Table& ledger = m_dMain->cdsEarning;
        if (row >= ledger.recordCount())
            return std::nullopt;
        const auto value = [&](const char* field) {
            return integerValue(ledger.viewValue(row, ledger.fieldIndex(field)));
        };
        if (!isBeforeCurrencyReform(m_dMain->LedgerLawRules(),
                                    {value("earning_year"), value("earning_month")}))
            return std::nullopt;
        return QString::fromLatin1(column == PaymentColumn ? kPreReformPaymentFormat
                                                           : kPreReformWageFormat);
    });
    model->setCellHook([this](int row, int column, int role) -> QVariant {
        if (role == Qt::ToolTipRole)
            return cellToolTip(row, column);
        if (role == Qt::DisplayRole && column == ExclusionColumn)
            return exclusionReason(row);
        return {};
    });
    QTableView* view = grdEarning->view();
    view->setItemDelegate(new LedgerDelegate(*model, m_window.prompt(), view));
    setOptimisationColumnsVisible(false);
}

void EarningsTab::setOptimisationColumnsVisible(bool visible) {
    for (const int column : {Optimisation1Column, Optimisation2Column, ExclusionColumn})
        grdEarning->view()->setColumnHidden(column, !visible);
    fitColumnWidths();
}

QString EarningsTab::exclusionText(int row) const {
    const Table& ledger = m_dMain->cdsEarning;
    return QString::fromStdString(
        textOrEmpty(ledger.viewValue(row, ledger.fieldIndex("earning_excl_name"))));
}

QVariant EarningsTab::exclusionReason(int row) const {
    // "виключено: воєнний стан" under the title "Виключено": the reason alone.
    const QString title = exclusionText(row);
    const qsizetype colon = title.indexOf(QStringLiteral(": "));
    return colon < 0 ? title : title.mid(colon + 2);
}

QVariant EarningsTab::cellToolTip(int row, int column) const {
    if (column == ExclusionColumn) {
        const QString title = exclusionText(row);
        return title.isEmpty() ? QVariant() : QVariant(title);
    }
    if (column == KindColumn) {
        const QString cut = grdEarning->cutCellText(row, column);
        return cut.isEmpty() ? QVariant() : QVariant(cut);
    }
    if (column != PaymentColumn)
        return {};
    const Table& ledger = m_dMain->cdsEarning;
    const auto value = [&](const char* field) {
        return ledger.viewValue(row, ledger.fieldIndex(field));
    };
    try {
        const LedgerMonth month{integerValue(value("earning_year")),
                                integerValue(value("earning_month"))};
        const KindTerms terms = kindTermsOf(m_dMain->CalcReference()->creditedRules(),
                                            kindOrWork(value("earning_kind")), month,
                                            m_dMain->cdsPerson.asDate("person_af_date"));
        if (terms.minimumWageStands)
            return QString::fromUtf8(captions::kMinimumWageStandsHint);
    } catch (const std::exception&) {
        // No reference to ask: the cell goes without a tooltip.
    }
    return {};
}

// Scales the visible columns to fill the grid's width, keeping their proportions; the year and the
// month keep their widths, so a narrow grid never cuts them, and no column gets narrower than the
// longest word of its title (titles wrap by words). Where even that is more than the grid's
// width, the grid scrolls sideways. The person may resize the columns afterwards until the
// grid's width changes.
void EarningsTab::fitColumnWidths() {
    const TableModel* model = grdEarning->model();
    QTableView* view = grdEarning->view();
    if (!model)
        return;
    const auto keepsWidth = [](int column) {
        return column == YearColumn || column == MonthColumn;
    };
    QHeaderView* titles = view->horizontalHeader();
    const int titleMargins = 2 * titles->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const auto leastWidth = [&](int column) {
        int widest = 0;
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        for (const QString& word : title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = std::max(widest, titles->fontMetrics().horizontalAdvance(word));
        return widest + titleMargins;
    };
    int scalable = 0;
    int available = view->viewport()->width();
    std::vector<int> scaled; // the visible columns that share the width
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        if (keepsWidth(column)) {
            available -= model->column(column).width;
        } else {
            scalable += model->column(column).width;
            scaled.push_back(column);
        }
    }
    if (scalable <= 0 || available <= 0)
        return;
    // A column that its share would squeeze below its title's longest word takes that width, and
    // the others share what is left, until every share is wide enough.
    std::vector<int> least(static_cast<std::size_t>(model->columnCount()), 0);
    for (bool squeezed = true; squeezed && scalable > 0;) {
        squeezed = false;
        for (const int column : scaled) {
            auto& pinned = least[static_cast<std::size_t>(column)];
            if (pinned > 0)
                continue;
            const int share = model->column(column).width * std::max(available, 0) / scalable;
            if (share >= leastWidth(column))
                continue;
            pinned = leastWidth(column);
            available -= pinned;
            scalable -= model->column(column).width;
            squeezed = true;
        }
    }
    for (const int column : scaled) {
        const int pinned = least[static_cast<std::size_t>(column)];
        titles->resizeSection(column, pinned > 0 ? pinned
                                                 : model->column(column).width *
                                                       std::max(available, 0) / scalable);
    }
}

void EarningsTab::FillYearSelector() {
    const QSignalBlocker quiet(cbEarningSelector); // the list is filled, no year is chosen
    cbEarningSelector->clear();
    QStringList years;
    if (m_dMain) {
        Table& ledger = m_dMain->cdsEarning;
        try {
            const BoundViewsSuspension suspension(ledger);
            const KeptCursor kept(ledger);
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
    refreshEarningsTotal();
    cbEarningSelector->setCurrentIndex(-1);
    cbEarningSelector->setEditText(QString::fromUtf8(captions::kChooseYear));
}

// Makes the first month of the typed or chosen year current, at the top of the view when enough
// months follow it. A text that is no year of the ledger leaves the current row and says so
// beside the selector (while a year is being typed, too: the note goes with its last digit).
void EarningsTab::cbEarningSelectorChange(const QString& text) {
    lblYearChoice->clear();
    if (!m_dMain || text.trimmed().isEmpty())
        return;
    bool isNumber = false;
    const int year = text.trimmed().toInt(&isNumber);
    if (!isNumber) {
        lblYearChoice->setText(QString::fromUtf8(captions::kYearNotANumber));
        return;
    }
    Table& ledger = m_dMain->cdsEarning;
    if (ledger.recordCount() == 0)
        return;
    const int yearField = ledger.fieldIndex("earning_year");
    const int firstYear = integerValue(ledger.viewValue(0, yearField));
    const int lastYear = integerValue(ledger.viewValue(ledger.recordCount() - 1, yearField));
    if (cbEarningSelector->findText(QString::number(year)) < 0) {
        lblYearChoice->setText(QString::fromUtf8(captions::kYearOutsideLedger)
                                   .arg(text.trimmed())
                                   .arg(firstYear)
                                   .arg(lastYear));
        return;
    }
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
        const LedgerSums sums = sumLedgerYear(ledger, m_window.SummaryYear);
        writeYearSummary(m_window.SummaryYear, sums.months, sums.earnings, sums.coefficients);
        scrollBar->setValue(scrollPosition);
    } catch (const std::exception&) {
        // The footer keeps its last texts: a summary that cannot be made is not worth a box.
    }
}

void EarningsTab::refreshEarningsTotal() {
    double total = 0;
    if (m_dMain) {
        const Table& ledger = m_dMain->cdsEarning;
        const int payment = ledger.fieldIndex("earning_payment");
        for (int row = 0; row < ledger.recordCount(); ++row) {
            const Value amount = ledger.viewValue(row, payment);
            if (const auto* number = std::get_if<double>(&amount))
                total += *number;
        }
    }
    lblEarningsTotal->setText(
        QString::fromUtf8(captions::kEarningsTotal).arg(earningsSumText(total)));
}

void EarningsTab::showKarbovanetsInHryvnias() {
    const AmountReading reading = readAmount(edtKarbovanets->text().toStdString());
    const bool typed =
        m_dMain && reading.refusal.empty() && !edtKarbovanets->text().trimmed().isEmpty();
    const double hryvnias =
        typed ? hryvniasFromKarbovanets(m_dMain->LedgerLawRules(), reading.amount) : 0;
    lblKarbovanetsInHryvnias->setText(
        QString::fromUtf8(captions::kKarbovanetsInHryvnias)
            .arg(QString::fromStdString(
                formatFixed(hryvnias, kKarbovanetsDecimals, decimalSeparator()))));
    bKarbovanetsToEarning->setEnabled(typed);
}

void EarningsTab::storeKarbovanetsAsEarning() {
    const AmountReading reading = readAmount(edtKarbovanets->text().toStdString());
    if (!reading.refusal.empty() || !m_dMain)
        return;
    storeEarnings({hryvniasFromKarbovanets(m_dMain->LedgerLawRules(), reading.amount)});
    grdEarning->view()->setFocus();
}

void EarningsTab::writeYearSummary(int year, int months, double earnings, double coefficients) {
    FooterBar* footer = grdEarning->footer();
    footer->setCellText(YearColumn, QString::number(year));
    footer->setCellText(MonthColumn,
                        QString::number(months) + QString::fromUtf8(captions::kMonthsSuffix));
    footer->setCellText(PaymentColumn, earningsSumText(earnings));
    refreshEarningsTotal();
    // The coefficients carry five decimals each, and so does their sum.
    footer->setCellText(CoefficientColumn, QString::fromStdString(formatPattern(
                                               coefficients, kCoefficientMinDecimals,
                                               kCoefficientMaxDecimals, decimalSeparator())));
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
    // ст. 24 ч. 3: a month whose credited days fall short of the calendar month shows them in red.
    try {
        if (isShortCreditedMonth(m_dMain->LedgerLawRules(), value("earning_year"),
                                 value("earning_month"), value("earning_day")))
            return kShortCreditedText;
    } catch (const std::exception&) {
        // A month the calendar cannot hold, or no rule: drawn plain.
    }
    return std::nullopt;
}

bool EarningsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdEarning->view()->viewport() && event->type() == QEvent::Resize)
        fitColumnWidths();
    if (watched == grdEarning->view()) {
        if (event->type() == QEvent::KeyPress)
            return grdEarningKeyDown(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::KeyRelease)
            refreshEarningCommands();
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
    const QModelIndex current = view->currentIndex();
    if (isEnter(key->key())) {
        const bool onEarning = current.isValid() && current.column() == PaymentColumn;
        QKeyEvent next(QEvent::KeyPress, onEarning ? Qt::Key_Down : Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &next);
        return true;
    }
    // Down on the last month stores it, as leaving the row would.
    if (key->key() == Qt::Key_Down && ledger.isEditing() &&
        ledger.recNo() == ledger.recordCount()) {
        runCommand(m_window.prompt(), [&] { ledger.next(); });
        return true;
    }
    if (key->text().isEmpty() || !key->text().at(0).isPrint() || !current.isValid() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // On a read-only cell an earning's character starts typing the row's earning; anything else
    // is dropped rather than jumping to a row that starts with the typed text.
    if (!(current.flags() & Qt::ItemIsEditable)) {
        const QModelIndex earning = current.siblingAtColumn(PaymentColumn);
        const bool typesEarning =
            (earning.flags() & Qt::ItemIsEditable) &&
            ledger.acceptsTyped("earning_payment", key->text().at(0).unicode());
        if (typesEarning) {
            view->setCurrentIndex(earning);
            QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(view, &typed);
        }
        return true;
    }
    // A character the field does not admit neither opens the cell editor nor reaches it.
    const std::string& field = grdEarning->model()->column(current.column()).field;
    for (const char32_t character : key->text().toUcs4())
        if (!ledger.acceptsTyped(field, character))
            return true;
    return false;
}

void EarningsTab::refreshEarningCommands() {
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

// Stores the clipboard's column of amounts as the earnings of consecutive months from the
// current one and moves to the month after the last. Either every line is stored or none: a line
// that is no amount, or a month that refuses its earning, leaves the ledger as it was and names
// the line and the reason.
void EarningsTab::pasteEarning() {
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty())
        return; // nothing was copied
    const AmountColumn column = readAmountColumn(text.toStdString());
    if (column.refusedLine > 0)
        refusePaste(column.refusedLine, QString::fromStdString(column.refusal));
    else
        storeEarnings(column.amounts);
}

void EarningsTab::storeEarnings(const std::vector<double>& amounts) {
    Table& ledger = m_dMain->cdsEarning;
    if (ledger.recordCount() == 0 || amounts.empty())
        return;
    // A month still being typed is stored first, as leaving it would.
    if (ledger.isEditing() && !runCommand(m_window.prompt(), [&] { ledger.post(); }))
        return;
    const int first = ledger.recNo();
    const int lines = static_cast<int>(amounts.size());
    const int monthsLeft = ledger.recordCount() - first + 1;
    if (lines > monthsLeft) {
        refusePaste(monthsLeft + 1,
                    QString::fromUtf8(captions::kPastePastLedgerEnd).arg(monthsLeft));
        return;
    }
    std::vector<double> before;
    int refusedLine = 0;
    QString refusal;
    {
        const BoundViewsSuspension suspension(ledger);
        const auto store = [&](int line, double amount) {
            ledger.setRecNo(first + line);
            const UnstoredEditDropped unstored(ledger);
            ledger.edit();
            ledger.setValue("earning_payment", amount);
            ledger.post();
        };
        for (int line = 0; line < lines && refusedLine == 0; ++line) {
            ledger.setRecNo(first + line);
            before.push_back(ledger.asFloat("earning_payment"));
            try {
                store(line, amounts[static_cast<std::size_t>(line)]);
            } catch (const std::exception& failure) {
                refusedLine = line + 1;
                refusal = QString::fromUtf8(failure.what());
            }
        }
        // The months stored before a refused one get their earnings back.
        for (int line = 0; line + 1 < refusedLine; ++line)
            store(line, before[static_cast<std::size_t>(line)]);
        ledger.setRecNo(refusedLine > 0 ? first : std::min(first + lines, ledger.recordCount()));
    }
    RefreshYearSummary(true);
    if (refusedLine > 0)
        refusePaste(refusedLine, refusal);
}

void EarningsTab::refusePaste(int line, const QString& reason) {
    m_window.prompt().warning(QString::fromUtf8(captions::kPasteRefused).arg(line).arg(reason));
}

void EarningsTab::aClearEarningExecute() {
    if (!m_dMain || !m_window.prompt().confirm(QString::fromUtf8(captions::kClearEarningQuestion)))
        return;
    Table& ledger = m_dMain->cdsEarning;
    {
        const BoundViewsSuspension suspension(ledger);
        const KeptCursor kept(ledger);
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            const UnstoredEditDropped unstored(ledger);
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
