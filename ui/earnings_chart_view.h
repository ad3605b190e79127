#pragma once

#include "calc/ledger_view.h"

#include <QWidget>

#include <vector>

namespace rv {

// The chart of the monthly wage coefficients on the calculation tab, painted by the same code as
// the protocol's chart; a tooltip names each month. Empty before the first calculation.
class EarningsChartView : public QWidget {
    Q_OBJECT
public:
    explicit EarningsChartView(QWidget* parent = nullptr);

    void setMonths(std::vector<LedgerMonthView> months);
    const std::vector<LedgerMonthView>& months() const { return m_months; }
    // The tooltip at a point of the widget; empty outside the bars.
    QString tipAt(const QPoint& point) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<LedgerMonthView> m_months;
};

} // namespace rv
