#pragma once

#include "calc/ledger_view.h"
#include "chart_view.h"

#include <vector>

namespace rv {

// The chart of the monthly wage coefficients on the calculation tab, painted by the same code as
// the protocol's chart; a tooltip names each month. Empty before the first calculation.
class EarningsChartView : public ChartView {
    Q_OBJECT
public:
    explicit EarningsChartView(QWidget* parent = nullptr);

    void setMonths(std::vector<LedgerMonthView> months);
    const std::vector<LedgerMonthView>& months() const { return m_months; }
    // The tooltip at a point of the widget; empty outside the bars.
    QString tipAt(const QPoint& point) const override;

protected:
    void paintChart(QPainter& painter, const QRectF& area) const override;

private:
    std::vector<LedgerMonthView> m_months;
};

} // namespace rv
