#pragma once

#include "platform/display_modes.h"

namespace fennick {

// The display as Qt sees it: the primary screen.
//
// Qt has no list of the adapter's modes, only the screen's current size
// and depth. So the modes offered are the sizes of the games' mode tables
// that fit on the screen, plus the screen's own size, all at the screen's
// depth: the sizes a full-screen game can use without going beyond the
// monitor. Sizes are in device pixels, as a game sees them.
class QtDisplayModes : public platform::DisplayModes {
public:
    QList<platform::DisplayMode> modes() const override;
    int desktopWidth() const override;
};

} // namespace fennick
