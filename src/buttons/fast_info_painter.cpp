#include "buttons/fast_info_painter.h"

#include "buttons/coloured_text.h"
#include "buttons/fast_info.h"
#include "common/fonts.h"

#include <QPainter>
#include <limits>

namespace fennick {

namespace {

constexpr qreal kMargin = 3;
const QColor kHeadingBar(127, 127, 127);
const QColor kHighlightBack(200, 200, 200);
const QColor kHighlightText(0, 0, 127);

qint16 clamp16(qreal y) {
    return qint16(qBound(qreal(std::numeric_limits<qint16>::min()), y,
                         qreal(std::numeric_limits<qint16>::max())));
}

} // namespace

const QColor FastInfoPainter::kPanelColour(34, 31, 28);

QFont FastInfoPainter::font() {
    return sansFont(11);
}

void FastInfoPainter::paint(QImage& target, const QImage& background, FastInfo& info,
                            int highlight) {
    target.fill(kPanelColour);
    QPainter painter(&target);
    const QRectF panel(QPointF(0, 0), target.deviceIndependentSize());
    if (!background.isNull())
        painter.drawImage(panel, background);
    painter.setFont(font());
    const int height = lineHeightOf(painter);
    // Colours are kept readable on the heading bar and on the dark panel.
    TextCursor cursor{painter, kMargin, 0, kMargin, panel.width()};

    QVector<FastInfoEntry>& entries = info.entries();
    for (const QString& heading : info.headings()) {
        const QString text = FastInfo::headingText(heading);
        painter.fillRect(QRectF(0, cursor.y + 1, panel.width(), height - 2), kHeadingBar);
        cursor.x = panel.width() / 2 - colouredTextWidth(painter, text) / 2;
        cursor.backdrop = kHeadingBar;
        PrintColoured(cursor, text, 7);
        cursor.backdrop = kPanelColour;
        for (FastInfoEntry& entry : entries) {
            if (entry.category != heading)
                continue;
            entry.top = clamp16(cursor.y);
            PrintColoured(cursor, entry.caption, 0);
            entry.bottom = clamp16(cursor.y);
        }
    }
    if (highlight >= 0 && highlight < entries.size()) {
        TextCursor again{painter, kMargin, qreal(entries[highlight].top), kMargin, panel.width()};
        PrintColoured(again, entries[highlight].caption, 0, kHighlightBack, kHighlightText);
    }
}

} // namespace fennick
