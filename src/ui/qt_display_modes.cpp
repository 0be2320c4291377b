#include "ui/qt_display_modes.h"

#include "core/game_facts.h"

#include <QGuiApplication>
#include <QScreen>

namespace fennick {

namespace {

// The primary screen's size in device pixels; empty without a screen.
QSize screenPixels(const QScreen* screen) {
    if (!screen)
        return {};
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}

} // namespace

QList<platform::DisplayMode> QtDisplayModes::modes() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screenPixels(screen);
    if (size.isEmpty())
        return {};
    const int depth = screen->depth();
    QList<platform::DisplayMode> modes;
    for (const GameFacts& game : allGames()) {
        for (const VideoMode& mode : game.videoModes) {
            if (mode.width <= size.width() && mode.height <= size.height())
                modes.append({mode.width, mode.height, depth});
        }
    }
    modes.append({size.width(), size.height(), depth});
    return modes;
}

int QtDisplayModes::desktopWidth() const {
    return screenPixels(QGuiApplication::primaryScreen()).width();
}

} // namespace fennick
