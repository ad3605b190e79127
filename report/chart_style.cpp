#include "chart_style.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace rv::chart {

double lineHeight() {
    QFont font;
    font.setPointSizeF(kFontPoints);
    return QFontMetricsF(font).height();
}

QFont beginChart(QPainter& painter, const QRectF& area) {
    painter.save();
    QFont font = painter.font();
    font.setPointSizeF(kFontPoints);
    painter.setFont(font);
    painter.fillRect(area, kPaper);
    painter.setPen(kInk);
    return font;
}

void legendEntry(QPainter& painter, QPointF& at, const QColor& color, const QString& label,
                 Swatch swatch) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double box = metrics.height() * 0.8;
    const QRectF area(at.x(), at.y() - box, box, box);
    if (swatch == Swatch::Box) {
        painter.fillRect(area, color);
    } else {
        painter.setPen(
            QPen(color, box / 4, swatch == Swatch::DashedLine ? Qt::DashLine : Qt::SolidLine));
        painter.drawLine(QPointF(area.left(), area.center().y()),
                         QPointF(area.right(), area.center().y()));
    }
    painter.setPen(kInk);
    painter.drawText(QPointF(area.right() + box / 2, at.y() - metrics.descent()), label);
    at.rx() += box * 2 + metrics.horizontalAdvance(label) + box;
}

} // namespace rv::chart
