#include "archive/content_folders.h"

#include "platform/file_system.h"

namespace fennick {

QString quake3BaseFolder(const QString& quake3Directory) {
    if (quake3Directory.isEmpty())
        return {};
    for (const QLatin1String base : {QLatin1String("demoq3"), QLatin1String("baseq3")}) {
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
