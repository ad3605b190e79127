// Latency of the steps a person waits for on a 45-year career (540 ledger months), measured
// offscreen through the real buttons and keys: "Підтвердити стаж", typing one earning and leaving
// its row (with the year footer's refresh), "Провести розрахунок*" (with the variants of "Що
// буде, якщо…" and their chart) and one step of the months' slider of a variant. The figures are
// reported, never judged: a slow machine does not fail this program.

#include "scripted_prompt.h"
#include "window_driver.h"

#include "ui/scenario_panel.h"
#include "ui/scenario_rows.h"

#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace rv;

class BenchWorkflow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void confirmPeriods();
    void typeOneEarning();
    void calculate();
    void moveTheScenarioSlider();

private:
    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

// One case for all three: 01.03.1978 to 28.02.2023, earnings in every month from 1996 on.
void BenchWorkflow::initTestCase() {
    QLocale::setDefault(QLocale::c());
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
    m_driver->buildLedger({QStringLiteral("Петренко"), "15.03.1962", 0, "20.03.2023"},
                          {{"01.03.1978", "28.02.2023"}});
    QCOMPARE(m_window->dMain()->cdsEarning.recordCount(), 45 * 12);
    m_driver->fillEarnings(1996, 0, 8 * 12, QStringLiteral("300"));
    m_driver->fillEarnings(2004, 0, 19 * 12 + 2, QStringLiteral("12000"));
    m_driver->verifyEarnings();
    QVERIFY(m_driver->isEnabled(m_window->tsCalc));
    QVERIFY(m_script->messages.isEmpty());
}

void BenchWorkflow::cleanupTestCase() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
}

void BenchWorkflow::confirmPeriods() {
    m_driver->clickTab(m_window->tsExp);
    QBENCHMARK {
        m_driver->verifyPeriods();
        QApplication::processEvents(); // the repaint belongs to the wait
    }
    QCOMPARE(m_window->dMain()->cdsEarning.recordCount(), 45 * 12);
    QVERIFY(m_script->messages.isEmpty());
}

void BenchWorkflow::typeOneEarning() {
    m_driver->goToMonth(2010, 5, EarningsTab::PaymentColumn);
    const int row = m_driver->ledgerRow(2010, 5);
    QTableView* view = m_driver->ledgerView();
    QBENCHMARK {
        m_driver->clickCell(view, row, EarningsTab::PaymentColumn);
        m_driver->typeKeys(QStringLiteral("12345.6"));
        m_driver->press(Qt::Key_Down);
        QApplication::processEvents();
    }
    QCOMPARE(view->currentIndex().row(), row + 1);
    QCOMPARE(m_window->SummaryYear, 2010);
    QVERIFY(m_script->messages.isEmpty());
}

void BenchWorkflow::calculate() {
    m_driver->clickTab(m_window->tsCalc);
    QBENCHMARK {
        m_driver->calculate();
        QApplication::processEvents();
    }
    QVERIFY(m_script->messages.isEmpty());
    QVERIFY(m_window->calcPanel->edfFullPens->text() != QStringLiteral("0"));
}

// A variant "work longer as now" recalculated on each step of the slider, as while dragging it.
void BenchWorkflow::moveTheScenarioSlider() {
    ScenarioPanel& panel = *m_window->calcPanel->gbScenarios;
    QVERIFY(panel.isEnabled());
    if (panel.scenarios().empty()) // QBENCHMARK may run this function more than once
        m_driver->click(panel.bbAddScenario);
    QCOMPARE(panel.tblScenarios->rowCount(), panel.rowOfScenario(0) + 1);
    QSlider* slider = panel.slMonths;
    slider->setFocus();
    bool up = true;
    QBENCHMARK {
        QTest::keyClick(slider, up ? Qt::Key_Right : Qt::Key_Left);
        up = !up;
        QApplication::processEvents();
    }
    QVERIFY(panel.tblScenarios->item(panel.rowOfScenario(0), TotalColumn)->text() !=
            QStringLiteral("0.00"));
    QVERIFY(m_script->messages.isEmpty());
}

QTEST_MAIN(BenchWorkflow)
#include "bench_workflow.moc"
