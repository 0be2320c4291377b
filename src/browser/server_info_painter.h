#pragma once

#include "browser/server_record.h"

#include <QImage>
#include <functional>

namespace fennick {

// What the browser's info panel shows of the chosen server, drawn with the
// games' colour codes one line each: a heading (the name, or every other
// few seconds the address), the message of the day, mod, map, game type,
// ping, a bar that grows with the age of the data, and the players.
struct ServerInfoView {
    ServerRecord server;
    int phase = 0;             // the browser's tick counter, 0 to 7
    double ageSeconds = 0;     // since the last update
    double updateInterval = 5; // the automatic update's interval
    QString modText;           // the mod as the panel shows it this phase
    QString mapText;           // the map as the panel shows it this phase
    QString foundPlayer;       // the Find player text: matching players are marked
};

class ServerInfoPainter {
public:
    static const QColor kBackground;
    static const QColor kHeadingBack;
    static const QColor kHeadingText;
    static const QColor kFoundBack; // behind a player the Find player box found
    // Units of the age bar per second of age, and the longest age drawn.
    static constexpr int kBarUnitsPerSecond = 4;
    static constexpr int kBarMaxSeconds = 30;

    // Phases 4 to 7 show the address, the mod's description and the map's
    // title; phases 0 to 3 the name, the mod folder and the map name.
    static bool showsDetails(int phase) { return phase >= 4; }

    // How tall the panel's lines are, every player included: the panel
    // scrolls when it is shorter.
    static int contentHeight(const ServerInfoView& view);

    // Draws the panel into the whole of `target`. The bar is green, red
    // once the data is older than the interval plus five seconds.
    static void paint(QImage& target, const ServerInfoView& view);
};

} // namespace fennick
