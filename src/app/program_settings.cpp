#include "app/program_settings.h"

#include "common/game_ids.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

// The full path of the first executable that exists in the folder, in the
// given order of preference, spelled as it is on disk.
QString findExecutable(const QString& dir, std::initializer_list<const char*> names) {
    if (dir.isEmpty())
        return {};
    for (const char* name : names) {
        const QString candidate = platform::joinPath(dir, QLatin1String(name));
        if (platform::fileExists(candidate))
            return platform::resolvePath(candidate).value_or(candidate);
    }
    return {};
}

// A folder typed with a separator at its end. Windows paths end in "\";
// elsewhere "/" counts too, except for the root folder "/" itself, which
// would otherwise turn into an empty field.
bool endsWithSeparator(const QString& dir) {
    if (dir.endsWith(QLatin1Char('\\')))
        return true;
#ifdef Q_OS_WIN
    return false;
#else
    return dir.size() > 1 && dir.endsWith(QLatin1Char('/'));
#endif
}

} // namespace

ProgramSettings::ProgramSettings(GameState& game, QObject* parent) : QObject(parent), game_(game) {}

void ProgramSettings::setQuakeDir(const QString& dir) {
    quakeDir_ = dir;
    game_.quakeExe =
        findExecutable(dir, {"vquake.exe", "glquake.exe", "winquake.exe", "quake.exe"});
    Q_EMIT changed();
}

void ProgramSettings::setQuake2Dir(const QString& dir) {
    quake2Dir_ = dir;
    game_.quake2Exe = findExecutable(dir, {"quake2.exe"});
    Q_EMIT changed();
}

void ProgramSettings::setQuake3Dir(const QString& dir) {
    quake3Dir_ = dir;
    game_.quake3Exe = findExecutable(dir, {"quake3.exe"});
    if (!game_.quake3Exe.isEmpty() && !q3MapValid_)
        setQ3MapPath(platform::joinPath(dir, QStringLiteral("Tools\\q3map.exe")));
    Q_EMIT changed();
}

void ProgramSettings::setQ3MapPath(const QString& path) {
    q3MapPath_ = path;
    q3MapValid_ =
        path.right(9).toLower() == QLatin1String("q3map.exe") && platform::fileExists(path);
    Q_EMIT changed();
}

void ProgramSettings::setDirectoryOf(const QString& game, const QString& dir) {
    if (game == kQuake1)
        setQuakeDir(dir);
    else if (game == kQuake2)
        setQuake2Dir(dir);
    else if (game == kQuake3)
        setQuake3Dir(dir);
}

void ProgramSettings::trimTrailingSeparators() {
    for (const QString& game : {kQuake1, kQuake2, kQuake3}) {
        const QString dir = directoryOf(game);
        if (endsWithSeparator(dir))
            setDirectoryOf(game, dir.left(dir.size() - 1));
    }
}

const QStringList& ProgramSettings::oglModes() {
    static const QStringList modes = {QStringLiteral("Software"), QStringLiteral("Default OpenGL"),
                                      QStringLiteral("3dfx OpenGL"),
                                      QStringLiteral("PowerVR OpenGL")};
    return modes;
}

QString ProgramSettings::directoryOf(const QString& game) const {
    if (game == kQuake1)
        return quakeDir_;
    if (game == kQuake2)
        return quake2Dir_;
    if (game == kQuake3)
        return quake3Dir_;
    return {};
}

} // namespace fennick
