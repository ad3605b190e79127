#pragma once

#include <QSize>
#include <QWidget>

class QPainter;

namespace rv {

// A chart of the window, painted by the report's code into the whole widget, with a tooltip
// for the point under the mouse.
class ChartView : public QWidget {
    Q_OBJECT
public:
    // The tooltip at a point of the widget; empty where the chart has nothing to say.
    virtual QString tipAt(const QPoint& point) const = 0;

    QSize sizeHint() const override { return m_sizeHint; }

protected:
    ChartView(const QString& objectName, int minimumHeight, QSize sizeHint, QWidget* parent);

    virtual void paintChart(QPainter& painter, const QRectF& area) const = 0;

    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QSize m_sizeHint;
};

} // namespace rv
