#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

class ProgramSettings;
namespace platform {
class SystemLookup;
}

// Where native installations usually are, searched after the drives: the
// user's home folder and the system-wide game roots ("/usr/share/games",
// "/usr/local/games").
struct NativePlaces {
    QString home;
    QStringList systemRoots;
};
NativePlaces nativePlacesOf(const platform::SystemLookup& system);

// The first-start search for installed games. For each drive in order, the
// usual install folders of Quake, Quake II and Quake III Arena are tried
// while that game's executable is still unknown; trying a folder assigns it
// to the game's directory field, which validates it. After each drive's
// Quake III folders, a valid q3map next to a found Quake III turns on the
// listing of uncompiled maps. Then, still only for games without a valid
// folder, the native places: the home folder's "quake3", "openarena" and
// "games/openarena", then below each system root "quake", "quake2",
// "quake3" and "openarena". A folder there is valid when it holds the
// game's data and an engine is found (usually on PATH).
void searchGameDirectories(ProgramSettings& settings, const QStringList& drives,
                           const NativePlaces& native = {});

} // namespace fennick
