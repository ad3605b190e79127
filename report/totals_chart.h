#pragma once

#include "calc/scenarios.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace rv {

// Where the chart of the totals by application date puts its points inside the rectangle given.
struct TotalsChartGeometry {
    QRectF plot;
    Date first;     // the application date at the plot's left edge
    Date last;      // the one at its right edge
    double top = 0; // hryvnias a month at the plot's top

    double xOf(Date date) const;
    double yOf(double total) const;
};

TotalsChartGeometry totalsChartGeometry(const QRectF& area, const std::vector<TotalOnDate>& totals);

// Paints the totals into `area` as two step lines, "working on as now" and "without more work",
// each total holding from its date to the next one (0 where there is no right), with the scale
// in hryvnias, year marks and a legend, in the style of the earnings chart. Without totals it
// says when the chart will appear; without a right anywhere it says so.
void paintTotalsChart(QPainter& painter, const QRectF& area,
                      const std::vector<TotalOnDate>& totals);

// The point in force at `x` of a chart painted into `area`: the last date not after it; none
// outside the plot.
std::optional<std::size_t> totalsChartPointAt(const QRectF& area,
                                              const std::vector<TotalOnDate>& totals, double x);

// The tooltip of one point: its date and both totals.
QString totalsChartTip(const TotalOnDate& point, char decimalSeparator);

} // namespace rv
