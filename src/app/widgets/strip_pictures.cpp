#include "app/widgets/strip_pictures.h"

#include "common/fonts.h"
#include "core/game_facts.h"
#include "ui/metal_text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace fennick {

namespace {

constexpr QSize kBackgroundSize(484, 46);
constexpr QSize kBigSize(40, 30);
constexpr QSize kBigQuake3Size(45, 30);
constexpr QSize kGamesSize(51, 17);
constexpr QSize kLightSize(19, 17);

// Each game has its own metal: Quake's bronze, Quake II's olive steel and
// Quake III's glowing red.
const MetalColours kQuake1Metal{QColor(236, 176, 104), QColor(104, 52, 18), QColor(40, 18, 6)};
const MetalColours kQuake2Metal{QColor(196, 214, 150), QColor(60, 82, 40), QColor(18, 28, 10)};
const MetalColours kQuake3Metal{QColor(255, 150, 90), QColor(150, 18, 8), QColor(48, 4, 2)};

QImage blank(QSize size, QColor fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void paintRivet(QPainter& painter, QPointF centre) {
    QRadialGradient gradient(centre - QPointF(0.7, 0.7), 2.6);
    gradient.setColorAt(0.0, QColor(200, 190, 175));
    gradient.setColorAt(1.0, QColor(45, 40, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, 2.2, 2.2);
}

QImage drawBackground() {
    QImage image = blank(kBackgroundSize, Qt::black);
    QPainter painter(&image);
    const QRect all(QPoint(0, 0), kBackgroundSize);
    QLinearGradient plate(0, 0, 0, all.height());
    plate.setColorAt(0.0, QColor(58, 52, 46));
    plate.setColorAt(0.5, QColor(34, 30, 27));
    plate.setColorAt(1.0, QColor(20, 18, 16));
    painter.fillRect(all, plate);
    paintGrain(painter, all, 1400, 7u);

    // Bevelled edge: light above and left, dark below and right.
    painter.setPen(QColor(110, 100, 88));
    painter.drawLine(0, 0, all.right(), 0);
    painter.drawLine(0, 0, 0, all.bottom());
    painter.setPen(QColor(8, 7, 6));
    painter.drawLine(0, all.bottom(), all.right(), all.bottom());
    painter.drawLine(all.right(), 0, all.right(), all.bottom());
    // A thin rust line along the foot of the plate.
    painter.setPen(QColor(150, 66, 22));
    painter.drawLine(2, all.bottom() - 2, all.right() - 2, all.bottom() - 2);

    // The sunken slot the status text runs in (window x 164 to 490).
    const QRect slot(156, 8, 327, 18);
    painter.fillRect(slot, QColor(12, 11, 10));
    painter.setPen(QColor(6, 5, 5));
    painter.drawLine(slot.topLeft(), slot.topRight());
    painter.setPen(QColor(86, 78, 70));
    painter.drawLine(slot.bottomLeft(), slot.bottomRight());

    painter.setRenderHint(QPainter::Antialiasing);
    for (QPointF rivet : {QPointF(5, 5), QPointF(5, 40), QPointF(478, 5), QPointF(478, 40)})
        paintRivet(painter, rivet);
    return image;
}

QImage drawBigPicture(QSize size, const QString& text, const MetalColours& metal) {
    QImage image = blank(size, Qt::transparent);
    QPainter painter(&image);
    const QFont font = sansFont(25, true);
    paintMetalText(painter, QRectF(QPointF(0, 0), size), text, font, metal);
    return image;
}

// One icon: a small dark tile framed in the game's metal with "Q" and the
// game's number in bright letters, small enough to stay crisp at 15 pixels.
void paintIcon(QPainter& painter, const QRect& tile, const QString& number,
               const MetalColours& metal) {
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0.0, metal.bottom.darker(170));
    face.setColorAt(1.0, QColor(12, 10, 9));
    painter.fillRect(tile, face);
    painter.setPen(metal.bottom.lighter(120));
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
    QFont font = sansFont(10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    painter.setFont(font);
    const QRect textBox = tile.adjusted(0, 0, 1, 0);
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(textBox.translated(1, 1), Qt::AlignCenter, QStringLiteral("Q") + number);
    painter.setPen(metal.top);
    painter.drawText(textBox, Qt::AlignCenter, QStringLiteral("Q") + number);
}

QImage drawGames() {
    QImage image = blank(kGamesSize, QColor(10, 9, 8));
    QPainter painter(&image);
    paintIcon(painter, QRect(0, 0, 15, 17), QStringLiteral("1"), kQuake1Metal);
    paintIcon(painter, QRect(16, 0, 15, 17), QStringLiteral("2"), kQuake2Metal);
    paintIcon(painter, QRect(32, 0, 19, 17), QStringLiteral("3"), kQuake3Metal);
    return image;
}

// OR-ed over the strip, so it only ever brightens: a soft warm glow that
// is strongest in the middle. Its top-left corner is an even tone, which
// the "Setup" highlight stretches over the word.
QImage drawLight() {
    QImage image = blank(kLightSize, QColor(48, 44, 40));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(9.5, 8.5), 11);
    glow.setColorAt(0.0, QColor(112, 96, 72));
    glow.setColorAt(0.6, QColor(48, 44, 40));
    glow.setColorAt(1.0, QColor(48, 44, 40));
    painter.fillRect(QRect(QPoint(0, 0), kLightSize), glow);
    return image;
}

} // namespace

StripPictures StripPictures::draw() {
    StripPictures pictures;
    pictures.background = drawBackground();
    pictures.big[0] = drawBigPicture(kBigSize, QStringLiteral("Q1"), kQuake1Metal);
    pictures.big[1] = drawBigPicture(kBigSize, QStringLiteral("Q2"), kQuake2Metal);
    pictures.big[2] = drawBigPicture(kBigQuake3Size, QStringLiteral("Q3"), kQuake3Metal);
    pictures.games = drawGames();
    pictures.light = drawLight();
    return pictures;
}

const QImage& StripPictures::bigPictureOf(const QString& game) const {
    static const QImage none;
    const int slot = gameFacts(game).slot;
    return slot < 0 ? none : big[slot];
}

} // namespace fennick
