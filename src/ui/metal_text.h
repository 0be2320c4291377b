#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace fennick {

// The colours of an embossed metal lettering: a light top, a dark bottom
// and the outline around the letters.
struct MetalColours {
    QColor top;
    QColor bottom;
    QColor outline;
};

// Draws a text centred in the box as embossed metal: a drop shadow, a
// vertical gradient fill and a thin outline. Used for the game emblems of
// the main window's strip and for the splash window.
void paintMetalText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const MetalColours& colours);

// A deterministic grain for the dark metal surfaces: small lighter and
// darker specks spread over the rectangle, always the same for a seed.
void paintGrain(QPainter& painter, const QRect& rect, int specks, unsigned seed);

} // namespace fennick
