// The whole workflow in the window, driven only by clicks, key presses and answered boxes: the
// person from an empty form, the periods typed and sorted and refused, the ledger built and its
// earnings typed and pasted, calculations compared field by field with ravelta-calc on the same
// case, "Нова особа", the enabling of the stages and the footer totals. With RAVELTA_SCREENS=1
// the first calculation also saves a picture of every tab for review.

#include "headless_calculator.h"
#include "scripted_prompt.h"
#include "ui/footer_bar.h"
#include "window_driver.h"

#include <QDir>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace rv;

namespace {

// Months of the ledger from a first month on, each given the same earning by typing it into
// the first and pasting it into the others.
struct EarningRun {
    int year = 0;
    int month0 = 0;
    int months = 1;
    QString keys;
};

struct CaseInput {
    PersonInput person;
    QList<PeriodInput> periods;
    QList<EarningRun> earnings;
};

int toInt(const Value& value) {
    const auto* number = std::get_if<std::int32_t>(&value);
    return number ? *number : -1;
}

} // namespace

Q_DECLARE_METATYPE(PersonInput)
Q_DECLARE_METATYPE(CaseInput)

class TestWorkflow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void personConfirmationReportsEachCode_data();
    void personConfirmationReportsEachCode();
    void tooEarlyApplicationNamesTheEarliestDate_data();
    void tooEarlyApplicationNamesTheEarliestDate();
    void periodsAreTypedAndSorted();
    void refusedPeriodsWarnInOrder_data();
    void refusedPeriodsWarnInOrder();
    void calculationMatchesTheHeadlessCalculator_data();
    void calculationMatchesTheHeadlessCalculator();
    void newPersonAsksAboutChanges_data();
    void newPersonAsksAboutChanges();
    void stagesEnableTheirTabsAndCommands_data();
    void stagesEnableTheirTabsAndCommands();
    void footersSumThePeriodsAndTheYear();

private:
    TdMain& dm() const { return *m_window->dMain(); }
    CalcPanel& panel() const { return *m_window->calcPanel; }
    // The typed earnings as (year, month 1..12, amount), the pasted months taken from the ledger.
    QJsonArray earningsOf(const QList<EarningRun>& runs) const;
    void typeCase(const CaseInput& input);
    QJsonObject runHeadlessCalculator(const CaseInput& input) const;
    // Every tab after the first case; of the other cases the results panel, named after the case.
    void saveScreens(bool everyTab);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestWorkflow::initTestCase() {
    // The headless calculator writes numbers with "."; so does the window in this test.
    QLocale::setDefault(QLocale::c());
}

void TestWorkflow::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
}

void TestWorkflow::cleanup() {
    m_driver.reset();
    m_window.reset();
    QLocale::setDefault(QLocale::c());
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestWorkflow::personConfirmationReportsEachCode_data() {
    QTest::addColumn<PersonInput>("person");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused"); // the editor that takes the focus

    const QString name = QStringLiteral("Петренко");
    const QString birth = QStringLiteral("15.03.1963");
    QTest::newRow("empty form") << PersonInput{} << "Поле \"Ім'я особи\" обов'язкове для заповнення"
                                << "edtehPersonName";
    QTest::newRow("name only: the birth date comes before the gender")
        << PersonInput{name, {}, -1, {}} << "Невірна дата народження"
        << "dtehPersBirthdate";
    QTest::newRow("half-typed birth date")
        << PersonInput{name, "15.03", 0, "20.03.2023"} << "Невірна дата народження"
        << "dtehPersBirthdate";
    QTest::newRow("no gender") << PersonInput{name, birth, -1, "20.03.2023"}
                               << "Поле \"Стать\" обов'язкове для заповнення"
                               << "cbehPersonGender";
    QTest::newRow("no application date")
        << PersonInput{name, birth, 0, {}} << "Невірна дата звернення"
        << "dtehPersonZvernennya";
    QTest::newRow("no such application date")
        << PersonInput{name, birth, 1, "31.02.2023"} << "Невірна дата звернення"
        << "dtehPersonZvernennya";
}

void TestWorkflow::personConfirmationReportsEachCode() {
    QFETCH(PersonInput, person);
    QFETCH(QString, message);
    QFETCH(QString, focused);

    m_driver->fillPerson(person);
    m_driver->confirmPerson();

    QCOMPARE(m_script->messages.size(), 1);
    const MessageRequest& box = m_script->messages.first();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Равелта"));
    QCOMPARE(box.icon, PromptIcon::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    auto* editor = m_window->gbPers->findChild<QWidget*>(focused);
    QVERIFY(editor);
    QCOMPARE(QApplication::focusWidget(), editor->focusProxy() ? editor->focusProxy() : editor);

    QVERIFY(!m_driver->isEnabled(m_window->tsExp));
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsDictionary);
    QVERIFY(!m_window->CaseModified);
    QVERIFY(dm().cdsPerson.isNull("person_id"));
}

void TestWorkflow::tooEarlyApplicationNamesTheEarliestDate_data() {
    QTest::addColumn<QString>("birthDate");
    QTest::addColumn<QString>("applicationDate");
    QTest::addColumn<QString>("pensionAgeDate"); // the day after the 60th birthday, ст. 26
    QTest::addColumn<bool>("accepted");

    QTest::newRow("one calendar month before") << "15.03.1963"
                                               << "16.02.2023"
                                               << "16.03.2023" << true;
    QTest::newRow("a day earlier") << "15.03.1963"
                                   << "15.02.2023"
                                   << "16.03.2023" << false;
    QTest::newRow("a month back from the 31st ends in February") << "30.03.1963"
                                                                 << "28.02.2023"
                                                                 << "31.03.2023" << true;
    QTest::newRow("a day before the end of February") << "30.03.1963"
                                                      << "27.02.2023"
                                                      << "31.03.2023" << false;
}

void TestWorkflow::tooEarlyApplicationNamesTheEarliestDate() {
    QFETCH(QString, birthDate);
    QFETCH(QString, applicationDate);
    QFETCH(QString, pensionAgeDate);
    QFETCH(bool, accepted);

    m_driver->fillPerson({QStringLiteral("Петренко"), birthDate, 0, applicationDate});
    m_driver->confirmPerson();

    DateEdit* application = m_window->gbPers->dtehPersonZvernennya;
    if (!accepted) {
        // The message names the earliest date, a month before the pension age; the typed date
        // stays for the person to correct.
        const QString earliest = QDate::fromString(pensionAgeDate, QStringLiteral("dd.MM.yyyy"))
                                     .addMonths(-1)
                                     .toString(QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(m_script->messageTexts(),
                 QStringList{"Звернутися за призначенням пенсії можна не раніше ніж за місяць до "
                             "досягнення пенсійного віку, тобто не раніше " +
                             earliest + "."});
        QCOMPARE(application->lineEdit()->text(), applicationDate);
        QCOMPARE(QApplication::focusWidget(), application->lineEdit());
        QVERIFY(!m_driver->isEnabled(m_window->tsExp));
        m_driver->fillPerson({QStringLiteral("Петренко"), birthDate, 0, earliest});
        m_driver->confirmPerson(); // the earliest date passes
        QCOMPARE(m_script->messages.size(), 1);
    } else {
        QVERIFY(m_script->messages.isEmpty());
        QCOMPARE(application->lineEdit()->text(), applicationDate);
    }
    QVERIFY(m_driver->isEnabled(m_window->tsExp));
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
    QCOMPARE(dm().cdsPerson.asInteger("person_id"), 1);
    QVERIFY(m_window->CaseModified);
}

void TestWorkflow::periodsAreTypedAndSorted() {
    m_driver->fillPerson({QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"});
    m_driver->confirmPerson();
    m_driver->typePeriods(
        {{"01.09.2005", "28.02.2023"}, {"01.09.1981", "31.07.1990"}, {"15.10.1991", "30.06.2005"}});
    m_driver->verifyPeriods(); // leaves the grid: the empty new row goes
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));

    QTableView* view = m_driver->periodView();
    Table& periods = dm().cdsExp;
    auto shown = [view] {
        QStringList rows;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            rows.append(view->model()->index(row, 0).data().toString());
        return rows;
    };
    auto walked = [&periods] {
        QStringList rows;
        for (periods.first(); !periods.eof(); periods.next())
            rows.append(QString::fromStdString(formatDate(*periods.asDate("exp_date_begin"))));
        return rows;
    };
    const QStringList ascending{"01.09.1981", "15.10.1991", "01.09.2005"};
    QCOMPARE(shown(), ascending);
    QCOMPARE(walked(), ascending);

    m_driver->clickTitle(view, 0); // "Дата зарахування" again: descending
    const QStringList descending{"01.09.2005", "15.10.1991", "01.09.1981"};
    QCOMPARE(shown(), descending);
    QCOMPARE(walked(), descending);
    QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Дата зарахування"));
}

void TestWorkflow::refusedPeriodsWarnInOrder_data() {
    QTest::addColumn<QList<PeriodInput>>("periods");
    QTest::addColumn<QStringList>("warnings");

    const QString tooEarly =
        QStringLiteral("Трудова діяльність не може починатися до виповнення особою 14 років");
    const QString overlap =
        QStringLiteral("Вказані діапазони трудової діяльності не повинні перетинатися");
    // Born 15.03.1963: 14 years old on 15.03.1977.
    QTest::newRow("before the age of 14")
        << QList<PeriodInput>{{"01.09.1976", "31.12.1980"}} << QStringList{tooEarly};
    QTest::newRow("sharing a day")
        << QList<PeriodInput>{{"01.01.1990", "31.12.1995"}, {"31.12.1995", "31.12.2000"}}
        << QStringList{overlap};
    QTest::newRow("both, age first")
        << QList<PeriodInput>{{"01.01.1990", "31.12.1995"}, {"01.09.1976", "01.02.1990"}}
        << QStringList{tooEarly, overlap};
}

void TestWorkflow::refusedPeriodsWarnInOrder() {
    QFETCH(QList<PeriodInput>, periods);
    QFETCH(QStringList, warnings);
    m_driver->fillPerson({QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"});
    m_driver->confirmPerson();
    m_driver->typePeriods(periods);

    m_driver->verifyPeriods();

    QCOMPARE(m_script->messageTexts(), warnings);
    for (const MessageRequest& box : m_script->messages) {
        QCOMPARE(box.icon, PromptIcon::Warning);
        QCOMPARE(box.title, QStringLiteral("Равелта"));
    }
    QVERIFY(!m_driver->isEnabled(m_window->tsEarning));
    QCOMPARE(dm().cdsEarning.recordCount(), 0);
    QCOMPARE(dm().cdsExp.recordCount(), periods.size());
    QVERIFY(m_window->LedgerRefreshEnabled);
}

void TestWorkflow::calculationMatchesTheHeadlessCalculator_data() {
    QTest::addColumn<CaseInput>("input");

    QTest::newRow("full pension with a supplement") << CaseInput{
        {QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"},
        {{"01.09.1981", "31.07.1990"}, {"15.10.1991", "30.06.2005"}, {"01.09.2005", "28.02.2023"}},
        {{1985, 4, 1, "0.0021"},
         {1990, 2, 1, "0.0032"},
         {1996, 0, 48, "300"},
         {2000, 6, 30, "400.5"},
         {2004, 0, 228, "12000"}}};
    QTest::newRow("incomplete pension of a woman")
        << CaseInput{{QStringLiteral("Оксана"), "20.06.1964", 1, "01.07.2024"},
                     {{"01.09.1995", "31.08.2020"}},
                     {{1996, 0, 48, "250"}, {2004, 0, 200, "9000"}}};
    QTest::newRow("no right with 12 years")
        << CaseInput{{QStringLiteral("Іван"), "01.02.1960", 0, "05.02.2020"},
                     {{"01.01.2008", "31.12.2019"}},
                     {{2008, 0, 144, "8000"}}};
    QTest::newRow("base year missing from the table")
        << CaseInput{{QStringLiteral("Марко"), "10.01.1966", 0, "15.02.2027"},
                     {{"01.01.1990", "31.12.2025"}},
                     {{1995, 0, 66, "150"}, {2004, 0, 264, "20000"}}};
}

void TestWorkflow::calculationMatchesTheHeadlessCalculator() {
    QFETCH(CaseInput, input);
    typeCase(input);
    QVERIFY(!QTest::currentTestFailed());
    const QJsonObject expected = runHeadlessCalculator(input);
    QVERIFY(!QTest::currentTestFailed());
    const QJsonObject result = expected.value("result").toObject();
    compareResultsPanel(panel(), result);
    QVERIFY(!QTest::currentTestFailed());
    for (QLineEdit* fixed : {panel().edtAvgZpForYear, panel().edtMinPens})
        QCOMPARE(fixed->toolTip(), QStringLiteral("із довідника"));
    compareLedger(dm().cdsEarning, expected.value("ledger").toArray());
    QVERIFY(!QTest::currentTestFailed());

    const bool right = result.value("right").toBool();
    QTableView* ledgerView = m_driver->ledgerView();
    QCOMPARE(!ledgerView->isColumnHidden(EarningsTab::Optimisation1Column), right);
    QCOMPARE(!ledgerView->isColumnHidden(EarningsTab::Optimisation2Column), right);
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(!dm().cdsEarning.boundViewsSuspended());
    QVERIFY(m_window->CaseModified);
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));

    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") == 1)
        saveScreens(QTest::currentDataTag() == QByteArray("full pension with a supplement"));
}

QJsonArray TestWorkflow::earningsOf(const QList<EarningRun>& runs) const {
    Table& ledger = dm().cdsEarning;
    const int yearField = ledger.fieldIndex("earning_year");
    const int monthField = ledger.fieldIndex("earning_month");
    QJsonArray earnings;
    for (const EarningRun& run : runs) {
        const int first = m_driver->ledgerRow(run.year, run.month0);
        for (int row = first; row >= 0 && row < first + run.months; ++row)
            earnings.append(QJsonObject{{"year", toInt(ledger.viewValue(row, yearField))},
                                        {"month", toInt(ledger.viewValue(row, monthField)) + 1},
                                        {"amount", run.keys.toDouble()}});
    }
    return earnings;
}

// The person typed in and confirmed, the periods typed and confirmed, the earnings typed and
// pasted and confirmed, and "Провести розрахунок*" pressed.
void TestWorkflow::typeCase(const CaseInput& input) {
    m_driver->buildLedger(input.person, input.periods);
    QVERIFY(!QTest::currentTestFailed());
    for (const EarningRun& run : input.earnings) {
        QVERIFY2(m_driver->ledgerRow(run.year, run.month0) + run.months <=
                     dm().cdsEarning.recordCount(),
                 qPrintable(QStringLiteral("%1-%2").arg(run.year).arg(run.month0 + 1)));
        if (run.months == 1)
            m_driver->typeEarning(run.year, run.month0, run.keys);
        else
            m_driver->fillEarnings(run.year, run.month0, run.months, run.keys);
        QVERIFY(!QTest::currentTestFailed());
    }
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
    m_driver->calculate();
}

QJsonObject TestWorkflow::runHeadlessCalculator(const CaseInput& input) const {
    QJsonArray periods;
    for (const auto& [begin, finish] : input.periods)
        periods.append(QJsonObject{{"begin", begin}, {"end", finish}});
    const QJsonObject person{{"name", input.person.name},
                             {"birthdate", input.person.birthDate},
                             {"gender", input.person.gender},
                             {"application_date", input.person.applicationDate}};
    return ::runHeadlessCalculator(
        {{"person", person}, {"periods", periods}, {"earnings", earningsOf(input.earnings)}});
}

void TestWorkflow::saveScreens(bool everyTab) {
    const QString folder = QStringLiteral(RV_SCREENS_DIR);
    QVERIFY(QDir().mkpath(folder));
    for (int page = 0; page < m_window->pcMain->count(); ++page) {
        QWidget* shown = m_window->pcMain->page(page);
        if (!everyTab && shown != m_window->tsCalc)
            continue;
        m_window->pcMain->setCurrentIndex(page);
        QApplication::processEvents();
        QString name = shown->objectName();
        if (!everyTab)
            name += QStringLiteral(" - ") + QString::fromLatin1(QTest::currentDataTag());
        QVERIFY2(m_window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")),
                 qPrintable(name));
    }
    qInfo("screens saved in %s", qPrintable(folder));
}

void TestWorkflow::newPersonAsksAboutChanges_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("unchanged: no question") << false << QMessageBox::NoButton;
    QTest::newRow("changed, Скасувати keeps the case") << true << QMessageBox::Cancel;
    QTest::newRow("changed, Не зберігати starts anew") << true << QMessageBox::Discard;
}

void TestWorkflow::newPersonAsksAboutChanges() {
    QFETCH(bool, modified);
    QFETCH(QMessageBox::StandardButton, answer);
    if (modified) {
        // A whole case up to a calculation, as if loaded from a file.
        typeCase({{QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"},
                  {{"01.09.1981", "31.12.2003"}},
                  {{1985, 0, 12, "0.0021"}}});
        QVERIFY(!QTest::currentTestFailed());
        m_window->CaseFileName = QStringLiteral("/tmp/Петренко.csf");
    } else {
        m_driver->fillPerson({QStringLiteral("Петренко"), {}, -1, {}});
    }
    const QString total = m_window->experienceTab->grdExp->footer()->cellText(2);
    const QString shownPensionDate = panel().edtPensAge->text();
    m_script->answers = {answer};
    m_script->messages.clear();

    QTest::mouseClick(m_window->ToolBar1->findChild<QToolButton*>(QStringLiteral("tbNewPerson")),
                      Qt::LeftButton);

    if (modified) {
        QCOMPARE(m_script->messages.size(), 1);
        const MessageRequest& question = m_script->messages.first();
        QCOMPARE(question.text, QStringLiteral("Зміни у справі ще не збережено. Зберегти їх, перш "
                                               "ніж почати нову справу?"));
        QCOMPARE(question.title, QStringLiteral("Равелта"));
        QCOMPARE(question.icon, PromptIcon::Question);
        QCOMPARE(question.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    } else {
        QVERIFY(m_script->messages.isEmpty());
        m_script->answers.clear();
    }

    if (answer == QMessageBox::Cancel) {
        QCOMPARE(dm().cdsPerson.recordCount(), 1);
        QVERIFY(dm().cdsExp.recordCount() > 0);
        QVERIFY(dm().cdsEarning.recordCount() > 0);
        QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
        for (QWidget* page : {m_window->tsExp, m_window->tsEarning, m_window->tsCalc})
            QVERIFY(m_driver->isEnabled(page));
        QVERIFY(m_window->CaseModified);
        QCOMPARE(m_window->CaseFileName, QStringLiteral("/tmp/Петренко.csf"));
        QCOMPARE(panel().edtPensAge->text(), shownPensionDate);
        return;
    }

    for (Table* table : {&dm().cdsPerson, &dm().cdsExp, &dm().cdsEarning}) {
        table->setFiltered(false);
        QCOMPARE(table->recordCount(), 0);
    }
    QCOMPARE(m_window->gbPers->edtehPersonName->text(), QString());
    QCOMPARE(QApplication::focusWidget(), m_window->gbPers->edtehPersonName);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsDictionary);
    for (QWidget* page : {m_window->tsExp, m_window->tsEarning, m_window->tsCalc})
        QVERIFY(!m_driver->isEnabled(page));
    for (QAction* action : {m_window->aVerifyExp, m_window->aClearExp, m_window->aVerifyEarning,
                            m_window->aClearEarning})
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    QVERIFY(!m_window->CaseModified);
    QCOMPARE(m_window->CaseFileName, QString());
    QCOMPARE(panel().edtPensAge->text(), QString());
    QCOMPARE(panel().edtFullSS->text(), QStringLiteral("0"));
    QCOMPARE(panel().edfFullPens->text(), QStringLiteral("0"));
    QCOMPARE(panel().edfFullPens->toolTip(), QString());
    if (modified)
        QVERIFY(m_window->experienceTab->grdExp->footer()->cellText(2) != total);
}

// The stages of a case in order; each row of the table goes as far as its stage.
void TestWorkflow::stagesEnableTheirTabsAndCommands_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<QList<bool>>("tabs");     // tsExp, tsEarning, tsCalc
    QTest::addColumn<QList<bool>>("commands"); // aVerifyExp, aClearExp, aVerifyEarning,
                                               // aClearEarning
    QTest::addColumn<bool>("modified");
    using L = QList<bool>;
    QTest::newRow("0 start") << 0 << L{0, 0, 0} << L{0, 0, 0, 0} << false;
    QTest::newRow("1 person confirmed") << 1 << L{1, 0, 0} << L{0, 0, 0, 0} << true;
    QTest::newRow("2 a period typed") << 2 << L{1, 0, 0} << L{1, 1, 0, 0} << true;
    QTest::newRow("3 periods confirmed") << 3 << L{1, 1, 0} << L{1, 1, 0, 0} << true;
    QTest::newRow("4 an earning typed") << 4 << L{1, 1, 0} << L{1, 1, 1, 1} << true;
    QTest::newRow("5 earnings confirmed") << 5 << L{1, 1, 1} << L{1, 1, 1, 1} << true;
    QTest::newRow("6 calculated") << 6 << L{1, 1, 1} << L{1, 1, 1, 1} << true;
    QTest::newRow("7 periods cleared: the later tabs stay")
        << 7 << L{1, 1, 1} << L{0, 0, 1, 1} << true;
    QTest::newRow("8 person confirmed again") << 8 << L{1, 1, 1} << L{0, 0, 1, 1} << true;
    QTest::newRow("9 new person") << 9 << L{0, 0, 0} << L{0, 0, 0, 0} << false;
}

void TestWorkflow::stagesEnableTheirTabsAndCommands() {
    QFETCH(int, stage);
    QFETCH(QList<bool>, tabs);
    QFETCH(QList<bool>, commands);
    QFETCH(bool, modified);

    const QList<std::function<void()>> steps = {
        [] {},
        [this] {
            m_driver->fillPerson({QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"});
            m_driver->confirmPerson();
        },
        [this] {
            m_driver->typePeriods({{"01.09.1981", "31.12.2003"}});
        },
        [this] { m_driver->verifyPeriods(); },
        [this] { m_driver->typeEarning(1985, 0, QStringLiteral("0.0021")); },
        [this] { m_driver->verifyEarnings(); },
        [this] {
            m_driver->clickTab(m_window->tsCalc);
            m_driver->calculate();
        },
        [this] {
            m_driver->clickTab(m_window->tsExp);
            m_script->answers = {QMessageBox::Yes};
            m_driver->click(m_window->experienceTab->bbClearExp);
        },
        [this] { m_driver->confirmPerson(); },
        [this] {
            m_script->answers = {QMessageBox::Discard};
            m_driver->press(Qt::Key_N, Qt::ControlModifier);
        },
    };
    for (int step = 0; step <= stage; ++step) {
        steps[step]();
        QVERIFY2(!QTest::currentTestFailed(), qPrintable(QString::number(step)));
    }

    const QList<QWidget*> pages = {m_window->tsExp, m_window->tsEarning, m_window->tsCalc};
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(m_driver->isEnabled(pages[i]) == tabs[i], qPrintable(pages[i]->objectName()));
    for (QWidget* page : {m_window->tsDictionary, m_window->tsInfo})
        QVERIFY(m_driver->isEnabled(page));
    const QList<QAction*> actions = {m_window->aVerifyExp, m_window->aClearExp,
                                     m_window->aVerifyEarning, m_window->aClearEarning};
    for (int i = 0; i < actions.size(); ++i)
        QVERIFY2(actions[i]->isEnabled() == commands[i], qPrintable(actions[i]->objectName()));
    QCOMPARE(m_window->CaseModified, modified);
    QCOMPARE(m_script->unanswered, 0);
    for (const MessageRequest& box : m_script->messages)
        QVERIFY2(box.icon == PromptIcon::Question, qPrintable(box.text)); // no warning on the way
}

// The experience total "2/0/5" of 1/11/20 and 0/0/15, and the year summary of the ledger with
// the Ukrainian decimal comma.
void TestWorkflow::footersSumThePeriodsAndTheYear() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    m_driver->fillPerson({QStringLiteral("Петренко"), "15.03.1963", 0, "20.03.2023"});
    m_driver->confirmPerson();
    m_driver->typePeriods({{"01.01.2000", "20.12.2001"}, {"01.01.2005", "15.01.2005"}});
    FooterBar* periodFooter = m_window->experienceTab->grdExp->footer();
    QTableView* periods = m_driver->periodView();
    QCOMPARE(periods->model()->index(0, 2).data().toString(), QStringLiteral("1/11/20"));
    QCOMPARE(periods->model()->index(1, 2).data().toString(), QStringLiteral("0/0/15"));
    QCOMPARE(periodFooter->cellText(2), QStringLiteral("2/0/5"));

    m_driver->verifyPeriods();
    m_driver->clickTab(m_window->tsEarning);
    m_driver->typeEarning(2000, 2, QStringLiteral("5,123456"));
    m_driver->typeEarning(2001, 0, QStringLiteral("10,5"));
    m_driver->typeEarning(2001, 1, QStringLiteral("2"));
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));

    FooterBar* yearFooter = m_window->earningsTab->grdEarning->footer();
    QLocale comma;
    comma.setNumberOptions(QLocale::OmitGroupSeparator);
    Table& ledger = dm().cdsEarning;
    auto coefficientSum = [&](int year) {
        double sum = 0;
        for (int row = 0; row < ledger.recordCount(); ++row)
            if (ledger.viewValue(row, ledger.fieldIndex("earning_year")) == Value(year))
                sum += std::get<double>(ledger.viewValue(row, ledger.fieldIndex("earning_k")));
        return sum;
    };
    struct Summary {
        int year;
        int month0;
        QString months;
        QString earnings;
    };
    for (const Summary& expected :
         {Summary{2001, 3, "12 м.", "12,50"}, Summary{2000, 7, "12 м.", "5,12346"},
          Summary{2005, 0, "1 м.", "0,00"}}) {
        m_driver->goToMonth(expected.year, expected.month0, EarningsTab::MonthColumn);
        QCOMPARE(yearFooter->cellText(EarningsTab::YearColumn), QString::number(expected.year));
        QCOMPARE(yearFooter->cellText(EarningsTab::MonthColumn), expected.months);
        QCOMPARE(yearFooter->cellText(EarningsTab::PaymentColumn), expected.earnings);
        // Five decimals at most, as each coefficient has, and at least two.
        QString coefficients = comma.toString(coefficientSum(expected.year), 'f', 5);
        while (coefficients.endsWith(QLatin1Char('0')) &&
               coefficients.size() - coefficients.indexOf(QLatin1Char(',')) > 3)
            coefficients.chop(1);
        QCOMPARE(yearFooter->cellText(EarningsTab::CoefficientColumn), coefficients);
    }
}

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
