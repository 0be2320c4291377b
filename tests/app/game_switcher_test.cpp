#include "app/program.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

// A program with valid Quake and Quake III folders and an invalid Quake II.
class GameSwitcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        temp.writeBytes("Q1/quake.exe", {});
        temp.writeBytes("Q3/quake3.exe", {});
        ProgramSettings& settings = temp.program().settings;
        // Typed in other letters than on disk: the game directory is the
        // field as typed.
        settings.setQuakeDir(temp.path("q1"));
        settings.setQuake2Dir(temp.path("q2"));
        settings.setQuake3Dir(temp.path("q3"));
    }

    TempProgram temp;
};

TEST_F(GameSwitcherTest, AUsableGameBecomesCurrentWithItsFolder) {
    Program& program = temp.program();
    const struct {
        const char* game;
        const char* folder;
    } cases[] = {{"quake3", "q3"}, {"quake1", "q1"}};
    for (const auto& c : cases) {
        program.switcher.SwitchGame(c.game);
        EXPECT_EQ(program.game.currentGame, c.game);
        EXPECT_EQ(program.game.gameDirectory, temp.path(c.folder));
        EXPECT_TRUE(program.status.queuedText.isEmpty());
    }
}

TEST_F(GameSwitcherTest, AnUnusableGameIsRefusedAndThePreviousStays) {
    Program& program = temp.program();
    program.switcher.SwitchGame("quake3");
    program.switcher.SwitchGame("quake2");
    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_EQ(program.game.gameDirectory, temp.path("q3"));
    EXPECT_EQ(program.status.queuedText, "Quake 2 Directory is incorrect");
    EXPECT_EQ(program.status.queuedSeconds, 1);

    // The refusal message names the game clicked.
    program.settings.setQuakeDir(QString());
    program.settings.setQuake3Dir(QString());
    const struct {
        const char* game;
        const char* message;
    } refusals[] = {{"quake1", "Quake 1 Directory is incorrect"},
                    {"quake3", "Quake 3 Directory is incorrect"}};
    for (const auto& r : refusals) {
        program.switcher.SwitchGame(r.game);
        EXPECT_EQ(program.status.queuedText, r.message);
        EXPECT_EQ(program.game.currentGame, "quake3"); // still the one chosen before
    }

    // With nothing chosen before, nothing is chosen after.
    program.game.currentGame.clear();
    program.switcher.SwitchGame("doom");
    EXPECT_TRUE(program.game.currentGame.isEmpty());
}

TEST_F(GameSwitcherTest, LaterStepsRunInOrderForTheGameLeftCurrent) {
    Program& program = temp.program();
    program.switcher.SwitchGame("quake1");
    QStringList seen;
    const auto step = [&](const char* name) {
        return [&seen, &program, name] {
            seen.append(QString::fromLatin1(name) + ":" + program.game.currentGame);
        };
    };
    GameSwitcher& switcher = program.switcher;
    switcher.redrawForm = step("redraw");
    switcher.showGameModes = step("modes");
    switcher.fillModList = step("mods");
    switcher.loadGeneralFile = step("general");
    switcher.selectPlainGame = step("plain");
    switcher.showFastInfoBackground = step("background");
    switcher.makeCommandLine = step("commandline");

    switcher.SwitchGame("quake2"); // refused: everything runs for Quake
    EXPECT_EQ(seen, (QStringList{"redraw:", "modes:quake1", "mods:quake1", "general:quake1",
                                 "plain:quake1", "background:quake1", "commandline:quake1",
                                 "redraw:quake1"}));
    seen.clear();
    switcher.SwitchGame("quake3");
    EXPECT_EQ(seen[1], "modes:quake3");
}

} // namespace
} // namespace fennick
