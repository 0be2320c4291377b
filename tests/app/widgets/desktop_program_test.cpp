#include "app/widgets/desktop_fixture.h"
#include "app/widgets/desktop_program.h"

#include "buttons/widgets/fast_info_view.h"
#include "launch/widgets/launch_button.h"
#include "platform/text_file.h"
#include "support/fake_engines.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// The whole desktop program over a temporary program folder: start-up with
// a stored settings file, then the main window's close.
TEST(DesktopProgram, StartsOnTheStoredGameAndSavesWhenTheMainWindowCloses) {
    QTemporaryDir folder;
    const QString gameDir = folder.filePath("games/q3");
    QDir().mkpath(gameDir);
    QFile(gameDir + "/quake3.exe").open(QIODevice::WriteOnly);
    ASSERT_TRUE(
        platform::writeTextLines(folder.filePath("config.cfg"),
                                 {"\"\",0", "\"\",0", QStringLiteral("\"%1\",0").arg(gameDir),
                                  "\"41\"", "\"10\"", "\"5\"", "\"Software\"", "0,\"\"", "0"}));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/InfoBackQ3.gif"),
                            folder.filePath("InfoBackQ3.gif")));

    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    DesktopProgram desktop(folder.path(), &clock);
    desktop.startup().drives.clear();
    ASSERT_TRUE(desktop.start());

    Program& program = desktop.program();
    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_TRUE(desktop.mainWindow().isVisible());
    EXPECT_FALSE(desktop.setupDialog().isVisible());
    EXPECT_TRUE(program.console.lines().contains("=== Fennick"));
    // The fast-info panel is drawn over the game's picture.
    auto* info = desktop.mainWindow().findChild<FastInfoView*>("picInfo");
    const QImage shown = info->picture();
    info->showBackground(QString());
    EXPECT_NE(info->picture(), shown);
    // The console window shows what start-up printed before anyone opened it.
    program.interpreter.ExecuteLine("openconsole", false);
    EXPECT_TRUE(desktop.consoleWindow().isVisible());

    desktop.setupDialog().show();
    program.settings.oglMode = "3dfx OpenGL";
    EXPECT_TRUE(desktop.mainWindow().close());

    EXPECT_FALSE(desktop.setupDialog().isVisible());
    EXPECT_FALSE(desktop.consoleWindow().isVisible());
    const auto saved = platform::readTextLines(folder.filePath("config.cfg"));
    ASSERT_TRUE(saved.has_value());
    ASSERT_EQ(saved->size(), 9);
    EXPECT_TRUE(saved->at(2).contains(gameDir));
    EXPECT_TRUE(saved->at(3).contains("42"));
    EXPECT_TRUE(saved->at(6).contains("3dfx OpenGL"));
}

// A first start that finds no game opens the setup dialog over the main
// window with a line saying what to choose; a folder typed there takes
// back the status line's "incorrect" message.
TEST(DesktopProgram, AFirstStartWithoutAGameOpensTheSetupDialog) {
    QTemporaryDir folder;
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    DesktopProgram desktop(folder.path(), &clock);
    desktop.startup().drives.clear();
    desktop.startup().nativePlaces = {};
    ASSERT_TRUE(desktop.start());
    QWidget& setup = desktop.setupDialog();
    ASSERT_TRUE(setup.isVisible());
    EXPECT_TRUE(setup.findChild<QLabel*>("lblGuide")->isVisible());
    EXPECT_TRUE(desktop.mainWindow().frameGeometry().contains(setup.frameGeometry().center()));

    StatusLine& status = desktop.program().status;
    const QString incorrect = status.queuedText;
    EXPECT_TRUE(incorrect.contains("incorrect"));
    QDir().mkpath(folder.filePath("q3"));
    QFile(folder.filePath("q3/quake3.exe")).open(QIODevice::WriteOnly);
    auto* field = setup.findChild<QLineEdit*>("txtQ3Dir");
    field->clear(); // it holds the default folder
    QTest::keyClicks(field, folder.filePath("q3"));
    EXPECT_NE(status.queuedText, incorrect);
    desktop.mainWindow().close();
}

// A new player's own settings (the name) come back after a launch and a
// restart, though no player profile was ever chosen.
TEST(DesktopProgram, APlayersOwnSettingsSurviveARestartWithoutAProfile) {
    QTemporaryDir folder;
    const QString gameDir = folder.filePath("q3");
    test::writeFakeEngine(gameDir + "/quake3.exe", folder.filePath("ran.txt"));
    QDir().mkpath(gameDir + "/baseq3");
    ASSERT_TRUE(QFile::copy(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/cmds.lst"),
                            folder.filePath("cmds.lst")));
    ASSERT_TRUE(platform::writeTextLines(folder.filePath("config.cfg"),
                                         {"\"\",0", "\"\",0", "\"" + gameDir + "\",0"}));
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    for (const bool restarted : {false, true}) {
        DesktopProgram desktop(folder.path(), &clock);
        desktop.startup().drives.clear();
        ASSERT_TRUE(desktop.start());
        if (!restarted) {
            auto* input = desktop.consoleWindow().findChild<QLineEdit*>("Text1");
            QTest::keyClicks(input, "set name \"Big Fish\"");
            QTest::keyClick(input, Qt::Key_Return);
            desktop.mainWindow().findChild<LaunchButton*>()->click();
            EXPECT_FALSE(test::recordedRun(folder.filePath("ran.txt")).isEmpty());
        }
        EXPECT_EQ(desktop.program().cvars.GetCvar("name"), "Big Fish") << restarted;
        desktop.mainWindow().close();
    }
}

} // namespace
} // namespace fennick
