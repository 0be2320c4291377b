#pragma once

#include <QList>

namespace fennick::platform {

// One mode the display adapter offers.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// What the screen can do: the full-screen modes on offer and the width of
// the desktop. The resolution selector is built from it.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;

    // Every mode on offer, in the adapter's order; a size may repeat (once
    // per depth or refresh rate).
    virtual QList<DisplayMode> modes() const = 0;
    // The width of the desktop in pixels.
    virtual int desktopWidth() const = 0;
};

// A display given in advance: the tests, the command-line tool and any
// program without a screen use it. The default has no modes and no width.
class FixedDisplayModes : public DisplayModes {
public:
    FixedDisplayModes() = default;
    FixedDisplayModes(QList<DisplayMode> modes, int desktopWidth)
        : modes_(std::move(modes)), desktopWidth_(desktopWidth) {}

    QList<DisplayMode> modes() const override { return modes_; }
    int desktopWidth() const override { return desktopWidth_; }

private:
    QList<DisplayMode> modes_;
    int desktopWidth_ = 0;
};

} // namespace fennick::platform
