#include "common/game_ids.h"

namespace fennick {

QString gamePrefix(const QString& game) {
    if (game == kQuake1)
        return QStringLiteral("q1");
    if (game == kQuake2)
        return QStringLiteral("q2");
    if (game == kQuake3)
        return QStringLiteral("q3");
    return {};
}

QString gameDisplayName(const QString& game) {
    if (game == kQuake1)
        return QStringLiteral("Quake 1");
    if (game == kQuake2)
        return QStringLiteral("Quake 2");
    if (game == kQuake3)
        return QStringLiteral("Quake 3 Arena");
    return {};
}

bool isGameId(const QString& text) {
    return text == kQuake1 || text == kQuake2 || text == kQuake3;
}

} // namespace fennick
