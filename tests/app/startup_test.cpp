#include "app/app_log.h"
#include "app/program.h"
#include "app/startup.h"
#include "cli/run_command.h"
#include "platform/file_system.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

// Records what the start-up shows; waiting moves the manual clock on.
class RecordingView : public StartupView {
public:
    explicit RecordingView(platform::ManualClock& clock) : clock_(clock) {}
    void showSplash() override { calls.append("splash"); }
    void showMainWindow() override { calls.append("main"); }
    void closeSplash() override { calls.append("close"); }
    void waitMilliseconds(int ms) override {
        calls.append(QStringLiteral("wait %1").arg(ms));
        clock_.advance(ms);
    }
    QStringList calls;

private:
    platform::ManualClock& clock_;
};

QString quoted(const QString& text) {
    return '"' + text + '"';
}

// A program folder holding two fake drives, "c" and "d".
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.writeBytes("c/readme.txt", {});
        temp.writeBytes("d/readme.txt", {});
        drives = {temp.path("c"), temp.path("d")};
    }

    void start(int busyMilliseconds = 0) {
        Startup startup(temp.program(), &view);
        startup.drives = drives;
        startup.nativePlaces = nativePlaces;
        startup.hooks.setOnlineMode = [&] { temp.clock.advance(busyMilliseconds); };
        startup.run();
    }

    // "config.cfg" naming the given Quake II and III folders.
    void writeSettings(const QString& q2, const QString& q3, const QString& usage) {
        temp.writeFile("config.cfg", {"\"\",0", quoted(q2) + ",0", quoted(q3) + ",0", quoted(usage),
                                      "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "1"});
    }

    QStringList fileLines(const QString& name) const {
        return QString::fromUtf8(temp.readBytes(name)).split("\r\n", Qt::SkipEmptyParts);
    }

    QString defaultFolder(const QString& name) const { return platform::joinPath(drives[0], name); }

    TempProgram temp;
    RecordingView view{temp.clock};
    QStringList drives;
    NativePlaces nativePlaces;
};

TEST_F(StartupTest, FirstStartFindsAGameOnTheSecondDriveAndSetsDefaults) {
    temp.writeBytes("d/Games/Quake3/quake3.exe", {});
    temp.writeBytes("d/Games/Quake3/tools/q3map.exe", {});
    start();
    Program& program = temp.program();
    const ProgramSettings& settings = program.settings;

    EXPECT_EQ(settings.quake3Dir(), temp.path("d/Games/Quake3"));
    EXPECT_EQ(settings.quakeDir(), defaultFolder("quake"));
    EXPECT_EQ(settings.quake2Dir(), defaultFolder("quake2"));
    EXPECT_TRUE(settings.q3MapValid() && settings.showMapFiles);
    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_EQ(program.game.gameDirectory, settings.quake3Dir());
    EXPECT_EQ(program.status.statusText, "Welcome to Fennick For The First Time");
    EXPECT_TRUE(QFileInfo(temp.path("config")).isDir() && QFileInfo(temp.path("temp")).isDir());

    const QString header = logEntryHeader(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    EXPECT_TRUE(header.startsWith("--- ") && header.endsWith(" - --\""));
    EXPECT_EQ(fileLines("fenkit.log"),
              (QStringList{header, "Created config directory", header, "Created temp directory",
                           header, "Started first time - Welcome and thanks for using Fennick"}));
}

TEST_F(StartupTest, FirstStartTriesEachGamesFoldersDriveByDrive) {
    temp.writeBytes("c/games/quake/quake.exe", {});
    temp.writeBytes("c/Program Files/quake2/quake2.exe", {});
    temp.writeBytes("d/quake2/quake2.exe", {}); // not reached: Quake II is already found
    start();
    const ProgramSettings& settings = temp.program().settings;
    EXPECT_EQ(settings.quakeDir(), temp.path("c/games/quake"));
    EXPECT_EQ(settings.quake2Dir(), temp.path("c/Program Files/quake2"));
    EXPECT_EQ(settings.quake3Dir(), defaultFolder("quake iii arena"));
    EXPECT_FALSE(settings.showMapFiles);
    EXPECT_EQ(temp.program().game.currentGame, "quake2");
}

TEST_F(StartupTest, FirstStartThenTriesNativePlacesWithEnginesOnPath) {
    test::ScopedEnvironment path("PATH", temp.path("bin"));
    for (const char* engine : {"bin/ioquake3", "bin/yquake2", "bin/openarena"})
        test::writeFakeEngine(temp.path(engine), temp.path("run.txt"));
    nativePlaces = {temp.path("home"), {temp.path("share"), temp.path("local")}};
    for (const char* folder : {"d/games/quake3/baseq3", "share/quake/id1", "share/quake3/baseq3",
                               "local/quake2/baseq2", "share/openarena/baseoa"})
        QDir().mkpath(temp.path(folder));
    temp.writeBytes("d/games/quake3/notes.txt", {});
    start();
    const ProgramSettings& settings = temp.program().settings;
    // The drives' folders come first; Quake has data but no engine here.
    EXPECT_EQ(settings.quake3Dir(), temp.path("d/games/quake3"));
    EXPECT_EQ(settings.quake2Dir(), temp.path("local/quake2"));
    EXPECT_EQ(settings.quakeDir(), defaultFolder("quake"));
    EXPECT_EQ(temp.program().game.quake2Exe, temp.path("bin/yquake2"));
    EXPECT_FALSE(settings.showMapFiles);

    // On its own, OpenArena below the home folder is found too.
    TempProgram other;
    other.writeBytes("home/openarena/baseoa/pak0.pk3", {});
    Startup startup(other.program(), nullptr);
    startup.drives = {};
    startup.nativePlaces = {other.path("home"), {}};
    startup.run();
    EXPECT_EQ(other.program().settings.quake3Dir(), other.path("home/openarena"));
    EXPECT_EQ(other.program().game.quake3Exe, temp.path("bin/openarena"));
    EXPECT_EQ(other.program().game.currentGame, "quake3");
}

// Stored folders that are no longer valid get the defaults and Setup is
// asked for, but a folder with the game's data and no engine is kept.
TEST_F(StartupTest, InvalidStoredFoldersGetDefaultsUnlessTheyHoldData) {
    test::ScopedEnvironment path("PATH", temp.path("bin"));
    QDir().mkpath(temp.path("q1/id1"));
    temp.writeFile("config.cfg",
                   {quoted(temp.path("q1")) + ",0", quoted(temp.path("gone/q2")) + ",0",
                    quoted(temp.path("gone/q3")) + ",0", "\"1\"", "\"10\"", "\"5\"", "\"Software\"",
                    "0,\"\"", "1"});
    start();
    Program& program = temp.program();
    EXPECT_EQ(program.settings.quakeDir(), temp.path("q1"));
    EXPECT_FALSE(program.settings.quakeDirValid());
    EXPECT_EQ(program.settings.quake2Dir(), defaultFolder("quake2"));
    EXPECT_EQ(program.settings.quake3Dir(), defaultFolder("quake iii arena"));
    EXPECT_TRUE(program.game.currentGame.isEmpty());
    EXPECT_EQ(program.status.queuedText, "Directories are incorrect. Please press Setup to change");
    EXPECT_EQ(program.status.queuedSeconds, 3);
    EXPECT_EQ(program.status.holdUntil, 72005); // after the welcome's five seconds
    // The settings file of our own is written at the end, with every key.
    Startup(program, nullptr).shutdown();
    EXPECT_TRUE(QString::fromUtf8(temp.readBytes("fennick.ini")).contains("[engines]"));
}

TEST_F(StartupTest, TheSplashStaysOneSecondAndTheTimeIsReported) {
    start(300);
    EXPECT_EQ(view.calls, (QStringList{"splash", "main", "wait 700", "close"}));
    const QStringList console = temp.takeConsole();
    ASSERT_GE(console.size(), 3);
    EXPECT_EQ(console[0], "=== Fennick");
    EXPECT_EQ(console[1], "=== Version : 0.13 - Build #72");
    EXPECT_EQ(console.last(), "===Program loaded&initialized in 1.00 seconds.");

    view.calls.clear(); // a slow start does not wait at all
    start(1500);
    EXPECT_EQ(view.calls, (QStringList{"splash", "main", "close"}));
    EXPECT_EQ(temp.takeConsole().last(), "===Program loaded&initialized in 1.50 seconds.");
}

TEST_F(StartupTest, StoredSettingsCountTheUseAndAreSavedAtShutdown) {
    temp.writeBytes("games/q2/quake2.exe", {});
    temp.writeBytes("config/keep.txt", {});
    temp.writeBytes("temp/keep.txt", {});
    writeSettings(temp.path("games/q2"), QString(), "41");
    start();
    Program& program = temp.program();
    EXPECT_EQ(program.cvars.GetCvar("fenkit_timesused"), "42");
    EXPECT_TRUE(temp.takeConsole().contains("You have used this program 42 times"));
    EXPECT_EQ(program.game.currentGame, "quake2");
    EXPECT_EQ(program.status.statusText, "Welcome to Fennick");
    EXPECT_FALSE(QFileInfo::exists(temp.path("fenkit.log"))); // nothing to log

    Startup(program, nullptr).shutdown();
    const QStringList saved = fileLines("config.cfg");
    ASSERT_EQ(saved.size(), 9);
    EXPECT_EQ(saved[1], quoted(temp.path("games/q2")) + ",0");
    EXPECT_EQ(saved[2], quoted(defaultFolder("quake iii arena")) + ",0");
    EXPECT_EQ(saved[3], "\"42\"");
}

TEST_F(StartupTest, FailuresToMakeFoldersOrWriteTheLogAreReportedAndTheStartGoesOn) {
    temp.writeBytes("temp", "a file, not a folder");
    start();
    EXPECT_TRUE(QFileInfo(temp.path("config")).isDir());
    const QStringList console = temp.takeConsole();
    EXPECT_TRUE(std::any_of(console.begin(), console.end(), [](const QString& line) {
        return line.startsWith("Could not create the temp directory");
    }));
    EXPECT_EQ(console.last(), "===Program loaded&initialized in 1.00 seconds.");

    TempProgram blocked;
    blocked.writeBytes("fenkit.log/keep.txt", {});
    EXPECT_FALSE(AppendLog(blocked.program(), "Created config directory"));
    const QStringList lines = blocked.takeConsole();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Could not write to fenkit.log"));
    EXPECT_EQ(lines[1], "Created config directory");
}

TEST_F(StartupTest, TheCommandLineToolReadsSettingsButWritesAndCountsNothing) {
    temp.writeBytes("games/q3/quake3.exe", {});
    writeSettings(QString(), temp.path("games/q3"), "41");
    const QByteArray before = temp.readBytes("config.cfg");

    Program& program = temp.program();
    headlessStartup(program);
    EXPECT_TRUE(program.settings.quake3DirValid());
    EXPECT_EQ(program.settings.oglMode, "Software");
    EXPECT_TRUE(program.game.currentGame.isEmpty());
    EXPECT_TRUE(program.cvars.GetCvar("fenkit_timesused").isEmpty());

    for (const char* game : {"quake3", "quake2"}) {
        cli::RunOptions options;
        options.programFolder = QFileInfo(temp.path("c")).path();
        options.game = QString::fromLatin1(game);
        options.lines = {"set g_gametype 1"};
        QString in, out, err;
        QTextStream input(&in), output(&out), errors(&err);
        EXPECT_EQ(cli::runCommand(options, input, output, errors), 0);
        EXPECT_FALSE(out.contains("You have used")) << out.toStdString();
        EXPECT_TRUE(out.contains("g_gametype")) << out.toStdString();
    }
    EXPECT_EQ(temp.readBytes("config.cfg"), before);
    EXPECT_FALSE(QFileInfo::exists(temp.path("fenkit.log")));
    EXPECT_FALSE(QFileInfo::exists(temp.path("config")));
}

} // namespace
} // namespace fennick
