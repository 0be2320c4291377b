#include "platform/system_lookup.h"

#include "platform/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

namespace fennick::platform {

namespace {

// A folder that belongs to the system's packages.
bool isSystemWide(const QString& folder) {
#ifdef Q_OS_WIN
    (void)folder;
    return false;
#else
    const QString real = QFileInfo(folder).canonicalFilePath();
    for (const char* root : {"/usr", "/opt"}) {
        const QLatin1String prefix(root);
        if (real == prefix || real.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
#endif
}

} // namespace

QString SystemLookup::findOnPath(const QString& name) const {
    if (name.isEmpty())
        return {};
    return QStandardPaths::findExecutable(name);
}

QString SystemLookup::homeFolder() const {
    return QDir::homePath();
}

QString SystemLookup::machineArchitecture() const {
    return QSysInfo::currentCpuArchitecture();
}

QStringList SystemLookup::systemGameRoots() const {
#ifdef Q_OS_WIN
    return {};
#else
    return {QStringLiteral("/usr/share/games"), QStringLiteral("/usr/local/games")};
#endif
}

bool SystemLookup::canWriteInto(const QString& folder) const {
    const std::optional<QString> found = resolvePath(folder);
    if (!found)
        return false;
    const QFileInfo info(*found);
    return info.isDir() && info.isWritable() && !isSystemWide(*found);
}

QString SystemLookup::expandHome(const QString& path) const {
    if (path == QLatin1String("~"))
        return homeFolder();
    if (path.startsWith(QLatin1String("~/")) || path.startsWith(QLatin1String("~\\")))
        return joinPath(homeFolder(), path.mid(2));
    return path;
}

bool isExecutableFile(const QString& path) {
    const std::optional<QString> found = resolvePath(path);
    if (!found)
        return false;
    const QFileInfo info(*found);
    return info.isFile() && info.isExecutable();
}

} // namespace fennick::platform
