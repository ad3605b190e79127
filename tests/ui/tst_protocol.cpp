// The protocol and the chart on the calculation tab, as a person uses them: calculate, look at
// the chart's tooltips, save the protocol as PDF through the file dialog, print it through the
// preview. With RAVELTA_SCREENS=1 the chart and the protocol's first pages are saved as
// pictures under screens/ of the build tree.
#include "scripted_prompt.h"
#include "window_driver.h"

#include "report/earnings_chart.h"
#include "ui/earnings_chart_view.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolTip>

#include <memory>

using namespace rv;

namespace {

const QString kName = QStringLiteral("Мельник Андрій");

QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral(RV_PDFTOTEXT), {path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theChartShowsTheCalculationAndNamesEachMonth();
    void savesTheProtocolAsPdfWithoutReplacingAFileUnasked();
    void printsTheProtocolThroughThePreview();

private:
    // A man born 20.06.1960 with two periods to 31.03.2026, each month at 1.2 times the average
    // wage and the months of 2026 at twice it, calculated by the button.
    void calculateACase();

    std::unique_ptr<ScriptedPrompt> m_script;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

void TestProtocol::init() {
    QLocale::setDefault(QLocale::c());
    m_script = std::make_unique<ScriptedPrompt>();
    m_window = std::make_unique<TfrmMain>(m_script.get());
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_driver->showActive();
}

void TestProtocol::cleanup() {
    m_driver.reset();
    m_window.reset();
    QCOMPARE(m_script->unanswered, 0);
    m_script.reset();
}

void TestProtocol::calculateACase() {
    QVERIFY(!m_window->aProtocolPrint->isEnabled());
    QVERIFY(!m_window->aProtocolPdf->isEnabled());
    m_driver->buildLedger({kName, QStringLiteral("20.06.1960"), 0, QStringLiteral("10.04.2026")},
                          {{QStringLiteral("01.09.1982"), QStringLiteral("31.12.1999")},
                           {QStringLiteral("01.03.2001"), QStringLiteral("31.03.2026")}});
    if (QTest::currentTestFailed())
        return;
    // The earnings themselves are not under test here: stored straight into the ledger, but
    // the first month after 2000 typed as a person does.
    Table& ledger = m_driver->dm().cdsEarning;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ledger.edit();
        const double factor = ledger.asInteger("earning_year") == 2026 ? 2.0 : 1.2;
        ledger.setValue("earning_payment", ledger.asFloat("earning_avg_zp") * factor);
        ledger.post();
    }
    m_driver->typeEarning(2001, 2, QStringLiteral("500"));
    if (QTest::currentTestFailed())
        return;
    m_driver->verifyEarnings();
    m_driver->clickTab(m_window->tsCalc);
    QVERIFY(m_window->calcPanel->chEarnings->months().empty());
    m_driver->calculate();
    QVERIFY2(
        m_script->messages.isEmpty(),
        qPrintable(m_script->messages.isEmpty() ? QString() : m_script->messages.first().text));
    QVERIFY(!m_window->calcPanel->chEarnings->months().empty());
    QVERIFY(m_window->aProtocolPrint->isEnabled());
    QVERIFY(m_window->calcPanel->bbProtocolPdf->isEnabled());
}

void TestProtocol::theChartShowsTheCalculationAndNamesEachMonth() {
    calculateACase();
    if (QTest::currentTestFailed())
        return;
    EarningsChartView* chart = m_window->calcPanel->chEarnings;
    const std::vector<LedgerMonthView>& months = chart->months();
    m_driver->dm().cdsEarning.setFiltered(false);
    QCOMPARE(int(months.size()), m_driver->dm().cdsEarning.recordCount());

    // The line on the months whose average wage is an estimate: some of 2003–2011 and those of
    // 2026.
    QLabel* estimates = m_window->calcPanel->lEstimates;
    QVERIFY(estimates->isVisible());
    QVERIFY2(estimates->text().contains(
                 QStringLiteral(" врахованих місяців мають оціночне значення середньої заробітної "
                                "плати (")),
             qPrintable(estimates->text()));
    QVERIFY2(estimates->text().endsWith(QStringLiteral(", 2026)")), qPrintable(estimates->text()));

    // A tooltip names the month under the mouse: the first counted month after July 2000.
    const ChartGeometry geometry = chartGeometry(QRectF(chart->rect()), months);
    std::size_t month = 0;
    while (month < months.size() && !(months[month].counted && months[month].month.year > 2000))
        ++month;
    QVERIFY(month < months.size());
    const QPoint at(int(geometry.plot.left() + geometry.step * (double(month) + 0.5)),
                    int(geometry.plot.center().y()));
    QHelpEvent tip(QEvent::ToolTip, at, chart->mapToGlobal(at));
    QApplication::sendEvent(chart, &tip);
    QTRY_COMPARE(QToolTip::text(), chartMonthTip(months[month], '.'));
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("березень 2001")));

    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") == 1) {
        QDir().mkpath(QStringLiteral(RV_SCREENS_DIR));
        QVERIFY(chart->grab().save(QStringLiteral(RV_SCREENS_DIR "/protocol_chart.png")));
        // The tab scrolled down to the estimate's line, the buttons and the chart.
        auto* scroll = m_window->calcPanel->findChild<QScrollArea*>(QStringLiteral("saCalc"));
        QVERIFY(scroll);
        scroll->ensureWidgetVisible(chart);
        QVERIFY(m_window->grab().save(QStringLiteral(RV_SCREENS_DIR "/protocol_calc_tab.png")));
    }

    // A change of the periods clears the results, the chart and the protocol's commands.
    m_window->ClearCalcResults(false);
    QVERIFY(chart->months().empty());
    QVERIFY(!estimates->isVisible());
    QVERIFY(!m_window->aProtocolPdf->isEnabled());
}

void TestProtocol::savesTheProtocolAsPdfWithoutReplacingAFileUnasked() {
    calculateACase();
    if (QTest::currentTestFailed())
        return;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("protocol.pdf"));
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("an earlier file");
    }
    // The person picks the existing file, refuses to replace it, then cancels the dialog.
    m_script->fileAnswers = {path, std::nullopt};
    m_script->answers = {QMessageBox::No};
    m_driver->click(m_window->calcPanel->bbProtocolPdf);
    QCOMPARE(m_script->files.size(), 2);
    QCOMPARE(m_script->files.first().filter, QStringLiteral("Документ PDF (*.pdf)"));
    QVERIFY(m_script->files.first().proposedPath.endsWith(
        QStringLiteral("Протокол розрахунку — Мельник Андрій.pdf")));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("an earlier file"));
    kept.close();

    // Then replaces it from the file menu's command.
    m_script->fileAnswers = {path};
    m_script->answers = {QMessageBox::Yes};
    m_window->aProtocolPdf->trigger();
    const QString text = pdfText(path);
    QVERIFY2(text.contains(kName), qPrintable(text.left(300)));
    QVERIFY(text.contains(m_window->calcPanel->edfFullPens->text()));
    QVERIFY(text.contains(m_window->calcPanel->edtEarningK->text()));
    QVERIFY(text.contains(m_window->calcPanel->lEstimates->text().left(20)));

    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") == 1) {
        QProcess pictures;
        pictures.start(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QStringLiteral("80"), QStringLiteral("-l"),
                        QStringLiteral("3"), QStringLiteral("-png"), path,
                        QStringLiteral(RV_SCREENS_DIR "/protocol_page")});
        QVERIFY(pictures.waitForFinished(60000));
        QCOMPARE(pictures.exitCode(), 0);
    }
}

void TestProtocol::printsTheProtocolThroughThePreview() {
    calculateACase();
    if (QTest::currentTestFailed())
        return;
    const QTemporaryDir folder;
    m_script->printPath = folder.filePath(QStringLiteral("printed.pdf"));
    m_driver->click(m_window->calcPanel->bbProtocolPrint);
    QCOMPARE(m_script->printTitles,
             QStringList{QStringLiteral("Протокол розрахунку пенсії за віком — ") + kName});
    const QString text = pdfText(m_script->printPath);
    QVERIFY(text.contains(kName));
    QVERIFY(text.contains(m_window->calcPanel->edfFullPens->text()));
    // The menu's command (Ctrl+P) opens the same preview.
    m_driver->press(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_script->printTitles.size(), 2);
}

QTEST_MAIN(TestProtocol)
#include "tst_protocol.moc"
