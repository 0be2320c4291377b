#include "core/game_search.h"

#include "core/game_facts.h"
#include "core/program_settings.h"
#include "platform/drives.h"
#include "platform/system_lookup.h"

namespace fennick {

namespace {

// Tries the folders below `root` in order while the game has no valid
// directory.
void tryFolders(ProgramSettings& settings, const QString& root, const GameFacts& game,
                const QStringList& folders) {
    for (const QString& folder : folders) {
        if (settings.directoryValid(game.id))
            return;
        settings.setDirectoryOf(game.id, platform::folderOnDrive(root, folder));
    }
}

} // namespace

void searchGameDirectories(ProgramSettings& settings, const QStringList& drives,
                           const NativePlaces& native) {
    for (const QString& drive : drives) {
        for (const GameFacts& game : allGames())
            tryFolders(settings, drive, game, game.driveFolders);
        if (settings.q3MapValid() && settings.quake3DirValid())
            settings.showMapFiles = true;
    }
    if (!native.home.isEmpty()) {
        for (const GameFacts& game : allGames())
            tryFolders(settings, native.home, game, game.homeFolders);
    }
    for (const QString& root : native.systemRoots) {
        for (const GameFacts& game : allGames())
            tryFolders(settings, root, game, game.systemFolders);
    }
    settings.notifyChanged();
}

NativePlaces nativePlacesOf(const platform::SystemLookup& system) {
    return {system.homeFolder(), system.systemGameRoots()};
}

} // namespace fennick
