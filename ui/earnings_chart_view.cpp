#include "earnings_chart_view.h"

#include "display_format.h"
#include "report/earnings_chart.h"

#include <QPainter>

namespace rv {

EarningsChartView::EarningsChartView(QWidget* parent)
    : ChartView(QStringLiteral("chEarnings"), 220, {900, 280}, parent) {}

void EarningsChartView::setMonths(std::vector<LedgerMonthView> months) {
    m_months = std::move(months);
    update();
}

QString EarningsChartView::tipAt(const QPoint& point) const {
    const auto index = chartMonthAt(QRectF(rect()), m_months, point.x());
    return index ? chartMonthTip(m_months[*index], decimalSeparator()) : QString();
}

void EarningsChartView::paintChart(QPainter& painter, const QRectF& area) const {
    painter.setRenderHint(QPainter::Antialiasing);
    paintEarningsChart(painter, area, m_months);
}

} // namespace rv
