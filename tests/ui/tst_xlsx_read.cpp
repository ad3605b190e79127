// The exported earnings of a whole working life opened by a real spreadsheet reader: the npm
// package "xlsx", installed into the build tree on the first run. Without npm or node on the
// machine the check is skipped.

#include "scripted_prompt.h"
#include "small_case_reference.h"
#include "window_driver.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// Born 10.05.1952: 60 on 11.05.2012, working from 1970 to the application.
const PersonInput kMan{QStringLiteral("Шевчук"), QStringLiteral("10.05.1952"), 0,
                       QStringLiteral("15.05.2012")};
const QList<PeriodInput> kCareer{{"01.09.1970", "31.12.1989"}, {"01.02.1990", "30.04.2012"}};
constexpr std::chrono::milliseconds kInstallTime(300'000);
constexpr std::chrono::milliseconds kReadTime(60'000);

// The output of a finished program, or a failure text.
QString run(QProcess& process, const QString& program, const QStringList& arguments,
            std::chrono::milliseconds limit, bool& ok) {
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    ok = process.waitForFinished(static_cast<int>(limit.count())) &&
         process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!ok)
        return program + QStringLiteral(" failed: ") +
               QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestXlsxRead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void earningsReadBackIntact();

private:
    QString m_node;
};

void TestXlsxRead::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
    m_node = QStandardPaths::findExecutable(QStringLiteral("node"));
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    if (m_node.isEmpty() || npm.isEmpty())
        QSKIP("npm or node is not installed: the check with the spreadsheet reader xlsx is "
              "skipped");
    const QString prefix = QStringLiteral(RV_NPM_DIR);
    if (QFileInfo::exists(prefix + QStringLiteral("/node_modules/xlsx/package.json")))
        return;
    QProcess install;
    bool ok = false;
    const QString output =
        run(install, npm,
            {QStringLiteral("install"), QStringLiteral("--no-audit"), QStringLiteral("--no-fund"),
             QStringLiteral("--prefix"), prefix, QStringLiteral("xlsx")},
            kInstallTime, ok);
    QVERIFY2(ok, qPrintable(output));
}

void TestXlsxRead::earningsReadBackIntact() {
    ScriptedPrompt script;
    // The right to a pension does not hang on the experience here: the marks columns are shown.
    TfrmMain window(&script, smallCaseReference());
    WindowDriver driver(window);
    driver.showActive();
    driver.buildLedger(kMan, kCareer);
    QVERIFY(!QTest::currentTestFailed());
    driver.fillEarnings(1975, 0, 48, QStringLiteral("210,5"));
    driver.fillEarnings(1988, 0, 200, QStringLiteral("355,25"));
    driver.fillEarnings(2004, 0, 100, QStringLiteral("2500"));
    QVERIFY(!QTest::currentTestFailed());
    driver.verifyEarnings();
    driver.clickTab(window.tsCalc);
    driver.calculate();
    QVERIFY(script.messages.isEmpty());
    QVERIFY(!driver.ledgerView()->isColumnHidden(EarningsTab::Optimisation1Column));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("заробіток.xls"));
    script.fileAnswers = {file};
    driver.click(window.earningsTab->bEarningPrint);
    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages[0].text, QStringLiteral("Файл успішно збережено"));

    QProcess reader;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NODE_PATH"), QStringLiteral(RV_NPM_DIR "/node_modules"));
    reader.setProcessEnvironment(environment);
    bool ok = false;
    const QString output =
        run(reader, m_node, {QStringLiteral(RV_READ_XLS_SCRIPT), file}, kReadTime, ok);
    QVERIFY2(ok, qPrintable(output));
    const QJsonObject sheet = QJsonDocument::fromJson(output.toUtf8()).object();
    const QJsonArray rows = sheet[QStringLiteral("rows")].toArray();
    const QJsonArray widths = sheet[QStringLiteral("widths")].toArray();

    // The heading names the person and the day of the export.
    QVERIFY(rows.size() > 2);
    const QString heading = rows[0].toArray()[0].toString();
    QVERIFY2(
        heading.startsWith(QStringLiteral("Шевчук, 10.05.1952 р. н. — заробітки; вивантажено ")),
        qPrintable(heading));
    QVERIFY2(heading.endsWith(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))),
             qPrintable(heading));

    // The titles as the grid shows them, Cyrillic intact, each column wide enough for its title;
    // the grid's columns that the sheet leaves out (the kind and the reason) come last.
    const TableModel& model = *window.earningsTab->grdEarning->model();
    int exported = 0;
    while (exported < model.columnCount() && model.column(exported).exported)
        ++exported;
    QCOMPARE(exported, int(EarningsTab::KindColumn));
    const QJsonArray titles = rows[1].toArray();
    QCOMPARE(titles.size(), exported);
    QCOMPARE(widths.size(), exported);
    for (int column = 0; column < exported; ++column) {
        const QString title = model.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(titles[column].toString(), title);
        QVERIFY2(widths[column].toDouble() >= title.size(), qPrintable(title));
    }

    // Then every month paid or chosen by optimisation 1, in ledger order.
    Table& ledger = window.dMain()->cdsEarning;
    double payments = 0;
    double coefficients = 0;
    int row = 2;
    for (int month = 0; month < ledger.recordCount(); ++month) {
        const auto value = [&](const char* field) {
            return ledger.viewValue(month, ledger.fieldIndex(field));
        };
        const Value payment = value("earning_payment");
        const Value opt1 = value("earning_opt1");
        const bool paid = std::holds_alternative<double>(payment) && std::get<double>(payment) > 0;
        if (!paid && opt1 != Value(std::string("+")))
            continue;
        QVERIFY2(row < rows.size(), qPrintable(QString::number(row)));
        const QJsonArray cells = rows[row].toArray();
        const QString where = QStringLiteral("sheet row %1: %2")
                                  .arg(row)
                                  .arg(QString::fromUtf8(QJsonDocument(cells).toJson()));
        QVERIFY2(cells[0].toInt() == std::get<std::int32_t>(value("earning_year")),
                 qPrintable(where));
        QVERIFY2(cells[1].toString() ==
                     QString::fromStdString(std::get<std::string>(value("earning_month_name"))),
                 qPrintable(where));
        int column = 2;
        for (const char* field :
             {"earning_min_zp", "earning_avg_zp", "earning_payment", "earning_k"})
            QVERIFY2(cells[column++].toDouble() == std::get<double>(value(field)),
                     qPrintable(where + QString::fromLatin1(field)));
        QVERIFY2(cells[6].toInt() == std::get<std::int32_t>(value("earning_day")),
                 qPrintable(where));
        QVERIFY2(cells[7].toString() == QString::fromStdString(std::get<std::string>(opt1)),
                 qPrintable(where));
        payments += cells[4].toDouble();
        coefficients += cells[5].toDouble();
        ++row;
    }
    QVERIFY(row > 100);

    // Last, the totals of the months exported as numbers.
    QCOMPARE(rows.size(), row + 1);
    const QJsonArray totals = rows[row].toArray();
    QCOMPARE(totals[0].toString(), QStringLiteral("Разом"));
    QCOMPARE(totals[4].toDouble(), payments);
    QCOMPARE(totals[5].toDouble(), coefficients);
}

QTEST_MAIN(TestXlsxRead)
#include "tst_xlsx_read.moc"
