#include "core/game_install.h"

#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "core/native_engines.h"
#include "platform/file_system.h"
#include "platform/system_lookup.h"

#include <QDir>

namespace fennick {

namespace {

// The path of a file in the folder as it is spelled on disk, or empty.
QString fileInFolder(const QString& dir, const QString& name, bool mustBeExecutable) {
    const QString candidate = platform::joinPath(dir, name);
    const bool found =
        mustBeExecutable ? platform::isExecutableFile(candidate) : platform::fileExists(candidate);
    return found ? platform::resolvePath(candidate).value_or(candidate) : QString();
}

bool hasSeparator(const QString& text) {
    return text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\'));
}

// The engine the user named: a path (relative ones start from the game
// folder), or a name looked for in the game folder and then on PATH.
void findConfiguredEngine(GameInstall& install, const QString& dir, const QString& engine,
                          const platform::SystemLookup& system) {
    install.source = GameInstall::Source::Configured;
    if (hasSeparator(engine) || engine.startsWith(QLatin1Char('~'))) {
        QString path = system.expandHome(engine);
        if (QDir::isRelativePath(path))
            path = platform::joinPath(dir, path);
        install.executable = fileInFolder(QString(), path, true);
        if (install.executable.isEmpty())
            install.problem = QStringLiteral("the engine %1 is not an executable file").arg(path);
        return;
    }
    install.executable = fileInFolder(dir, engine, true);
    if (install.executable.isEmpty())
        install.executable = system.findOnPath(engine);
    if (install.executable.isEmpty())
        install.problem =
            QStringLiteral("the engine \"%1\" is not in the game folder or on PATH").arg(engine);
}

// The first well-known engine in the game folder, else on PATH: by its
// bare name, else as its release names it for this machine.
void findKnownEngine(GameInstall& install, const QString& game, const QString& dir,
                     const platform::SystemLookup& system) {
    const QStringList names =
        engineFileNames(game, install.dataFolder, system.machineArchitecture());
    for (const QString& name : names) {
        install.executable = fileInFolder(dir, name, true);
        if (!install.executable.isEmpty()) {
            install.source = GameInstall::Source::Folder;
            return;
        }
    }
    for (const QString& name : names) {
        install.executable = system.findOnPath(name);
        if (!install.executable.isEmpty()) {
            install.source = GameInstall::Source::Path;
            return;
        }
    }
    install.problem =
        QStringLiteral("%1 found but no engine: set one in Setup or install %2")
            .arg(install.dataFolder,
                 knownEngineNames(game, install.dataFolder).join(QStringLiteral(", ")));
}

QString missingFolderProblem(const QString& dir) {
    return QStringLiteral("%1 does not exist").arg(dir);
}

QString missingGameProblem(const QString& game, const QString& dir) {
    if (!platform::folderExists(dir))
        return missingFolderProblem(dir);
    // "no quake3.exe, baseq3 or baseoa folder in DIR"
    const GameFacts& facts = gameFacts(game);
    QStringList wanted = facts.windowsExecutables;
    for (const GameEdition& edition : facts.editions)
        wanted.append(edition.dataFolder);
    const QString last = wanted.takeLast();
    return QStringLiteral("no %1 or %2 folder in %3")
        .arg(wanted.join(QStringLiteral(", ")), last, dir);
}

QString homeFolderOf(const GameInstall& install, const QString& configured,
                     const platform::SystemLookup& system) {
    QString folder = configured.isEmpty()
                         ? engineHomeFolder(platform::fileNameOf(install.executable))
                         : system.expandHome(configured);
    if (folder.isEmpty())
        return {};
    if (QDir::isRelativePath(folder))
        folder = platform::joinPath(system.homeFolder(), folder);
    return folder;
}

} // namespace

GameInstall inspectGameFolder(const QString& game, const QString& directory,
                              const EngineSettings& settings,
                              const platform::SystemLookup& system) {
    GameInstall install;
    if (directory.isEmpty() || !isGameId(game)) {
        install.problem = QStringLiteral("no directory is set");
        return install;
    }
    // A folder that does not exist holds nothing to look for; the first
    // start tries many such folders.
    if (!platform::folderExists(directory)) {
        install.dataFolder = gameFacts(game).dataFolder();
        install.problem = missingFolderProblem(directory);
        return install;
    }
    install.dataFolder = baseDataFolder(game, directory);
    for (const QString& name : gameFacts(game).windowsExecutables) {
        install.executable = fileInFolder(directory, name, false);
        if (!install.executable.isEmpty()) {
            install.layout = GameInstall::Layout::Windows;
            return install;
        }
    }
    if (!platform::folderExists(platform::joinPath(directory, install.dataFolder))) {
        install.problem = missingGameProblem(game, directory);
        return install;
    }
    install.dataFound = true;
    if (settings.engine.isEmpty())
        findKnownEngine(install, game, directory, system);
    else
        findConfiguredEngine(install, directory, settings.engine, system);
    if (!install.valid())
        return install;
    install.layout = GameInstall::Layout::Native;
    install.homeFolder = homeFolderOf(install, settings.home, system);
    return install;
}

QString describeInstall(const GameInstall& install) {
    if (!install.valid())
        return install.problem;
    if (install.layout == GameInstall::Layout::Windows)
        return QStringLiteral("Starts %1").arg(install.executable);
    const char* where = install.source == GameInstall::Source::Folder       ? "in the game folder"
                        : install.source == GameInstall::Source::Configured ? "set in fennick.ini"
                                                                            : "found on PATH";
    return QStringLiteral("Starts %1 (%2) with the data folder %3")
        .arg(install.executable, QLatin1String(where), install.dataFolder);
}

} // namespace fennick
