#include "totals_chart_view.h"

#include "display_format.h"
#include "report/totals_chart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace rv {

TotalsChartView::TotalsChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chTotals"));
    setMinimumHeight(200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TotalsChartView::setTotals(std::vector<TotalOnDate> totals) {
    m_totals = std::move(totals);
    update();
}

QString TotalsChartView::tipAt(const QPoint& point) const {
    const auto index = totalsChartPointAt(QRectF(rect()), m_totals, point.x());
    return index ? totalsChartTip(m_totals[*index], decimalSeparator()) : QString();
}

QSize TotalsChartView::sizeHint() const {
    return {900, 240};
}

void TotalsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintTotalsChart(painter, QRectF(rect()), m_totals);
}

bool TotalsChartView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = tipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

} // namespace rv
