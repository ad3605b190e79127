#include "tooltip_duration.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace rv {

ToolTipDuration::ToolTipDuration(int milliseconds, QObject* parent)
    : QObject(parent), m_milliseconds(milliseconds) {}

bool ToolTipDuration::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
        view && widget == view->viewport()) {
        const QModelIndex index = view->indexAt(help->pos());
        const QString text = index.data(Qt::ToolTipRole).toString();
        if (text.isEmpty())
            return false;
        QToolTip::showText(help->globalPos(), text, widget, view->visualRect(index),
                           m_milliseconds);
        return true;
    }
    if (widget->toolTipDuration() < 0)
        widget->setToolTipDuration(m_milliseconds);
    return false;
}

} // namespace rv
