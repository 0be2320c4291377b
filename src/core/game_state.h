#pragma once

#include "core/game_facts.h"

#include <QString>

namespace fennick {

// Which game and mod are chosen, and where the games live.
struct GameState {
    QString currentGame;   // "quake1", "quake2", "quake3" or empty
    QString gameDirectory; // the current game's folder as typed in setup
    QString quakeExe;      // full executable paths; empty = folder not valid
    QString quake2Exe;
    QString quake3Exe;
    QString currentModKey; // lower-case mod folder, or the game identifier

    // The executable path of a game by identifier; empty for no game.
    const QString& executableOf(const QString& game) const {
        static const QString none;
        const QString* const paths[kGameCount] = {&quakeExe, &quake2Exe, &quake3Exe};
        const int slot = gameFacts(game).slot;
        return slot < 0 ? none : *paths[slot];
    }
};

} // namespace fennick
