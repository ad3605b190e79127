#pragma once

#include "calc/ledger_view.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace rv {

// Where the chart puts its months inside the rectangle it is given.
struct ChartGeometry {
    QRectF plot;        // the bars' area
    double maximum = 0; // the coefficient at the plot's top
    double step = 0;    // width of one month
};

ChartGeometry chartGeometry(const QRectF& area, const std::vector<LedgerMonthView>& months);

// Paints the wage coefficients of `months` into `area`: a bar per month, blue where counted and
// grey where not, the 60 months chosen before July 2000 on green and the excluded run on red,
// the line 1.0 of the national average, year marks and a legend. Fonts are sized in points, so
// the picture looks alike on a screen, an image and paper. Without months it says when the chart
// will appear.
void paintEarningsChart(QPainter& painter, const QRectF& area,
                        const std::vector<LedgerMonthView>& months);

// The month under the point `x` of a chart painted into `area`; none outside the bars.
std::optional<std::size_t> chartMonthAt(const QRectF& area,
                                        const std::vector<LedgerMonthView>& months, double x);

// The tooltip of one month: "березень 2005: коефіцієнт 1,23456, заробіток … (враховано)".
QString chartMonthTip(const LedgerMonthView& month, char decimalSeparator);

} // namespace rv
