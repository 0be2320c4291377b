#pragma once

#include "core/game_search.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace fennick {

class Program;

// What the desktop program shows during start-up; the CLI passes none.
class StartupView {
public:
    virtual ~StartupView() = default;
    virtual void showSplash() {}
    virtual void showMainWindow() {} // load it, draw its title strip, show it
    virtual void closeSplash() {}
    // Waits (without spinning: nested event loop with a timer) for the given ms.
    virtual void waitMilliseconds(int ms) { (void)ms; }
    // After the start, when no game folder is valid: guide the user to the
    // setup dialog.
    virtual void noGameFound() {}
};

// Start-up steps that belong to other parts of the program; an empty one
// is skipped.
struct StartupHooks {
    std::function<void()> buildResolutionList, initCustomWindows, setOnlineMode, scanBots;
};

// Brings the desktop program up in its fixed order, and takes it down.
class Startup {
public:
    Startup(Program& program, StartupView* view); // view may be null
    StartupHooks hooks;
    // Where the first start looks for installed games, in order: the
    // drives, then the places of native installations.
    QStringList drives;
    NativePlaces nativePlaces;
    // What was done to the program folder before the start (created, files
    // copied in, newer shipped files offered), logged with the folder
    // creation entries.
    QStringList programFolderNotes;

    void run();      // the whole desktop start-up, in order
    void shutdown(); // SaveProgramSettings and fennick.ini (windows are closed by the caller)

private:
    void greet();
    void loadTables();
    void makeProgramFolders();
    void makeProgramFolder(const QString& name, const QString& createdMessage);
    void loadSettings();
    void setDefaultDirectories();
    void chooseStartGame();
    void queueNoGameMessage();
    void finish();

    Program& program_;
    StartupView* view_;
    double startSeconds_ = 0.0;
};

// The CLI's start-up: catalogue, enumerations, fennick.ini and config.cfg (game
// folders and the other fields) without writing them, counting a use or
// choosing a game; without config.cfg the game folders are searched for and
// defaulted as on a first start, in memory only. Then the bot scan (which
// extracts the bot scripts into "temp").
void headlessStartup(Program& program);

constexpr int kVersionMajor = 0, kVersionMinor = 13, kVersionRevision = 72;

} // namespace fennick
