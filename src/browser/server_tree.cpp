#include "browser/server_tree.h"

#include "core/game_facts.h"

namespace fennick {

namespace {

const QString kRecent = QStringLiteral("Recent");
const QString kLan = QStringLiteral("LAN Network");
const QString kInternet = QStringLiteral("Internet");

} // namespace

// Each game's node is keyed by its prefix in capitals ("Q3"), its groups by
// that and a letter: "Q3R" Recent, "Q3M" Internet, "Q3L" LAN Network.
ServerTree::ServerTree() {
    for (const GameFacts& game : allGames()) {
        const QString key = game.prefix.toUpper();
        add(key, game.displayName, {});
        add(key + QLatin1Char('R'), kRecent, key);
        if (game.hasMasters())
            add(key + QLatin1Char('M'), kInternet, key);
        if (!game.query.lanPorts.isEmpty())
            add(key + QLatin1Char('L'), kLan, key);
    }
}

} // namespace fennick
