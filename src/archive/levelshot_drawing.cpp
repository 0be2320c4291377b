#include "archive/levelshot_drawing.h"

#include <QPainter>

namespace fennick {

void drawLevelshot(QPainter& painter, const QRect& target, const QImage& picture) {
    if (picture.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, picture, picture.rect());
    painter.restore();
}

void drawLevelshot(QImage& area, const QImage& picture) {
    if (area.isNull())
        return;
    QPainter painter(&area);
    drawLevelshot(painter, area.rect(), picture);
}

} // namespace fennick
