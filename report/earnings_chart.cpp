#include "earnings_chart.h"

#include "chart_style.h"

#include "calc/messages.h"
#include "calc/number_format.h"
#include "report/report_messages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rv {

namespace {

using namespace chart;

const QColor& kCounted = kBlue;
const QColor& kNotCounted = kGrey;
const QColor& kEarlyWindow = kPaleGreen;
const QColor& kExcluded = kPaleRed;
const QColor& kAverageLine = kOrange;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The scale's top: at least 2, else the highest coefficient rounded up to a half.
double scaleTop(const std::vector<LedgerMonthView>& months) {
    double highest = 0;
    for (const LedgerMonthView& month : months)
        highest = std::max(highest, month.coefficient);
    return std::max(2.0, std::ceil(highest * 2) / 2);
}

// Room for the title and legend above, the scale on the left and the years below, in lines of
// the chart's font on the device painted on.
ChartGeometry geometryWith(const QRectF& area, const std::vector<LedgerMonthView>& months,
                           double line) {
    ChartGeometry geometry;
    geometry.plot = area.adjusted(line * 3.2, line * 2.6, -line, -line * 1.6);
    geometry.maximum = scaleTop(months);
    geometry.step = months.empty() ? 0 : geometry.plot.width() / double(months.size());
    return geometry;
}

} // namespace

ChartGeometry chartGeometry(const QRectF& area, const std::vector<LedgerMonthView>& months) {
    return geometryWith(area, months, lineHeight());
}

void paintEarningsChart(QPainter& painter, const QRectF& area,
                        const std::vector<LedgerMonthView>& months) {
    const QFont font = beginChart(painter, area);
    if (months.empty()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text(messages::kChartEmpty));
        painter.restore();
        return;
    }

    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const ChartGeometry geometry = geometryWith(area, months, line);
    const QRectF& plot = geometry.plot;
    auto yOf = [&](double value) {
        return plot.bottom() - value / geometry.maximum * plot.height();
    };
    auto xOf = [&](std::size_t index) { return plot.left() + geometry.step * double(index); };

    // The marked months' background, the scale's lines, the bars, the average line.
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (months[i].excluded)
            painter.fillRect(QRectF(xOf(i), plot.top(), geometry.step, plot.height()), kExcluded);
        else if (months[i].earlyWindow)
            painter.fillRect(QRectF(xOf(i), plot.top(), geometry.step, plot.height()),
                             kEarlyWindow);
    }
    painter.setPen(QPen(kGridLine, 0));
    for (double value = 0.5; value <= geometry.maximum + 1e-9; value += 0.5)
        painter.drawLine(QPointF(plot.left(), yOf(value)), QPointF(plot.right(), yOf(value)));
    const double barWidth = std::max(geometry.step * 0.8, 0.5);
    for (std::size_t i = 0; i < months.size(); ++i) {
        const double top = yOf(std::min(months[i].coefficient, geometry.maximum));
        painter.fillRect(
            QRectF(xOf(i) + (geometry.step - barWidth) / 2, top, barWidth, plot.bottom() - top),
            months[i].counted ? kCounted : kNotCounted);
    }
    painter.setPen(QPen(kAverageLine, std::max(1.0, line / 8), Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), yOf(1)), QPointF(plot.right(), yOf(1)));

    // The frame, the scale's numbers and the years.
    painter.setPen(QPen(kInk, 0));
    painter.drawRect(plot);
    for (double value = 0; value <= geometry.maximum + 1e-9; value += 0.5) {
        const QString label = QString::fromStdString(formatGeneral(value, ','));
        const QRectF box(area.left(), yOf(value) - line / 2, plot.left() - area.left() - line / 3,
                         line);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
    }
    const double yearWidth = metrics.horizontalAdvance(QStringLiteral("00000"));
    double lastLabelEnd = -1e9;
    for (std::size_t i = 0; i < months.size(); ++i) {
        if (i > 0 && months[i].month.year == months[i - 1].month.year)
            continue;
        const double x = xOf(i);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line / 4));
        if (x < lastLabelEnd || x + yearWidth > area.right())
            continue;
        painter.drawText(QPointF(x, plot.bottom() + line * 1.2),
                         QString::number(months[i].month.year));
        lastLabelEnd = x + yearWidth;
    }

    // The title and the legend above the plot.
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPointF(plot.left(), area.top() + line), text(messages::kChartTitle));
    painter.setFont(font);
    QPointF at(plot.left(), area.top() + line * 2.2);
    legendEntry(painter, at, kCounted, text(messages::kChartCounted), Swatch::Box);
    legendEntry(painter, at, kNotCounted, text(messages::kChartNotCounted), Swatch::Box);
    legendEntry(painter, at, kEarlyWindow, text(messages::kChartEarlyWindow), Swatch::Box);
    legendEntry(painter, at, kExcluded, text(messages::kChartExcluded), Swatch::Box);
    legendEntry(painter, at, kAverageLine, text(messages::kChartAverageLine), Swatch::DashedLine);
    painter.restore();
}

std::optional<std::size_t> chartMonthAt(const QRectF& area,
                                        const std::vector<LedgerMonthView>& months, double x) {
    const ChartGeometry geometry = chartGeometry(area, months);
    if (months.empty() || x < geometry.plot.left() || x >= geometry.plot.right())
        return std::nullopt;
    const auto index = static_cast<std::size_t>((x - geometry.plot.left()) / geometry.step);
    return std::min(index, months.size() - 1);
}

QString chartMonthTip(const LedgerMonthView& month, char decimalSeparator) {
    std::string tip =
        monthInSentence(month.month) + messages::kChartTipCoefficient +
        formatGeneral(month.coefficient, decimalSeparator) + messages::kChartTipEarning +
        formatFixed(month.earning, 2, decimalSeparator) + messages::kChartTipAverage +
        formatGeneral(month.averageWage, decimalSeparator) + messages::kChartTipCurrency + " (";
    tip += month.excluded      ? messages::kProtocolMarkExcluded
           : month.earlyWindow ? messages::kProtocolMarkEarly
           : month.counted     ? messages::kProtocolMarkCounted
                               : messages::kProtocolMarkNotCounted;
    return QString::fromStdString(tip + ")");
}

} // namespace rv
