#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace rv::chart {

// The palette and type of the program's charts, alike on a screen, an image and paper.
inline const QColor kBlue(47, 109, 181);
inline const QColor kGrey(176, 176, 176);
inline const QColor kPaleGreen(208, 236, 204);
inline const QColor kPaleRed(247, 206, 206);
inline const QColor kOrange(214, 110, 0);
inline const QColor kGridLine(225, 225, 225);
inline const QColor kPaper(Qt::white);
inline const QColor kInk(40, 40, 40);
inline constexpr double kFontPoints = 8; // sized in points, so every device shows it alike

// The height of a line of the charts' font on the screen.
double lineHeight();

// Starts a chart in `area`: saves the painter (the caller restores it), sets the charts' font
// and ink and paints the paper. Returns the font set.
QFont beginChart(QPainter& painter, const QRectF& area);

enum class Swatch { Box, Line, DashedLine };

// One legend entry at `at` (the text's baseline), moving `at` to the right past it.
void legendEntry(QPainter& painter, QPointF& at, const QColor& color, const QString& label,
                 Swatch swatch);

} // namespace rv::chart
