#include "browser/watch_painter.h"

#include "browser/watch_art.h"
#include "buttons/coloured_text.h"
#include "common/fonts.h"
#include "common/shown_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace fennick {

WatchPainter::WatchPainter()
    : frame_(WatchArt::framePicture()), texture_(WatchArt::texturePicture()) {}

QFont WatchPainter::font() {
    return sansFont(kFontPixels);
}

int WatchPainter::lineHeight() {
    return int(std::ceil(QFontMetricsF(font()).height()));
}

void WatchPainter::paint(QPainter& painter, QSize size, const QVector<WatchLine>& lines) {
    if (background_.size() != size)
        background_ = WatchArt::background(size, frame_, texture_);
    painter.drawImage(QPoint(0, 0), background_);
    painter.setFont(font());
    for (const WatchLine& line : lines) {
        painter.save();
        if (!line.clip.isEmpty())
            painter.setClipRect(line.clip);
        // Names come as their servers sent them: UTF-8 when it is, and
        // their colour codes drawn readable on the window's dark blue.
        TextCursor cursor{painter,     line.at.x(), line.at.y(),
                          line.at.x(), line.right,  WatchArt::kBackColour};
        PrintColoured(cursor, tidyColourCodes(shownServerText(line.text)), line.startColour,
                      line.highlightBack, line.highlightFore);
        painter.restore();
    }
}

} // namespace fennick
