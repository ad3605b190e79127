#pragma once

#include <QObject>

namespace rv {

// Keeps every tooltip of the application on screen for a fixed time, the cell tooltips of item
// views too (the toolkit's default is a few seconds), so that long formulas can be read.
class ToolTipDuration : public QObject {
    Q_OBJECT
public:
    ToolTipDuration(int milliseconds, QObject* parent = nullptr);

    int milliseconds() const { return m_milliseconds; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_milliseconds;
};

} // namespace rv
