#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

namespace fennick {

// The places of the main window's title strip that react to the mouse.
enum class StripArea { None, Quake1Icon, Quake2Icon, Quake3Icon, Setup, ExecutablePath, Corner };

// One row of the strip's hit table: the area's pixel bounds (exclusive on
// both ends), the rectangle lit while the pointer is over it (empty for
// none) and the game an icon stands for.
struct StripHitArea {
    StripArea area;
    int xAbove, xBelow;
    int yAbove, yBelow;
    QRect highlight;
    QString game;
};

// The area under a point of the window's client area, None outside all.
StripArea stripAreaAt(QPoint point);

// The table row of an area (nullptr for None).
const StripHitArea* stripHitArea(StripArea area);

} // namespace fennick
