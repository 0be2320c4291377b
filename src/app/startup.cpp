#include "app/startup.h"

#include "app/app_log.h"
#include "app/program.h"
#include "app/settings_file.h"
#include "common/number_text.h"
#include "core/game_facts.h"
#include "core/game_search.h"
#include "platform/drives.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

// The splash stays up at least this long.
constexpr double kSplashSeconds = 1.0;
// Seconds the "no usable game" message stays in the status line.
constexpr int kNoGameSeconds = 3;

void run(const std::function<void()>& step) {
    if (step)
        step();
}

bool settingsFileExists(const Program& program) {
    return platform::fileExists(program.programPath(QStringLiteral("config.cfg")));
}

// A game still without a valid folder gets the usual install folder, which
// also replaces a stored folder that is no longer valid. A folder that
// holds the game's data and only lacks an engine stays: it is the right
// folder, and the game switch says what is missing.
void applyDefaultDirectories(ProgramSettings& settings, const QStringList& drives) {
    const QString root = platform::defaultGameRoot(drives);
    const auto needsDefault = [&settings](const QString& game) {
        const GameInstall& install = settings.installOf(game);
        return !install.valid() && !install.dataFound;
    };
    for (const GameFacts& game : allGames())
        if (needsDefault(game.id))
            settings.setDirectoryOf(game.id, platform::joinPath(root, game.driveFolders.first()));
}

// Before the game folders are read, since their engines are set here.
void loadFennickIni(Program& program) {
    if (program.ini.load() == FennickIni::FileState::Damaged)
        program.console.ConsolePrint(
            QStringLiteral("fennick.ini could not be read completely; what it lacks is default"));
}

} // namespace

Startup::Startup(Program& program, StartupView* view)
    : drives(platform::fixedDrives()), nativePlaces(nativePlacesOf(program.system)),
      program_(program), view_(view) {
    hooks.scanBots = [&program] { program.botScan.loadNow(); };
}

void Startup::run() {
    startSeconds_ = program_.clock.secondsSinceMidnight();
    if (view_)
        view_->showSplash();
    greet();
    loadTables();
    makeProgramFolders();
    program_.enums.LoadEnums(program_.programFolder, program_.console, program_.clock);
    program_.ui.yieldOnce();
    loadFennickIni(program_);
    loadSettings();
    setDefaultDirectories();
    chooseStartGame();
    fennick::run(hooks.scanBots);
    finish();
    if (view_ && program_.game.currentGame.isEmpty())
        view_->noGameFound();
}

void Startup::greet() {
    program_.status.showWelcome(QStringLiteral("Welcome to Fennick"),
                                program_.clock.secondsSinceMidnight());
    program_.console.ConsolePrint(QStringLiteral("=== Fennick"));
    program_.console.ConsolePrint(QStringLiteral("=== Version : %1.%2 - Build #%3")
                                      .arg(kVersionMajor)
                                      .arg(kVersionMinor)
                                      .arg(kVersionRevision));
}

// Empties what the later steps fill, then loads the catalogue and lets the
// other parts of the program set themselves up.
void Startup::loadTables() {
    program_.cvars.ClearCvars();
    program_.cvars.clearExtraCommands();
    program_.enums.clear();
    program_.catalogue.LoadCommands(program_.programFolder, program_.console, program_.clock);
    fennick::run(hooks.buildResolutionList);
    fennick::run(hooks.initCustomWindows);
    program_.LoadButtons();
    fennick::run(hooks.setOnlineMode);
}

void Startup::makeProgramFolders() {
    for (const QString& note : programFolderNotes)
        AppendLog(program_, note);
    makeProgramFolder(QStringLiteral("config"), QStringLiteral("Created config directory"));
    makeProgramFolder(QStringLiteral("temp"), QStringLiteral("Created temp directory"));
}

// The log entry comes first, so the log tells what was attempted even when
// the folder cannot be made.
void Startup::makeProgramFolder(const QString& name, const QString& createdMessage) {
    const QString path = program_.programPath(name);
    if (platform::folderExists(path))
        return;
    AppendLog(program_, createdMessage);
    QString error;
    if (!platform::makeFolder(path, &error))
        AppendLog(program_,
                  QStringLiteral("Could not create the %1 directory: %2").arg(name, error));
}

void Startup::loadSettings() {
    if (settingsFileExists(program_)) {
        LoadProgramSettings(program_, true);
        return;
    }
    AppendLog(program_,
              QStringLiteral("Started first time - Welcome and thanks for using Fennick"));
    program_.status.statusText = QStringLiteral("Welcome to Fennick For The First Time");
    searchGameDirectories(program_.settings, drives, nativePlaces);
}

void Startup::setDefaultDirectories() {
    applyDefaultDirectories(program_.settings, drives);
}

void Startup::chooseStartGame() {
    const QString game = program_.settings.newestValidGame();
    if (!game.isEmpty())
        program_.switcher.SwitchGame(game);
    else
        queueNoGameMessage();
}

// The message stands only while no folder is valid: once the user has
// corrected one in the setup dialog, it is taken back.
void Startup::queueNoGameMessage() {
    const QString message =
        QStringLiteral("Directories are incorrect. Please press Setup to change");
    program_.status.queue(message, kNoGameSeconds);
    Program& program = program_;
    QObject::connect(
        &program.settings, &ProgramSettings::changed, &program.settings, [&program, message] {
            const ProgramSettings& settings = program.settings;
            if (settings.quakeDirValid() || settings.quake2DirValid() || settings.quake3DirValid())
                program.status.withdraw(message);
        });
}

// Shows the main window, keeps the splash up for at least a second from
// the start, and reports how long the start took.
void Startup::finish() {
    if (view_)
        view_->showMainWindow();
    program_.ui.yieldOnce();
    if (view_) {
        const double left = kSplashSeconds - program_.clock.elapsedSince(startSeconds_);
        const int ms = qRound(left * 1000.0);
        if (ms > 0)
            view_->waitMilliseconds(ms);
        view_->closeSplash();
    }
    program_.console.ConsolePrint(QStringLiteral("===Program loaded&initialized in ") +
                                  formatSeconds(program_.clock.elapsedSince(startSeconds_)) +
                                  QStringLiteral(" seconds."));
}

void Startup::shutdown() {
    QString error;
    if (!SaveProgramSettings(program_, &error))
        program_.console.ConsolePrint(QStringLiteral("Could not save config.cfg (%1)").arg(error));
    if (!program_.ini.save(&error))
        program_.console.ConsolePrint(QStringLiteral("Could not save fennick.ini (%1)").arg(error));
}

void headlessStartup(Program& program) {
    program.loadCatalogue();
    program.LoadButtons();
    loadFennickIni(program);
    if (settingsFileExists(program)) {
        LoadProgramSettings(program, false);
    } else {
        const QStringList drives = platform::fixedDrives();
        searchGameDirectories(program.settings, drives, nativePlacesOf(program.system));
        applyDefaultDirectories(program.settings, drives);
    }
    program.botScan.loadNow();
}

} // namespace fennick
