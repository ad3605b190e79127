// "Зберегти", "Зберегти як..." and "Завантажити..." as a person uses them: through the menu, the
// shortcuts and the tool bar, with the dialogs and boxes answered through the prompt layer.

#include "calc/messages.h"
#include "scripted_prompt.h"
#include "small_case_reference.h"
#include "store/store_messages.h"
#include "ui/captions.h"
#include "ui/footer_bar.h"
#include "window_driver.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// A man of 60 on 16.03.2010 with 35 years of work, 33 of them before 2004.
const PersonInput kMan{QStringLiteral("Петренко"), QStringLiteral("15.03.1950"), 0,
                       QStringLiteral("20.03.2010")};
// A save into a folder that does not exist says so after the save error.
const QString kMissingFolderSaveFailed =
    QString::fromUtf8(messages::kCaseSaveFailed) + QStringLiteral(": ") +
    QString::fromUtf8(messages::kSaveCauseNoFolder) + QStringLiteral(".");
const QList<PeriodInput> kPeriods{{"01.09.1970", "31.08.1990"}, {"01.10.1990", "31.12.2005"}};

const QString kCaseFilter =
    QStringLiteral("*.csf Збережені файли калькулятора (*.csf);;*.* Всі файли (*.*)");

QStringList panelTexts(const CalcPanel& panel) {
    QStringList texts;
    for (const QLineEdit* field :
         {panel.edtPensAge, panel.edtFullSS, panel.edtSSMonth, panel.edtSSMonth2, panel.edtSumK,
          panel.edtAvgZpForYear, panel.edtEarningK, panel.edtISSK, panel.edtPens, panel.edtMinPens,
          panel.edtExtraPens, panel.edfFullPens})
        texts.append(field->text() + QStringLiteral(" | ") + field->toolTip());
    return texts;
}

// The rows of a table's view, every field as text: what a case is, compared across a load.
QStringList tableRows(Table& table) {
    QStringList rows;
    for (int row = 0; row < table.recordCount(); ++row) {
        QStringList values;
        for (int field = 0; field < table.fieldCount(); ++field) {
            const Value value = table.viewValue(row, field);
            if (const auto* number = std::get_if<double>(&value))
                values.append(QString::number(*number, 'g', 17));
            else if (const auto* integer = std::get_if<std::int32_t>(&value))
                values.append(QString::number(*integer));
            else if (const auto* text = std::get_if<std::string>(&value))
                values.append(QString::fromStdString(*text));
            else if (const auto* date = std::get_if<Date>(&value))
                values.append(QString::fromStdString(formatDate(*date)));
            else
                values.append(QStringLiteral("<null>"));
        }
        rows.append(values.join(QLatin1Char(';')));
    }
    return rows;
}

} // namespace

class TestCaseCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void saveWithoutNameAsksAndCancelChangesNothing();
    void saveKeepsTheNameAndSavesAgainWithoutAsking();
    void failedSaveForgetsTheName();
    void saveAsFromTheMenu();
    void loadWithChangesAsksFirst();
    void loadOfPeriodsOpensTheEarningsStage();
    void loadOfLedgerRecalculates();
    void damagedFileKeepsTheOpenCase_data();
    void damagedFileKeepsTheOpenCase();

private:
    void openWindow();
    // Chooses the item of the menu "Файл" with two clicks, as a person does.
    void chooseFromFileMenu(QAction* action);
    void clickToolButton(const char* name);
    // Person and periods confirmed: the earnings tab open, every earning 0.
    void enterPeriods();
    // The case with earnings from 2004, "Підтвердити заробітки" and "Провести розрахунок*".
    void calculateCase();
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestCaseCommands::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    QVERIFY(m_dir.isValid());
}

void TestCaseCommands::init() {
    openWindow();
}

void TestCaseCommands::openWindow() {
    m_driver.reset();
    m_window.reset();
    if (m_script)
        QCOMPARE(m_script->unanswered, 0);
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get(), smallCaseReference());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
}

void TestCaseCommands::cleanup() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestCaseCommands::chooseFromFileMenu(QAction* action) {
    QMenuBar* bar = m_window->menuBar();
    QAction* file = bar->actions().constFirst();
    QCOMPARE(file->text(), QStringLiteral("&Файл"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
    QMenu* menu = file->menu();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(!menu->isVisible());
}

void TestCaseCommands::clickToolButton(const char* name) {
    auto* button = m_window->ToolBar1->findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    m_driver->click(button);
}

void TestCaseCommands::enterPeriods() {
    m_driver->buildLedger(kMan, kPeriods);
}

void TestCaseCommands::calculateCase() {
    enterPeriods();
    QVERIFY(!QTest::currentTestFailed());
    m_driver->typeEarning(1998, 4, QStringLiteral("350"));
    m_driver->fillEarnings(2004, 0, 24, QStringLiteral("10000"));
    QVERIFY(!QTest::currentTestFailed());
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
}

void TestCaseCommands::saveWithoutNameAsksAndCancelChangesNothing() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    QVERIFY(m_window->CaseModified);

    m_script->fileAnswers = {std::nullopt};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(m_script->files.size(), 1);
    const FileRequest& dialog = m_script->files.constFirst();
    QCOMPARE(dialog.mode, FileRequest::Mode::Save);
    QCOMPARE(dialog.filter, kCaseFilter);
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("csf"));
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_window->CaseFileName.isEmpty());
}

void TestCaseCommands::saveKeepsTheNameAndSavesAgainWithoutAsking() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    const QString file = path(QStringLiteral("збережений.csf"));
    QFile::remove(file);

    m_script->fileAnswers = {file};
    clickToolButton("tbSave");

    QCOMPARE(m_script->files.size(), 1);
    QCOMPARE(m_window->CaseFileName, file);
    QVERIFY(!m_window->CaseModified);
    QVERIFY(QFile::exists(file));
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_script->messages[0].text, QStringLiteral("Файл успішно збережено"));
    QCOMPARE(m_script->messages[0].title, QStringLiteral("Равелта"));
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Information);

    // A change and Ctrl+S: written again under the same name, no dialog.
    m_driver->typePeriods({{"01.01.2023", "01.02.2023"}});
    m_driver->click(m_window->gbPers->edtehPersonName);
    QVERIFY(m_window->CaseModified);
    const qint64 sizeBefore = QFileInfo(file).size();
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_script->files.size(), 1);
    QCOMPARE(m_script->messages.size(), 2);
    QVERIFY(!m_window->CaseModified);
    QVERIFY(QFileInfo(file).size() > sizeBefore);
}

void TestCaseCommands::failedSaveForgetsTheName() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    const QString missingFolder = path(QStringLiteral("немає/справа.csf"));

    m_script->fileAnswers = {missingFolder};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);

    QCOMPARE(m_script->messageTexts(), QStringList{kMissingFolderSaveFailed});
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Critical);
    QVERIFY(m_window->CaseFileName.isEmpty());
    QVERIFY(m_window->CaseModified);

    // The next save asks for a name again, proposing the one last chosen.
    m_script->fileAnswers = {std::nullopt};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_script->files.size(), 2);
    QCOMPARE(m_script->files[1].proposedPath, missingFolder);
}

void TestCaseCommands::saveAsFromTheMenu() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    const QString first = path(QStringLiteral("перший.csf"));
    m_script->fileAnswers = {first};
    chooseFromFileMenu(m_window->aSaveAs);
    QCOMPARE(m_window->CaseFileName, first);
    QVERIFY(!m_window->CaseModified);

    // A failed "Зберегти як..." keeps the name and the state.
    m_driver->confirmPerson();
    QVERIFY(m_window->CaseModified);
    m_script->fileAnswers = {path(QStringLiteral("немає/другий.csf"))};
    chooseFromFileMenu(m_window->aSaveAs);
    QCOMPARE(m_script->files.size(), 2);
    QCOMPARE(m_script->files[1].proposedPath, first);
    QCOMPARE(m_window->CaseFileName, first);
    QVERIFY(m_window->CaseModified);
    QCOMPARE(m_script->messages.last().text, kMissingFolderSaveFailed);
}

void TestCaseCommands::loadWithChangesAsksFirst() {
    enterPeriods();
    QVERIFY(m_window->CaseModified);
    const QStringList periodsBefore = tableRows(m_window->dMain()->cdsExp);

    m_script->answers = {QMessageBox::Cancel};
    clickToolButton("tbLoad");

    QCOMPARE(m_script->messageTexts(),
             QStringList{QStringLiteral("Зміни у справі ще не збережено. Зберегти їх, перш ніж "
                                        "відкрити іншу справу?")});
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Question);
    QVERIFY(m_script->files.isEmpty());
    QVERIFY(m_window->CaseModified);
    QCOMPARE(tableRows(m_window->dMain()->cdsExp), periodsBefore);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsEarning);
}

void TestCaseCommands::loadOfPeriodsOpensTheEarningsStage() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    m_driver->typePeriods(kPeriods);
    m_driver->click(m_window->gbPers->edtehPersonName);
    const QString file = path(QStringLiteral("стаж.csf"));
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    const QStringList periods = tableRows(m_window->dMain()->cdsExp);
    const QString total = m_window->experienceTab->grdExp->footer()->cellText(2);
    QVERIFY(!total.isEmpty());

    openWindow();
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(m_script->files.constFirst().mode, FileRequest::Mode::Open);
    QCOMPARE(m_script->files.constFirst().filter, kCaseFilter);
    QCOMPARE(m_script->files.constFirst().defaultSuffix, QStringLiteral("csf"));
    QCOMPARE(m_script->messageTexts(), QStringList{QStringLiteral("Файл успішно завантажено")});
    QCOMPARE(m_script->messages[0].icon, PromptIcon::Information);
    QCOMPARE(tableRows(m_window->dMain()->cdsExp), periods);
    QCOMPARE(m_window->experienceTab->grdExp->footer()->cellText(2), total);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
    QVERIFY(m_driver->isEnabled(m_window->tsExp));
    QVERIFY(m_driver->isEnabled(m_window->tsEarning));
    QVERIFY(!m_driver->isEnabled(m_window->tsCalc));
    QVERIFY(m_window->aVerifyExp->isEnabled());
    QVERIFY(m_window->aClearExp->isEnabled());
    QVERIFY(!m_window->aVerifyEarning->isEnabled());
    QVERIFY(!m_window->CaseModified);
    QVERIFY(m_window->LedgerRefreshEnabled);
    QCOMPARE(m_window->CaseFileName, file);
    QCOMPARE(m_window->gbPers->edtehPersonName->text(), kMan.name);
}

void TestCaseCommands::loadOfLedgerRecalculates() {
    calculateCase();
    QVERIFY(!QTest::currentTestFailed());
    const QStringList panel = panelTexts(*m_window->calcPanel);
    const QStringList ledger = tableRows(m_window->dMain()->cdsEarning);
    const QString file = path(QStringLiteral("розрахунок.csf"));
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_script->messages.size(), 1);

    openWindow();
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_O, Qt::ControlModifier);

    QCOMPARE(m_script->messageTexts(), QStringList{QStringLiteral("Файл успішно завантажено")});
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
    for (QWidget* page : {m_window->tsExp, m_window->tsEarning, m_window->tsCalc})
        QVERIFY2(m_driver->isEnabled(page), qPrintable(page->objectName()));
    QVERIFY(m_window->aVerifyEarning->isEnabled());
    QVERIFY(m_window->aClearEarning->isEnabled());
    QCOMPARE(panelTexts(*m_window->calcPanel), panel);
    QCOMPARE(tableRows(m_window->dMain()->cdsEarning), ledger);
    QVERIFY(!m_driver->ledgerView()->isColumnHidden(EarningsTab::Optimisation1Column));
    QVERIFY(m_window->earningsTab->cbEarningSelector->findText(QStringLiteral("2004")) >= 0);
    QVERIFY(!m_window->CaseModified);
    QVERIFY(m_window->LedgerRefreshEnabled);

    // The loaded case is saved under its own name without a dialog.
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_script->files.size(), 1);
    QCOMPARE(m_script->messages.last().text, QStringLiteral("Файл успішно збережено"));
}

void TestCaseCommands::damagedFileKeepsTheOpenCase_data() {
    QTest::addColumn<int>("changedByte"); // -1: the file loses its last byte instead
    QTest::addColumn<QString>("message");
    const QString loadFailed = QString::fromUtf8(messages::kCaseLoadFailed);
    QTest::newRow("a byte of the header changed")
        << 3 << QString::fromUtf8(messages::kCaseOpenFailed);
    QTest::newRow("a byte of the ledger changed") << 2000 << loadFailed;
    QTest::newRow("the last byte missing") << -1 << QString::fromUtf8(messages::kCaseOpenFailed);
}

void TestCaseCommands::damagedFileKeepsTheOpenCase() {
    QFETCH(int, changedByte);
    QFETCH(QString, message);

    // A good file of a calculated case, then damaged.
    enterPeriods();
    m_driver->verifyEarnings();
    const QString file = path(QStringLiteral("пошкоджений.csf"));
    QFile::remove(file); // left by the row before; replacing it would ask first
    m_script->fileAnswers = {file};
    m_driver->press(Qt::Key_S, Qt::ControlModifier);
    QFile damaged(file);
    QVERIFY(damaged.open(QIODevice::ReadOnly));
    QByteArray bytes = damaged.readAll();
    damaged.close();
    QVERIFY(changedByte < bytes.size());
    if (changedByte < 0)
        bytes.chop(1);
    else
        bytes[changedByte] = static_cast<char>(bytes[changedByte] ^ 0x20);
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(bytes);
    damaged.close();

    // Another case is open, with changes, on the experience tab.
    openWindow();
    const PersonInput other{QStringLiteral("Коваль"), QStringLiteral("01.02.1960"), 1,
                            QStringLiteral("01.03.2020")};
    m_driver->fillPerson(other);
    m_driver->confirmPerson();
    m_driver->typePeriods({{"01.01.1980", "31.12.2019"}});
    m_driver->click(m_window->gbPers->edtehPersonName);
    Table& periods = m_window->dMain()->cdsExp;
    const QStringList periodsBefore = tableRows(periods);
    const QStringList personBefore = tableRows(m_window->dMain()->cdsPerson);
    m_window->CaseFileName = path(QStringLiteral("відкритий.csf"));
    QVERIFY(m_window->CaseModified);

    m_script->answers = {QMessageBox::Discard};
    m_script->fileAnswers = {file};
    clickToolButton("tbLoad");

    QCOMPARE(m_script->messageTexts(),
             (QStringList{QStringLiteral("Зміни у справі ще не збережено. Зберегти їх, перш ніж "
                                         "відкрити іншу справу?"),
                          message}));
    QCOMPARE(m_script->messages[1].icon, PromptIcon::Critical);
    QCOMPARE(tableRows(periods), periodsBefore);
    QCOMPARE(tableRows(m_window->dMain()->cdsPerson), personBefore);
    QCOMPARE(m_window->dMain()->cdsEarning.recordCount(), 0);
    QCOMPARE(m_window->CaseFileName, path(QStringLiteral("відкритий.csf")));
    QVERIFY(m_window->CaseModified);
    QVERIFY(m_window->LedgerRefreshEnabled);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
    QVERIFY(!m_driver->isEnabled(m_window->tsEarning));
    QCOMPARE(m_driver->periodView()->model()->rowCount(), 1);
}

QTEST_MAIN(TestCaseCommands)
#include "tst_case_commands.moc"
