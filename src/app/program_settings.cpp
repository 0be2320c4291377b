#include "app/program_settings.h"

#include "app/fennick_ini.h"
#include "core/game_facts.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

// The slot of a game in the list of validation results: 0, 1 or 2, and
// -1 for anything else.
int slotOf(const QString& game) {
    return game == kQuake1 ? 0 : game == kQuake2 ? 1 : game == kQuake3 ? 2 : -1;
}

QString GameState::*exeOf(const QString& game) {
    return game == kQuake1   ? &GameState::quakeExe
           : game == kQuake2 ? &GameState::quake2Exe
                             : &GameState::quake3Exe;
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

ProgramSettings::ProgramSettings(GameState& game, FennickIni& ini,
                                 const platform::SystemLookup& system, QObject* parent)
    : QObject(parent), game_(game), ini_(ini), system_(system) {}

void ProgramSettings::validate(const QString& game) {
    const int slot = slotOf(game);
    if (slot < 0)
        return;
    GameInstall& install = installs_[slot];
    install = inspectGameFolder(
        game, directoryOf(game),
        EngineSettings{ini_.engine(game).trimmed(), ini_.home(game).trimmed()}, system_);
    game_.*exeOf(game) = install.executable;
}

void ProgramSettings::setQuakeDir(const QString& dir) {
    quakeDir_ = dir;
    validate(kQuake1);
    Q_EMIT changed();
}

void ProgramSettings::setQuake2Dir(const QString& dir) {
    quake2Dir_ = dir;
    validate(kQuake2);
    Q_EMIT changed();
}

// The map compiler is looked for beside the Windows executable only.
void ProgramSettings::setQuake3Dir(const QString& dir) {
    quake3Dir_ = dir;
    validate(kQuake3);
    if (installs_[2].layout == GameInstall::Layout::Windows && !q3MapValid_)
        setQ3MapPath(platform::joinPath(dir, QStringLiteral("Tools\\q3map.exe")));
    Q_EMIT quake3DirectoryChanged();
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

QString ProgramSettings::engineOf(const QString& game) const {
    return ini_.engine(game);
}

void ProgramSettings::setEngineOf(const QString& game, const QString& engine) {
    if (slotOf(game) < 0)
        return;
    ini_.setEngine(game, engine);
    validate(game);
    Q_EMIT changed();
}

const GameInstall& ProgramSettings::installOf(const QString& game) const {
    static const GameInstall none;
    const int slot = slotOf(game);
    return slot < 0 ? none : installs_[slot];
}

void ProgramSettings::revalidate() {
    for (const QString& game : {kQuake1, kQuake2, kQuake3})
        validate(game);
    Q_EMIT changed();
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

ProgramSettings::Snapshot ProgramSettings::snapshot() const {
    Snapshot values;
    const QString games[3] = {kQuake1, kQuake2, kQuake3};
    for (int i = 0; i < 3; ++i) {
        values.directories[i] = directoryOf(games[i]);
        values.engines[i] = engineOf(games[i]);
    }
    values.q3MapPath = q3MapPath_;
    values.oglMode = oglMode;
    values.maxServers = maxServers;
    values.updateFrequency = updateFrequency;
    values.showMapFiles = showMapFiles;
    values.createDescription = createDescription;
    return values;
}

// Engines first, since they decide the directories' validity; the q3map
// path last, since a Quake III directory may offer one of its own.
void ProgramSettings::restore(const Snapshot& values) {
    const QString games[3] = {kQuake1, kQuake2, kQuake3};
    for (int i = 0; i < 3; ++i)
        if (engineOf(games[i]) != values.engines[i])
            setEngineOf(games[i], values.engines[i]);
    for (int i = 0; i < 3; ++i)
        setDirectoryOf(games[i], values.directories[i]);
    setQ3MapPath(values.q3MapPath);
    oglMode = values.oglMode;
    maxServers = values.maxServers;
    updateFrequency = values.updateFrequency;
    showMapFiles = values.showMapFiles;
    createDescription = values.createDescription;
    Q_EMIT changed();
}

} // namespace fennick
