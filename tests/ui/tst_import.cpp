// Importing earnings in the window as a person does: a statement's text chosen in the file
// dialog (or a reading made by hand where today's reader cannot give one), the preview checked
// and a month unticked, the months accepted at once, and the calculation; a cancelled preview and
// a source without months change nothing. The preview's summary and unread lines, its filter,
// the parts of a multi-employer month, another person's statement, the period offered for months
// outside every period, and the earnings tab ready after the import.

#include "calc/messages.h"
#include "dark_palette.h"
#include "scripted_prompt.h"
#include "ui/captions.h"
#include "ui/import_dialog.h"
#include "window_driver.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace rv;
using import::ImportedMonth;
using import::ImportFlagCode;

namespace {

// A statement with one line per month: two employers in March 2011, an amount cut by a line
// break in April, and August 1991, which falls between the person's periods and was paid in
// roubles.
const char* const kStatement = "Індивідуальні відомості про застраховану особу\n"
                               "ПІБ: Гнатюк Марʼяна Ігорівна РНОКПП 2623807368\n"
                               "08.1991  11223344  ТОВ «Зоря»  100,00  36,00  1\n"
                               "01.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"
                               "02.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"
                               "03.2011  11223344  ТОВ «Зоря»  2 000,00  720,00  0,5\n"
                               "03.2011  55667788  ПП «Липа»  1 500,50  540,18  0,5\n"
                               "04.2011  55667788  ПП «Липа»  8 923,\n"
                               "05  3 212,30  1\n";

const PersonInput kPerson{QStringLiteral("Петренко"), QStringLiteral("15.03.1963"), 0,
                          QStringLiteral("20.03.2023")};
const QList<PeriodInput> kPeriods = {
    {"01.09.1981", "31.07.1990"}, {"15.10.1991", "30.06.2005"}, {"01.09.2005", "28.02.2023"}};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

ImportedMonth importedMonth(int year, int calendar, double amount,
                            std::vector<import::MonthPart> parts = {}) {
    ImportedMonth month;
    month.month = ledgerMonthFromCalendar(year, calendar);
    month.amount = amount;
    month.experienceMonths = 1.0;
    month.employers = parts.empty() ? 1 : static_cast<int>(parts.size());
    month.parts = std::move(parts);
    return month;
}

// `count` months from `year`'s `calendar` month on, each of `amount`.
std::vector<ImportedMonth> monthsFrom(int year, int calendar, int count, double amount) {
    std::vector<ImportedMonth> months;
    LedgerMonth month = ledgerMonthFromCalendar(year, calendar);
    for (int i = 0; i < count; ++i, month = monthAfter(month))
        months.push_back(importedMonth(month.year, calendarMonth(month), amount));
    return months;
}

// Ticks or unticks the check box by clicking its box, as the mouse would.
void clickCheckBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

void clickAccept(ImportDialog& preview) {
    QTest::mouseClick(preview.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Clears or sets a month's tick as the person does: its row clicked, then Left and the space bar.
void toggleTick(QTableWidget* table, int row) {
    const QRect cell = table->visualRect(table->model()->index(row, ImportDialog::YearColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(table, Qt::Key_Left);
    QTest::keyClick(table, Qt::Key_Space);
}

QStringList shownRows(const QTableWidget* table) {
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        if (!table->isRowHidden(row))
            rows.append(table->item(row, ImportDialog::MonthColumn)->text() + QLatin1Char(' ') +
                        table->item(row, ImportDialog::YearColumn)->text());
    return rows;
}

// The month a row of the preview shows.
LedgerMonth rowMonth(const QTableWidget* table, int row) {
    const QString name = table->item(row, ImportDialog::MonthColumn)->text();
    int month0 = 0;
    while (month0 < 12 && name != QString::fromUtf8(messages::kMonthNamesInSentence[month0]))
        ++month0;
    return {table->item(row, ImportDialog::YearColumn)->text().toInt(), month0};
}

QStringList outsideNotes(const ImportDialog& preview) {
    QStringList notes;
    if (preview.saOutside->isHidden() || !preview.saOutside->widget())
        return notes;
    for (const QLabel* label : preview.saOutside->widget()->findChildren<QLabel*>())
        notes.append(label->text());
    return notes;
}

QStringList addPeriodTexts(const ImportDialog& preview) {
    QStringList texts;
    for (const QPushButton* button : preview.addPeriodButtons)
        texts.append(button->text());
    return texts;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void statementIsPreviewedAcceptedAndCalculated();
    void cancelledPreviewChangesNothing();
    void sourceWithoutMonthsSaysWhy();
    void summaryCountsMonthsLinesAndYears_data();
    void summaryCountsMonthsLinesAndYears();
    void everyUnreadLineIsListedBeforeTheMonths();
    void filterShowsOnlyFlaggedMonthsAndKeepsTicks();
    void multiEmployerMonthShowsItsParts();
    void anotherPersonsStatementAsksASecondYes_data();
    void anotherPersonsStatementAsksASecondYes();
    void earningsTabIsReadyAfterEarnings_data();
    void earningsTabIsReadyAfterEarnings();
    void monthsOutsideThePeriodsAreOfferedAsAPeriod_data();
    void monthsOutsideThePeriodsAreOfferedAsAPeriod();
    void monthsWithoutWagesAndUnconfirmedMonthsShowTheirFlags();
    void savePreviewPictures_data();
    void savePreviewPictures();

private:
    TdMain& dm() const { return *m_window->dMain(); }
    double earning(int year, int month0) const;
    QString writeSource(const QByteArray& bytes);
    // Once the preview opens, hands it to `answer`; closes it if `answer` left it open.
    void whenPreviewOpens(const std::function<void(ImportDialog&)>& answer);
    // Clicks "Імпорт заробітків" with the file dialog answered by `path`.
    void importFile(const QString& path, const std::function<void(ImportDialog&)>& answer);
    // The preview of a reading made by hand, as a statement would have given it.
    void importReading(import::StatementReading reading,
                       const std::function<void(ImportDialog&)>& answer);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
    QTemporaryDir m_folder;
    bool m_previewSeen = false;
    bool m_previewExpected = false; // a command that may open the preview is running
};

void TestImport::initTestCase() {
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_folder.isValid());
}

void TestImport::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
    m_driver->buildLedger(kPerson, kPeriods);
    m_previewSeen = false;
}

void TestImport::cleanup() {
    if (m_window)
        m_window->CaseModified = false; // no question about saving on closing
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    QCOMPARE(m_script->answers.size(), 0);
    m_script.reset();
}

double TestImport::earning(int year, int month0) const {
    const int row = m_driver->ledgerRow(year, month0);
    if (row < 0)
        return -1;
    const Value value =
        dm().cdsEarning.viewValue(row, dm().cdsEarning.fieldIndex("earning_payment"));
    const auto* amount = std::get_if<double>(&value);
    return amount ? *amount : 0;
}

QString TestImport::writeSource(const QByteArray& bytes) {
    const QString path = m_folder.filePath(QStringLiteral("statement.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(bytes);
    return path;
}

void TestImport::whenPreviewOpens(const std::function<void(ImportDialog&)>& answer) {
    m_previewExpected = true;
    auto answerWhenOpen = std::make_shared<std::function<void()>>();
    *answerWhenOpen = [this, answer, answerWhenOpen] {
        auto* preview = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
        if (!preview && m_previewExpected) {
            QTimer::singleShot(10, *answerWhenOpen);
            return;
        }
        if (preview) {
            m_previewSeen = true;
            answer(*preview);
            if (preview->isVisible()) // a failed check or a refusal left it open
                preview->reject();
        }
        *answerWhenOpen = nullptr; // ends the cycle of the shared pointer
    };
    QTimer::singleShot(0, *answerWhenOpen);
}

void TestImport::importFile(const QString& path, const std::function<void(ImportDialog&)>& answer) {
    m_script->fileAnswers.append(path);
    whenPreviewOpens(answer);
    m_driver->click(m_window->earningsTab->bImportEarnings);
    m_previewExpected = false; // no preview opened: the poll ends
}

void TestImport::importReading(import::StatementReading reading,
                               const std::function<void(ImportDialog&)>& answer) {
    whenPreviewOpens(answer);
    m_window->previewImport(std::move(reading));
    m_previewExpected = false;
}

void TestImport::statementIsPreviewedAcceptedAndCalculated() {
    importFile(writeSource(kStatement), [&](ImportDialog& preview) {
        QCOMPARE(preview.lSummary->text(), QStringLiteral("Прочитано 5 місяців за 1991–2011 рр."));
        QTableWidget* table = preview.tblMonths;
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(0, ImportDialog::YearColumn)->text(), QStringLiteral("1991"));
        QCOMPARE(table->item(0, ImportDialog::TickColumn)->checkState(), Qt::Unchecked);
        QVERIFY(!(table->item(0, ImportDialog::TickColumn)->flags() & Qt::ItemIsUserCheckable));
        QVERIFY(table->item(0, ImportDialog::FlagColumn)
                    ->text()
                    .contains(QStringLiteral("не входить до жодного періоду")));
        QCOMPARE(table->item(3, ImportDialog::AmountColumn)->text(), QStringLiteral("3500.50"));
        QVERIFY(table->item(3, ImportDialog::FlagColumn)
                    ->text()
                    .contains(QStringLiteral("кілька роботодавців")));
        QCOMPARE(table->item(4, ImportDialog::AmountColumn)->text(), QStringLiteral("8923.05"));
        QVERIFY(!preview.cbTakeIdentity->isHidden());
        QVERIFY(preview.cbTakeIdentity->text().contains(QStringLiteral("Гнатюк Мар'яна Ігорівна")));
        QVERIFY(!preview.cbTakeIdentity->isChecked());
        // August 1991 was paid in roubles: the conversion is offered, not applied.
        QVERIFY(!preview.cbConvertOldCurrency->isHidden());
        QVERIFY(!preview.cbConvertOldCurrency->isChecked());
        // The statement names Гнатюк, the case Петренко.
        QVERIFY(!preview.lOtherPerson->isHidden());

        // February 2011 is left out: its row clicked, its tick cleared with the space bar.
        toggleTick(table, 2);
        QCOMPARE(table->item(2, ImportDialog::TickColumn)->checkState(), Qt::Unchecked);
        m_script->answers.append(QMessageBox::Yes); // another person's, and yet to be entered
        clickAccept(preview);
    });
    QVERIFY(m_previewSeen);
    QCOMPARE(earning(2011, 0), 3210.0);
    QCOMPARE(earning(2011, 1), 0.0);
    QCOMPARE(earning(2011, 2), 3500.5);
    QCOMPARE(earning(2011, 3), 8923.05);
    QCOMPARE(earning(2011, 4), 0.0);
    // The statement's identity is only offered.
    QVERIFY(dm().cdsPerson.value("person_name") == Value(std::string("Петренко")));
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Question);

    m_driver->verifyEarnings();
    QVERIFY(m_driver->isEnabled(m_window->tsCalc));
    m_driver->clickTab(m_window->tsCalc);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
    m_driver->calculate();
    QCOMPARE(m_script->messages.size(), 1);
    QVERIFY(!m_window->calcPanel->edfFullPens->text().isEmpty());
}

void TestImport::cancelledPreviewChangesNothing() {
    importFile(writeSource(kStatement), [](ImportDialog& preview) {
        QTest::mouseClick(preview.buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QVERIFY(m_previewSeen);
    for (int month0 = 0; month0 < 5; ++month0)
        QCOMPARE(earning(2011, month0), 0.0);
    QVERIFY(m_script->messages.isEmpty()); // cancelling asks nothing, another person's or not
}

void TestImport::sourceWithoutMonthsSaysWhy() {
    m_script->fileAnswers.append(writeSource("Довідка без жодної суми\n"));
    m_driver->click(m_window->earningsTab->bImportEarnings);
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages.first().text,
             QStringLiteral("У тексті не знайдено жодного місяця з заробітком: у тексті немає "
                            "жодного числа"));
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
    QCOMPARE(earning(2011, 0), 0.0);
}

void TestImport::summaryCountsMonthsLinesAndYears_data() {
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("unread");
    QTest::addColumn<int>("firstYear"); // as the statement names it; 0: none named
    QTest::addColumn<int>("lastYear");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one month of one year")
        << 1 << 0 << 2011 << 2011 << QStringLiteral("Прочитано 1 місяць за 2011 р.");
    QTest::newRow("3 months, 1 line")
        << 3 << 1 << 2010 << 2011
        << QStringLiteral("Прочитано 3 місяці за 2010–2011 рр.; 1 рядок не прочитано.");
    QTest::newRow("5 months, 4 lines")
        << 5 << 4 << 2011 << 2011
        << QStringLiteral("Прочитано 5 місяців за 2011 р.; 4 рядки не прочитано.");
    QTest::newRow("11 months, 12 lines")
        << 11 << 12 << 2011 << 2012
        << QStringLiteral("Прочитано 11 місяців за 2011–2012 рр.; 12 рядків не прочитано.");
    QTest::newRow("21 months, 22 lines")
        << 21 << 22 << 2011 << 2012
        << QStringLiteral("Прочитано 21 місяць за 2011–2012 рр.; 22 рядки не прочитано.");
    QTest::newRow("296 months, 5 lines, the statement's years wider than its months")
        << 296 << 5 << 2000 << 2024
        << QStringLiteral("Прочитано 296 місяців за 2000–2024 рр.; 5 рядків не прочитано.");
    QTest::newRow("no years named: those of the months")
        << 14 << 0 << 0 << 0 << QStringLiteral("Прочитано 14 місяців за 2003–2004 рр.");
}

// The texts only: the preview made as the import makes it, not shown.
void TestImport::summaryCountsMonthsLinesAndYears() {
    QFETCH(int, months);
    QFETCH(int, unread);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QFETCH(QString, expected);
    import::StatementReading reading;
    reading.months = monthsFrom(2003, 1, months, 3000);
    for (int line = 0; line < unread; ++line)
        reading.unread.push_back("Рядок " + std::to_string(line + 1) + " 1 234,56");
    reading.firstYear = firstYear;
    reading.lastYear = lastYear;
    const ImportDialog preview(reading, {}, m_window->prompt(), m_window.get());
    QCOMPARE(preview.lSummary->text(), expected);
    QCOMPARE(preview.lstUnread->count(), unread);
    QCOMPARE(preview.lUnreadHeading->isHidden(), unread == 0);
    QCOMPARE(preview.lstUnread->isHidden(), unread == 0);
}

void TestImport::everyUnreadLineIsListedBeforeTheMonths() {
    import::StatementReading reading;
    reading.months = monthsFrom(2011, 1, 3, 3210);
    QStringList lines;
    for (int line = 1; line <= 12; ++line) {
        lines.append(QStringLiteral("%1.2012  11223344  ТОВ «Зоря»  3 2%1,00  ?").arg(line));
        reading.unread.push_back(lines.last().toStdString());
    }
    importReading(reading, [&](ImportDialog& preview) {
        QCOMPARE(preview.lSummary->text(),
                 QStringLiteral("Прочитано 3 місяці за 2011 р.; 12 рядків не прочитано."));
        QVERIFY(preview.lUnreadHeading->isVisible());
        QCOMPARE(preview.lUnreadHeading->text(), text(captions::kImportUnreadHeading));
        QVERIFY(preview.lstUnread->isVisible());
        QStringList listed;
        for (int item = 0; item < preview.lstUnread->count(); ++item)
            listed.append(preview.lstUnread->item(item)->text());
        QCOMPARE(listed, lines);
        // In order from the top: the summary, the heading, the lines, then the months.
        QVERIFY(preview.lSummary->geometry().bottom() < preview.lUnreadHeading->y());
        QVERIFY(preview.lUnreadHeading->geometry().bottom() < preview.lstUnread->y());
        QVERIFY(preview.lstUnread->geometry().bottom() < preview.tblMonths->y());
        // A few lines at a time; the list scrolls to the last one and leaves the table its room.
        QVERIFY(preview.lstUnread->verticalScrollBar()->maximum() > 0);
        QVERIFY(preview.lstUnread->height() < preview.tblMonths->height());
        preview.lstUnread->scrollToBottom();
        const QRect last = preview.lstUnread->visualItemRect(preview.lstUnread->item(11));
        QVERIFY(preview.lstUnread->viewport()->rect().contains(last));
    });
    QVERIFY(m_previewSeen);
}

void TestImport::filterShowsOnlyFlaggedMonthsAndKeepsTicks() {
    import::StatementReading reading;
    reading.months = monthsFrom(2010, 12, 5, 3000); // 12.2010 to 04.2011
    reading.flags = {{2010, 0, ImportFlagCode::TotalMismatch,
                      "2010 р.: сума місяців за рік 3 000,00, а надруковано підсумок 3 100,00"},
                     {2011, 3, ImportFlagCode::Unconfirmed,
                      "березень 2011 р.: розподіл суми між місяцями не підтверджено підсумком"}};
    importReading(reading, [&](ImportDialog& preview) {
        QTableWidget* table = preview.tblMonths;
        const QStringList all = shownRows(table);
        QCOMPARE(all.size(), 5);
        toggleTick(table, 2); // лютий 2011, unticked before the filter hides it
        QVERIFY(!preview.cbOnlyFlagged->isChecked());
        clickCheckBox(preview.cbOnlyFlagged);
        QVERIFY(preview.cbOnlyFlagged->isChecked());
        // The year with a flag of its own shows its months too.
        QCOMPARE(shownRows(table),
                 QStringList({QStringLiteral("грудень 2010"), QStringLiteral("березень 2011")}));
        toggleTick(table, 3);
        QCOMPARE(table->item(3, ImportDialog::TickColumn)->checkState(), Qt::Unchecked);
        clickCheckBox(preview.cbOnlyFlagged);
        QCOMPARE(shownRows(table), all);
        clickCheckBox(preview.cbOnlyFlagged);
        clickAccept(preview);
    });
    QVERIFY(m_previewSeen);
    // Every ticked month is entered, hidden or not; the unticked ones are not.
    QCOMPARE(earning(2010, 11), 3000.0);
    QCOMPARE(earning(2011, 0), 3000.0);
    QCOMPARE(earning(2011, 1), 0.0);
    QCOMPARE(earning(2011, 2), 0.0);
    QCOMPARE(earning(2011, 3), 3000.0);
}

void TestImport::multiEmployerMonthShowsItsParts() {
    import::StatementReading reading;
    // Karbovanets of March 1995 from two employers, one unnamed; March 2011 from two.
    reading.months = {importedMonth(1995, 3, 350000000, {{"11223344", 200000000}, {"", 150000000}}),
                      importedMonth(2011, 2, 3000),
                      importedMonth(2011, 3, 3500.5, {{"11223344", 2000}, {"55667788", 1500.5}})};
    reading.flags = {{2011, 3, ImportFlagCode::SeveralEmployers,
                      "березень 2011 р.: заробіток складено з 2 рядків (кілька роботодавців), "
                      "перевірте суму"}};
    importReading(reading, [&](ImportDialog& preview) {
        QTableWidget* table = preview.tblMonths;
        const auto flagText = [&](int row) {
            return table->item(row, ImportDialog::FlagColumn)->text();
        };
        QCOMPARE(flagText(2), QStringLiteral("2000.00 (11223344) + 1500.50 (55667788); заробіток "
                                             "складено з 2 рядків (кілька роботодавців), "
                                             "перевірте суму"));
        QCOMPARE(table->item(2, ImportDialog::AmountColumn)->text(), QStringLiteral("3500.50"));
        QVERIFY(!flagText(1).contains(QLatin1Char('+'))); // one employer: no parts
        QVERIFY2(flagText(0).startsWith(QStringLiteral("200000000.00 (11223344) + 150000000.00;")),
                 qPrintable(flagText(0)));
        // The parts follow the currency the person chooses.
        clickCheckBox(preview.cbConvertOldCurrency);
        QVERIFY2(flagText(0).startsWith(QStringLiteral("2000.00 (11223344) + 1500.00;")),
                 qPrintable(flagText(0)));
        QCOMPARE(table->item(0, ImportDialog::AmountColumn)->text(), QStringLiteral("3500.00"));
        clickAccept(preview);
    });
    QVERIFY(m_previewSeen);
    QCOMPARE(earning(1995, 2), 3500.0);
    QCOMPARE(earning(2011, 2), 3500.5);
}

void TestImport::anotherPersonsStatementAsksASecondYes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("warning"); // above everything; empty: none
    QTest::addColumn<int>("answer");      // to the second question; NoButton: none asked
    QTest::addColumn<bool>("entered");
    const QString otherBirth = QStringLiteral("Схоже, це виписка іншої особи: у виписці дата "
                                              "народження 12.03.1968, а в розрахунку 15.03.1963.");
    QTest::newRow("another birth date, No keeps the preview open")
        << "Петренко Іван"
        << "12.03.1968" << otherBirth << int(QMessageBox::No) << false;
    QTest::newRow("another birth date, Yes enters the months")
        << "Петренко Іван"
        << "12.03.1968" << otherBirth << int(QMessageBox::Yes) << true;
    QTest::newRow("another surname")
        << "Гнатюк Марія"
        << "15.03.1963"
        << QStringLiteral("Схоже, це виписка іншої особи: у виписці прізвище особи — Гнатюк "
                          "Марія, а в розрахунку — Петренко.")
        << int(QMessageBox::Yes) << true;
    QTest::newRow("the same person: nothing asked")
        << "ПЕТРЕНКО Іван"
        << "15.03.1963" << QString() << int(QMessageBox::NoButton) << true;
}

void TestImport::anotherPersonsStatementAsksASecondYes() {
    QFETCH(QString, name);
    QFETCH(QString, birthDate);
    QFETCH(QString, warning);
    QFETCH(int, answer);
    QFETCH(bool, entered);
    import::StatementReading reading;
    reading.person = import::StatementPerson{};
    reading.person->name = name.toStdString();
    reading.person->birthDate = parseDate(birthDate.toStdString());
    reading.months = monthsFrom(2011, 1, 2, 3210);
    importReading(reading, [&](ImportDialog& preview) {
        QCOMPARE(preview.lOtherPerson->isVisible(), !warning.isEmpty());
        if (!warning.isEmpty()) {
            QCOMPARE(preview.lOtherPerson->text(), warning);
            QVERIFY(preview.lOtherPerson->geometry().bottom() < preview.lSummary->y());
        }
        if (answer != QMessageBox::NoButton)
            m_script->answers.append(QMessageBox::StandardButton(answer));
        clickAccept(preview);
        QCOMPARE(preview.isVisible(), !entered);
    });
    QVERIFY(m_previewSeen);
    if (answer == QMessageBox::NoButton) {
        QVERIFY(m_script->messages.isEmpty());
    } else {
        QCOMPARE(m_script->messages.size(), 1);
        QCOMPARE(m_script->messages.first().text, text(captions::kImportOtherPersonQuestion));
        QCOMPARE(m_script->messages.first().icon, PromptIcon::Question);
        QCOMPARE(m_script->messages.first().defaultButton, QMessageBox::No);
    }
    QCOMPARE(earning(2011, 0), entered ? 3210.0 : 0.0);
    QCOMPARE(earning(2011, 1), entered ? 3210.0 : 0.0);
}

void TestImport::earningsTabIsReadyAfterEarnings_data() {
    QTest::addColumn<bool>("imported");
    QTest::newRow("typed into the grid") << false;
    QTest::newRow("imported, the grid untouched") << true;
}

// "Підтвердити заробітки" and "Очистити" wake up and lead to the calculation the same way
// whether the person typed an earning or imported a statement's.
void TestImport::earningsTabIsReadyAfterEarnings() {
    QFETCH(bool, imported);
    EarningsTab* tab = m_window->earningsTab;
    QVERIFY(!tab->bbVerifyEarnings->isEnabled());
    QVERIFY(!m_driver->isEnabled(m_window->tsCalc));
    if (imported) {
        importFile(writeSource("01.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"
                               "02.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n"),
                   [](ImportDialog& preview) { clickAccept(preview); });
        QVERIFY(m_previewSeen);
        QVERIFY(!tab->grdEarning->view()->hasFocus());
    } else {
        m_driver->typeEarning(2011, 0, QStringLiteral("3210"));
    }
    QCOMPARE(earning(2011, 0), 3210.0);
    QVERIFY(tab->bbVerifyEarnings->isEnabled());
    QVERIFY(tab->bbClearEarning->isEnabled());
    m_driver->verifyEarnings();
    QVERIFY(m_driver->isEnabled(m_window->tsCalc));
    m_driver->clickTab(m_window->tsCalc);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
    m_driver->calculate();
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(!m_window->calcPanel->edfFullPens->text().isEmpty());
}

void TestImport::monthsOutsideThePeriodsAreOfferedAsAPeriod_data() {
    QTest::addColumn<QByteArray>("statement");
    QTest::addColumn<QStringList>("notes");   // under the table
    QTest::addColumn<QStringList>("offered"); // the buttons' texts
    QTest::addColumn<QStringList>("offeredAfter");
    QTest::addColumn<QString>("refusal");              // the box's text; empty: the period is added
    QTest::addColumn<QList<int>>("enteredYearMonth0"); // year * 100 + month0 of 100,00 entered
    const QByteArray january2011 = "01.2011  11223344  ТОВ «Зоря»  3 210,00  1 155,60  1\n";
    QTest::newRow("one month") << "08.1991  11223344  ТОВ «Зоря»  100,00  36,00  1\n" + january2011
                               << QStringList{QStringLiteral(
                                      "1 місяць (08.1991) не входить до жодного періоду роботи.")}
                               << QStringList{QStringLiteral("Додати період 01.08.1991–31.08.1991")}
                               << QStringList{} << QString() << QList<int>{199107};
    QTest::newRow("two runs, the first added")
        << "08.1990  11223344  ТОВ «Зоря»  100,00  36,00  1\n"
           "09.1990  11223344  ТОВ «Зоря»  100,00  36,00  1\n"
           "08.1991  11223344  ТОВ «Зоря»  100,00  36,00  1\n" +
               january2011
        << QStringList{QStringLiteral("2 місяці (08.1990–09.1990) не входять до жодного періоду "
                                      "роботи."),
                       QStringLiteral("1 місяць (08.1991) не входить до жодного періоду роботи.")}
        << QStringList{QStringLiteral("Додати період 01.08.1990–30.09.1990"),
                       QStringLiteral("Додати період 01.08.1991–31.08.1991")}
        << QStringList{QStringLiteral("Додати період 01.08.1991–31.08.1991")} << QString()
        << QList<int>{199007, 199008};
    QTest::newRow("before the age of 14: refused")
        << "05.1975  11223344  ТОВ «Зоря»  100,00  36,00  1\n" + january2011
        << QStringList{QStringLiteral("1 місяць (05.1975) не входить до жодного періоду роботи.")}
        << QStringList{QStringLiteral("Додати період 01.05.1975–31.05.1975")}
        << QStringList{QStringLiteral("Додати період 01.05.1975–31.05.1975")}
        << QString::fromStdString(messages::workBeforeMinimumAge(14)) << QList<int>{};
}

// The period is added as a typed and confirmed one would be: checked, the ledger rebuilt with
// the earnings it had; the preview stays open, its months now tickable and ticked.
void TestImport::monthsOutsideThePeriodsAreOfferedAsAPeriod() {
    QFETCH(QByteArray, statement);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, offeredAfter);
    QFETCH(QString, refusal);
    QFETCH(QList<int>, enteredYearMonth0);
    m_driver->typeEarning(2011, 4, QStringLiteral("777")); // kept by the rebuilt ledger
    const int periods = dm().cdsExp.recordCount();
    importFile(writeSource(statement), [&](ImportDialog& preview) {
        QTableWidget* table = preview.tblMonths;
        QCOMPARE(outsideNotes(preview), notes);
        QCOMPARE(addPeriodTexts(preview), offered);
        QVERIFY(preview.saOutside->geometry().top() > table->geometry().bottom());
        for (int row = 0; row + 1 < table->rowCount(); ++row)
            QVERIFY(
                !(table->item(row, ImportDialog::TickColumn)->flags() & Qt::ItemIsUserCheckable));
        m_driver->click(preview.addPeriodButtons.first());
        QCOMPARE(preview.isVisible(), true);
        QCOMPARE(addPeriodTexts(preview), offeredAfter);
        // Every month the ledger now holds can be ticked and is ticked; the others cannot.
        for (int row = 0; row < table->rowCount(); ++row) {
            const LedgerMonth month = rowMonth(table, row);
            const bool inLedger = m_driver->ledgerRow(month.year, month.month0) >= 0;
            const QTableWidgetItem* tick = table->item(row, ImportDialog::TickColumn);
            QCOMPARE(bool(tick->flags() & Qt::ItemIsUserCheckable), inLedger);
            QCOMPARE(tick->checkState(), inLedger ? Qt::Checked : Qt::Unchecked);
        }
        clickAccept(preview);
    });
    QVERIFY(m_previewSeen);
    if (refusal.isEmpty()) {
        QVERIFY(m_script->messages.isEmpty());
        QCOMPARE(dm().cdsExp.recordCount(), periods + 1);
    } else {
        QCOMPARE(m_script->messages.size(), 1);
        QCOMPARE(m_script->messages.first().text, refusal);
        QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
        QCOMPARE(dm().cdsExp.recordCount(), periods);
    }
    for (const int yearMonth0 : enteredYearMonth0)
        QCOMPARE(earning(yearMonth0 / 100, yearMonth0 % 100), 100.0);
    QCOMPARE(earning(2011, 0), 3210.0);
    QCOMPARE(earning(2011, 4), 777.0);
}

void TestImport::monthsWithoutWagesAndUnconfirmedMonthsShowTheirFlags() {
    m_driver->typeEarning(2011, 5, QStringLiteral("500"));
    import::StatementReading reading;
    reading.months = {importedMonth(2011, 6, 0), importedMonth(2011, 7, 3000),
                      importedMonth(2011, 8, 3000)};
    reading.flags = {{2011, 6, ImportFlagCode::ZeroEarning,
                      "червень 2011 р.: стаж без заробітку (догляд за дитиною до трьох років)"},
                     {2011, 7, ImportFlagCode::Unconfirmed,
                      "липень 2011 р.: розподіл суми між місяцями не підтверджено підсумком"}};
    importReading(reading, [&](ImportDialog& preview) {
        QTableWidget* table = preview.tblMonths;
        QCOMPARE(table->item(0, ImportDialog::AmountColumn)->text(), QStringLiteral("0.00"));
        QCOMPARE(table->item(0, ImportDialog::ExperienceColumn)->text(), QStringLiteral("1"));
        const QString zero = table->item(0, ImportDialog::FlagColumn)->text();
        QVERIFY2(zero.contains(QStringLiteral("стаж без заробітку (догляд за дитиною до трьох "
                                              "років)")),
                 qPrintable(zero));
        QVERIFY2(zero.contains(QStringLiteral("у розрахунку вже введено 500,00")),
                 qPrintable(zero));
        QCOMPARE(table->item(0, ImportDialog::TickColumn)->checkState(), Qt::Checked);
        QCOMPARE(table->item(1, ImportDialog::FlagColumn)->text(),
                 QStringLiteral("розподіл суми між місяцями не підтверджено підсумком"));
        QCOMPARE(table->item(1, ImportDialog::TickColumn)->checkState(), Qt::Checked);
        clickCheckBox(preview.cbOnlyFlagged);
        QCOMPARE(shownRows(table),
                 QStringList({QStringLiteral("червень 2011"), QStringLiteral("липень 2011")}));
        clickAccept(preview);
    });
    QVERIFY(m_previewSeen);
    QCOMPARE(earning(2011, 5), 0.0); // the 500 typed before is replaced, as the flag said
    QCOMPARE(earning(2011, 6), 3000.0);
    QCOMPARE(earning(2011, 7), 3000.0);
}

void TestImport::savePreviewPictures_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// With RAVELTA_SCREENS=1: the preview of a long statement with many unread lines, a
// multi-employer month, another person's name and months outside the periods, in the Ukrainian
// locale, light and dark, on whatever screen the test runs (small.json: 1280×720).
void TestImport::savePreviewPictures() {
    QFETCH(bool, dark);
    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") != 1)
        QSKIP("pictures only with RAVELTA_SCREENS=1");
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    import::StatementReading reading;
    reading.person = import::StatementPerson{};
    reading.person->name = "Гнатюк Мар'яна Ігорівна";
    reading.person->birthDate = parseDate("12.03.1968");
    reading.months = monthsFrom(1990, 6, 4, 250);
    for (ImportedMonth& month : monthsFrom(2000, 1, 144, 1500))
        reading.months.push_back(month);
    reading.months[20] = importedMonth(2001, 5, 3500.5, {{"11223344", 2000}, {"55667788", 1500.5}});
    reading.firstYear = 1990;
    reading.lastYear = 2012;
    for (int line = 1; line <= 9; ++line)
        reading.unread.push_back("0" + std::to_string(line) + ".2012  11223344  ТОВ «Зоря»  4 1" +
                                 std::to_string(line) + "0,00  1 4  ? (рядок обрізано)");
    reading.flags = {{2001, 5, ImportFlagCode::SeveralEmployers,
                      "травень 2001 р.: заробіток складено з 2 рядків (кілька роботодавців), "
                      "перевірте суму"}};
    importReading(reading, [&](ImportDialog& preview) {
        QApplication::processEvents();
        const QString folder = QStringLiteral(RV_SCREENS_DIR);
        QVERIFY(QDir().mkpath(folder));
        const QString name =
            QStringLiteral("%1/import_preview_%2.png")
                .arg(folder, dark ? QStringLiteral("dark") : QStringLiteral("light"));
        QVERIFY(preview.grab().save(name));
        preview.tblMonths->scrollToItem(preview.tblMonths->item(20, 0));
        QVERIFY(preview.grab().save(
            QString(name).replace(QStringLiteral(".png"), QStringLiteral("_parts.png"))));
    });
    QLocale::setDefault(QLocale::c());
    QApplication::setPalette(QApplication::style()->standardPalette());
    QVERIFY(m_previewSeen);
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
