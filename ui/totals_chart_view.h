#pragma once

#include "calc/scenarios.h"
#include "chart_view.h"

#include <vector>

namespace rv {

// The chart of the pension by application date on the panel "Що буде, якщо…", painted by the
// report's code; a tooltip names the date and both totals under the mouse. Empty before the
// first calculation.
class TotalsChartView : public ChartView {
    Q_OBJECT
public:
    explicit TotalsChartView(QWidget* parent = nullptr);

    void setTotals(std::vector<TotalOnDate> totals);
    const std::vector<TotalOnDate>& totals() const { return m_totals; }
    // The tooltip at a point of the widget; empty outside the plot.
    QString tipAt(const QPoint& point) const override;

protected:
    void paintChart(QPainter& painter, const QRectF& area) const override;

private:
    std::vector<TotalOnDate> m_totals;
};

} // namespace rv
