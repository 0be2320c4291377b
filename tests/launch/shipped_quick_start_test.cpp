#include "shipped_folder.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

class ShippedQuickStartTest : public ShippedFolderTest {};

// A player's first click: the quick-start button, pressed through the
// core after a video button, gives the command line and "fenkit.cfg" the
// game reads, each line in the form its engine accepts. (Quake III's bot
// switch and skill come first: the launch gives them defaults as soon as
// the program's own cvars are set.)
TEST_F(ShippedQuickStartTest, AQuickStartButtonGivesWhatTheGameAccepts) {
    // Console lines run first and the script's lines are separated by "|".
    struct Case {
        const char* game;
        const char* mod;
        const char* before;
        const char* video;  // a button of the "Video" group, or none
        const char* button; // of the "Quick Start" group
        const char* tail;   // of the command line, after the executable
        const char* script;
    };
    const Case cases[] = {
        {"quake3", "quake3", "", "Window 800x600", "Deathmatch vs bots",
         " +set r_fullscreen 0 +set r_mode 4 +exec fenkit.cfg",
         "set bot_enable 1|set sp_skill 3|set g_gametype 0|set fraglimit 20|set timelimit 15|"
         "map q3dm6|addbot Sarge 3 |addbot Sarge 3 |addbot Sarge 3 |addbot Sarge 3 |"
         "addbot Sarge 3 "},
        {"quake3", "quake3", "", nullptr, "Capture the flag", " +exec fenkit.cfg",
         "set bot_enable 1|set sp_skill 3|set g_gametype 4|set capturelimit 8|set timelimit 20|"
         "set g_teamautojoin 1|map q3ctf1|addbot Sarge 3 red|addbot Sarge 3 red|"
         "addbot Sarge 3 red|addbot Sarge 3 blue|addbot Sarge 3 blue|addbot Sarge 3 blue|"
         "addbot Sarge 3 blue"},
        {"quake3", "quake3", "connect 127.0.0.1:27960|set name Fish|set g_gametype 4", nullptr,
         "Join last server", " +exec fenkit.cfg", "set name Fish|connect 127.0.0.1:27960"},
        {"quake2", "quake2", "", "Window 800x600", "Deathmatch server",
         " +set vid_fullscreen 0 +set sw_mode 4 +set gl_mode 4 +exec fenkit.cfg",
         "set deathmatch 1|set coop 0|set maxclients 8|set fraglimit 20|set timelimit 15|"
         "map q2dm1"},
        {"quake2", "ctf", "", nullptr, "Capture the flag", " +set game ctf +exec fenkit.cfg",
         "set deathmatch 1|set coop 0|set ctf 1|set capturelimit 8|set maxclients 8|map q2ctf1"},
        {"quake1", "quake1", "", "Window 800x600", "Deathmatch server",
         " +vid_fullscreen 0 +vid_width 800 +vid_height 600 +maxplayers 8 +exec fenkit.cfg",
         "deathmatch 1|coop 0|teamplay 0|fraglimit 20|timelimit 15|map dm4"},
        {"quake1", "quake1", "set name \"Big Fish\"", nullptr, "Single player", " +exec fenkit.cfg",
         "name \"Big Fish\"|deathmatch 0|coop 0|skill 1|map start"},
    };
    for (const Case& c : cases) {
        const QString game = QLatin1String(c.game);
        SCOPED_TRACE(std::string(c.game) + " / " + c.mod + " / " + c.button);
        play(game, QLatin1String(c.mod));
        for (const QString& line : QString::fromUtf8(c.before).split('|', Qt::SkipEmptyParts))
            program().run(line);
        if (c.video) {
            ASSERT_TRUE(press(QStringLiteral("Video"), QLatin1String(c.video)));
        }
        ASSERT_TRUE(press(QStringLiteral("Quick Start"), QLatin1String(c.button)));
        ASSERT_TRUE(program().commandBuilder.MakeCommandLine(true));

        const LaunchPreview& preview = program().preview;
        const GameState& state = program().game;
        const QString exe = game == QLatin1String("quake1")   ? state.quakeExe
                            : game == QLatin1String("quake2") ? state.quake2Exe
                                                              : state.quake3Exe;
        EXPECT_EQ(preview.commandLine, exe + QLatin1String(c.tail));
        QFile script(preview.scriptPath);
        ASSERT_TRUE(script.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(c.script).split('|');
        EXPECT_EQ(script.readAll(), (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());

        // The panel shows every line it gets with its value filled in.
        for (const FastInfoEntry& entry : program().fastInfo.entries())
            EXPECT_FALSE(entry.caption.contains(QLatin1Char('%'))) << entry.caption.toStdString();
    }
}

} // namespace
} // namespace fennick::test
