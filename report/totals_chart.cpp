#include "totals_chart.h"

#include "chart_style.h"

#include "calc/messages.h"
#include "calc/number_format.h"
#include "report/report_messages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace rv {

namespace {

using namespace chart;

const QColor& kWorkingOn = kBlue;
const QColor& kNotWorking = kOrange;
constexpr int kScaleLines = 6; // at most this many steps of the scale above 0

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

double highestTotal(const std::vector<TotalOnDate>& totals) {
    double highest = 0;
    for (const TotalOnDate& point : totals)
        highest = std::max({highest, point.workingOn, point.notWorking});
    return highest;
}

// A round step of the scale (1, 2 or 5 times a power of ten) giving at most kScaleLines steps.
double scaleStep(double highest) {
    if (highest <= 0)
        return 1000;
    const double power = std::pow(10.0, std::floor(std::log10(highest / kScaleLines)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (highest / (factor * power) <= kScaleLines)
            return factor * power;
    return 10 * power;
}

TotalsChartGeometry geometryWith(const QRectF& area, const std::vector<TotalOnDate>& totals,
                                 double line) {
    TotalsChartGeometry geometry;
    geometry.plot = area.adjusted(line * 4.2, line * 2.6, -line, -line * 1.6);
    const double step = scaleStep(highestTotal(totals));
    geometry.top = std::max(step, std::ceil(highestTotal(totals) / step) * step);
    if (!totals.empty()) {
        geometry.first = totals.front().applicationDate;
        geometry.last = totals.back().applicationDate;
    }
    return geometry;
}

// One series as steps: each total holds from its date until the next date.
QPainterPath stepPath(const TotalsChartGeometry& geometry, const std::vector<TotalOnDate>& totals,
                      double TotalOnDate::*series) {
    QPainterPath path;
    path.moveTo(geometry.xOf(totals.front().applicationDate), geometry.yOf(totals.front().*series));
    for (std::size_t i = 1; i < totals.size(); ++i) {
        const double x = geometry.xOf(totals[i].applicationDate);
        path.lineTo(x, geometry.yOf(totals[i - 1].*series));
        path.lineTo(x, geometry.yOf(totals[i].*series));
    }
    path.lineTo(geometry.plot.right(), geometry.yOf(totals.back().*series));
    return path;
}

} // namespace

double TotalsChartGeometry::xOf(Date date) const {
    const double days = std::max(1, last.serial - first.serial);
    return plot.left() + double(date.serial - first.serial) / days * plot.width();
}

double TotalsChartGeometry::yOf(double total) const {
    return plot.bottom() - std::clamp(total / top, 0.0, 1.0) * plot.height();
}

TotalsChartGeometry totalsChartGeometry(const QRectF& area,
                                        const std::vector<TotalOnDate>& totals) {
    return geometryWith(area, totals, lineHeight());
}

void paintTotalsChart(QPainter& painter, const QRectF& area,
                      const std::vector<TotalOnDate>& totals) {
    const QFont font = beginChart(painter, area);
    if (totals.empty() || highestTotal(totals) <= 0) {
        painter.drawText(
            area, Qt::AlignCenter | Qt::TextWordWrap,
            text(totals.empty() ? messages::kTotalsChartEmpty : messages::kTotalsChartNoRight));
        painter.restore();
        return;
    }

    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const TotalsChartGeometry geometry = geometryWith(area, totals, line);
    const QRectF& plot = geometry.plot;
    const double step = scaleStep(highestTotal(totals));

    // The scale's lines and numbers.
    for (double value = 0; value <= geometry.top + step / 2; value += step) {
        const double y = geometry.yOf(value);
        painter.setPen(QPen(kGridLine, 0));
        if (value > 0)
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        const QRectF box(area.left(), y - line / 2, plot.left() - area.left() - line / 3, line);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(static_cast<long long>(std::llround(value))));
    }

    // The frame and the years, each mark on its 1 January.
    painter.setPen(QPen(kInk, 0));
    painter.drawRect(plot);
    const CivilDate first = civilFromDate(geometry.first);
    const CivilDate last = civilFromDate(geometry.last);
    const double yearWidth = metrics.horizontalAdvance(QStringLiteral("00000"));
    for (int year = first.year; year <= last.year; ++year) {
        const Date january = dateFromCivil(year, 1, 1);
        if (january < geometry.first)
            continue;
        const double x = geometry.xOf(january);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + line / 4));
        if (x + yearWidth <= area.right())
            painter.drawText(QPointF(x, plot.bottom() + line * 1.2), QString::number(year));
    }

    // The two series; the one without work first, so that where they agree the blue one shows;
    // over the frame, so that a line at 0 stays visible.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double width = std::max(1.5, line / 6);
    painter.setPen(QPen(kNotWorking, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(stepPath(geometry, totals, &TotalOnDate::notWorking));
    painter.setPen(QPen(kWorkingOn, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(stepPath(geometry, totals, &TotalOnDate::workingOn));

    painter.setPen(kInk);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QPointF(plot.left(), area.top() + line), text(messages::kTotalsChartTitle));
    painter.setFont(font);
    QPointF at(plot.left(), area.top() + line * 2.2);
    legendEntry(painter, at, kWorkingOn, text(messages::kTotalsChartWorkingOn), Swatch::Line);
    legendEntry(painter, at, kNotWorking, text(messages::kTotalsChartNotWorking), Swatch::Line);
    painter.restore();
}

std::optional<std::size_t> totalsChartPointAt(const QRectF& area,
                                              const std::vector<TotalOnDate>& totals, double x) {
    const TotalsChartGeometry geometry = totalsChartGeometry(area, totals);
    if (totals.empty() || x < geometry.plot.left() || x > geometry.plot.right())
        return std::nullopt;
    std::size_t index = 0;
    while (index + 1 < totals.size() && geometry.xOf(totals[index + 1].applicationDate) <= x)
        ++index;
    return index;
}

QString totalsChartTip(const TotalOnDate& point, char decimalSeparator) {
    const std::string separator = messages::kTotalsChartTipSeparator;
    const std::string currency = messages::kTotalsChartTipCurrency;
    return QString::fromStdString(formatDate(point.applicationDate) + ": " +
                                  messages::kTotalsChartWorkingOn + separator +
                                  formatFixed(point.workingOn, 2, decimalSeparator) + currency +
                                  ", " + messages::kTotalsChartNotWorking + separator +
                                  formatFixed(point.notWorking, 2, decimalSeparator) + currency);
}

} // namespace rv
