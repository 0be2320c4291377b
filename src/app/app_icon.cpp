#include "app/app_icon.h"

#include <QPainter>
#include <QPolygonF>

namespace fennick {

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Two ellipses, the second mirrored.
QPainterPath ellipses(const QPointF& leftCentre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(leftCentre, rx, ry);
    path.addEllipse(QPointF(kIconUnits - leftCentre.x(), leftCentre.y()), rx, ry);
    return path;
}

// A point mirrored about the icon's vertical middle.
QPointF mirrored(const QPointF& p) {
    return {kIconUnits - p.x(), p.y()};
}

QPainterPath pair(std::initializer_list<QPointF> left) {
    QList<QPointF> right;
    for (const QPointF& p : left)
        right.append(mirrored(p));
    QPainterPath path = polygon(left);
    path.addPolygon(QPolygonF(right));
    path.closeSubpath();
    return path;
}

QString number(qreal value) {
    return QString::number(qRound(value * 100.0) / 100.0);
}

// SVG path data of a painter path: moves, lines and cubic curves.
QString pathData(const QPainterPath& path) {
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            parts.append(QStringLiteral("C%1 %2 %3 %4 %5 %6")
                             .arg(number(e.x), number(e.y), number(c2.x), number(c2.y),
                                  number(end.x), number(end.y)));
            i += 2;
            continue;
        }
        const QChar command =
            e.type == QPainterPath::MoveToElement ? QLatin1Char('M') : QLatin1Char('L');
        parts.append(command + number(e.x) + QLatin1Char(' ') + number(e.y));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QVector<IconShape> fennickIconShapes() {
    const QColor sand(0xe3, 0xa0, 0x4f), cream(0xf7, 0xe4, 0xc2), dark(0x1f, 0x21, 0x27);
    QPainterPath square;
    square.addRoundedRect(QRectF(12, 12, 232, 232), 44, 44);
    return {
        {square, QColor(0x2d, 0x36, 0x45)},
        // Ears, then the head over their roots.
        {pair({{34, 30}, {120, 104}, {80, 156}}), sand},
        {pair({{52, 56}, {108, 106}, {84, 138}}), cream},
        {polygon({{78, 110}, {178, 110}, {208, 150}, {128, 218}, {48, 150}}), sand},
        // Muzzle, eyes and nose.
        {polygon({{90, 164}, {166, 164}, {128, 216}}), cream},
        {ellipses({100, 146}, 9, 12), dark},
        {polygon({{116, 200}, {140, 200}, {128, 214}}), dark},
    };
}

QImage drawFennickIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / kIconUnits, qreal(size) / kIconUnits);
    for (const IconShape& shape : fennickIconShapes())
        painter.fillPath(shape.path, shape.colour);
    return image;
}

QByteArray fennickIconSvg() {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconUnits);
    for (const IconShape& shape : fennickIconShapes()) {
        const QString fillRule = shape.path.fillRule() == Qt::OddEvenFill
                                     ? QStringLiteral("evenodd")
                                     : QStringLiteral("nonzero");
        svg += QStringLiteral("  <path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
                   .arg(shape.colour.name(), fillRule, pathData(shape.path));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

} // namespace fennick
