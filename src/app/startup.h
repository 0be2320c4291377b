#pragma once

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
    // Where the first start looks for installed games, in order.
    QStringList drives;
    // What was done to the program folder before the start (created, files
    // copied in, newer shipped files offered), logged with the folder
    // creation entries.
    QStringList programFolderNotes;

    void run();      // the whole desktop start-up, in order
    void shutdown(); // SaveProgramSettings (windows are closed by the caller)

private:
    void greet();
    void loadTables();
    void makeProgramFolders();
    void makeProgramFolder(const QString& name, const QString& createdMessage);
    void loadSettings();
    void setDefaultDirectories();
    void chooseStartGame();
    void finish();

    Program& program_;
    StartupView* view_;
    double startSeconds_ = 0.0;
};

// The CLI's start-up: catalogue, enumerations and config.cfg (game folders and
// the other fields) without writing anything, counting a use or choosing a game.
void headlessStartup(Program& program);

constexpr int kVersionMajor = 0, kVersionMinor = 13, kVersionRevision = 72;

} // namespace fennick
