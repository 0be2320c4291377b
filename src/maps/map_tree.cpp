#include "maps/map_tree.h"

#include "core/game_facts.h"

namespace fennick {

namespace {

const QString kRecent = QStringLiteral("Recent");
const QString kAll = QStringLiteral("All");

} // namespace

bool isScannedGroupName(const QString& name) {
    return name == kAll || name == QLatin1String("Mod") || name == QLatin1String("Map");
}

// Each game's node is keyed by its prefix in capitals ("Q3"), its groups by
// that and a letter: "Q3R" Recent, "Q3A" All.
MapTree::MapTree() {
    for (const GameFacts& game : allGames()) {
        const QString key = game.prefix.toUpper();
        add(key, game.displayName, {}, FirstGame + game.slot);
        add(key + QLatin1Char('R'), kRecent, key, Group);
        add(key + QLatin1Char('A'), kAll, key, Group);
    }
}

void MapTree::addModGroup() {
    if (nodeWithKey(QStringLiteral("Q3M")) < 0)
        add(QStringLiteral("Q3M"), QStringLiteral("Mod"), QStringLiteral("Q3"), Group);
}

void MapTree::addMapFileGroup() {
    if (nodeWithKey(QStringLiteral("Q3MAP")) < 0)
        add(QStringLiteral("Q3MAP"), QStringLiteral("Map"), QStringLiteral("Q3"), Group);
}

} // namespace fennick
