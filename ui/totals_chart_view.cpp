#include "totals_chart_view.h"

#include "display_format.h"
#include "report/totals_chart.h"

namespace rv {

TotalsChartView::TotalsChartView(QWidget* parent)
    : ChartView(QStringLiteral("chTotals"), 200, {900, 240}, parent) {}

void TotalsChartView::setTotals(std::vector<TotalOnDate> totals) {
    m_totals = std::move(totals);
    update();
}

QString TotalsChartView::tipAt(const QPoint& point) const {
    const auto index = totalsChartPointAt(QRectF(rect()), m_totals, point.x());
    return index ? totalsChartTip(m_totals[*index], decimalSeparator()) : QString();
}

void TotalsChartView::paintChart(QPainter& painter, const QRectF& area) const {
    paintTotalsChart(painter, area, m_totals);
}

} // namespace rv
