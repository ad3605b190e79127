#include "import_dialog.h"

#include "captions.h"
#include "calc/messages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace rv {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString amountText(double amount) {
    return QLocale().toString(amount, 'f', amount < 0.01 && amount > 0 ? 6 : 2);
}

} // namespace

ImportDialog::ImportDialog(import::StatementReading reading,
                           const std::vector<import::ImportFlag>& flags, QWidget* parent)
    : QDialog(parent), lSummary(new QLabel(this)), lYearFlags(new QLabel(this)),
      tblMonths(new QTableWidget(this)), cbConvertOldCurrency(new QCheckBox(this)),
      cbTakeIdentity(new QCheckBox(this)),
      buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)),
      m_reading(std::move(reading)) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(text(captions::kImportTitle));
    lSummary->setObjectName(QStringLiteral("lSummary"));
    lSummary->setWordWrap(true);
    QString summary = text(captions::kImportSummary).arg(m_reading.months.size());
    if (!m_reading.unread.empty())
        summary += QLatin1Char(' ') + text(captions::kImportUnread)
                                          .arg(m_reading.unread.size())
                                          .arg(QString::fromStdString(m_reading.unread.front()));
    lSummary->setText(summary);

    QStringList yearFlags;
    for (const import::ImportFlag& flag : flags)
        if (flag.month == 0)
            yearFlags.append(QString::fromStdString(flag.text));
    lYearFlags->setObjectName(QStringLiteral("lYearFlags"));
    lYearFlags->setWordWrap(true);
    lYearFlags->setText(yearFlags.join(QLatin1Char('\n')));
    lYearFlags->setVisible(!yearFlags.isEmpty());

    tblMonths->setObjectName(QStringLiteral("tblMonths"));
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
    m_oldCurrency.assign(m_reading.months.size(), false);
    bool anyOldCurrency = false;
    for (std::size_t index = 0; index < m_reading.months.size(); ++index) {
        const import::ImportedMonth& month = m_reading.months[index];
        const int row = static_cast<int>(index);
        const int calendar = calendarMonth(month.month);
        QStringList notes;
        bool outside = false;
        for (const import::ImportFlag& flag : flags) {
            if (flag.year != month.month.year || flag.month != calendar)
                continue;
            notes.append(QString::fromStdString(flag.text));
            outside = outside || flag.code == import::ImportFlagCode::OutsideLedger;
            if (flag.code == import::ImportFlagCode::OldCurrency) {
                m_oldCurrency[index] = true;
                anyOldCurrency = true;
            }
        }
        auto* tick = new QTableWidgetItem;
        tick->setFlags(outside
                           ? Qt::ItemIsSelectable
                           : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        tick->setCheckState(outside ? Qt::Unchecked : Qt::Checked);
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
        tblMonths->setItem(row, FlagColumn, new QTableWidgetItem(notes.join(QStringLiteral("; "))));
        for (int column : {AmountColumn, ExperienceColumn})
            tblMonths->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    cbConvertOldCurrency->setObjectName(QStringLiteral("cbConvertOldCurrency"));
    cbConvertOldCurrency->setText(text(captions::kImportConvertOldCurrency));
    cbConvertOldCurrency->setVisible(anyOldCurrency);
    connect(cbConvertOldCurrency, &QCheckBox::toggled, this, [this] { showAmounts(); });

    cbTakeIdentity->setObjectName(QStringLiteral("cbTakeIdentity"));
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

    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(text(captions::kImportAccept));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tblMonths, &QTableWidget::itemChanged, this, [this] { updateAcceptButton(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lSummary);
    layout->addWidget(lYearFlags);
    layout->addWidget(tblMonths, 1);
    layout->addWidget(cbConvertOldCurrency);
    layout->addWidget(cbTakeIdentity);
    layout->addWidget(buttons);
    showAmounts();
    tblMonths->resizeColumnsToContents();
    resize(900, 600);
    updateAcceptButton();
}

void ImportDialog::showAmounts() {
    const QSignalBlocker blocked(tblMonths);
    const std::vector<AcceptedEarning> all = [this] {
        std::vector<AcceptedEarning> earnings = import::allMonths(m_reading);
        for (std::size_t i = 0; i < earnings.size(); ++i)
            if (m_oldCurrency[i] && cbConvertOldCurrency->isChecked())
                earnings[i].amount *= import::kOldCurrencyToHryvnia;
        return earnings;
    }();
    for (std::size_t i = 0; i < all.size(); ++i)
        tblMonths->item(static_cast<int>(i), AmountColumn)->setText(amountText(all[i].amount));
}

void ImportDialog::updateAcceptButton() {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!acceptedEarnings().empty());
}

std::vector<AcceptedEarning> ImportDialog::acceptedEarnings() const {
    std::vector<AcceptedEarning> earnings;
    for (std::size_t i = 0; i < m_reading.months.size(); ++i) {
        if (tblMonths->item(static_cast<int>(i), TickColumn)->checkState() != Qt::Checked)
            continue;
        double amount = m_reading.months[i].amount;
        if (m_oldCurrency[i] && cbConvertOldCurrency->isChecked())
            amount *= import::kOldCurrencyToHryvnia;
        earnings.push_back({m_reading.months[i].month, amount});
    }
    return earnings;
}

bool ImportDialog::identityRequested() const {
    return !cbTakeIdentity->isHidden() && cbTakeIdentity->isChecked();
}

} // namespace rv
