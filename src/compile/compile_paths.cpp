#include "compile/compile_paths.h"

#include "platform/file_system.h"

#include <QFileInfo>

namespace fennick {

namespace {

const QLatin1String kWindowsQ3map("q3map.exe");
const QLatin1String kNativeQ3map("q3map");

QString nativeBspcName() {
#ifdef Q_OS_WIN
    return QStringLiteral("bspc.exe");
#else
    return QStringLiteral("bspc");
#endif
}

// The batch hands paths to programs that look for them exactly as written.
QString spelledOnDisk(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    return platform::resolvePath(path).value_or(path);
}

} // namespace

BspcPath bspcPathFor(const QString& q3mapPath) {
    if (q3mapPath.endsWith(kWindowsQ3map, Qt::CaseInsensitive))
        return {q3mapPath.chopped(kWindowsQ3map.size()) + QStringLiteral("bspc.exe"), {}};
    if (q3mapPath.endsWith(kNativeQ3map, Qt::CaseInsensitive))
        return {q3mapPath.chopped(kNativeQ3map.size()) + QStringLiteral("bspc"), {}};
    if (q3mapPath.size() < kWindowsQ3map.size())
        return {{},
                QStringLiteral("the q3map path \"%1\" is too short to hold the name %2, so "
                               "there is no bspc beside it")
                    .arg(q3mapPath, kWindowsQ3map)};
    return {platform::joinPath(platform::parentFolderOf(q3mapPath), nativeBspcName()), {}};
}

CompilePaths compilePaths(const QString& mapFolder, const QString& mapName,
                          const QString& q3mapPath) {
    CompilePaths paths;
    paths.mapFile = spelledOnDisk(platform::joinPath(mapFolder, mapName));
    paths.bspFile =
        paths.mapFile.left(qMax<qsizetype>(0, paths.mapFile.size() - 3)) + QStringLiteral("bsp");
    paths.q3map = spelledOnDisk(q3mapPath);
    paths.bspc = bspcPathFor(paths.q3map);
    paths.bspc.path = spelledOnDisk(paths.bspc.path);
    return paths;
}

} // namespace fennick
