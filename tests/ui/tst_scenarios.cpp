// The panel "Що буде, якщо…" as a person uses it: calculate a case, add variants with the
// controls, change a variant's months by typing and with the slider, and read the table; every
// figure shown agrees to the kopeck with the core run on the same case, and the open case stays
// as it was. With RAVELTA_SCREENS=1 the panel is saved as pictures under screens/ of the build
// tree.
#include "window_session.h"
#include "store/dm_calculation.h"

#include "calc/scenarios.h"
#include "calc/number_format.h"
#include "ui/scenario_panel.h"
#include "ui/scenario_rows.h"
#include "ui/totals_chart_view.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>
#include <array>

using namespace rv;

namespace {

const QString kApplication = QStringLiteral("10.04.2026");

// The three case tables, every row outside any filter too.
std::array<std::string, 3> caseSnapshot(TdMain& dm) {
    return {dm.cdsPerson.saveSnapshot(), dm.cdsExp.saveSnapshot(), dm.cdsEarning.saveSnapshot()};
}

// The core's outcome of a variant named as the panel names it.
ScenarioOutcome expected(ScenarioRunner& core, const ScenarioChange& change) {
    return core.run({scenarioName(change, '.').toStdString(), change});
}

QString money(double value) {
    return QString::fromStdString(formatFixed(value, 2, '.'));
}

QString signedMoney(double value) {
    const QString digits = money(std::abs(value));
    return digits == money(0) ? digits
                              : (value > 0 ? QStringLiteral("+") : QStringLiteral("−")) + digits;
}

} // namespace

class TestScenarios : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void workingLongerAgreesWithTheCoreAsTheMonthsChange();
    void voluntaryContributionsShowTheirCostAndPayback();
    void refusedValuesAreSaidAndChangeNothing();
    void withoutARightTodayTheEarliestRightIsShown();
    void theVariantsFollowTheCalculation();

private:
    // A man born `birthDate` with the periods given, each month at 1.2 times the average wage,
    // calculated by the button on the calculation tab.
    void calculateACase(const QString& birthDate, const QList<PeriodInput>& periods);
    // The core on a copy of the same case, as the test's own reference.
    std::unique_ptr<ScenarioRunner> referenceRunner();
    ScenarioPanel& panel() const { return *m_session.window->calcPanel->gbScenarios; }
    QString cell(int row, int column) const {
        QTableWidgetItem* item = panel().tblScenarios->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    // Every field of the results panel.
    QStringList resultTexts() const {
        QStringList texts;
        for (const QLineEdit* field :
             m_session.window->calcPanel->gbCalc->findChildren<QLineEdit*>())
            texts << field->objectName() + QLatin1Char('=') + field->text();
        return texts;
    }
    void chooseKind(ScenarioPanel::Kind kind);
    void typeMonths(int months);
    // The row of the variant agrees with the core's outcome of the same change.
    void compareRow(int row, const ScenarioOutcome& outcome);
    void saveScreens(const char* name);

    WindowSession m_session;
    CalculationResult m_result;
};

void TestScenarios::init() {
    QLocale::setDefault(QLocale::c());
    m_session.open();
}

void TestScenarios::cleanup() {
    m_session.close();
}

void TestScenarios::calculateACase(const QString& birthDate, const QList<PeriodInput>& periods) {
    WindowDriver& driver = *m_session.driver;
    driver.buildLedger({QStringLiteral("Коваль Петро"), birthDate, 0, kApplication}, periods);
    if (QTest::currentTestFailed())
        return;
    // The earnings are not under test here: stored straight into the ledger, but for one month
    // typed as a person does.
    Table& ledger = driver.dm().cdsEarning;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ledger.edit();
        ledger.setValue("earning_payment", ledger.asFloat("earning_avg_zp") * 1.2);
        ledger.post();
    }
    driver.typeEarning(2005, 0, QStringLiteral("9000"));
    if (QTest::currentTestFailed())
        return;
    driver.verifyEarnings();
    driver.clickTab(m_session.window->tsCalc);
    QVERIFY(!panel().isEnabled());
    QCOMPARE(panel().tblScenarios->rowCount(), 0);
    driver.calculate();
    QVERIFY2(m_session.script->messages.isEmpty(),
             qPrintable(m_session.script->messages.isEmpty()
                            ? QString()
                            : m_session.script->messages.first().text));
    QVERIFY2(panel().isEnabled(), qPrintable(panel().lEarliestRight->text()));
    m_result = Calculate(driver.dm(), *parseDate(kApplication.toStdString()), '.');
}

std::unique_ptr<ScenarioRunner> TestScenarios::referenceRunner() {
    return std::make_unique<ScenarioRunner>(openCaseScenarios(
        m_session.driver->dm(), m_result, *parseDate(kApplication.toStdString())));
}

void TestScenarios::chooseKind(ScenarioPanel::Kind kind) {
    QComboBox* kinds = panel().cbScenarioKind;
    kinds->setFocus(Qt::TabFocusReason);
    QTest::keyClick(kinds, Qt::Key_Home);
    for (int step = 0; step < kind; ++step)
        QTest::keyClick(kinds, Qt::Key_Down);
    QCOMPARE(kinds->currentIndex(), int(kind));
}

void TestScenarios::typeMonths(int months) {
    QSpinBox* spin = panel().sbMonths;
    m_session.driver->click(spin);
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, QString::number(months));
    QCOMPARE(spin->value(), months);
}

void TestScenarios::compareRow(int row, const ScenarioOutcome& outcome) {
    QVERIFY2(outcome.figures, outcome.refusal.c_str());
    const QString name = cell(row, NameColumn);
    QVERIFY2(name.startsWith(QString::fromStdString(outcome.name)), qPrintable(name));
    QCOMPARE(cell(row, TotalColumn), money(outcome.figures->total));
    QCOMPARE(cell(row, DeltaColumn), signedMoney(outcome.delta));
    QCOMPARE(cell(row, MonthsColumn), QString::number(outcome.figures->insuranceMonths));
    QCOMPARE(cell(row, IndividualCoefficientColumn),
             QString::fromStdString(formatFixed(outcome.figures->individualCoefficient, 5, '.')));
    QCOMPARE(cell(row, ExperienceCoefficientColumn),
             QString::fromStdString(formatFixed(outcome.figures->experienceCoefficient, 5, '.')));
    const QString assignment =
        outcome.figures->assignmentDate
            ? QString::fromStdString(formatDate(*outcome.figures->assignmentDate))
            : QStringLiteral("—");
    QCOMPARE(cell(row, AssignmentColumn), assignment);
    QCOMPARE(cell(row, RightColumn).startsWith(QStringLiteral("так, ")), outcome.figures->right);
    if (outcome.figures->rightDate)
        QCOMPARE(cell(row, RightDateColumn),
                 QString::fromStdString(formatDate(*outcome.figures->rightDate)));
}

void TestScenarios::saveScreens(const char* name) {
    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") != 1)
        return;
    QDir().mkpath(QStringLiteral(RV_SCREENS_DIR));
    auto* scroll = m_session.window->calcPanel->findChild<QScrollArea*>(QStringLiteral("saCalc"));
    QVERIFY(scroll);
    QApplication::processEvents(); // the layout settles as it would on a screen
    scroll->ensureWidgetVisible(panel().tblScenarios);
    const QString prefix = QStringLiteral(RV_SCREENS_DIR "/scenarios_") + QString::fromLatin1(name);
    QVERIFY(m_session.window->grab().save(prefix + QStringLiteral("_window.png")));
    QVERIFY(panel().grab().save(prefix + QStringLiteral("_panel.png")));
}

void TestScenarios::workingLongerAgreesWithTheCoreAsTheMonthsChange() {
    calculateACase(QStringLiteral("20.06.1960"),
                   {{QStringLiteral("01.09.1982"), QStringLiteral("31.12.1999")},
                    {QStringLiteral("01.03.2001"), QStringLiteral("31.03.2026")}});
    if (QTest::currentTestFailed())
        return;
    const std::array<std::string, 3> before = caseSnapshot(m_session.driver->dm());
    const QStringList resultsBefore = resultTexts();
    std::unique_ptr<ScenarioRunner> core = referenceRunner();

    // Today's row is the calculation shown above.
    QCOMPARE(cell(0, NameColumn), QStringLiteral("Сьогодні"));
    QCOMPARE(cell(0, TotalColumn), money(core->today().total));
    QCOMPARE(m_session.window->calcPanel->edfFullPens->text(), money(core->today().total));
    QVERIFY(!panel().lEarliestRight->isVisible());

    // Twelve more months as now, then the months changed by typing and by the slider: the row
    // follows each change.
    chooseKind(ScenarioPanel::WorkLongerKind);
    QVERIFY(panel().rbWageAsNow->isChecked());
    typeMonths(12);
    m_session.driver->click(panel().bbAddScenario);
    QCOMPARE(panel().tblScenarios->rowCount(), 2);
    compareRow(1, expected(*core, WorkLonger{12, std::nullopt}));
    QVERIFY(panel().bbRemoveScenario->isEnabled());

    typeMonths(30);
    QCOMPARE(panel().lMonthsText->text(), QStringLiteral("2 р. 6 міс."));
    compareRow(1, expected(*core, WorkLonger{30, std::nullopt}));
    QCOMPARE(panel().slMonths->value(), 30);
    QTest::keyClick(panel().slMonths, Qt::Key_PageUp);
    QCOMPARE(panel().sbMonths->value(), 42);
    compareRow(1, expected(*core, WorkLonger{42, std::nullopt}));
    QCOMPARE(panel().tblScenarios->rowCount(), 2);

    // A second variant at a wage typed in hryvnias.
    m_session.driver->click(panel().bbAddScenario);
    QCOMPARE(panel().tblScenarios->rowCount(), 3);
    m_session.driver->click(panel().edtWage);
    QTest::keyClicks(panel().edtWage, QStringLiteral("30000,50"));
    QVERIFY(panel().rbWageAmount->isChecked());
    compareRow(2, expected(*core, WorkLonger{42, 30000.5}));
    QVERIFY2(cell(2, NameColumn).contains(QStringLiteral("30000.50 грн")), qPrintable(cell(2, 0)));

    // Another kind leaves the selected variant as it is; added, it is the third, and its date
    // is typed into its field.
    chooseKind(ScenarioPanel::ApplyOnKind);
    QVERIFY(panel().tblScenarios->selectedItems().isEmpty());
    QVERIFY(!panel().bbRemoveScenario->isEnabled());
    compareRow(2, expected(*core, WorkLonger{42, 30000.5}));
    m_session.driver->click(panel().bbAddScenario);
    QCOMPARE(panel().tblScenarios->rowCount(), 4);
    compareRow(3, expected(*core, ApplyOn{*parseDate("10.04.2027")})); // the field's first date
    m_session.driver->typeDate(panel().dtScenarioDate, QStringLiteral("01.09.2028"));
    compareRow(3, expected(*core, ApplyOn{*parseDate("01.09.2028")}));

    // The best of the list is marked, in bold.
    std::vector<Scenario> listed;
    for (const ScenarioChange& change :
         {ScenarioChange(WorkLonger{42, std::nullopt}), ScenarioChange(WorkLonger{42, 30000.5}),
          ScenarioChange(ApplyOn{*parseDate("01.09.2028")})})
        listed.push_back({scenarioName(change, '.').toStdString(), change});
    const std::vector<ScenarioOutcome> all = core->runAll(listed);
    QCOMPARE(std::count_if(all.begin(), all.end(), [](const auto& one) { return one.best; }), 1);
    for (std::size_t variant = 0; variant < all.size(); ++variant) {
        const int row = panel().rowOfScenario(variant);
        compareRow(row, all[variant]);
        QCOMPARE(cell(row, NameColumn).endsWith(QStringLiteral(" — найкращий")), all[variant].best);
        QCOMPARE(panel().tblScenarios->item(row, TotalColumn)->font().bold(), all[variant].best);
    }
    saveScreens("work_longer");

    // Removing the selected variant leaves the others.
    m_session.driver->click(panel().bbRemoveScenario);
    QCOMPARE(panel().tblScenarios->rowCount(), 3);
    QCOMPARE(panel().scenarios().size(), std::size_t(2));
    compareRow(2, expected(*core, WorkLonger{42, 30000.5}));

    // Nothing of this touched the open case or its results.
    QVERIFY(caseSnapshot(m_session.driver->dm()) == before);
    QCOMPARE(resultTexts(), resultsBefore);
}

void TestScenarios::voluntaryContributionsShowTheirCostAndPayback() {
    // A man who stopped working in 2019.
    calculateACase(QStringLiteral("20.06.1960"),
                   {{QStringLiteral("01.09.1982"), QStringLiteral("31.12.1999")},
                    {QStringLiteral("01.03.2001"), QStringLiteral("31.12.2019")}});
    if (QTest::currentTestFailed())
        return;
    std::unique_ptr<ScenarioRunner> core = referenceRunner();
    chooseKind(ScenarioPanel::VoluntaryKind);
    QVERIFY(panel().lScenarioNote->isVisible());
    QVERIFY(panel().lScenarioNote->text().contains(QStringLiteral("Закону № 2464-VI")));
    QVERIFY(!panel().edtWage->isVisible());
    typeMonths(24);
    m_session.driver->click(panel().bbAddScenario);
    const ScenarioOutcome outcome = expected(*core, VoluntaryContributions{24});
    compareRow(1, outcome);
    QVERIFY(outcome.cost);
    QCOMPARE(cell(1, CostColumn), money(*outcome.cost));
    QCOMPARE(cell(1, PaybackColumn), outcome.paybackMonths
                                         ? monthsLengthText(*outcome.paybackMonths)
                                         : QStringLiteral("не окупляться"));
    QCOMPARE(cell(0, CostColumn), QStringLiteral("—"));
    saveScreens("voluntary");
}

void TestScenarios::refusedValuesAreSaidAndChangeNothing() {
    calculateACase(QStringLiteral("20.06.1960"),
                   {{QStringLiteral("01.09.1982"), QStringLiteral("31.12.1999")},
                    {QStringLiteral("01.03.2001"), QStringLiteral("31.03.2026")}});
    if (QTest::currentTestFailed())
        return;
    std::unique_ptr<ScenarioRunner> core = referenceRunner();
    typeMonths(6);
    m_session.driver->click(panel().bbAddScenario);
    // Each figure typed recalculates the row; the last good one stays while a refused text is
    // said, and nothing is added from it.
    m_session.driver->retype(panel().edtWage, QStringLiteral("15000"));
    const ScenarioOutcome typed = expected(*core, WorkLonger{6, 15000.0});
    compareRow(1, typed);
    struct Refusal {
        const char* keys;
        const char* said;
    };
    for (const Refusal& refusal : {Refusal{"абв", "Заробіток: "}, Refusal{"", "більшим за нуль"}}) {
        if (*refusal.keys)
            typeText(panel().edtWage, QString::fromUtf8(refusal.keys));
        else
            m_session.driver->retype(panel().edtWage, QString());
        QVERIFY2(panel().lScenarioNote->text().contains(QString::fromUtf8(refusal.said)),
                 qPrintable(panel().lScenarioNote->text()));
        compareRow(1, typed);
        m_session.driver->click(panel().bbAddScenario);
        QCOMPARE(panel().scenarios().size(), std::size_t(1));
    }
    // "As now" again: the refusal goes and the row follows.
    m_session.driver->click(panel().rbWageAsNow);
    QVERIFY(!panel().lScenarioNote->text().contains(QStringLiteral("Заробіток: ")));
    compareRow(1, expected(*core, WorkLonger{6, std::nullopt}));

    // A date blanked: said, the variant keeps the last date it had.
    chooseKind(ScenarioPanel::ApplyOnKind);
    m_session.driver->click(panel().bbAddScenario);
    const ScenarioOutcome yearLater = expected(*core, ApplyOn{*parseDate("10.04.2027")});
    compareRow(2, yearLater);
    m_session.driver->typeDate(panel().dtScenarioDate, QString());
    QVERIFY2(panel().lScenarioNote->text().contains(QStringLiteral("дд.мм.рррр")),
             qPrintable(panel().lScenarioNote->text()));
    compareRow(2, yearLater);
    compareRow(1, expected(*core, WorkLonger{6, std::nullopt}));
}

void TestScenarios::withoutARightTodayTheEarliestRightIsShown() {
    // 60 on 15.03.2026 with 28 years of experience: too little for the right at 60.
    calculateACase(QStringLiteral("15.03.1966"),
                   {{QStringLiteral("01.01.1998"), QStringLiteral("31.03.2026")}});
    if (QTest::currentTestFailed())
        return;
    std::unique_ptr<ScenarioRunner> core = referenceRunner();
    QVERIFY(!core->today().right);
    QCOMPARE(cell(0, RightColumn), QStringLiteral("немає"));
    const std::optional<EarliestRight> earliest = core->earliestRight();
    QVERIFY(earliest);
    QVERIFY(panel().lEarliestRight->isVisible());
    const QString date = QString::fromStdString(formatDate(earliest->date));
    QVERIFY2(panel().lEarliestRight->text().contains(date) &&
                 panel().lEarliestRight->text().contains(money(earliest->figures.total)),
             qPrintable(panel().lEarliestRight->text()));
    QCOMPARE(cell(1, NameColumn), QStringLiteral("Найраніше право, працюючи як зараз"));
    QCOMPARE(cell(1, TotalColumn), money(earliest->figures.total));
    QCOMPARE(panel().rowOfScenario(0), 2);

    // The chart holds the core's totals over five years.
    const std::vector<TotalOnDate> totals =
        core->totalsByApplicationDate(ScenarioPanel::kChartMonths, ScenarioPanel::kChartStepMonths);
    const std::vector<TotalOnDate>& shown = panel().chTotals->totals();
    QCOMPARE(shown.size(), totals.size());
    for (std::size_t i = 0; i < totals.size(); ++i) {
        QCOMPARE(shown[i].applicationDate, totals[i].applicationDate);
        QCOMPARE(shown[i].workingOn, totals[i].workingOn);
        QCOMPARE(shown[i].notWorking, totals[i].notWorking);
    }
    m_session.driver->click(panel().bbAddScenario);
    compareRow(2, expected(*core, WorkLonger{24, std::nullopt}));
    saveScreens("no_right");
}

void TestScenarios::theVariantsFollowTheCalculation() {
    calculateACase(QStringLiteral("20.06.1960"),
                   {{QStringLiteral("01.09.1982"), QStringLiteral("31.12.1999")},
                    {QStringLiteral("01.03.2001"), QStringLiteral("31.03.2026")}});
    if (QTest::currentTestFailed())
        return;
    m_session.driver->click(panel().bbAddScenario);
    QCOMPARE(panel().tblScenarios->rowCount(), 2);
    QVERIFY(!panel().chTotals->totals().empty());

    // Cleared with the results: nothing shown, the list kept for the next calculation.
    m_session.window->ClearCalcResults(false);
    QVERIFY(!panel().isEnabled());
    QCOMPARE(panel().tblScenarios->rowCount(), 0);
    QVERIFY(panel().chTotals->totals().empty());
    m_session.driver->calculate();
    QVERIFY(panel().isEnabled());
    QCOMPARE(panel().tblScenarios->rowCount(), 2);
    std::unique_ptr<ScenarioRunner> core = referenceRunner();
    compareRow(1, expected(*core, WorkLonger{24, std::nullopt}));

    // Another person starts without them.
    m_session.window->CaseModified = false; // no question about saving
    m_session.window->aNewPerson->trigger();
    QVERIFY(panel().scenarios().empty());
    QVERIFY(!panel().isEnabled());
}

QTEST_MAIN(TestScenarios)
#include "tst_scenarios.moc"
