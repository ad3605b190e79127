#include "earnings_chart_view.h"

#include "display_format.h"
#include "report/earnings_chart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace rv {

EarningsChartView::EarningsChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chEarnings"));
    setMinimumHeight(220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void EarningsChartView::setMonths(std::vector<LedgerMonthView> months) {
    m_months = std::move(months);
    update();
}

QString EarningsChartView::tipAt(const QPoint& point) const {
    const auto index = chartMonthAt(QRectF(rect()), m_months, point.x());
    return index ? chartMonthTip(m_months[*index], decimalSeparator()) : QString();
}

QSize EarningsChartView::sizeHint() const {
    return {900, 280};
}

void EarningsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEarningsChart(painter, QRectF(rect()), m_months);
}

bool EarningsChartView::event(QEvent* event) {
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
