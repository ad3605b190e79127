// The window as a new user meets it in an afternoon: no file lost to a save or an export, the
// questions about unsaved changes, fast typing and pasting of earnings, the karbovanets helper,
// the title, the page keys, the menu mnemonics, the recent files, a dropped case file and the
// case file named on the command line. Boxes and dialogs are answered through the prompt layer.

#include "ui/application.h"
#include "ui/footer_bar.h"
#include "window_session.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// A man of 60 on 16.03.2010 whose work began before the 1996 currency reform.
const PersonInput kMan{QStringLiteral("Петренко Петро Петрович"), QStringLiteral("15.03.1950"), 0,
                       QStringLiteral("20.03.2010")};
const QList<PeriodInput> kPeriods{{"01.09.1990", "31.12.2005"}};

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The first bytes of a BIFF worksheet (a BOF record) and of nothing else we write.
bool isWorksheet(const QByteArray& bytes) {
    return bytes.startsWith(QByteArray::fromHex("0904")); // BOF of an Excel 4.0 worksheet
}

} // namespace

class TestUserSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void exportsAreXlsAndNeverACaseFile();
    void everySaveAsksBeforeReplacing_data();
    void everySaveAsksBeforeReplacing();
    void unsavedChangesOfferToSave_data();
    void unsavedChangesOfferToSave();
    void titleShowsTheCaseAndItsUnsavedMark();
    void enterAndDownGoToTheNextMonthsEarning_data();
    void enterAndDownGoToTheNextMonthsEarning();
    void digitsOnAReadOnlyCellTypeTheEarning();
    void pastedColumnFillsConsecutiveMonths();
    void pasteWithABadLineChangesNothing_data();
    void pasteWithABadLineChangesNothing();
    void pasteIntoTheLastMonthRefreshesTheFooter();
    void karbovanetsAreConvertedAndStored();
    void yearOutsideTheLedgerIsNamed();
    void deletedPeriodLeavesNoStaleTotal();
    void controlKeysMoveBetweenEnabledPages_data();
    void controlKeysMoveBetweenEnabledPages();
    void altEfOpensTheFileMenu();
    void recentFilesSurviveARestartAndOpen();
    void droppedCaseFileOpens();
    void caseFileOnTheCommandLine_data();
    void caseFileOnTheCommandLine();
    void fullNameOfAHundredCharactersIsKept();

private:
    void openWindow();
    void saveCaseAs(const QString& file);
    QString path(const QString& name) const { return m_dir.filePath(name); }
    double earning(int year, int month0) const;
    QModelIndex currentCell() const { return m_driver->ledgerView()->currentIndex(); }

    QTemporaryDir m_dir;
    WindowSession m_session;
    std::unique_ptr<ScriptedPrompt>& m_script = m_session.script;
    std::unique_ptr<TfrmMain>& m_window = m_session.window;
    std::unique_ptr<WindowDriver>& m_driver = m_session.driver;
};

void TestUserSession::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestUserSession::init() {
    QSettings().clear();
    openWindow();
}

void TestUserSession::openWindow() {
    m_session.open();
}

void TestUserSession::cleanup() {
    m_session.close();
}

void TestUserSession::saveCaseAs(const QString& file) {
    m_script->fileAnswers.append(file);
    m_window->aSaveAs->trigger();
    QCOMPARE(m_window->CaseFileName, file);
    QVERIFY(!m_window->CaseModified);
}

double TestUserSession::earning(int year, int month0) const {
    Table& ledger = m_driver->dm().cdsEarning;
    const Value value =
        ledger.viewValue(m_driver->ledgerRow(year, month0), ledger.fieldIndex("earning_payment"));
    const auto* number = std::get_if<double>(&value);
    return number ? *number : -1;
}

// A name typed without an extension becomes .xls, a .csf name is refused and the dialog opens
// again, and the case file stays byte for byte.
void TestUserSession::exportsAreXlsAndNeverACaseFile() {
    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    const QString caseFile = path(QStringLiteral("справа.csf"));
    saveCaseAs(caseFile);
    const QByteArray caseBytes = readAll(caseFile);
    QVERIFY(!caseBytes.isEmpty());
    m_script->messages.clear();

    m_driver->clickTab(m_window->tsExp);
    m_script->fileAnswers = {caseFile, std::nullopt};
    m_driver->click(m_window->experienceTab->bExpPrint);
    QCOMPARE(m_script->files.size(), 3);
    QCOMPARE(m_script->files[1].defaultSuffix, QStringLiteral("xls"));
    QCOMPARE(m_script->files[1].proposedPath, path(QStringLiteral("справа_стаж")));
    QCOMPARE(m_script->files[2].proposedPath, path(QStringLiteral("справа.xls")));
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Warning);
    QVERIFY2(m_script->messages[0].text.contains(QStringLiteral(".csf")),
             qPrintable(m_script->messages[0].text));
    QCOMPARE(readAll(caseFile), caseBytes);

    m_script->messages.clear();
    m_driver->clickTab(m_window->tsEarning);
    m_script->fileAnswers = {path(QStringLiteral("справа"))};
    m_driver->click(m_window->earningsTab->bEarningPrint);
    QCOMPARE(m_script->messageTexts(), QStringList{QStringLiteral("Файл успішно збережено")});
    QVERIFY(isWorksheet(readAll(path(QStringLiteral("справа.xls")))));
    QCOMPARE(readAll(caseFile), caseBytes);
    QVERIFY(m_window->openCaseFile(caseFile)); // still a whole case
}

void TestUserSession::everySaveAsksBeforeReplacing_data() {
    QTest::addColumn<QString>("command"); // an action or a button of the window, by object name
    QTest::addColumn<QString>("file");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        const char* said = answer == QMessageBox::Yes ? "Yes" : "No";
        QTest::addRow("Зберегти як..., %s", said) << "aSaveAs"
                                                  << "справа.csf" << answer;
        QTest::addRow("experience export, %s", said) << "bExpPrint"
                                                     << "стаж.xls" << answer;
        QTest::addRow("earnings export, %s", said) << "bEarningPrint"
                                                   << "заробіток.xls" << answer;
    }
}

void TestUserSession::everySaveAsksBeforeReplacing() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QMessageBox::StandardButton, answer);
    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    const QString target = path(file);
    const QByteArray old("old contents");
    QVERIFY(writeAll(target, old));

    m_script->fileAnswers = {target};
    if (answer == QMessageBox::No)
        m_script->fileAnswers.append(std::nullopt); // the dialog again: the person cancels
    m_script->answers = {answer};
    if (auto* action = m_window->findChild<QAction*>(command)) {
        action->trigger();
    } else {
        auto* button = m_window->findChild<QPushButton*>(command);
        QVERIFY(button);
        m_driver->clickTab(button->parentWidget()->parentWidget());
        m_driver->click(button);
    }

    const MessageRequest& question = m_script->messages.first();
    QCOMPARE(question.text, QStringLiteral("Файл «%1» вже існує. Замінити його?").arg(file));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.defaultButton, QMessageBox::No);
    QCOMPARE(m_script->files.size(), answer == QMessageBox::No ? 2 : 1);
    if (answer == QMessageBox::No)
        QCOMPARE(readAll(target), old);
    else
        QVERIFY(readAll(target) != old && !readAll(target).isEmpty());
}

void TestUserSession::unsavedChangesOfferToSave_data() {
    QTest::addColumn<QString>("command"); // "close", "load" or "new"
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("goesOn");
    for (const char* command : {"close", "load", "new"}) {
        QTest::addRow("%s, Зберегти", command) << command << QMessageBox::Save << true;
        QTest::addRow("%s, Не зберігати", command) << command << QMessageBox::Discard << true;
        QTest::addRow("%s, Скасувати", command) << command << QMessageBox::Cancel << false;
        QTest::addRow("%s, box closed", command) << command << QMessageBox::NoButton << false;
    }
}

void TestUserSession::unsavedChangesOfferToSave() {
    QFETCH(QString, command);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, goesOn);
    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(m_window->CaseModified);
    const QString saved = path(QStringLiteral("збережена.csf"));
    QFile::remove(saved);

    if (answer != QMessageBox::NoButton)
        m_script->answers = {answer};
    if (answer == QMessageBox::Save)
        m_script->fileAnswers.append(saved);
    if (command == QLatin1String("load") && goesOn)
        m_script->fileAnswers.append(std::nullopt); // the open dialog, cancelled
    bool closed = false;
    if (command == QLatin1String("close"))
        closed = m_window->close();
    else if (command == QLatin1String("load"))
        m_driver->press(Qt::Key_O, Qt::ControlModifier);
    else
        m_driver->press(Qt::Key_N, Qt::ControlModifier);
    if (answer == QMessageBox::NoButton)
        m_script->unanswered = 0; // the box went without an answer on purpose

    const MessageRequest& question = m_script->messages.first();
    QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(question.defaultButton, QMessageBox::Save);
    const QList<QPair<QMessageBox::StandardButton, QString>> texts = {
        {QMessageBox::Save, QStringLiteral("Зберегти")},
        {QMessageBox::Discard, QStringLiteral("Не зберігати")},
        {QMessageBox::Cancel, QStringLiteral("Скасувати")}};
    QCOMPARE(question.buttonTexts, texts);
    QVERIFY2(question.text.contains(QStringLiteral("не збережено")), qPrintable(question.text));

    QCOMPARE(QFile::exists(saved), answer == QMessageBox::Save);
    if (command == QLatin1String("close"))
        QCOMPARE(closed, goesOn);
    if (command == QLatin1String("new"))
        QCOMPARE(m_driver->dm().cdsExp.recordCount() == 0, goesOn);
    if (command == QLatin1String("load"))
        QCOMPARE(m_script->files.size(), (answer == QMessageBox::Save ? 1 : 0) + (goesOn ? 1 : 0));
    if (!goesOn)
        QVERIFY(m_window->CaseModified);
}

void TestUserSession::titleShowsTheCaseAndItsUnsavedMark() {
    const QRegularExpression version(
        QStringLiteral("Равелта \\d+\\.\\d+, довідники станом на \\d\\d\\.\\d\\d\\.\\d{4}$"));
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("Нова справа — ")),
             qPrintable(m_window->windowTitle()));
    QVERIFY2(version.match(m_window->windowTitle()).hasMatch(),
             qPrintable(m_window->windowTitle()));
    QVERIFY(!m_window->windowTitle().contains(QStringLiteral("2011")));

    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("Нова справа* — ")),
             qPrintable(m_window->windowTitle()));
    saveCaseAs(path(QStringLiteral("Петренко.csf")));
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("Петренко.csf — ")),
             qPrintable(m_window->windowTitle()));
    m_driver->typeEarning(2000, 0, QStringLiteral("100"));
    QVERIFY2(m_window->windowTitle().startsWith(QStringLiteral("Петренко.csf* — ")),
             qPrintable(m_window->windowTitle()));

    m_script->messages.clear();
    m_window->aAbout->trigger();
    QCOMPARE(m_script->messages.size(), 1);
    QVERIFY(m_script->messages[0].text.startsWith(m_window->versionText()));
    QVERIFY(version.match(m_window->versionText()).hasMatch());
}

void TestUserSession::enterAndDownGoToTheNextMonthsEarning_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Down") << int(Qt::Key_Down);
}

void TestUserSession::enterAndDownGoToTheNextMonthsEarning() {
    QFETCH(int, key);
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->goToMonth(2000, 10, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    for (const char* typed : {"100", "200,5", "300"}) {
        m_driver->typeKeys(QString::fromLatin1(typed));
        m_driver->press(Qt::Key(key));
    }
    QCOMPARE(earning(2000, 10), 100.0);
    QCOMPARE(earning(2000, 11), 200.5);
    QCOMPARE(earning(2001, 0), 300.0);
    QCOMPARE(currentCell().row(), m_driver->ledgerRow(2001, 1));
    QCOMPARE(currentCell().column(), int(EarningsTab::PaymentColumn));
    QVERIFY(m_script->messages.isEmpty());
}

// The grid's own jump to a row whose text starts with the typed one (which went to 1981) gives way
// to the row's earning.
void TestUserSession::digitsOnAReadOnlyCellTypeTheEarning() {
    m_driver->buildLedger(kMan, kPeriods);
    const int row = m_driver->ledgerRow(2001, 4);
    for (const int column : {int(EarningsTab::YearColumn), int(EarningsTab::CoefficientColumn)}) {
        m_driver->goToMonth(2001, 4, column);
        QVERIFY(!QTest::currentTestFailed());
        m_driver->typeKeys(QStringLiteral("19"));
        QCOMPARE(currentCell().row(), row);
        m_driver->typeKeys(QStringLiteral("81"));
        m_driver->press(Qt::Key_Down);
        QCOMPARE(earning(2001, 4), 1981.0);
        QCOMPARE(currentCell().row(), row + 1);
    }
    // A letter on a read-only cell changes nothing and stays on the row.
    m_driver->clickCell(m_driver->ledgerView(), row, EarningsTab::MonthColumn);
    m_driver->typeKeys(QStringLiteral("x"));
    QCOMPARE(currentCell().row(), row);
    QCOMPARE(earning(2001, 4), 1981.0);
}

void TestUserSession::pastedColumnFillsConsecutiveMonths() {
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->goToMonth(2002, 0, EarningsTab::CoefficientColumn);
    QVERIFY(!QTest::currentTestFailed());
    QGuiApplication::clipboard()->setText(QStringLiteral("2 500,75\r\n\r\n1\u00A0000.5\r\n300\n"));
    m_driver->press(Qt::Key_V, Qt::ControlModifier);

    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join('\n')));
    QCOMPARE(earning(2002, 0), 2500.75);
    QCOMPARE(earning(2002, 1), 0.0);
    QCOMPARE(earning(2002, 2), 1000.5);
    QCOMPARE(earning(2002, 3), 300.0);
    QCOMPARE(earning(2002, 4), 0.0);
    QCOMPARE(currentCell().row(), m_driver->ledgerRow(2002, 4));
    // Every month was evaluated, and the footer and the grand total count them.
    Table& ledger = m_driver->dm().cdsEarning;
    const Value coefficient =
        ledger.viewValue(m_driver->ledgerRow(2002, 2), ledger.fieldIndex("earning_k"));
    QVERIFY(std::get_if<double>(&coefficient) && *std::get_if<double>(&coefficient) > 0);
    QCOMPARE(m_window->earningsTab->grdEarning->footer()->cellText(EarningsTab::PaymentColumn),
             QStringLiteral("3801,25"));
    QCOMPARE(m_window->earningsTab->lblEarningsTotal->text(),
             QStringLiteral("Усього заробітків за всі роки: 3801,25 грн"));

    // The next paste goes on from there; the grand total spans the years.
    QGuiApplication::clipboard()->setText(QStringLiteral("1000"));
    m_driver->goToMonth(2004, 0, EarningsTab::PaymentColumn);
    m_driver->press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(earning(2004, 0), 1000.0);
    QCOMPARE(m_window->earningsTab->lblEarningsTotal->text(),
             QStringLiteral("Усього заробітків за всі роки: 4801,25 грн"));
}

void TestUserSession::pasteWithABadLineChangesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("month0"); // of 2005, where the paste starts
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters on line 2")
        << "100\nабв\n300" << 0 << "рядок 2 вставленого тексту не підходить.\n«абв» — не сума";
    QTest::newRow("two columns") << "100\t200" << 0 << "рядок 1 вставленого тексту";
    QTest::newRow("negative") << "100\n-5" << 0 << "«-5» — заробіток не може бути від'ємним";
    QTest::newRow("past the last month")
        << "1\n2\n3" << 10
        << "рядок 3 вставленого тексту не підходить.\nвід поточного місяця до "
           "кінця таблиці лише 2 міс.";
}

void TestUserSession::pasteWithABadLineChangesNothing() {
    QFETCH(QString, text);
    QFETCH(int, month0);
    QFETCH(QString, expected);
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->typeEarning(2005, 11, QStringLiteral("50"));
    m_driver->goToMonth(2005, month0, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    const bool modified = m_window->CaseModified;
    QGuiApplication::clipboard()->setText(text);
    m_driver->press(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(m_script->messages.size(), 1);
    QVERIFY2(m_script->messages[0].text.startsWith(QStringLiteral("Нічого не вставлено")),
             qPrintable(m_script->messages[0].text));
    QVERIFY2(m_script->messages[0].text.contains(expected), qPrintable(m_script->messages[0].text));
    QVERIFY(!m_script->messages[0].text.contains(QStringLiteral("копіювання")));
    for (int month = 0; month < 11; ++month)
        QCOMPARE(earning(2005, month), 0.0);
    QCOMPARE(earning(2005, 11), 50.0);
    QCOMPARE(currentCell().row(), m_driver->ledgerRow(2005, month0));
    QCOMPARE(m_window->CaseModified, modified);
}

void TestUserSession::pasteIntoTheLastMonthRefreshesTheFooter() {
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->typeEarning(2005, 10, QStringLiteral("100"));
    m_driver->goToMonth(2005, 11, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    QGuiApplication::clipboard()->setText(QStringLiteral("700"));
    m_driver->press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(earning(2005, 11), 700.0);
    QCOMPARE(currentCell().row(), m_driver->ledgerRow(2005, 11));
    QCOMPARE(m_window->earningsTab->grdEarning->footer()->cellText(EarningsTab::PaymentColumn),
             QStringLiteral("800,00"));
}

void TestUserSession::karbovanetsAreConvertedAndStored() {
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->goToMonth(1993, 0, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    EarningsTab& tab = *m_window->earningsTab;
    QVERIFY(!tab.bKarbovanetsToEarning->isEnabled());
    m_driver->retype(tab.edtKarbovanets, QStringLiteral("2 500 000"));
    QCOMPARE(tab.lblKarbovanetsInHryvnias->text(), QStringLiteral("= 25,00000 грн"));
    m_driver->click(tab.bKarbovanetsToEarning);
    QCOMPARE(earning(1993, 0), 25.0);
    QCOMPARE(currentCell().row(), m_driver->ledgerRow(1993, 1));
    // Amounts before the reform keep five decimals in the grid, hryvnias after it two.
    m_driver->typeEarning(1996, 8, QStringLiteral("100"));
    const QAbstractItemModel* model = m_driver->ledgerView()->model();
    const auto shown = [&](int year, int month0, int column) {
        return model->index(m_driver->ledgerRow(year, month0), column).data().toString();
    };
    QCOMPARE(shown(1993, 0, EarningsTab::PaymentColumn), QStringLiteral("25,00000"));
    QCOMPARE(shown(1996, 7, EarningsTab::PaymentColumn), QStringLiteral("0,00000"));
    QCOMPARE(shown(1996, 8, EarningsTab::PaymentColumn), QStringLiteral("100,00"));
    QVERIFY2(shown(1993, 0, EarningsTab::MinimumWageColumn).size() > 4,
             qPrintable(shown(1993, 0, EarningsTab::MinimumWageColumn)));
    m_driver->goToMonth(1993, 1, EarningsTab::PaymentColumn);

    // Enter in the field stores too; a letter cannot be typed there.
    m_driver->retype(tab.edtKarbovanets, QStringLiteral("1x50"));
    QCOMPARE(tab.edtKarbovanets->text(), QStringLiteral("150"));
    QCOMPARE(tab.lblKarbovanetsInHryvnias->text(), QStringLiteral("= 0,00150 грн"));
    m_driver->press(Qt::Key_Return);
    QCOMPARE(earning(1993, 1), 0.0015);
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(tab.Label3->text().contains(QStringLiteral("0,00001")));
}

void TestUserSession::yearOutsideTheLedgerIsNamed() {
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->goToMonth(1995, 6, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    const int row = currentCell().row();
    QComboBox* selector = m_window->earningsTab->cbEarningSelector;
    m_driver->retype(selector->lineEdit(), QStringLiteral("1975"));
    QCOMPARE(m_window->earningsTab->lblYearChoice->text(),
             QStringLiteral("Року 1975 немає в таблиці заробітків: вона охоплює 1990–2005 роки"));
    QCOMPARE(currentCell().row(), row);
    m_driver->retype(selector->lineEdit(), QStringLiteral("2003"));
    QCOMPARE(m_window->earningsTab->lblYearChoice->text(), QString());
    QCOMPARE(m_driver->dm().cdsEarning.recNo() - 1, m_driver->ledgerRow(2003, 0));
    QVERIFY(m_script->messages.isEmpty());
}

void TestUserSession::deletedPeriodLeavesNoStaleTotal() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    m_driver->typePeriods({{"01.01.2000", "31.12.2000"}, {"01.01.2002", "30.06.2002"}});
    FooterBar* footer = m_window->experienceTab->grdExp->footer();
    QCOMPARE(footer->cellText(2), QStringLiteral("1/6/0"));
    m_window->CaseModified = false;
    m_window->refreshTitle();

    m_driver->clickCell(m_driver->periodView(), 0, 0);
    m_script->answers = {QMessageBox::Yes};
    m_driver->press(Qt::Key_Delete);
    QCOMPARE(m_script->messages.last().text, QStringLiteral("Видалити цей період стажу?"));
    QCOMPARE(m_driver->dm().cdsExp.recordCount(), 1);
    QCOMPARE(footer->cellText(2), QStringLiteral("0/6/0"));
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("Нова справа*")));
}

void TestUserSession::controlKeysMoveBetweenEnabledPages_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("page"); // reached from the earnings tab
    QTest::newRow("Ctrl+Tab wraps over the closed results")
        << int(Qt::Key_Tab) << int(Qt::ControlModifier) << "tsDictionary";
    QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << int(Qt::ControlModifier)
                               << "tsDictionary";
    QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "tsExp";
    QTest::newRow("Ctrl+Shift+Tab")
        << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << "tsExp";
}

void TestUserSession::controlKeysMoveBetweenEnabledPages() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, page);
    m_driver->buildLedger(kMan, kPeriods);
    m_driver->goToMonth(2000, 0, EarningsTab::PaymentColumn);
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!m_driver->isEnabled(m_window->tsCalc));
    QVERIFY(m_driver->ledgerView()->hasFocus());
    m_driver->press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_window->pcMain->currentPage()->objectName(), page);
}

void TestUserSession::altEfOpensTheFileMenu() {
    QMenu* file = m_window->menuBar()->actions().constFirst()->menu();
    QCOMPARE(m_window->menuBar()->actions().constFirst()->text(), QStringLiteral("&Файл"));
    // Alt with the key Ф of the Ukrainian keyboard layout.
    QTest::sendKeyEvent(QTest::Click, m_window.get(), Qt::Key(0x0424), QStringLiteral("ф"),
                        Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
    QCOMPARE(m_window->menuBar()->actions()[1]->text(), QStringLiteral("&Допомога"));
}

void TestUserSession::recentFilesSurviveARestartAndOpen() {
    QVERIFY(!m_window->miRecent->isEnabled());
    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    const QString first = path(QStringLiteral("перша.csf"));
    const QString second = path(QStringLiteral("друга.csf"));
    saveCaseAs(first);
    saveCaseAs(second);
    QCOMPARE(m_window->miRecent->actions().size(), 2);
    QCOMPARE(m_window->miRecent->actions()[0]->text(), QStringLiteral("&1 друга.csf"));
    QCOMPARE(m_window->miRecent->actions()[1]->text(), QStringLiteral("&2 перша.csf"));

    openWindow(); // the program started again
    QCOMPARE(m_window->miRecent->actions().size(), 2);
    m_window->miRecent->actions()[1]->trigger();
    QCOMPARE(m_window->CaseFileName, first);
    QCOMPARE(m_driver->dm().cdsExp.recordCount(), 1);
    QCOMPARE(m_script->messageTexts(), QStringList{QStringLiteral("Файл успішно завантажено")});
    QCOMPARE(m_window->miRecent->actions()[0]->text(), QStringLiteral("&1 перша.csf"));
}

void TestUserSession::droppedCaseFileOpens() {
    m_driver->buildLedger(kMan, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    const QString caseFile = path(QStringLiteral("перетягнута.csf"));
    saveCaseAs(caseFile);
    openWindow();

    const auto drop = [this](const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &dropped);
        return true;
    };
    const QString other = path(QStringLiteral("нотатки.txt"));
    QVERIFY(writeAll(other, "text"));
    QVERIFY(drop(other));
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Warning);
    QVERIFY(m_window->CaseFileName.isEmpty());

    QVERIFY(drop(caseFile));
    QCOMPARE(m_window->CaseFileName, caseFile);
    QCOMPARE(m_window->gbPers->edtehPersonName->text(), kMan.name);
}

void TestUserSession::caseFileOnTheCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList{"Ravelta"} << QString();
    QTest::newRow("a file") << QStringList{"Ravelta", "відсутня.csf"} << "відсутня.csf";
    QTest::newRow("an option first")
        << QStringList{"Ravelta", "--reverse", "/дім/відсутня.csf"} << "/дім/відсутня.csf";
}

void TestUserSession::caseFileOnTheCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(caseFileArgument(arguments), file);
    if (file.isEmpty())
        return;
    // The window opens it as "Ravelta FILE" does once it shows; a missing file is named.
    QVERIFY(!m_window->openCaseFile(path(file.section(QLatin1Char('/'), -1))));
    QCOMPARE(m_script->messages.size(), 1);
    QVERIFY2(m_script->messages[0].text.contains(QStringLiteral("не знайдено")),
             qPrintable(m_script->messages[0].text));
}

void TestUserSession::fullNameOfAHundredCharactersIsKept() {
    const QString fullName = QStringLiteral("Костянтиноградський-Левандовський Олександр-Святослав "
                                            "Володимирович-Вʼячеславович Миколаївна")
                                 .left(100)
                                 .leftJustified(100, QChar(u'я'));
    QCOMPARE(fullName.size(), 100);
    PersonInput person = kMan;
    person.name = fullName;
    m_driver->buildLedger(person, kPeriods);
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(m_window->gbPers->edtehPersonName->text(), fullName);
    const QString caseFile = path(QStringLiteral("повне_ім'я.csf"));
    saveCaseAs(caseFile);
    openWindow();
    QVERIFY(m_window->openCaseFile(caseFile));
    QCOMPARE(m_window->gbPers->edtehPersonName->text(), fullName);
}

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestUserSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_user_session.moc"
