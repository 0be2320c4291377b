#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// How a level shot is drawn wherever it is shown: stretched from its full
// size over the whole target, pixels copied as they are (no smoothing), the
// way the windows and fennick-cli both draw it.
namespace fennick {

void drawLevelshot(QPainter& painter, const QRect& target, const QImage& picture);

// Draws over the whole of `area`, keeping its size and format.
void drawLevelshot(QImage& area, const QImage& picture);

} // namespace fennick
