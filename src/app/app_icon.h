#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QVector>

namespace fennick {

// Fennick's icon: a fennec's head with its big ears on a dark rounded
// square, made of filled shapes on a square of kIconUnits units, drawn in
// order. The same shapes give the SVG and the pictures of every size.
constexpr int kIconUnits = 256;

struct IconShape {
    QPainterPath path;
    QColor colour;
};

QVector<IconShape> fennickIconShapes();

// The icon as a square picture of the given size, transparent around it.
QImage drawFennickIcon(int size);

// The icon as an SVG document.
QByteArray fennickIconSvg();

} // namespace fennick
