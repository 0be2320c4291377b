#pragma once

#include "core/game_facts.h"

#include <QImage>
#include <QString>

namespace fennick {

// The pictures of the main window's title strip, drawn once at start-up:
// the strip background, one big emblem per game, the row of three game
// icons and the highlight that is OR-ed over an icon under the pointer.
struct StripPictures {
    QImage background; // drawn at (8, 8)
    // By the games' slots, each ending at x 70: Quake III's is the wider.
    QImage big[kGameCount];
    QImage games; // at (75, 17): the Quake, Quake II, Quake III icons
    QImage light; // the highlight

    static StripPictures draw();

    // The big emblem of a game, or a null image when there is none.
    const QImage& bigPictureOf(const QString& game) const;
};

} // namespace fennick
