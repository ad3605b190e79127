#pragma once

#include <QColor>

#include <cstdlib>

namespace rv {

// Text keeps its preferred colour where that stands out from the background; on a background of
// the program's own colour under another palette (a dark one) it turns black or white instead.
inline QColor readableOn(const QColor& background, const QColor& preferred) {
    constexpr int kLeastLightnessGap = 100; // of 255
    if (std::abs(background.lightness() - preferred.lightness()) >= kLeastLightnessGap)
        return preferred;
    return background.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace rv
