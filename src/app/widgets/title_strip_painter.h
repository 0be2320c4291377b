#pragma once

#include "app/widgets/strip_hit_areas.h"
#include "app/widgets/strip_pictures.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace fennick {

// What the title strip shows at one moment.
struct StripState {
    QString game;       // the current game, empty for none
    QString statusText; // already cut to the width it may take
    QFont statusFont;   // the font it fits in; the strip's when left default
    bool statusFading = false;
    StripArea lit = StripArea::None; // the area to highlight, if any
};

// Draws the main window's title strip into an image at the window's own
// pixel coordinates: background, the current game's emblem, the game
// icons, "Setup", the status text and the highlight under the pointer.
class TitleStripPainter {
public:
    static constexpr int kHeight = 60;

    explicit TitleStripPainter(StripPictures pictures);

    void paint(QImage& target, const StripState& state, const QFont& font) const;

private:
    void paintText(QPainter& painter, const StripState& state, const QFont& font) const;
    void paintHighlight(QImage& target, StripArea area) const;

    StripPictures pictures_;
};

} // namespace fennick
