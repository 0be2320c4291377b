#include "app/widgets/title_strip_painter.h"

#include <QFontMetrics>
#include <QPainter>

namespace fennick {

namespace {

const QColor kWindowColour(24, 22, 20);
const QColor kSetupColour(250, 250, 255);
const QColor kStatusColour(255, 255, 255);
const QColor kFadingColour(192, 192, 200);
constexpr int kTextTop = 17;
constexpr int kStatusRight = 490;

} // namespace

TitleStripPainter::TitleStripPainter(StripPictures pictures) : pictures_(std::move(pictures)) {}

void TitleStripPainter::paint(QImage& target, const StripState& state, const QFont& font) const {
    target.fill(kWindowColour);
    {
        QPainter painter(&target);
        painter.drawImage(QPoint(8, 8), pictures_.background);
        const QImage& big = pictures_.bigPictureOf(state.game);
        if (!big.isNull())
            painter.drawImage(QPoint(70 - big.width(), 20), big);
        painter.drawImage(QPoint(75, 17), pictures_.games);
        paintText(painter, state, font);
    }
    if (state.lit != StripArea::None)
        paintHighlight(target, state.lit);
}

// Texts are placed by their top edge, as the strip's layout gives them.
void TitleStripPainter::paintText(QPainter& painter, const StripState& state,
                                  const QFont& font) const {
    painter.setFont(font);
    const int baseline = kTextTop + painter.fontMetrics().ascent();
    painter.setPen(kSetupColour);
    painter.drawText(QPoint(130, baseline), QStringLiteral("Setup"));
    painter.setPen(state.statusFading ? kFadingColour : kStatusColour);
    if (state.statusFont != QFont())
        painter.setFont(state.statusFont);
    const int width = painter.fontMetrics().horizontalAdvance(state.statusText);
    painter.drawText(QPoint(kStatusRight - width, baseline), state.statusText);
}

// The highlight is OR-ed onto the strip so it only brightens what is
// there. "Setup" gets the even top-left corner of the highlight stretched
// over the word.
void TitleStripPainter::paintHighlight(QImage& target, StripArea area) const {
    const StripHitArea* row = stripHitArea(area);
    if (!row || row->highlight.isEmpty())
        return;
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    if (area == StripArea::Setup)
        painter.drawImage(row->highlight, pictures_.light, QRect(0, 0, 5, 5));
    else
        painter.drawImage(row->highlight, pictures_.light,
                          QRect(QPoint(0, 0), row->highlight.size()));
}

} // namespace fennick
