#include "chart_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace rv {

ChartView::ChartView(const QString& objectName, int minimumHeight, QSize sizeHint, QWidget* parent)
    : QWidget(parent), m_sizeHint(sizeHint) {
    setObjectName(objectName);
    setMinimumHeight(minimumHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart(painter, QRectF(rect()));
}

bool ChartView::event(QEvent* event) {
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
