#include "report/earnings_chart.h"
#include "report/protocol_document.h"

#include "case_builders.h"

#include "calc/protocol.h"
#include "store/dm_calculation.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;

// The text of a PDF as poppler's pdftotext reads it.
QString pdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral(RV_PDFTOTEXT), {path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A woman born 02.02.1962 who worked 1982–1995 and 2004–2022, each month at 1.3 times the
// average wage, and applied on 10.03.2023.
class ProtocolPdfTest : public testing::Test {
protected:
    void SetUp() override {
        confirmedPerson(dm, day("02.02.1962"), 1, day("10.03.2023"));
        dm.cdsPerson.edit();
        dm.cdsPerson.setValue("person_name", std::string("Шевченко Оксана Іванівна"));
        dm.cdsPerson.post();
        addPeriod(dm, day("01.09.1982"), day("31.08.1995"));
        addPeriod(dm, day("01.02.2004"), day("31.12.2022"));
        ASSERT_TRUE(dm.BuildLedger());
        Table& ledger = dm.cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            ledger.edit();
            ledger.setValue("earning_payment", ledger.asFloat("earning_avg_zp") * 1.3);
            ledger.post();
        }
        result = Calculate(dm, day("10.03.2023"), ',');
        ASSERT_FALSE(result.noRight);
        protocol = buildProtocol(dm.CurrentCase(), *dm.CalcReference(), result,
                                 {"10.12.2026 17:45", "1.2", ','});
    }

    TdMain dm;
    CalculationResult result;
    Protocol protocol;
};

TEST_F(ProtocolPdfTest, ThePdfMadeHeadlessHoldsTheNameTheTotalAndK) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("protocol.pdf"));
    ASSERT_EQ(writeProtocolPdf(protocol, path), std::nullopt);

    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Шевченко Оксана Іванівна")));
    EXPECT_TRUE(text.contains(QString::fromStdString(result.texts.totalPension.text)))
        << result.texts.totalPension.text;
    EXPECT_TRUE(text.contains(QString::fromStdString(result.texts.individualCoefficient.text)))
        << result.texts.individualCoefficient.text;
    EXPECT_TRUE(text.contains(QStringLiteral("Складено 10.12.2026 17:45")));
    EXPECT_TRUE(text.contains(QStringLiteral("Сторінка 1 з ")));
    EXPECT_TRUE(text.contains(QStringLiteral("не рішення Пенсійного фонду")));
}

TEST_F(ProtocolPdfTest, AFolderThatDoesNotExistIsReportedInUkrainian) {
    const QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no such folder/protocol.pdf"));
    const auto failure = writeProtocolPdf(protocol, missing);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure,
              QStringLiteral("Не вдалося записати протокол у файл ") + missing +
                  QStringLiteral(". Помилка при збереженні файлу: такої папки не існує."));
}

// The chart paints each month's bar in the colour of its mark and its background by its run.
TEST_F(ProtocolPdfTest, TheChartPaintsTheMarksOfTheLedgersMonths) {
    const std::vector<LedgerMonthView>& months = protocol.chart;
    QImage image(1200, 400, QImage::Format_RGB32);
    const QRectF area(image.rect());
    {
        QPainter painter(&image);
        paintEarningsChart(painter, area, months);
    }
    const ChartGeometry geometry = chartGeometry(area, months);
    bool sawExcluded = false;
    bool sawEarly = false;
    for (std::size_t i = 0; i < months.size(); i += 7) {
        const double x = geometry.plot.left() + geometry.step * (double(i) + 0.5);
        ASSERT_EQ(chartMonthAt(area, months, x), i);
        // Just above the plot's bottom lies the bar; near its top, the month's background.
        const QColor bar = image.pixelColor(int(x), int(geometry.plot.bottom()) - 2);
        const QColor background = image.pixelColor(int(x), int(geometry.plot.top()) + 3);
        const std::string where = std::to_string(months[i].month.year);
        if (months[i].counted)
            EXPECT_GT(bar.blue(), bar.red() + 60) << where;
        else
            EXPECT_EQ(bar.red(), bar.blue()) << where; // grey
        if (months[i].excluded) {
            EXPECT_GT(background.red(), background.blue() + 20) << where;
            sawExcluded = true;
        } else if (months[i].earlyWindow) {
            EXPECT_GT(background.green(), background.red() + 10) << where;
            sawEarly = true;
        }
    }
    EXPECT_TRUE(sawEarly);
    EXPECT_TRUE(sawExcluded);
    EXPECT_EQ(chartMonthAt(area, months, geometry.plot.left() - 1), std::nullopt);
    EXPECT_TRUE(chartMonthTip(months.front(), ',').startsWith(QStringLiteral("вересень 1982")));
}

// ravelta-calc --protocol with no display at all, as on a server.
TEST(HeadlessCalculatorProtocolTest, WritesThePdfWithoutADisplay) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("career40.pdf"));
    QProcess calculator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    calculator.setProcessEnvironment(environment);
    calculator.start(
        QStringLiteral(RV_CALC_PATH),
        {QStringLiteral("--protocol"), path, QStringLiteral(RV_TEST_DATA_DIR "/career40.json")});
    ASSERT_TRUE(calculator.waitForFinished(60000));
    EXPECT_EQ(calculator.exitCode(), 0) << calculator.readAllStandardError().toStdString();
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Петренко")));
    EXPECT_TRUE(text.contains(QStringLiteral("Протокол розрахунку пенсії за віком")));

    // A case that is refused has no protocol: said on the error output, the exit code not 0.
    QProcess refused;
    refused.setProcessEnvironment(environment);
    refused.start(QStringLiteral(RV_CALC_PATH),
                  {QStringLiteral("--protocol"), folder.filePath(QStringLiteral("none.pdf")),
                   QStringLiteral("-")});
    refused.write(R"({"person": {"name": "", "birthdate": "01.01.1960", "gender": 0,
                      "application_date": "01.01.2021"}, "periods": [], "earnings": []})");
    refused.closeWriteChannel();
    ASSERT_TRUE(refused.waitForFinished(60000));
    EXPECT_NE(refused.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(refused.readAllStandardError())
                    .contains(QStringLiteral("протокол не складено")));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("none.pdf"))));
}

} // namespace
} // namespace rv

int main(int argc, char** argv) {
    // Fonts and painting on the offscreen platform, as ravelta-calc uses them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
