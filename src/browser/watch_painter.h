#pragma once

#include "browser/watch_frame.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace fennick {

// Draws a watch frame: the generated art as the background (kept while
// the window keeps its size) and every line with PrintColoured, in the
// program's sans-serif face, so a frame measures the same everywhere.
class WatchPainter {
public:
    static constexpr int kFontPixels = 11;

    WatchPainter();

    static QFont font();
    // The height of one line of text, which the frame's rows advance by.
    static int lineHeight();

    void paint(QPainter& painter, QSize size, const QVector<WatchLine>& lines);

private:
    QImage frame_;
    QImage texture_;
    QImage background_;
};

} // namespace fennick
