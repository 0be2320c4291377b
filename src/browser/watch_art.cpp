#include "browser/watch_art.h"

#include "browser/watch_frame.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace fennick {

const QColor WatchArt::kBackColour(0x1f, 0x3f, 0x5f);

namespace {

constexpr int kBandHeight = WatchFrame::kButtonBand;
const QColor kGlyph(28, 32, 58);
const QColor kCloseGlyph(176, 24, 24);

// A small hash of a lattice point, 0 to 1; the same point always gives the
// same value, so the art is the same on every run.
double latticeValue(int x, int y, int seed) {
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xffff) / 65535.0;
}

// Smooth noise over a lattice of `cells` per side that wraps around, so
// the texture tiles without seams.
double smoothNoise(double u, double v, int cells, int seed) {
    const double x = u * cells, y = v * cells;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const auto at = [&](int i, int j) {
        return latticeValue((i % cells + cells) % cells, (j % cells + cells) % cells, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

void drawGlyph(QPainter& painter, WatchFrame::Button button, const QRectF& box) {
    const QPointF c = box.center();
    const qreal r = std::min(box.width(), box.height()) / 2 - 2;
    if (button == WatchFrame::Button::Close) {
        painter.setPen(QPen(kCloseGlyph, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
        return;
    }
    // Taller points down, shorter up, narrower left, wider right.
    const QPointF tips[] = {{0, r}, {0, -r}, {-r, 0}, {r, 0}};
    const QPointF tip = tips[int(button) - int(WatchFrame::Button::Taller)];
    const QPointF side(tip.y(), -tip.x());
    QPainterPath arrow;
    arrow.moveTo(c + tip);
    arrow.lineTo(c - tip + side);
    arrow.lineTo(c - tip - side);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlyph);
    painter.drawPath(arrow);
}

// A raised key for each button, inside its span below the top rows.
void drawButtons(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WatchFrame::ButtonSpan& span : WatchFrame::buttons()) {
        const QRectF box(span.left + 1, WatchFrame::kTopRows + 1, span.right - span.left - 1,
                         kBandHeight - WatchFrame::kTopRows - 3);
        painter.fillRect(box, QColor(188, 196, 214));
        painter.setPen(QColor(244, 246, 252));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(QColor(64, 70, 90));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        drawGlyph(painter, span.button, box);
    }
}

} // namespace

QImage WatchArt::framePicture() {
    QImage frame(kFrameWidth, kBandHeight, QImage::Format_RGB32);
    QPainter painter(&frame);
    QLinearGradient metal(0, 0, 0, kBandHeight);
    metal.setColorAt(0.0, QColor(236, 240, 250));
    metal.setColorAt(0.08, QColor(204, 212, 228));
    metal.setColorAt(0.5, QColor(150, 160, 184));
    metal.setColorAt(0.9, QColor(96, 104, 128));
    metal.setColorAt(1.0, QColor(44, 48, 64));
    painter.fillRect(frame.rect(), metal);
    // A groove under the top rows, so the band across the top has an edge.
    painter.setPen(QColor(88, 96, 120));
    painter.drawLine(0, WatchFrame::kTopRows - 1, kFrameWidth, WatchFrame::kTopRows - 1);
    drawButtons(painter);
    return frame;
}

QImage WatchArt::texturePicture() {
    QImage texture(kTextureSize, kTextureSize, QImage::Format_RGB32);
    for (int y = 0; y < kTextureSize; ++y)
        for (int x = 0; x < kTextureSize; ++x) {
            const double u = double(x) / kTextureSize, v = double(y) / kTextureSize;
            const double cloud = 0.65 * smoothNoise(u, v, 4, 1) + 0.35 * smoothNoise(u, v, 16, 2);
            const double grain = latticeValue(x, y, 3);
            const int level = 224 + std::clamp(int(cloud * 26 + grain * 6), 0, 31);
            texture.setPixel(x, y, qRgb(level, level, level));
        }
    return texture;
}

QImage WatchArt::background(QSize size, const QImage& frame, const QImage& texture) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackColour);
    QPainter painter(&image);
    const int width = size.width(), height = size.height(), band = frame.height();
    painter.drawImage(QPoint(0, height - band), frame, QRect(0, 0, width, band));
    painter.drawImage(QPoint(0, 0), frame, QRect(0, 0, width, WatchFrame::kTopRows));
    // The sides: a light strip on the left, a dark one on the right, taken
    // from the band's top and bottom rows away from the buttons.
    const int sideLength = height - WatchFrame::kTopRows - band;
    const int strip = WatchFrame::kSideStrip;
    const int plain = frame.width() - strip;
    painter.drawImage(QRect(0, WatchFrame::kTopRows, strip, sideLength), frame,
                      QRect(plain, 1, strip, 1));
    painter.drawImage(QRect(width - strip, WatchFrame::kTopRows, strip, sideLength), frame,
                      QRect(plain, band - 2, strip, 1));
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int y = 0; y < height; y += texture.height())
        for (int x = 0; x < width; x += texture.width())
            painter.drawImage(QPoint(x, y), texture);
    return image;
}

} // namespace fennick
