#include "app/app_log.h"
#include "app/program.h"
#include "app/settings_file.h"
#include "app/startup.h"
#include "cli/run_command.h"
#include "platform/file_system.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

// Records what the start-up shows; waiting moves the manual clock on.
class RecordingView : public StartupView {
public:
    explicit RecordingView(platform::ManualClock& clock) : clock_(clock) {}
    void showSplash() override { calls.append(QStringLiteral("splash")); }
    void showMainWindow() override { calls.append(QStringLiteral("main")); }
    void closeSplash() override { calls.append(QStringLiteral("close")); }
    void waitMilliseconds(int ms) override {
        calls.append(QStringLiteral("wait %1").arg(ms));
        clock_.advance(ms);
    }
    QStringList calls;

private:
    platform::ManualClock& clock_;
};

// A program folder with two fake drives inside it, "c" and "d".
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.writeBytes("c/readme.txt", {});
        temp.writeBytes("d/readme.txt", {});
        drives = {temp.path("c"), temp.path("d")};
    }

    // Runs the start-up with a view and the fake drives.
    void start(int busyMilliseconds = 0) {
        Startup startup(temp.program(), &view);
        startup.drives = drives;
        startup.hooks.loadButtons = [&] {
            hookOrder.append(QStringLiteral("buttons"));
            temp.clock.advance(busyMilliseconds);
        };
        startup.hooks.scanBots = [&] { hookOrder.append(QStringLiteral("bots")); };
        startup.run();
    }

    QStringList logLines() const {
        return QString::fromUtf8(temp.readBytes("fenkit.log")).split("\r\n", Qt::SkipEmptyParts);
    }

    TempProgram temp;
    RecordingView view{temp.clock};
    QStringList drives;
    QStringList hookOrder;
};

TEST_F(StartupTest, FirstStartFindsAGameOnASecondDriveAndSetsDefaults) {
    temp.writeBytes("d/Games/Quake3/quake3.exe", {});
    temp.writeBytes("d/Games/Quake3/tools/q3map.exe", {});
    start();
    Program& program = temp.program();
    const ProgramSettings& settings = program.settings;

    EXPECT_EQ(settings.quake3Dir(), temp.path("d/Games/Quake3"));
    EXPECT_TRUE(settings.quake3DirValid());
    EXPECT_EQ(settings.quakeDir(), platform::joinPath(drives[0], "quake"));
    EXPECT_EQ(settings.quake2Dir(), platform::joinPath(drives[0], "quake2"));
    EXPECT_FALSE(settings.quakeDirValid() || settings.quake2DirValid());
    EXPECT_TRUE(settings.q3MapValid());
    EXPECT_TRUE(settings.showMapFiles);

    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_EQ(program.game.gameDirectory, settings.quake3Dir());
    EXPECT_EQ(program.status.statusText, "Welcome to Fennick For The First Time");
    EXPECT_TRUE(QFileInfo(temp.path("config")).isDir());
    EXPECT_TRUE(QFileInfo(temp.path("temp")).isDir());
    EXPECT_FALSE(QFileInfo::exists(temp.path("config.cfg"))); // written at the end only

    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log[1], "Created config directory");
    EXPECT_EQ(log[3], "Created temp directory");
    EXPECT_EQ(log[5], "Started first time - Welcome and thanks for using Fennick");
    EXPECT_EQ(log[0], logEntryHeader(QDateTime(QDate(2026, 12, 6), QTime(20, 0))));
    EXPECT_TRUE(log[0].startsWith("--- ") && log[0].endsWith(" - --\""));
}

TEST_F(StartupTest, FirstStartSearchesEveryDriveInOrderForEachGame) {
    temp.writeBytes("c/games/quake/quake.exe", {});
    temp.writeBytes("c/Program Files/quake2/quake2.exe", {});
    temp.writeBytes("d/quake2/quake2.exe", {});
    temp.writeBytes("d/quake/glquake.exe", {});
    start();
    const ProgramSettings& settings = temp.program().settings;
    EXPECT_EQ(settings.quakeDir(), temp.path("c/games/quake"));
    EXPECT_EQ(settings.quake2Dir(), temp.path("c/Program Files/quake2"));
    EXPECT_EQ(settings.quake3Dir(), platform::joinPath(drives[0], "quake iii arena"));
    EXPECT_FALSE(settings.showMapFiles);
    EXPECT_EQ(temp.program().game.currentGame, "quake2");
}

TEST_F(StartupTest, StepsRunInOrderAndTheSplashStaysOneSecond) {
    temp.writeFile("cmds.lst", {"\"quake3\",\"g_gametype\",1,1,0,0,\"\",\"\""});
    start(300);
    EXPECT_EQ(view.calls, (QStringList{"splash", "main", "wait 700", "close"}));
    EXPECT_EQ(hookOrder, (QStringList{"buttons", "bots"}));
    const QStringList console = temp.takeConsole();
    ASSERT_GE(console.size(), 3);
    EXPECT_EQ(console[0], "=== Fennick");
    EXPECT_EQ(console[1], "=== Version : 0.13 - Build #72");
    EXPECT_EQ(console.last(), "===Program loaded&initialized in 1.00 seconds.");
    EXPECT_NE(temp.program().catalogue.find("quake3", "g_gametype"), nullptr);

    // A slow start does not wait at all.
    TempProgram slow;
    RecordingView slowView(slow.clock);
    Startup startup(slow.program(), &slowView);
    startup.drives = drives;
    startup.hooks.loadButtons = [&] { slow.clock.advance(1500); };
    startup.run();
    EXPECT_EQ(slowView.calls, (QStringList{"splash", "main", "close"}));
    EXPECT_EQ(slow.takeConsole().last(), "===Program loaded&initialized in 1.50 seconds.");
}

TEST_F(StartupTest, NoUsableGameQueuesTheSetupHint) {
    start();
    Program& program = temp.program();
    EXPECT_TRUE(program.game.currentGame.isEmpty());
    EXPECT_EQ(program.status.queuedText, "Directories are incorrect. Please press Setup to change");
    EXPECT_EQ(program.status.queuedSeconds, 3);
    EXPECT_EQ(program.status.holdUntil, 72005); // the welcome is held first
}

TEST_F(StartupTest, StoredSettingsCountTheUseAndAreSavedAtTheEnd) {
    temp.writeBytes("games/q2/quake2.exe", {});
    temp.writeBytes("config/keep.txt", {});
    temp.writeBytes("temp/keep.txt", {});
    temp.writeFile("config.cfg", {"\"\",0", "\"" + temp.path("games/q2") + "\",0", "\"\",0",
                                  "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "1"});
    start();
    Program& program = temp.program();
    EXPECT_EQ(program.cvars.GetCvar("fenkit_timesused"), "42");
    EXPECT_TRUE(temp.takeConsole().contains("You have used this program 42 times"));
    EXPECT_EQ(program.game.currentGame, "quake2");
    EXPECT_EQ(program.status.statusText, "Welcome to Fennick");
    EXPECT_FALSE(QFileInfo::exists(temp.path("fenkit.log"))); // nothing to log

    Startup(program, nullptr).shutdown();
    const QStringList saved =
        QString::fromUtf8(temp.readBytes("config.cfg")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(saved.size(), 9);
    EXPECT_EQ(saved[1], "\"" + temp.path("games/q2") + "\",0");
    EXPECT_EQ(saved[3], "\"42\"");
    EXPECT_EQ(saved[6], "\"Software\"");
    EXPECT_EQ(saved[8], "1");
}

TEST_F(StartupTest, AFolderThatBecameInvalidIsReplacedByTheDefault) {
    temp.writeBytes("games/q3/quake3.exe", {});
    temp.writeFile("config.cfg", {"\"\",0", "\"" + temp.path("gone") + "\",0",
                                  "\"" + temp.path("games/q3") + "\",0", "\"1\"", "\"10\"", "\"5\"",
                                  "\"Default OpenGL\"", "0,\"\"", "0"});
    start();
    const ProgramSettings& settings = temp.program().settings;
    EXPECT_EQ(settings.quake2Dir(), platform::joinPath(drives[0], "quake2"));
    EXPECT_EQ(settings.quakeDir(), platform::joinPath(drives[0], "quake"));
    EXPECT_EQ(settings.quake3Dir(), temp.path("games/q3"));
    EXPECT_EQ(temp.program().game.currentGame, "quake3");
}

TEST_F(StartupTest, DeletingTheSettingsMakesTheNextStartAFirstStart) {
    // Later runs: fresh programs over the same program folder.
    const QString folder = QFileInfo(temp.path("c")).path();
    const auto runOnce = [&](QStringList* console) {
        ProgramEnvironment environment{folder, &temp.clock, &temp.ui, 1};
        Program program(environment);
        Startup startup(program, nullptr);
        startup.drives = drives;
        startup.run();
        startup.shutdown();
        *console = program.console.lines();
        return program.status.statusText;
    };
    QStringList console;
    EXPECT_EQ(runOnce(&console), "Welcome to Fennick For The First Time");
    EXPECT_EQ(runOnce(&console), "Welcome to Fennick");
    EXPECT_TRUE(console.contains("You have used this program 1 times"));
    EXPECT_EQ(runOnce(&console), "Welcome to Fennick");
    EXPECT_TRUE(console.contains("You have used this program 2 times"));

    ASSERT_TRUE(QFile::remove(temp.path("config.cfg")));
    EXPECT_EQ(runOnce(&console), "Welcome to Fennick For The First Time");
    EXPECT_EQ(logLines().count("Started first time - Welcome and thanks for using Fennick"), 2);
    EXPECT_EQ(runOnce(&console), "Welcome to Fennick");
    EXPECT_TRUE(console.contains("You have used this program 1 times"));
}

TEST_F(StartupTest, FoldersThatCannotBeMadeAreReportedAndTheStartGoesOn) {
    temp.writeBytes("temp", "not a folder");
    start();
    EXPECT_TRUE(QFileInfo(temp.path("config")).isDir());
    const QStringList console = temp.takeConsole();
    const auto failure = std::find_if(console.begin(), console.end(), [](const QString& line) {
        return line.startsWith("Could not create the temp directory");
    });
    EXPECT_NE(failure, console.end());
    EXPECT_EQ(console.last(), "===Program loaded&initialized in 1.00 seconds.");
    EXPECT_TRUE(logLines().contains("Created temp directory"));
}

TEST_F(StartupTest, AnUnwritableLogIsReportedAndTheMessageStillShown) {
    temp.writeBytes("fenkit.log/keep.txt", {});
    EXPECT_FALSE(AppendLog(temp.program(), "Created config directory"));
    const QStringList console = temp.takeConsole();
    ASSERT_EQ(console.size(), 2);
    EXPECT_TRUE(console[0].startsWith("Could not write to fenkit.log"));
    EXPECT_EQ(console[1], "Created config directory");
}

TEST_F(StartupTest, LogEntriesAreAppended) {
    temp.writeBytes("fenkit.log", "old entry\r\n");
    EXPECT_TRUE(AppendLog(temp.program(), "one"));
    temp.clock.advance(60'000);
    EXPECT_TRUE(AppendLog(temp.program(), "two"));
    const QByteArray expected =
        "old entry\r\n" + logEntryHeader(QDateTime(QDate(2026, 12, 6), QTime(20, 0))).toUtf8() +
        "\r\none\r\n" + logEntryHeader(QDateTime(QDate(2026, 12, 6), QTime(20, 1))).toUtf8() +
        "\r\ntwo\r\n";
    EXPECT_EQ(temp.readBytes("fenkit.log"), expected);
    const QString header = logEntryHeader(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    EXPECT_EQ(header, "--- " +
                          QLocale::system().toString(QDate(2026, 12, 6), QLocale::ShortFormat) +
                          " --- " + QLocale::system().toString(QTime(20, 0), QLocale::ShortFormat) +
                          " - --\"");
    EXPECT_EQ(temp.takeConsole(), (QStringList{"one", "two"}));
}

TEST_F(StartupTest, HeadlessStartupReadsSettingsButWritesAndCountsNothing) {
    temp.writeBytes("games/q3/quake3.exe", {});
    temp.writeFile("cmds.lst", {"\"quake3\",\"g_gametype\",1,1,0,0,\"\",\"\""});
    temp.writeFile("config.cfg", {"\"\",0", "\"\",0", "\"" + temp.path("games/q3") + "\",0",
                                  "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "0"});
    const QByteArray before = temp.readBytes("config.cfg");
    Program& program = temp.program();
    headlessStartup(program);

    EXPECT_EQ(program.settings.quake3Dir(), temp.path("games/q3"));
    EXPECT_TRUE(program.settings.quake3DirValid());
    EXPECT_EQ(program.settings.oglMode, "Software");
    EXPECT_NE(program.catalogue.find("quake3", "g_gametype"), nullptr);
    EXPECT_TRUE(program.game.currentGame.isEmpty());
    EXPECT_TRUE(program.cvars.GetCvar("fenkit_timesused").isEmpty());
    for (const QString& line : temp.takeConsole())
        EXPECT_FALSE(line.startsWith("You have used")) << line.toStdString();
    EXPECT_EQ(temp.readBytes("config.cfg"), before);
    EXPECT_FALSE(QFileInfo::exists(temp.path("fenkit.log")));
    EXPECT_FALSE(QFileInfo::exists(temp.path("config")));
    EXPECT_FALSE(QFileInfo::exists(temp.path("temp")));
}

TEST_F(StartupTest, TheCommandLineToolLeavesTheSettingsFileAlone) {
    temp.writeBytes("games/q3/quake3.exe", {});
    temp.writeFile("config.cfg", {"\"\",0", "\"\",0", "\"" + temp.path("games/q3") + "\",0",
                                  "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "0"});
    const QByteArray before = temp.readBytes("config.cfg");
    for (const char* game : {"quake3", "quake2"}) {
        cli::RunOptions options;
        options.programFolder = QFileInfo(temp.path("c")).path();
        options.game = QString::fromLatin1(game);
        options.lines = {QStringLiteral("set g_gametype 1")};
        QString in, out, err;
        QTextStream input(&in), output(&out), errors(&err);
        EXPECT_EQ(cli::runCommand(options, input, output, errors), 0);
        EXPECT_FALSE(out.contains("You have used")) << out.toStdString();
        EXPECT_TRUE(out.contains("g_gametype")) << out.toStdString();
    }
    EXPECT_EQ(temp.readBytes("config.cfg"), before);
    EXPECT_FALSE(QFileInfo::exists(temp.path("fenkit.log")));
}

} // namespace
} // namespace fennick
