#include "launch/script_location.h"

#include "core/game_install.h"
#include "platform/file_system.h"
#include "platform/system_lookup.h"

namespace fennick {

namespace {

const QString kScriptName = QStringLiteral("fenkit.cfg");

} // namespace

ScriptLocation perUserLocation(const GameInstall& install, const QString& directory,
                               const QString& folder) {
    if (!install.native() || install.homeFolder.isEmpty())
        return {};
    ScriptLocation location;
    location.path = platform::joinPath(platform::joinPath(install.homeFolder, folder), kScriptName);
    location.perUser = true;
    location.note =
        QStringLiteral("%1 is read-only or system-wide: fenkit.cfg goes to the "
                       "per-user folder of %2")
            .arg(platform::joinPath(directory, folder), platform::fileNameOf(install.executable));
    return location;
}

ScriptLocation locateScript(const GameInstall& install, const QString& directory,
                            const QString& folder, const platform::SystemLookup& system) {
    if (directory.isEmpty())
        return {};
    const QString gameFolder = platform::joinPath(directory, folder);
    ScriptLocation inGame{platform::joinPath(gameFolder, kScriptName), false, QString()};
    if (!install.native() || system.canWriteInto(gameFolder))
        return inGame;
    const ScriptLocation perUser = perUserLocation(install, directory, folder);
    return perUser.path.isEmpty() ? inGame : perUser;
}

} // namespace fennick
