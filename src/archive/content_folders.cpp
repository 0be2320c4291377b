#include "archive/content_folders.h"

#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"

namespace fennick {

QString quake3BaseFolder(const QString& quake3Directory) {
    if (quake3Directory.isEmpty())
        return {};
    // The demo's folder first; then the game's base folder, which is
    // "baseoa" for OpenArena.
    for (const QString& base :
         {QStringLiteral("demoq3"), baseDataFolder(kQuake3, quake3Directory)}) {
        const QString folder = platform::joinPath(quake3Directory, base);
        if (platform::folderExists(folder))
            return folder;
    }
    return quake3Directory;
}

QStringList pk3Archives(const QString& folder) {
    const std::optional<QString> onDisk = platform::resolvePath(folder);
    if (!onDisk)
        return {};
    QStringList paths;
    for (const QString& name : platform::listFiles(*onDisk, QStringLiteral("*.pk3")))
        paths.append(platform::joinPath(*onDisk, name));
    return paths;
}

} // namespace fennick
