#pragma once

#include <QString>

namespace fennick {

struct GameInstall;
namespace platform {
class SystemLookup;
}

// Where the start-up script "fenkit.cfg" of a launch goes.
struct ScriptLocation {
    QString path;         // the file; empty without a directory
    bool perUser = false; // in the engine's per-user folder, not the game folder
    QString note;         // why the per-user folder, for the preview
};

// The script goes into the game folder's data or mod folder `folder`
// (directory + folder + "fenkit.cfg"). For the Windows executables (and a
// directory that is not valid) that is all. A native engine gets it there
// only when the program may write into that folder; otherwise (a
// system-wide install) it goes into the engine's per-user folder for the
// same data or mod folder, which the engine searches too. An engine whose
// per-user folder is not known keeps the game folder, whether or not it
// can be written.
ScriptLocation locateScript(const GameInstall& install, const QString& directory,
                            const QString& folder, const platform::SystemLookup& system);

// The same script in the engine's per-user folder, or nothing (an empty
// path) when the engine has none.
ScriptLocation perUserLocation(const GameInstall& install, const QString& directory,
                               const QString& folder);

} // namespace fennick
