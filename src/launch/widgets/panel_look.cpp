#include "launch/widgets/panel_look.h"

#include "common/fonts.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace fennick {

namespace {

QImage transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A manila folder with its tab, filling a 16 x 16 square.
void paintFolder(QPainter& painter) {
    painter.setPen(QColor(92, 64, 24));
    painter.setBrush(QColor(196, 150, 70));
    painter.drawRect(QRectF(1.5, 3.5, 6, 3)); // tab
    QLinearGradient body(0, 5, 0, 14);
    body.setColorAt(0.0, QColor(236, 196, 110));
    body.setColorAt(1.0, QColor(190, 140, 60));
    painter.setBrush(body);
    painter.drawRect(QRectF(1.5, 5.5, 13, 8.5));
}

// A five-pointed star around a centre.
QPolygonF star(QPointF centre, double outer, double inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        points << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return points;
}

QImage chip(const QColor& top, const QColor& bottom) {
    QImage image = transparent(PanelLook::kRendererSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, PanelLook::kRendererSize.height());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    painter.setPen(QColor(10, 10, 10));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, PanelLook::kRendererSize.width() - 1,
                                   PanelLook::kRendererSize.height() - 1),
                            4, 4);
    return image;
}

void chipText(QPainter& painter, const QRect& area, const QString& text, const QColor& colour) {
    painter.setFont(sansFont(11, true));
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
}

// A grey chip with pins: the software renderer.
QImage softwareImage() {
    QImage image = chip(QColor(120, 120, 116), QColor(60, 60, 58));
    QPainter painter(&image);
    painter.setPen(QColor(200, 200, 190));
    for (int x = 8; x < PanelLook::kRendererSize.width() - 6; x += 6) {
        painter.drawLine(x, 1, x, 3);
        painter.drawLine(x, PanelLook::kRendererSize.height() - 4, x,
                         PanelLook::kRendererSize.height() - 2);
    }
    chipText(painter, QRect(QPoint(0, 0), PanelLook::kRendererSize), QStringLiteral("SOFT"),
             QColor(235, 235, 225));
    return image;
}

// A shaded cube beside "GL": the OpenGL renderer.
QImage openGlImage() {
    QImage image = chip(QColor(60, 110, 170), QColor(20, 40, 80));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF top(14, 4), left(6, 8.5), right(22, 8.5), centre(14, 13);
    const QPointF bottomLeft(6, 17.5), bottomRight(22, 17.5), bottom(14, 22);
    painter.setPen(QColor(10, 20, 40));
    painter.setBrush(QColor(200, 225, 255));
    painter.drawPolygon(QPolygonF{top, right, centre, left});
    painter.setBrush(QColor(120, 170, 230));
    painter.drawPolygon(QPolygonF{left, centre, bottom, bottomLeft});
    painter.setBrush(QColor(70, 120, 190));
    painter.drawPolygon(QPolygonF{centre, right, bottomRight, bottom});
    chipText(painter,
             QRect(24, 0, PanelLook::kRendererSize.width() - 26, PanelLook::kRendererSize.height()),
             QStringLiteral("GL"), QColor(255, 255, 255));
    return image;
}

} // namespace

QImage PanelLook::folderImage(int image) {
    QImage folder = transparent(QSize(16, 16));
    QPainter painter(&folder);
    paintFolder(painter);
    if (image == 2) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(120, 30, 10));
        painter.setBrush(QColor(255, 90, 40));
        painter.drawPolygon(star(QPointF(10.5, 10), 5.0, 2.1));
    }
    return folder;
}

QImage PanelLook::rendererImage(VideoSettings::RendererPicture picture) {
    switch (picture) {
    case VideoSettings::RendererPicture::Software:
        return softwareImage();
    case VideoSettings::RendererPicture::OpenGL:
        return openGlImage();
    case VideoSettings::RendererPicture::None:
        break;
    }
    return {};
}

QImage PanelLook::defaultModIcon() {
    QImage icon = transparent(QSize(32, 32));
    QPainter painter(&icon);
    painter.scale(2.0, 2.0);
    paintFolder(painter);
    return icon;
}

} // namespace fennick
