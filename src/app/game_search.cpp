#include "app/game_search.h"

#include "app/program_settings.h"
#include "core/game_facts.h"
#include "platform/drives.h"
#include "platform/system_lookup.h"

#include <vector>

namespace fennick {

namespace {

struct GameCandidates {
    QString game;
    bool (ProgramSettings::*found)() const;
    QStringList folders;
};

// Where the games are usually installed, in the order they are tried.
const std::vector<GameCandidates>& candidateTable() {
    static const std::vector<GameCandidates> table = {
        {kQuake1,
         &ProgramSettings::quakeDirValid,
         {QStringLiteral("quake"), QStringLiteral("Program Files\\quake"),
          QStringLiteral("games\\quake")}},
        {kQuake2,
         &ProgramSettings::quake2DirValid,
         {QStringLiteral("quake2"), QStringLiteral("Program Files\\quake2"),
          QStringLiteral("games\\quake2")}},
        {kQuake3,
         &ProgramSettings::quake3DirValid,
         {QStringLiteral("quake iii arena"), QStringLiteral("Program Files\\quake iii arena"),
          QStringLiteral("games\\quake iii arena"), QStringLiteral("Program Files\\quake3"),
          QStringLiteral("games\\quake3")}},
    };
    return table;
}

// The native places below the home folder and below each system root.
const std::vector<GameCandidates>& homeTable() {
    static const std::vector<GameCandidates> table = {
        {kQuake3,
         &ProgramSettings::quake3DirValid,
         {QStringLiteral("quake3"), QStringLiteral("openarena"),
          QStringLiteral("games\\openarena")}},
    };
    return table;
}

const std::vector<GameCandidates>& systemRootTable() {
    static const std::vector<GameCandidates> table = {
        {kQuake1, &ProgramSettings::quakeDirValid, {QStringLiteral("quake")}},
        {kQuake2, &ProgramSettings::quake2DirValid, {QStringLiteral("quake2")}},
        {kQuake3,
         &ProgramSettings::quake3DirValid,
         {QStringLiteral("quake3"), QStringLiteral("openarena")}},
    };
    return table;
}

void tryCandidates(ProgramSettings& settings, const QString& drive,
                   const GameCandidates& candidates) {
    for (const QString& folder : candidates.folders) {
        if ((settings.*candidates.found)())
            return;
        settings.setDirectoryOf(candidates.game, platform::folderOnDrive(drive, folder));
    }
}

} // namespace

void SearchGameDirectories(ProgramSettings& settings, const QStringList& drives,
                           const NativePlaces& native) {
    for (const QString& drive : drives) {
        for (const GameCandidates& candidates : candidateTable())
            tryCandidates(settings, drive, candidates);
        if (settings.q3MapValid() && settings.quake3DirValid())
            settings.showMapFiles = true;
    }
    if (!native.home.isEmpty()) {
        for (const GameCandidates& candidates : homeTable())
            tryCandidates(settings, native.home, candidates);
    }
    for (const QString& root : native.systemRoots) {
        for (const GameCandidates& candidates : systemRootTable())
            tryCandidates(settings, root, candidates);
    }
    settings.notifyChanged();
}

NativePlaces nativePlacesOf(const platform::SystemLookup& system) {
    return {system.homeFolder(), system.systemGameRoots()};
}

} // namespace fennick
