// The stage commands and the results panel as a person meets them: the panel as designed,
// confirming a person again, the next identity after "Нова особа", confirming zero earnings,
// the formula hints on hover, a second calculation after a change of gender, the no-right panel
// and a calculation that fails halfway.

#include "scripted_prompt.h"
#include "ui/footer_bar.h"
#include "window_driver.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// Born 15.03.1963, a man reaches the pension age of 60 on 16.03.2023.
const PersonInput kMan{QStringLiteral("Петренко"), QStringLiteral("15.03.1963"), 0,
                       QStringLiteral("20.03.2023")};
const PersonInput kWoman{QStringLiteral("Оксана"), QStringLiteral("15.03.1963"), 1,
                         QStringLiteral("20.03.2023")};

// 32 years: short of a man's 35 for a full pension, more than a woman's 30. From 2004 a month
// counts in full only with an earning of at least the minimum wage, so every month from 2004
// to 2022 gets one.
const QList<PeriodInput> kThirtyTwoYears{{"01.01.1991", "31.12.2022"}};
constexpr int kMonthsFrom2004 = 19 * 12;
// 10 years from 2013 without earnings: no month counts, no right to a pension.
const QList<PeriodInput> kTenYears{{"01.01.2013", "31.12.2022"}};

} // namespace

class TestStageCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void calcPanelStartsAsDesigned();
    void confirmingAgainMarksTheCaseAndKeepsThePage();
    void newPersonGivesTheNextIdentity();
    void confirmingZeroEarningsOpensTheCalculation();
    void formulaHintsShowOnHover_data();
    void formulaHintsShowOnHover();
    void secondCalculationFollowsTheGender();
    void noRightLeavesOnlyTheExperience();
    void failedCalculationKeepsTheLedgerUsable_data();
    void failedCalculationKeepsTheLedgerUsable();

private:
    CalcPanel& panel() const { return *m_window->calcPanel; }
    // Person, periods, earnings (one month before 2000 and, with `paid`, every month from
    // 2004), "Підтвердити заробітки" and "Провести розрахунок*".
    void calculateCase(const PersonInput& person, const QList<PeriodInput>& periods, bool paid);

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestStageCommands::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
}

void TestStageCommands::init() {
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
}

void TestStageCommands::cleanup() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestStageCommands::calculateCase(const PersonInput& person, const QList<PeriodInput>& periods,
                                      bool paid) {
    m_driver->buildLedger(person, periods);
    QVERIFY(!QTest::currentTestFailed());
    if (paid) {
        m_driver->typeEarning(1998, 4, QStringLiteral("350"));
        m_driver->fillEarnings(2004, 0, kMonthsFrom2004, QStringLiteral("10000"));
        QVERIFY(!QTest::currentTestFailed());
    } else {
        // Any key released in the grid opens "Підтвердити заробітки".
        QTableView* view = m_driver->ledgerView();
        m_driver->clickCell(view, view->rowAt(0), EarningsTab::PaymentColumn);
        m_driver->press(Qt::Key_Down);
    }
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsCalc);
    m_driver->calculate();
    QVERIFY2(m_script->messages.isEmpty(), qPrintable(m_script->messageTexts().join(" | ")));
}

void TestStageCommands::calcPanelStartsAsDesigned() {
    m_window->pcMain->setCurrentPage(m_window->tsCalc); // laid out to be looked at, still closed
    QCOMPARE(panel().gbCalc->title(),
             QStringLiteral("Розрахунок розміру пенсії за віком на загальних підставах (згідно зі "
                            "статтями 26–28 та 40 Закону України №1058-IV від 09.07.2003 р.)"));

    // Each caption sits left of its field, top to bottom.
    const QList<std::pair<QString, QLineEdit*>> rows = {
        {"Дата призначення пенсії", panel().edtPensAge},
        {"Страховий стаж складає", panel().edtFullSS},
        {"Кількість місяців наданої зарплатні (до оптимізації)", panel().edtSSMonth},
        {"Кількість місяців врахованої зарплатні (після оптимізації)", panel().edtSSMonth2},
        {"Сума коефіцієнтів врахованої зарплатні (після оптимізації)", panel().edtSumK},
        {"Показник середньої заробітної плати (ст. 40)", panel().edtAvgZpForYear},
        {"Індивідуальний коефіцієнт заробітку", panel().edtEarningK},
        {"Величина оцінки року стажу, % (ст. 25)", panel().edtValuation},
        {"Коефіцієнт страхового стажу (з урахуванням кратності)", panel().edtISSK},
        {"Розмір основної пенсії", panel().edtPens},
        {"Мінімальний розмір пенсії за віком", panel().edtMinPens},
        {"Мінімальний розмір для осіб від 65 років (ч. 2 ст. 28)", panel().edtMinPens65},
        {"Доплата за понаднормовий стаж", panel().edtExtraPens},
        {"Максимальний розмір пенсії (ч. 3 ст. 27)", panel().edtMaxPens},
        {"Загальний розмір пенсії за віком", panel().edfFullPens}};
    const QList<QLabel*> labels = panel().gbCalc->findChildren<QLabel*>();
    int previousTop = -1;
    for (const auto& [caption, field] : rows) {
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel* label) { return label->text() == caption; });
        QVERIFY2(found != labels.end(), qPrintable(caption));
        const QRect captionRect = (*found)->geometry();
        QVERIFY2(captionRect.right() < field->geometry().left(), qPrintable(caption));
        QVERIFY2(captionRect.top() > previousTop, qPrintable(caption));
        previousTop = captionRect.top();

        QVERIFY2(field->isReadOnly(), qPrintable(caption));
        QCOMPARE(field->text(), QStringLiteral("0"));
        const bool fromReference = field == panel().edtAvgZpForYear || field == panel().edtMinPens;
        QCOMPARE(field->toolTip(), fromReference ? QStringLiteral("із довідника") : QString());
        // The caption is not cut off.
        QVERIFY2((*found)->width() >= (*found)->sizeHint().width(), qPrintable(caption));
    }
    QCOMPARE(panel().lAvgZpForYear->text(),
             QStringLiteral("Показник середньої заробітної плати (ст. 40)"));
    QCOMPARE(panel().lMinPens->text(), QStringLiteral("Мінімальний розмір пенсії за віком"));
    QVERIFY(panel().lNoAvgForYear->isHidden());
    QVERIFY(panel().lPensNotFull->isHidden());
    QCOMPARE(panel().lPensNotFull->text(), QStringLiteral("неповна"));

    QCOMPARE(panel().bbCalc->text(), QStringLiteral("Провести розрахунок*"));
    QVERIFY(panel().gbCalc->isAncestorOf(panel().bbCalc));
    QCOMPARE(panel().lCalcFootnote->text(),
             QStringLiteral("*  Автоматичне визначення найвигіднішого періоду стажу до 60 "
                            "місяців підряд до липня 2000 р. та виключення  невигідних періодів "
                            "(відповідно до частини 1 статті 40 Закону №1058-IV), обчислення "
                            "загального розміру пенсії за віком на загальних підставах "
                            "(відповідно до положень статей 27 та 28 Закону №1058-IV)"));
    QVERIFY(!panel().gbCalc->isAncestorOf(panel().lCalcFootnote));
    QVERIFY(panel().lCalcFootnote->geometry().top() > panel().gbCalc->geometry().bottom());
}

void TestStageCommands::confirmingAgainMarksTheCaseAndKeepsThePage() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
    m_driver->clickTab(m_window->tsDictionary);
    m_window->CaseModified = false; // as after a save

    m_driver->confirmPerson();

    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(m_window->CaseModified);
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsDictionary);
    QCOMPARE(m_window->dMain()->cdsPerson.asInteger("person_id"), 1);
    QCOMPARE(m_window->dMain()->lastPersonId(), 1);
}

void TestStageCommands::newPersonGivesTheNextIdentity() {
    m_driver->fillPerson(kMan);
    m_driver->confirmPerson();
    QCOMPARE(m_window->dMain()->cdsPerson.asInteger("person_id"), 1);

    m_script->answers = {QMessageBox::Discard};
    m_driver->press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_window->dMain()->cdsPerson.recordCount(), 0);
    QCOMPARE(QApplication::focusWidget(), m_window->gbPers->edtehPersonName);

    m_driver->fillPerson(
        {QStringLiteral("Оксана"), QStringLiteral("02.02.1965"), 1, QStringLiteral("03.02.2025")});
    m_driver->confirmPerson();
    QCOMPARE(m_script->messages.size(), 1);
    QCOMPARE(m_window->dMain()->cdsPerson.asInteger("person_id"), 2);
    QCOMPARE(m_window->dMain()->cdsExp.filter(), std::string("exp_person_id=2"));
    QCOMPARE(m_window->dMain()->cdsEarning.filter(), std::string("earning_person_id=2"));
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsExp);
}

void TestStageCommands::confirmingZeroEarningsOpensTheCalculation() {
    m_driver->buildLedger(kMan, kThirtyTwoYears);
    QVERIFY(!m_driver->isEnabled(m_window->tsCalc));
    // A key released in the grid enables the command; every earning is still 0.
    QTableView* view = m_driver->ledgerView();
    m_driver->clickCell(view, view->rowAt(0), EarningsTab::PaymentColumn);
    m_driver->press(Qt::Key_Down);
    QVERIFY(m_window->aVerifyEarning->isEnabled());

    m_driver->verifyEarnings();

    QVERIFY(m_driver->isEnabled(m_window->tsCalc));
    QCOMPARE(m_window->pcMain->currentPage(), m_window->tsEarning);
    QCOMPARE(panel().edtPensAge->text(), QString());
    QCOMPARE(panel().edtFullSS->text(), QStringLiteral("0"));
    QVERIFY(m_script->messages.isEmpty());
}

void TestStageCommands::formulaHintsShowOnHover_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"edtAvgZpForYear", "edtEarningK", "edtISSK", "edtPens", "edtMinPens",
                             "edtExtraPens", "edfFullPens"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestStageCommands::formulaHintsShowOnHover() {
    QFETCH(QString, field);
    // A woman with 32 years: a full pension with a supplement, so every hint has a text.
    calculateCase(kWoman, kThirtyTwoYears, true);
    auto* editor = panel().findChild<QLineEdit*>(field);
    QVERIFY(editor);
    QVERIFY2(!editor->toolTip().isEmpty(), qPrintable(editor->text()));

    QTest::mouseMove(editor, editor->rect().center());
    QHelpEvent hover(QEvent::ToolTip, editor->rect().center(),
                     editor->mapToGlobal(editor->rect().center()));
    QApplication::sendEvent(editor, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), editor->toolTip());
    QCOMPARE(editor->toolTipDuration(), 20000);
    QToolTip::hideText();
}

// Part of the calculation depends on the gender: the years a full pension needs.
void TestStageCommands::secondCalculationFollowsTheGender() {
    calculateCase(kMan, kThirtyTwoYears, true);
    QVERIFY(!panel().lPensNotFull->isHidden());
    const QString incompleteHint = panel().edfFullPens->toolTip();
    QCOMPARE(panel().edtExtraPens->text(), QStringLiteral("0.00"));
    QCOMPARE(panel().edtExtraPens->toolTip(), QString());

    m_driver->chooseGender(1);
    m_driver->calculate();

    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(panel().lPensNotFull->isHidden());
    QVERIFY(panel().edfFullPens->toolTip() != incompleteHint);
    QVERIFY(panel().edfFullPens->toolTip().contains(QStringLiteral(" + ")));
    QVERIFY(panel().edtExtraPens->toolTip().startsWith(QStringLiteral("((32 - 30) * ")));
}

void TestStageCommands::noRightLeavesOnlyTheExperience() {
    calculateCase(kMan, kTenYears, false);
    QCOMPARE(panel().edtPensAge->text(), QStringLiteral("Право відсутнє"));
    // Without earnings from 2004 no day counts (ст. 24) and the total stops at 0.
    QCOMPARE(panel().edtFullSS->text(), QStringLiteral("0 р. 0 міс. 0 дн."));
    for (QLineEdit* field :
         {panel().edtSSMonth, panel().edtSSMonth2, panel().edtSumK, panel().edtAvgZpForYear,
          panel().edtEarningK, panel().edtISSK, panel().edtPens, panel().edtMinPens,
          panel().edtExtraPens, panel().edfFullPens}) {
        QCOMPARE(field->text(), QStringLiteral("0"));
        if (field != panel().edtAvgZpForYear && field != panel().edtMinPens)
            QCOMPARE(field->toolTip(), QString());
    }
    // The average wage's caption was written before the right was checked (ст. 40: the
    // indicator of the application year, the mean of the three years before it).
    QCOMPARE(panel().lAvgZpForYear->text(),
             QStringLiteral("Показник середньої заробітної плати для пенсій, призначених у 2023 "
                            "році (середня за 2020–2022 роки)"));
    QCOMPARE(panel().lMinPens->text(), QStringLiteral("Мінімальний розмір пенсії за віком"));
    QVERIFY(panel().lNoAvgForYear->isHidden());
    QVERIFY(panel().lPensNotFull->isHidden());
    QVERIFY(m_driver->ledgerView()->isColumnHidden(EarningsTab::Optimisation1Column));
    QVERIFY(m_driver->ledgerView()->isColumnHidden(EarningsTab::Optimisation2Column));
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(m_window->CaseModified); // the marks were posted
}

void TestStageCommands::failedCalculationKeepsTheLedgerUsable_data() {
    QTest::addColumn<bool>("blankBirthDate"); // else the application date
    QTest::addColumn<QString>("warning");
    QTest::newRow("no birth date") << true << "Невірна дата народження";
    QTest::newRow("no application date") << false << "Невірна дата звернення";
}

void TestStageCommands::failedCalculationKeepsTheLedgerUsable() {
    QFETCH(bool, blankBirthDate);
    QFETCH(QString, warning);
    calculateCase(kMan, kThirtyTwoYears, true);
    const QString total = panel().edfFullPens->text();

    // The person looks at 1995 on the earnings tab, then empties a date of the panel.
    m_driver->clickTab(m_window->tsEarning);
    m_driver->goToMonth(1995, 5, EarningsTab::YearColumn);
    Table& ledger = m_window->dMain()->cdsEarning;
    const int recNo = ledger.recNo();
    const int topRow = m_driver->ledgerView()->rowAt(0);
    m_driver->typeDate(blankBirthDate ? m_window->gbPers->dtehPersBirthdate
                                      : m_window->gbPers->dtehPersonZvernennya,
                       QString());
    m_driver->clickTab(m_window->tsCalc);
    m_driver->calculate();

    QCOMPARE(m_script->messageTexts(), QStringList{warning});
    QCOMPARE(m_script->messages.first().icon, PromptIcon::Warning);
    QVERIFY(m_window->LedgerRefreshEnabled);
    QVERIFY(!ledger.boundViewsSuspended());
    QCOMPARE(ledger.recNo(), recNo);
    QCOMPARE(panel().edfFullPens->text(), total);

    // The ledger goes on as before: same row and view, and a typed earning reaches the footer.
    m_driver->clickTab(m_window->tsEarning);
    QCOMPARE(m_driver->ledgerView()->currentIndex().row(), recNo - 1);
    QCOMPARE(m_driver->ledgerView()->rowAt(0), topRow);
    m_driver->clickCell(m_driver->ledgerView(), recNo - 1, EarningsTab::PaymentColumn);
    m_driver->typeKeys(QStringLiteral("1000"));
    m_driver->press(Qt::Key_Down);
    QCOMPARE(ledger.viewValue(recNo - 1, ledger.fieldIndex("earning_payment")), Value(1000.0));
    QCOMPARE(m_window->earningsTab->grdEarning->footer()->cellText(EarningsTab::PaymentColumn),
             QStringLiteral("1000,00"));
    QCOMPARE(m_script->messages.size(), 1);
}

QTEST_MAIN(TestStageCommands)
#include "tst_stage_commands.moc"
