#include "report/totals_chart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>
#include <string>

namespace rv {
namespace {

// The first of each month for five years from June 2026, both totals given by the month's index.
std::vector<TotalOnDate> monthlyTotals(const std::function<double(int)>& workingOn,
                                       const std::function<double(int)>& notWorking) {
    std::vector<TotalOnDate> totals;
    for (int index = 0; index <= 60; ++index) {
        const int month0 = 5 + index;
        totals.push_back({dateFromCivil(2026 + month0 / 12, month0 % 12 + 1, 1), workingOn(index),
                          notWorking(index)});
    }
    return totals;
}

QImage painted(const std::vector<TotalOnDate>& totals, const QRectF& area) {
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::black); // the chart paints its own paper
    QPainter painter(&image);
    paintTotalsChart(painter, area, totals);
    return image;
}

bool isBlue(const QColor& colour) {
    return colour.blue() > colour.red() + 60;
}
bool isOrange(const QColor& colour) {
    return colour.red() > colour.blue() + 100 && colour.red() > colour.green() + 40;
}

int countPixels(const QImage& image, const std::function<bool(const QColor&)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// A right after two years of work, or after three without it: each line rises at its own date
// and holds its height between the points.
TEST(TotalsChartTest, EachLineRisesOnTheDateTheRightArises) {
    const auto totals = monthlyTotals([](int index) { return index < 24 ? 0 : 7000; },
                                      [](int index) { return index < 36 ? 0 : 5000; });
    const QRectF area(0, 0, 1200, 400);
    const QImage image = painted(totals, area);
    if (qEnvironmentVariableIntValue("RAVELTA_SCREENS") == 1)
        image.save(QStringLiteral("totals_chart.png"));
    const TotalsChartGeometry geometry = totalsChartGeometry(area, totals);
    EXPECT_GE(geometry.top, 7000);

    // Halfway between the points of two months.
    auto between = [&](int index) {
        return int((geometry.xOf(totals[std::size_t(index)].applicationDate) +
                    geometry.xOf(totals[std::size_t(index) + 1].applicationDate)) /
                   2);
    };
    auto pixel = [&](int x, double total) {
        return image.pixelColor(x, int(std::floor(geometry.yOf(total))));
    };
    struct Probe {
        const char* name;
        int index;
        double total;
        std::function<bool(const QColor&)> expected;
    };
    const Probe probes[] = {
        {"working on, a month before the right", 23, 7000,
         [](const QColor& c) { return c == Qt::white; }},
        {"working on, a month after the right", 24, 7000, isBlue},
        {"working on, at the end", 59, 7000, isBlue},
        {"working on, before the right: at 0", 10, 0, isBlue},
        {"without work, a month before the right", 35, 5000,
         [](const QColor& c) { return c == Qt::white; }},
        {"without work, a month after the right", 36, 5000, isOrange},
        {"without work, before working on has it", 12, 5000,
         [](const QColor& c) { return c == Qt::white; }},
    };
    for (const Probe& probe : probes) {
        const QColor colour = pixel(between(probe.index), probe.total);
        EXPECT_TRUE(probe.expected(colour)) << probe.name << ": " << colour.name().toStdString();
    }
    // The rise of the blue line stands on the date of its first right.
    const int rise = int(std::lround(geometry.xOf(totals[24].applicationDate)));
    EXPECT_TRUE(isBlue(pixel(rise, 3500)));
    EXPECT_FALSE(isBlue(pixel(rise - 4, 3500)));
    EXPECT_FALSE(isBlue(pixel(rise + 4, 3500)));
}

// Before a calculation, and when no date of the range gives a right, the chart says so in words:
// no line, the paper white behind the text.
TEST(TotalsChartTest, WithoutARightItSaysSoInsteadOfDrawing) {
    const QRectF area(0, 0, 600, 200);
    const struct {
        const char* name;
        std::vector<TotalOnDate> totals;
    } cases[] = {
        {"no calculation", {}},
        {"no right in five years", monthlyTotals([](int) { return 0; }, [](int) { return 0; })},
    };
    for (const auto& [name, totals] : cases) {
        const QImage image = painted(totals, area);
        EXPECT_EQ(countPixels(image, isBlue), 0) << name;
        EXPECT_EQ(countPixels(image, [](const QColor& c) { return c == Qt::black; }), 0) << name;
        EXPECT_GT(countPixels(image, [](const QColor& c) { return c.lightness() < 128; }), 50)
            << name << ": no text";
    }
}

TEST(TotalsChartTest, TheTipNamesThePointUnderTheMouse) {
    const auto totals =
        monthlyTotals([](int index) { return index < 24 ? 0 : 7000.5; }, [](int) { return 0; });
    const QRectF area(0, 0, 1200, 400);
    const TotalsChartGeometry geometry = totalsChartGeometry(area, totals);
    const double x = geometry.xOf(totals[30].applicationDate) + 2;
    ASSERT_EQ(totalsChartPointAt(area, totals, x), 30u);
    EXPECT_EQ(totalsChartPointAt(area, totals, geometry.plot.left() - 1), std::nullopt);
    EXPECT_EQ(totalsChartPointAt(area, totals, geometry.plot.right()), 60u);
    EXPECT_EQ(totalsChartTip(totals[30], ',').toStdString(),
              "01.12.2028: працюючи далі як зараз — 7000,50 грн, без подальшої роботи — 0,00 грн");
}

} // namespace
} // namespace rv
