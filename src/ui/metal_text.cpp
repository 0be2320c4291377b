#include "ui/metal_text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace fennick {

void paintMetalText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const MetalColours& colours) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    const QRectF placed = path.boundingRect();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawPath(path.translated(1.5, 1.5));

    QLinearGradient fill(placed.topLeft(), placed.bottomLeft());
    fill.setColorAt(0.0, colours.top);
    fill.setColorAt(0.45, colours.top.darker(125));
    fill.setColorAt(0.55, colours.bottom.lighter(130));
    fill.setColorAt(1.0, colours.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(colours.outline, 1.0));
    painter.drawPath(path);
    painter.restore();
}

void paintGrain(QPainter& painter, const QRect& rect, int specks, unsigned seed) {
    if (rect.isEmpty())
        return;
    painter.save();
    unsigned state = seed;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int i = 0; i < specks; ++i) {
        const int x = rect.left() + int(next() % unsigned(rect.width()));
        const int y = rect.top() + int(next() % unsigned(rect.height()));
        const bool light = next() % 2 == 0;
        painter.setPen(light ? QColor(255, 240, 220, 14) : QColor(0, 0, 0, 40));
        painter.drawPoint(x, y);
    }
    painter.restore();
}

} // namespace fennick
