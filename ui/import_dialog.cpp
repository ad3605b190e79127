#include "import_dialog.h"

#include "calc/imported_earnings.h"
#include "calc/messages.h"
#include "captions.h"
#include "counted_noun.h"
#include "prompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <set>

namespace rv {

namespace {

constexpr int kUnreadLinesShown = 5; // more scroll
constexpr int kOutsideRunsShown = 3; // likewise
constexpr QSize kPreferredSize(1000, 680);

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString amountText(double amount) {
    return QLocale().toString(amount, 'f', amount < 0.01 && amount > 0 ? 6 : 2);
}

// "01.2019": a month as statements print it.
QString monthText(LedgerMonth month) {
    return QStringLiteral("%1.%2")
        .arg(calendarMonth(month), 2, 10, QLatin1Char('0'))
        .arg(month.year);
}

int monthsIn(const import::MonthRun& run) {
    return (run.last.year - run.first.year) * 12 + run.last.month0 - run.first.month0 + 1;
}

// A flag as its month's row shows it: without the month's name, which the row shows already.
QString rowNote(const import::ImportFlag& flag, LedgerMonth month) {
    const std::string prefix = importMonthLabel(month) + ": ";
    return QString::fromStdString(flag.text.starts_with(prefix) ? flag.text.substr(prefix.size())
                                                                : flag.text);
}

} // namespace

ImportDialog::ImportDialog(import::StatementReading reading, import::PreviewChecks checks,
                           Prompt& prompt, QWidget* parent)
    : QDialog(parent), lOtherPerson(new QLabel(this)), lSummary(new QLabel(this)),
      lUnreadHeading(new QLabel(text(captions::kImportUnreadHeading), this)),
      lstUnread(new QListWidget(this)), lHint(new QLabel(text(captions::kImportHint), this)),
      lYearFlags(new QLabel(this)),
      cbOnlyFlagged(new QCheckBox(text(captions::kImportOnlyFlagged), this)),
      tblMonths(new QTableWidget(this)), saOutside(new QScrollArea(this)),
      cbConvertOldCurrency(new QCheckBox(text(captions::kImportConvertOldCurrency), this)),
      cbTakeIdentity(new QCheckBox(this)),
      buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_reading(std::move(reading)), m_prompt(prompt) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(text(captions::kImportTitle));
    const std::pair<QWidget*, const char*> names[] = {
        {lOtherPerson, "lOtherPerson"},
        {lSummary, "lSummary"},
        {lUnreadHeading, "lUnreadHeading"},
        {lstUnread, "lstUnread"},
        {lHint, "lHint"},
        {lYearFlags, "lYearFlags"},
        {cbOnlyFlagged, "cbOnlyFlagged"},
        {tblMonths, "tblMonths"},
        {saOutside, "saOutside"},
        {cbConvertOldCurrency, "cbConvertOldCurrency"},
        {cbTakeIdentity, "cbTakeIdentity"},
        {buttons, "buttons"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    for (QLabel* label : {lOtherPerson, lSummary, lUnreadHeading, lHint, lYearFlags}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    QFont bold = lOtherPerson->font();
    bold.setBold(true);
    lOtherPerson->setFont(bold);
    lOtherPerson->setFrameShape(QFrame::StyledPanel);
    lOtherPerson->setMargin(6);

    showSummary();
    showUnread();
    fillTable();
    connect(cbOnlyFlagged, &QCheckBox::toggled, this, [this] { showOnlyFlagged(); });

    saOutside->setFrameShape(QFrame::NoFrame);
    saOutside->setWidgetResizable(true);
    saOutside->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(cbConvertOldCurrency, &QCheckBox::toggled, this, [this] { showAmounts(); });
    offerIdentity();

    buttons->button(QDialogButtonBox::Ok)->setText(text(captions::kImportAccept));
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tblMonths, &QTableWidget::itemChanged, this, [this] { updateAcceptButton(); });

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             lOtherPerson, lSummary, lUnreadHeading, lstUnread, lHint, lYearFlags, cbOnlyFlagged})
        layout->addWidget(widget);
    layout->addWidget(tblMonths, 1);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{saOutside, cbConvertOldCurrency, cbTakeIdentity, buttons})
        layout->addWidget(widget);

    showChecks(std::move(checks));
    tblMonths->resizeColumnsToContents();
    tblMonths->setFocus(); // the months to check, not the first unread line
    const QSize available = screen()->availableGeometry().size() * 9 / 10;
    resize(kPreferredSize.boundedTo(available));
}

void ImportDialog::offerIdentity() {
    const std::optional<import::StatementPerson>& person = m_reading.person;
    QStringList identity;
    if (person && !person->name.empty())
        identity.append(QString::fromStdString(person->name));
    if (person && person->birthDate)
        identity.append(QString::fromStdString(formatDate(*person->birthDate)));
    if (person && !person->rnokpp.empty() && !person->rnokppValid)
        identity.append(
            text(captions::kImportRnokppInvalid).arg(QString::fromStdString(person->rnokpp)));
    cbTakeIdentity->setText(
        text(captions::kImportTakeIdentity).arg(identity.join(QStringLiteral(", "))));
    cbTakeIdentity->setVisible(person && (!person->name.empty() || person->birthDate));
}

void ImportDialog::showSummary() {
    const std::vector<import::ImportedMonth>& months = m_reading.months;
    int first = m_reading.firstYear;
    int last = m_reading.lastYear;
    if (first == 0 && !months.empty()) { // the source names no years: those of its months
        first = months.front().month.year;
        last = months.back().month.year;
    }
    const QString years = first == last ? text(captions::kImportYear).arg(first)
                                        : text(captions::kImportYears).arg(first).arg(last);
    const QString read = countedNoun(static_cast<long long>(months.size()), captions::kMonthForms);
    const std::size_t unread = m_reading.unread.size();
    lSummary->setText(
        unread == 0 ? text(captions::kImportSummary).arg(read, years)
                    : text(captions::kImportSummaryWithUnread)
                          .arg(read, years,
                               countedNoun(static_cast<long long>(unread), captions::kLineForms)));
}

void ImportDialog::showUnread() {
    for (const std::string& line : m_reading.unread)
        lstUnread->addItem(QString::fromStdString(line));
    const bool any = !m_reading.unread.empty();
    lUnreadHeading->setVisible(any);
    lstUnread->setVisible(any);
    const int shown = std::min(lstUnread->count(), kUnreadLinesShown);
    lstUnread->setFixedHeight((any ? lstUnread->sizeHintForRow(0) * shown : 0) +
                              2 * lstUnread->frameWidth());
}

void ImportDialog::fillTable() {
    tblMonths->setColumnCount(static_cast<int>(std::size(captions::kImportColumns)));
    QStringList titles;
    for (const char* title : captions::kImportColumns)
        titles.append(text(title));
    tblMonths->setHorizontalHeaderLabels(titles);
    tblMonths->setRowCount(static_cast<int>(m_reading.months.size()));
    tblMonths->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMonths->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMonths->verticalHeader()->hide();
    tblMonths->horizontalHeader()->setStretchLastSection(true);
    // The notes wrap within their column, as wide as the dialog leaves it.
    connect(tblMonths->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == FlagColumn)
            tblMonths->resizeRowsToContents();
    });
    for (std::size_t index = 0; index < m_reading.months.size(); ++index) {
        const import::ImportedMonth& month = m_reading.months[index];
        const int row = static_cast<int>(index);
        auto* tick = new QTableWidgetItem;
        tick->setCheckState(Qt::Checked); // the checks below may untick it
        tblMonths->setItem(row, TickColumn, tick);
        tblMonths->setItem(row, YearColumn,
                           new QTableWidgetItem(QString::number(month.month.year)));
        tblMonths->setItem(
            row, MonthColumn,
            new QTableWidgetItem(text(messages::kMonthNamesInSentence[month.month.month0])));
        tblMonths->setItem(row, AmountColumn, new QTableWidgetItem);
        tblMonths->setItem(row, ExperienceColumn,
                           new QTableWidgetItem(month.experienceMonths
                                                    ? QLocale().toString(*month.experienceMonths)
                                                    : QString()));
        tblMonths->setItem(row, FlagColumn, new QTableWidgetItem);
        for (int column : {AmountColumn, ExperienceColumn})
            tblMonths->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

void ImportDialog::showChecks(import::PreviewChecks checks) {
    m_checks = std::move(checks);
    const std::size_t count = m_reading.months.size();
    std::vector<bool> wasOutside = std::move(m_outside);
    wasOutside.resize(count, false);
    m_oldCurrency.assign(count, false);
    m_outside.assign(count, false);
    m_flagged.assign(count, false);
    m_flagNotes.assign(count, {});

    QStringList yearNotes;
    std::set<int> flaggedYears;
    for (const import::ImportFlag& flag : m_checks.flags)
        if (flag.month == 0) {
            yearNotes.append(QString::fromStdString(flag.text));
            flaggedYears.insert(flag.year);
        }
    lYearFlags->setText(yearNotes.join(QLatin1Char('\n')));
    lYearFlags->setVisible(!yearNotes.isEmpty());

    const QSignalBlocker blocked(tblMonths);
    for (std::size_t index = 0; index < count; ++index) {
        const LedgerMonth month = m_reading.months[index].month;
        for (const import::ImportFlag& flag : m_checks.flags) {
            if (flag.year != month.year || flag.month != calendarMonth(month))
                continue;
            m_flagNotes[index].append(rowNote(flag, month));
            m_outside[index] =
                m_outside[index] || flag.code == import::ImportFlagCode::OutsideLedger;
            m_oldCurrency[index] =
                m_oldCurrency[index] || flag.code == import::ImportFlagCode::OldCurrency;
        }
        m_flagged[index] = !m_flagNotes[index].isEmpty() || flaggedYears.contains(month.year);
        QTableWidgetItem* tick = tblMonths->item(static_cast<int>(index), TickColumn);
        if (m_outside[index]) {
            tick->setFlags(Qt::ItemIsSelectable);
            tick->setCheckState(Qt::Unchecked);
            continue;
        }
        tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (wasOutside[index]) // its period was just added: the person wants it in
            tick->setCheckState(Qt::Checked);
    }
    cbConvertOldCurrency->setVisible(std::find(m_oldCurrency.begin(), m_oldCurrency.end(), true) !=
                                     m_oldCurrency.end());

    QStringList otherPerson;
    for (const std::string& reason : m_checks.otherPerson)
        otherPerson.append(QString::fromStdString(reason));
    lOtherPerson->setText(
        text(captions::kImportOtherPerson).arg(otherPerson.join(QStringLiteral("; "))));
    lOtherPerson->setVisible(!otherPerson.isEmpty());

    showAmounts();
    showOnlyFlagged();
    showOutsideRuns();
    updateAcceptButton();
}

void ImportDialog::showOutsideRuns() {
    auto* rows = new QWidget;
    auto* layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    addPeriodButtons.clear();
    for (const import::MonthRun& run : m_checks.outsideLedger) {
        const int months = monthsIn(run);
        const QString runText = run.first == run.last
                                    ? monthText(run.first)
                                    : monthText(run.first) + QChar(0x2013) + monthText(run.last);
        auto* note = new QLabel(text(countedForm(months) == 0 ? captions::kImportOutsideOne
                                                              : captions::kImportOutsideMany)
                                    .arg(countedNoun(months, captions::kMonthForms), runText),
                                rows);
        const CasePeriod period = import::periodOfRun(run);
        auto* add = new QPushButton(text(captions::kImportAddPeriod)
                                        .arg(QString::fromStdString(formatDate(*period.begin)),
                                             QString::fromStdString(formatDate(*period.finish))),
                                    rows);
        connect(add, &QPushButton::clicked, this, [this, run] { emit periodRequested(run); });
        auto* line = new QHBoxLayout;
        line->addWidget(note);
        line->addWidget(add);
        line->addStretch(1);
        layout->addLayout(line);
        addPeriodButtons.append(add);
    }
    // The button pressed may be the one being replaced: it goes once its click is handled.
    if (QWidget* shown = saOutside->takeWidget())
        shown->deleteLater();
    saOutside->setWidget(rows);
    const int runs = static_cast<int>(addPeriodButtons.size());
    saOutside->setVisible(runs > 0);
    if (runs == 0)
        return;
    const int lineHeight = layout->itemAt(0)->sizeHint().height();
    const int shown = std::min(runs, kOutsideRunsShown);
    saOutside->setFixedHeight(shown * lineHeight + (shown - 1) * layout->spacing());
    saOutside->setVerticalScrollBarPolicy(runs > kOutsideRunsShown ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
}

bool ImportDialog::converts(std::size_t index) const {
    return m_oldCurrency[index] && cbConvertOldCurrency->isChecked();
}

void ImportDialog::showAmounts() {
    const QSignalBlocker blocked(tblMonths);
    for (std::size_t index = 0; index < m_reading.months.size(); ++index) {
        const import::ImportedMonth& month = m_reading.months[index];
        const double factor = converts(index) ? import::kOldCurrencyToHryvnia : 1;
        const int row = static_cast<int>(index);
        tblMonths->item(row, AmountColumn)->setText(amountText(month.amount * factor));
        QStringList notes;
        if (month.parts.size() > 1) {
            QStringList parts;
            for (const import::MonthPart& part : month.parts)
                parts.append(amountText(part.amount * factor) +
                             (part.employer.empty() ? QString()
                                                    : QStringLiteral(" (%1)").arg(
                                                          QString::fromStdString(part.employer))));
            notes.append(parts.join(QStringLiteral(" + ")));
        }
        notes.append(m_flagNotes[index]);
        QTableWidgetItem* flags = tblMonths->item(row, FlagColumn);
        flags->setText(notes.join(QStringLiteral("; ")));
        flags->setToolTip(notes.join(QLatin1Char('\n')));
    }
    tblMonths->resizeRowsToContents(); // a long note wraps onto a second line
}

void ImportDialog::showOnlyFlagged() {
    const bool onlyFlagged = cbOnlyFlagged->isChecked();
    for (std::size_t index = 0; index < m_flagged.size(); ++index)
        tblMonths->setRowHidden(static_cast<int>(index), onlyFlagged && !m_flagged[index]);
}

void ImportDialog::updateAcceptButton() {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!acceptedEarnings().empty());
}

void ImportDialog::accept() {
    if (!m_checks.otherPerson.empty() &&
        !m_prompt.confirm(text(captions::kImportOtherPersonQuestion)))
        return;
    QDialog::accept();
}

std::vector<AcceptedEarning> ImportDialog::acceptedEarnings() const {
    std::vector<AcceptedEarning> earnings;
    for (std::size_t index = 0; index < m_reading.months.size(); ++index) {
        if (tblMonths->item(static_cast<int>(index), TickColumn)->checkState() != Qt::Checked)
            continue;
        const double amount = m_reading.months[index].amount;
        earnings.push_back({m_reading.months[index].month,
                            converts(index) ? amount * import::kOldCurrencyToHryvnia : amount});
    }
    return earnings;
}

bool ImportDialog::identityRequested() const {
    return !cbTakeIdentity->isHidden() && cbTakeIdentity->isChecked();
}

} // namespace rv
