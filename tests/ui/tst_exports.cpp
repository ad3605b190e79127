// "Зберегти в xls" of both tabs and the hidden "Super Save" as a person meets them: the proposed
// names, the files byte for byte against golden files, the grid put back after an export that
// worked and one that failed, and the cells the general grid export writes.

#include "scripted_prompt.h"
#include "small_case_reference.h"
#include "ui/data_grid.h"
#include "ui/exports.h"
#include "ui/footer_bar.h"
#include "window_driver.h"
#include "xlsx_contents.h"

#include <QAction>
#include <QDate>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// A man of 60 on 16.03.2010.
const PersonInput kMan{QStringLiteral("Петренко"), QStringLiteral("15.03.1950"), 0,
                       QStringLiteral("20.03.2010")};
// Two periods of the experience golden file.
const QList<PeriodInput> kTwoPeriods{{"01.09.1985", "31.08.1990"}, {"01.10.1990", "15.03.2004"}};
// Work until 2004 counts in full: enough for a right to a pension with two paid months.
const QList<PeriodInput> kLongPeriod{{"01.09.1970", "31.12.2003"}};

const QString kXlsFilter =
    QStringLiteral("Книга Microsoft Office Excel (*.xls);;Книга Excel 2007 і новіших (*.xlsx)");
const QString kCaseFilter =
    QStringLiteral("*.csf Збережені файли калькулятора (*.csf);;*.* Всі файли (*.*)");

using testing_support::XlsxContents;

// The heading an export of kMan's case written today starts with.
QString heading(const char* what) {
    return QStringLiteral("Петренко, 15.03.1950 р. н. — %1; вивантажено %2")
        .arg(QString::fromUtf8(what), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

QString text(const XlsxContents& book, const char* reference) {
    return QString::fromStdString(book.text(reference));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A golden file with the day of the run as its export day, in code page 1251 as the heading is.
QByteArray golden(const char* name) {
    QByteArray bytes = readAll(QStringLiteral(RV_TEST_DATA_DIR "/") + QString::fromLatin1(name));
    const QByteArray placeholder("\xc4\xc4.\xcc\xcc.\xd0\xd0\xd0\xd0"); // "ДД.ММ.РРРР"
    return bytes.replace(placeholder,
                         QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1());
}

// The first offset where two byte strings differ, for a failure message.
QString firstDifference(const QByteArray& actual, const QByteArray& expected) {
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return QStringLiteral("sizes %1 and %2, first difference at byte %3; actual %4")
        .arg(actual.size())
        .arg(expected.size())
        .arg(at)
        .arg(QString::fromLatin1(actual.toHex(' ')));
}

} // namespace

class TestExports : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void proposedNamesFollowTheCaseFile_data();
    void proposedNamesFollowTheCaseFile();
    void experienceMatchesGoldenFile();
    void earningsMatchGoldenFiles_data();
    void earningsMatchGoldenFiles();
    void exportPutsTheGridBack_data();
    void exportPutsTheGridBack();
    void cellsFollowTheFieldTypes();
    void experienceWorkbookReadsBack();
    void earningsWorkbookReadsBack();
    void dumpWritesTheWholeLedger_data();
    void dumpWritesTheWholeLedger();

private:
    // Person, periods and earnings of 350 in 06.2000 and 1234.5 in 02.2002; optionally calculated.
    void earningsCase(bool calculate);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestExports::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    QVERIFY(m_dir.isValid());
}

void TestExports::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get(), smallCaseReference());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
}

void TestExports::cleanup() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestExports::earningsCase(bool calculate) {
    m_driver->buildLedger(kMan, kLongPeriod);
    QVERIFY(!QTest::currentTestFailed());
    m_driver->typeEarning(2000, 5, QStringLiteral("350"));
    m_driver->typeEarning(2002, 1, QStringLiteral("1234,5"));
    QVERIFY(!QTest::currentTestFailed());
    if (!calculate)
        return;
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(!m_driver->ledgerView()->isColumnHidden(EarningsTab::Optimisation1Column));
}

void TestExports::proposedNamesFollowTheCaseFile_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("experience") << "bExpPrint"
                                << "справа_стаж";
    QTest::newRow("earnings") << "bEarningPrint"
                              << "справа_заробіток";
}

void TestExports::proposedNamesFollowTheCaseFile() {
    QFETCH(QString, button);
    QFETCH(QString, proposed);
    m_driver->buildLedger(kMan, kTwoPeriods);
    QVERIFY(!QTest::currentTestFailed());
    QFile::remove(path(QStringLiteral("справа.csf"))); // left by the row before
    m_script->fileAnswers = {path(QStringLiteral("справа.csf"))};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_window->CaseFileName, path(QStringLiteral("справа.csf")));

    auto* print = m_window->findChild<QPushButton*>(button);
    QVERIFY(print);
    m_driver->clickTab(print == m_window->experienceTab->bExpPrint ? m_window->tsExp
                                                                   : m_window->tsEarning);
    m_script->fileAnswers = {std::nullopt};
    m_driver->click(print);

    QCOMPARE(m_script->files.size(), 2);
    const FileRequest& dialog = m_script->files[1];
    QCOMPARE(dialog.mode, FileRequest::Mode::Save);
    QCOMPARE(dialog.proposedPath, path(proposed));
    QCOMPARE(dialog.filter, kXlsFilter);
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("xls"));
    QCOMPARE(m_script->messages.size(), 1); // only the save's

    // "Зберегти як..." proposes the case file again, with its own filter and extension.
    m_script->fileAnswers = {std::nullopt};
    m_window->aSaveAs->trigger();
    QCOMPARE(m_script->files[2].filter, kCaseFilter);
    QCOMPARE(m_script->files[2].defaultSuffix, QStringLiteral("csf"));
    QCOMPARE(m_script->files[2].proposedPath, path(QStringLiteral("справа.csf")));
}

void TestExports::experienceMatchesGoldenFile() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    // Typed in reverse: the grid's sort by "Дата зарахування" orders the rows.
    m_driver->typePeriods({kTwoPeriods[1], kTwoPeriods[0]});
    m_driver->click(m_window->gbPers->edtehPersonName);
    const bool modified = m_window->CaseModified;
    const QString file = path(QStringLiteral("стаж.xls"));
    m_script->fileAnswers = {file};
    m_driver->click(m_window->experienceTab->bExpPrint);

    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].text, QStringLiteral("Файл успішно збережено"));
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Information);
    const QByteArray actual = readAll(file);
    const QByteArray expected = golden("experience_two_periods.xls");
    QVERIFY2(actual == expected, qPrintable(firstDifference(actual, expected)));
    QCOMPARE(m_window->CaseModified, modified);
}

void TestExports::earningsMatchGoldenFiles_data() {
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<QString>("goldenFile");
    QTest::newRow("before a calculation: 7 columns") << false << "earnings_7_columns.xls";
    QTest::newRow("after a calculation: 9 columns") << true << "earnings_9_columns.xls";
}

void TestExports::earningsMatchGoldenFiles() {
    QFETCH(bool, calculate);
    QFETCH(QString, goldenFile);
    earningsCase(calculate);
    QVERIFY(!QTest::currentTestFailed());
    const bool modified = m_window->CaseModified;

    const QString file = path(goldenFile);
    m_script->fileAnswers = {file};
    m_driver->click(m_window->earningsTab->bEarningPrint);

    QCOMPARE(m_script->messages.last().text, QStringLiteral("Файл успішно збережено"));
    const QByteArray actual = readAll(file);
    const QByteArray expected = golden(goldenFile.toLatin1().constData());
    QVERIFY2(actual == expected, qPrintable(firstDifference(actual, expected)));
    QCOMPARE(m_window->CaseModified, modified);
}

void TestExports::exportPutsTheGridBack_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<PromptIcon>("icon");
    QTest::newRow("written") << "заробіток.xls"
                             << "Файл успішно збережено" << PromptIcon::Information;
    QTest::newRow("folder missing")
        << "немає/заробіток.xls"
        << "Не вдалося зберегти файл xls. Перевірте, чи є доступ до теки і чи не "
           "відкрито файл в іншій програмі."
        << PromptIcon::None;
}

void TestExports::exportPutsTheGridBack() {
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QFETCH(PromptIcon, icon);
    earningsCase(true);
    QVERIFY(!QTest::currentTestFailed());
    m_driver->goToMonth(2002, 1, EarningsTab::PaymentColumn);
    Table& ledger = m_window->dMain()->cdsEarning;
    DataGrid& grid = *m_window->earningsTab->grdEarning;
    const int recNo = ledger.recNo();
    const std::string filter = ledger.filter();
    const bool filtered = ledger.filtered();
    const int rows = grid.model()->rowCount();
    const QString footerMonths = grid.footer()->cellText(EarningsTab::MonthColumn);
    QVERIFY(!footerMonths.isEmpty());
    const QModelIndex current = m_driver->ledgerView()->currentIndex();

    m_script->fileAnswers = {path(fileName)};
    m_driver->click(m_window->earningsTab->bEarningPrint);

    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].text, message);
    QCOMPARE(m_script->messages[0].icon, icon);
    if (icon == PromptIcon::None)
        QCOMPARE(m_script->messages[0].title, Prompt::applicationTitle());
    QCOMPARE(ledger.recNo(), recNo);
    QCOMPARE(ledger.filter(), filter);
    QCOMPARE(ledger.filtered(), filtered);
    QVERIFY(!ledger.boundViewsSuspended());
    QCOMPARE(grid.model()->rowCount(), rows);
    QVERIFY(!grid.footer()->isHidden());
    QCOMPARE(grid.footer()->cellText(EarningsTab::MonthColumn), footerMonths);
    QCOMPARE(m_driver->ledgerView()->currentIndex().row(), current.row());
    QVERIFY(!QFile::exists(path(fileName) + QStringLiteral(".tmp")));

    // The save dialog has its case-file filter again.
    m_script->fileAnswers = {std::nullopt};
    m_window->aSaveAs->trigger();
    QCOMPARE(m_script->files.last().filter, kCaseFilter);
}

// The general export on a grid of its own: an integer as RK, a null as BLANK, an empty text as a
// LABEL of length 0, a column without a field as BLANK, each in the general cell XF (15); no
// heading and no totals row without a frame.
void TestExports::cellsFollowTheFieldTypes() {
    Table table("cells", {integerField("year", "Рік"), floatField("amount", "Сума"),
                          textField("note", 20, "Примітка")});
    table.create();
    table.append();
    table.setValue("year", Value(2004));
    table.setValue("note", Value(std::string()));
    table.post();
    QWidget owner;
    ScriptedPrompt answers;
    Prompt prompt(&owner, &answers);
    DataGrid grid(prompt, &owner);
    grid.setTable(table, {{.field = "year"},
                          {.field = "amount"},
                          {.field = "note"},
                          {.title = QStringLiteral("Порожня")}});

    const QString file = path(QStringLiteral("клітинки.xls"));
    ExportGridToXls(grid, file);

    const QByteArray bytes = readAll(file);
    const QByteArray year = QByteArray::fromHex("7e020a00"
                                                "0100"
                                                "0000"
                                                "0f00"
                                                "521f0000");
    const QByteArray blank = QByteArray::fromHex("01020600"
                                                 "0100"
                                                 "0100"
                                                 "0f00");
    const QByteArray emptyText = QByteArray::fromHex("04020800"
                                                     "0100"
                                                     "0200"
                                                     "0f00"
                                                     "0000");
    const QByteArray noField = QByteArray::fromHex("01020600"
                                                   "0100"
                                                   "0300"
                                                   "0f00");
    const QByteArray eof = QByteArray::fromHex("0a000000");
    QVERIFY2(bytes.endsWith(year + blank + emptyText + noField + eof),
             qPrintable(QString::fromLatin1(bytes.toHex(' '))));
    // The title of the column without a field is its own.
    QVERIFY(bytes.contains(QByteArray::fromHex("cfeef0eee6edff")));
}

// The experience saved as .xlsx through the button and the save dialog, read back: the heading,
// a date as a date cell, the total under the lengths.
void TestExports::experienceWorkbookReadsBack() {
    if (!testing_support::unzipInstalled())
        QSKIP("unzip is needed to look inside the workbook");
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    m_driver->typePeriods(kTwoPeriods);
    m_driver->click(m_window->gbPers->edtehPersonName);
    const QString file = path(QStringLiteral("стаж.xlsx"));
    m_script->fileAnswers = {file};
    m_driver->click(m_window->experienceTab->bExpPrint);
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].text, QStringLiteral("Файл успішно збережено"));

    const XlsxContents book(file.toStdString());
    QCOMPARE(text(book, "A1"), heading("трудовий стаж"));
    QCOMPARE(text(book, "A2"), QStringLiteral("Дата зарахування"));
    QCOMPARE(book.numberFormat("A3", "31291"), std::string("dd.mm.yyyy")); // 01.09.1985
    QCOMPARE(book.numberFormat("B4", "38061"), std::string("dd.mm.yyyy")); // 15.03.2004
    QCOMPARE(text(book, "A5"), QStringLiteral("Разом"));
    QCOMPARE(text(book, "C5"), QStringLiteral("18/5/15"));
    QCOMPARE(m_window->experienceTab->grdExp->footer()->cellText(2), QStringLiteral("18/5/15"));
}

// The earnings saved as .xlsx after a calculation, read back: the heading, the money in its
// format, and the totals of the months exported as numbers.
void TestExports::earningsWorkbookReadsBack() {
    if (!testing_support::unzipInstalled())
        QSKIP("unzip is needed to look inside the workbook");
    earningsCase(true);
    QVERIFY(!QTest::currentTestFailed());
    const QString file = path(QStringLiteral("заробіток.xlsx"));
    m_script->fileAnswers = {file};
    m_driver->click(m_window->earningsTab->bEarningPrint);
    QCOMPARE(m_script->messages.last().text, QStringLiteral("Файл успішно збережено"));

    const XlsxContents book(file.toStdString());
    QCOMPARE(text(book, "A1"), heading("заробітки"));
    QCOMPARE(text(book, "E2"), QStringLiteral("Заробіток, грн **"));
    // Optimisation 1 takes July 1995 to June 2000 and every month after: 102 rows, 3 to 104.
    QCOMPARE(book.value("A3"), std::string("1995"));
    QCOMPARE(book.numberFormat("E3", "0"), std::string("0.00000")); // karbovanets' decimals
    QCOMPARE(book.numberFormat("E62", "350"), std::string("0.00")); // June 2000
    QCOMPARE(text(book, "A105"), QStringLiteral("Разом"));
    QCOMPARE(book.numberFormat("E105", "1584.5"), std::string("0.00###"));
    // The coefficients' total is the sum of the months exported, each as the ledger holds it.
    Table& ledger = m_window->dMain()->cdsEarning;
    double coefficients = 0;
    for (int row = 0; row < ledger.recordCount(); ++row)
        coefficients += floatOrZero(ledger.viewValue(row, ledger.fieldIndex("earning_k")));
    QVERIFY(coefficients > 0);
    QCOMPARE(std::stod(book.value("F105")), coefficients);
    QCOMPARE(book.value("A106"), std::string("no such cell"));
}

void TestExports::dumpWritesTheWholeLedger_data() {
    QTest::addColumn<bool>("folderUsable");
    QTest::addColumn<QString>("message");
    QTest::newRow("written") << true << "збережено успішно";
    QTest::newRow("state folder is a file") << false << "помилка при збереженні";
}

void TestExports::dumpWritesTheWholeLedger() {
    QFETCH(bool, folderUsable);
    QFETCH(QString, message);
    earningsCase(false);
    QVERIFY(!QTest::currentTestFailed());
    // The dump goes to the program's state folder, $XDG_STATE_HOME/ravelta.
    const QString state = path(folderUsable ? QStringLiteral("state") : QStringLiteral("file"));
    if (!folderUsable) {
        QFile file(state);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state.toLocal8Bit());
    const bool modified = m_window->CaseModified;

    QVERIFY(!m_window->miSMenu->menuAction()->isVisible());
    m_window->aSuperSave->trigger();
    if (savedState.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", savedState);

    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].text, message);
    QCOMPARE(m_script->messages[0].title, Prompt::applicationTitle());
    QCOMPARE(m_window->CaseModified, modified);
    QVERIFY(!m_window->miSMenu->menuAction()->isVisible());
    if (!folderUsable)
        return;
    const QStringList dumps =
        QDir(state + QStringLiteral("/ravelta")).entryList({QStringLiteral("earning-*.csv")});
    QCOMPARE(dumps.size(), 1);
    const QByteArray dump = readAll(state + QStringLiteral("/ravelta/") + dumps[0]);
    const QList<QByteArray> lines = dump.split('\n');
    // Every ledger month and the header, each line ended by CR LF.
    QCOMPARE(lines.size() - 1, m_window->dMain()->cdsEarning.recordCount() + 1);
    QVERIFY(dump.endsWith("\r\n"));
    QVERIFY(dump.contains(QByteArray("2000;\xd7\xe5\xf0\xe2\xe5\xed\xfc;")));
    QVERIFY(dump.contains(QByteArray(";1234,5;")));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
