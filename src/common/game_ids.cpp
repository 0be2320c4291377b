#include "common/game_ids.h"

namespace fennick {

namespace {

// What the program knows of each game, by identifier.
struct GameInfo {
    const QString& id;
    const char* prefix;
    const char* displayName;
    const char* dataFolder;
    const char* infoBackground;
};

const GameInfo* findGame(const QString& game) {
    static const GameInfo kGames[] = {
        {kQuake1, "q1", "Quake 1", "id1", "InfoBackQ1.gif"},
        {kQuake2, "q2", "Quake 2", "baseq2", "InfoBackQ2.gif"},
        {kQuake3, "q3", "Quake 3 Arena", "baseq3", "InfoBackQ3.gif"},
    };
    for (const GameInfo& info : kGames) {
        if (info.id == game)
            return &info;
    }
    return nullptr;
}

QString field(const QString& game, const char* GameInfo::*member) {
    const GameInfo* info = findGame(game);
    return info ? QLatin1String(info->*member) : QString();
}

} // namespace

QString gamePrefix(const QString& game) {
    return field(game, &GameInfo::prefix);
}

QString gameDisplayName(const QString& game) {
    return field(game, &GameInfo::displayName);
}

QString gameDataFolder(const QString& game) {
    return field(game, &GameInfo::dataFolder);
}

QString gameInfoBackground(const QString& game) {
    return field(game, &GameInfo::infoBackground);
}

bool isGameId(const QString& text) {
    return findGame(text) != nullptr;
}

} // namespace fennick
