#include "core/program_settings.h"

#include "core/fennick_ini.h"
#include "core/game_facts.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

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
    const int slot = gameFacts(game).slot;
    if (slot < 0)
        return;
    GameInstall& install = installs_[slot];
    install = inspectGameFolder(
        game, directories_[slot],
        EngineSettings{ini_.engine(game).trimmed(), ini_.home(game).trimmed()}, system_);
    QString* const executables[kGameCount] = {&game_.quakeExe, &game_.quake2Exe, &game_.quake3Exe};
    *executables[slot] = install.executable;
}

void ProgramSettings::setQ3MapPath(const QString& path) {
    q3MapPath_ = path;
    q3MapValid_ =
        path.right(9).toLower() == QLatin1String("q3map.exe") && platform::fileExists(path);
    Q_EMIT changed();
}

// The map compiler is looked for beside Quake III's Windows executable
// only.
void ProgramSettings::setDirectoryOf(const QString& game, const QString& dir) {
    const int slot = gameFacts(game).slot;
    if (slot < 0)
        return;
    directories_[slot] = dir;
    validate(game);
    if (game == kQuake3) {
        if (installs_[slot].layout == GameInstall::Layout::Windows && !q3MapValid_)
            setQ3MapPath(platform::joinPath(dir, QStringLiteral("Tools\\q3map.exe")));
        Q_EMIT quake3DirectoryChanged();
    }
    Q_EMIT changed();
}

void ProgramSettings::trimTrailingSeparators() {
    for (const GameFacts& game : allGames()) {
        const QString dir = directories_[game.slot];
        if (endsWithSeparator(dir))
            setDirectoryOf(game.id, dir.left(dir.size() - 1));
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
    if (!isGameId(game))
        return;
    ini_.setEngine(game, engine);
    validate(game);
    Q_EMIT changed();
}

const GameInstall& ProgramSettings::installOf(const QString& game) const {
    static const GameInstall none;
    const int slot = gameFacts(game).slot;
    return slot < 0 ? none : installs_[slot];
}

void ProgramSettings::revalidate() {
    for (const GameFacts& game : allGames())
        validate(game.id);
    Q_EMIT changed();
}

QString ProgramSettings::directoryOf(const QString& game) const {
    const int slot = gameFacts(game).slot;
    return slot < 0 ? QString() : directories_[slot];
}

// The newest game first.
QString ProgramSettings::newestValidGame() const {
    for (auto game = allGames().rbegin(); game != allGames().rend(); ++game)
        if (directoryValid(game->id))
            return game->id;
    return {};
}

ProgramSettings::Snapshot ProgramSettings::snapshot() const {
    Snapshot values;
    for (const GameFacts& game : allGames()) {
        values.directories[game.slot] = directories_[game.slot];
        values.engines[game.slot] = engineOf(game.id);
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
    for (const GameFacts& game : allGames())
        if (engineOf(game.id) != values.engines[game.slot])
            setEngineOf(game.id, values.engines[game.slot]);
    for (const GameFacts& game : allGames())
        setDirectoryOf(game.id, values.directories[game.slot]);
    setQ3MapPath(values.q3MapPath);
    oglMode = values.oglMode;
    maxServers = values.maxServers;
    updateFrequency = values.updateFrequency;
    showMapFiles = values.showMapFiles;
    createDescription = values.createDescription;
    Q_EMIT changed();
}

} // namespace fennick
