#include "core/launch_rules.h"
#include "launch_fixture.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

class CommandLineTest : public LaunchFixture {
protected:
    const LaunchPreview& preview() { return program().preview; }
    QString exeOf(const QString& game) {
        const GameState& g = program().game;
        return game == QLatin1String("quake1")   ? g.quakeExe
               : game == QLatin1String("quake2") ? g.quake2Exe
                                                 : g.quake3Exe;
    }
    QStringList botLines() {
        QStringList out;
        for (const QString& line : preview().scriptLines) {
            if (line.startsWith(QLatin1String("addbot")))
                out.append(line);
        }
        return out;
    }
};

TEST_F(CommandLineTest, EachGameSpellsItsCommandLineAndScriptPlace) {
    struct Case {
        const char* game;
        const char* mod;
        const char* line; // run first, unless empty
        const char* tail; // after the executable
        const char* scriptFolder;
    };
    const Case cases[] = {
        {"quake3", "quake3", "", " +exec fenkit.cfg", "baseq3"},
        {"quake3", "", "", " +exec fenkit.cfg", "baseq3"},
        {"quake3", "cpma", "set r_mode 4", " +set fs_game cpma +set r_mode 4 +exec fenkit.cfg",
         "cpma"},
        {"quake2", "ctf", "", " +set game ctf +exec fenkit.cfg", "ctf"},
        {"quake2", "quake2", "set vid_ref gl", " +set vid_ref gl +exec fenkit.cfg", "baseq2"},
        {"quake1", "mymod", "set vid_mode 3", " -game mymod +vid_mode 3 +exec fenkit.cfg", "mymod"},
        {"quake1", "quake1", "", " +exec fenkit.cfg", "id1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.game) + " / " + c.mod);
        program().cvars.ClearCvars();
        program().cvars.DeleteCvar(QStringLiteral("fenkit_timesused"));
        play(QLatin1String(c.game), QLatin1String(c.mod));
        if (*c.line)
            run({QLatin1String(c.line)});
        EXPECT_EQ(preview().commandLine, exeOf(QLatin1String(c.game)) + QLatin1String(c.tail));
        EXPECT_EQ(preview().scriptPath,
                  QDir::toNativeSeparators(gameDir(QLatin1String(c.game)) + QLatin1Char('/') +
                                           QLatin1String(c.scriptFolder) + "/fenkit.cfg"));
    }
}

TEST_F(CommandLineTest, ArgumentsAreTheTextsTokensWithoutQuotes) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    run({R"(set r_mode "4 wide")", R"(set com_hunkmegs " 128")"});
    EXPECT_EQ(preview().commandLine, exeOf(QStringLiteral("quake3")) +
                                         R"( +set fs_game cpma +set r_mode "4 wide")"
                                         R"( +set com_hunkmegs  128 +exec fenkit.cfg)");
    EXPECT_EQ(program().commandBuilder.executable(), exeOf(QStringLiteral("quake3")));
    EXPECT_THAT(program().commandBuilder.arguments(),
                ElementsAre("+set", "fs_game", "cpma", "+set", "r_mode", "4 wide", "+set",
                            "com_hunkmegs", " 128", "+exec", "fenkit.cfg"));
}

// Values from a list file, a server or an archive stay one word of data:
// the script quotes what would end its command, and an argument the engine
// would split at "+" or ";" (it quotes only arguments with a space) is
// quoted on the command line.
TEST_F(CommandLineTest, AValueNeverRunsAsACommand) {
    const struct {
        const char* value;
        const char* script;   // the fraglimit line
        const char* argument; // the r_mode argument
    } cases[] = {
        {"1;quit", R"(set fraglimit "1;quit")", R"("1;quit")"},
        {"1+quit", "set fraglimit 1+quit", R"("1+quit")"},
        {"a b;c", R"(set fraglimit "a b;c")", "a b;c"},
        {"say \"hi\"", "set fraglimit \"say 'hi'\"", "say 'hi'"},
        {"1\nquit", R"(set fraglimit "1 quit")", "1 quit"},
        {"\x7f", "set fraglimit  ", " "},
    };
    program().cvars.DeleteCvar(QStringLiteral("fenkit_timesused")); // no bot defaults
    play(QStringLiteral("quake3"), QStringLiteral("a+b"));
    program().cvars.SetCvar(QStringLiteral("map"), QStringLiteral("my map"), 0, 0,
                            QStringLiteral("map"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        program().cvars.SetCvar(QStringLiteral("fraglimit"), QString::fromUtf8(c.value), 0, 0,
                                QStringLiteral("set"));
        program().cvars.SetCvar(QStringLiteral("r_mode"), QString::fromUtf8(c.value), 0, 0,
                                QStringLiteral("set"));
        EXPECT_EQ(preview().scriptLines, QStringList({c.script, R"(map "my map")"}));
        EXPECT_EQ(program().commandBuilder.arguments(),
                  QStringList({"+set", "fs_game", R"("a+b")", "+set", "r_mode", c.argument, "+exec",
                               "fenkit.cfg"}));
    }
}

TEST_F(CommandLineTest, ScriptHoldsPlacementsAroundTheMapLineAndLeavesOwnRecordsOut) {
    play(QStringLiteral("quake3"), QStringLiteral("quake3"));
    run({"set fenkit_mp 1", "set g_gametype 4", R"(set fenkit_mode "Windowed - 800x600")",
         "map q3dm17", "set r_mode 4", "set fraglimit 20", "set cg_drawfps 1",
         R"(set sensitivity " 5")", R"(seta cl_name "Big Fish")", R"(bind x "say hello")"});
    ASSERT_TRUE(program().commandBuilder.MakeCommandLine(true));
    EXPECT_EQ(textOf(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")),
              "set sp_skill 3|set bot_enable 1|set g_gametype 4|set fraglimit 20|map q3dm17|"
              "set cg_drawfps 1|set sensitivity  5|seta cl_name \"Big Fish\"|"
              "bind x \"say hello\"|");
    EXPECT_EQ(preview().commandLine,
              exeOf(QStringLiteral("quake3")) + QStringLiteral(" +set r_mode 4 +exec fenkit.cfg"));
    // The records placed in the script with an info text reach the
    // fast-info panel; r_mode on the command line and the program's own
    // fenkit_mode do not, although both have one.
    QStringList captions;
    for (const FastInfoEntry& entry : program().fastInfo.entries())
        captions.append(entry.caption);
    EXPECT_THAT(captions, ElementsAre("Gametype: 4", "Map: q3dm17"));
}

TEST_F(CommandLineTest, GameModeFiltersTheScriptButNotTheCommandLine) {
    // fenkit_mp (empty: not set) and the script's lines, separated by "|".
    const std::pair<const char*, const char*> cases[] = {
        {"", "set g_gametype 4|set sv_hostname Srv|set password pw|map q3dm17|set cg_drawfps 1"},
        {"1", "set sp_skill 3|set bot_enable 1|set g_gametype 4|map q3dm17|set cg_drawfps 1"},
        {"2", "set sp_skill 3|set bot_enable 1|set g_gametype 4|set sv_hostname Srv|map q3dm17|"
              "set cg_drawfps 1"},
        {"3", "set password pw|set cg_drawfps 1"}};
    for (const auto& [mp, script] : cases) {
        SCOPED_TRACE(std::string("fenkit_mp ") + mp);
        // A fresh program: the bot defaults are set once, in store order.
        TempProgram fresh;
        fresh.writeFile(QStringLiteral("cmds.lst"), catalogueLines());
        fresh.writeBytes(QStringLiteral("q3/quake3.exe"), QByteArray());
        Program& p = fresh.program();
        p.interpreter.videoHook = nullptr;
        p.loadCatalogue();
        p.settings.setQuake3Dir(fresh.path(QStringLiteral("q3")));
        p.game.currentGame = QStringLiteral("quake3");
        p.game.currentModKey = QStringLiteral("quake3");
        if (*mp)
            p.interpreter.ExecuteLine(QStringLiteral("set fenkit_mp ") + QLatin1String(mp), false);
        for (const char* line : {"set g_gametype 4", "set sv_hostname Srv", "set password pw",
                                 "map q3dm17", "set cg_drawfps 1", "set r_mode 4"})
            p.interpreter.ExecuteLine(QLatin1String(line), false);
        EXPECT_EQ(p.preview.scriptLines, QString::fromUtf8(script).split('|'));
        // A record for another mode still goes on the command line.
        EXPECT_TRUE(p.preview.commandLine.contains(QLatin1String(" +set r_mode 4 ")));
    }
}

TEST_F(CommandLineTest, ModeMaskRules) {
    struct Case {
        qint16 mask;
        const char* mp;
        bool matches;
    };
    const Case cases[] = {
        {0, "3", true}, {3, "", true},   {3, "3", true}, {3, "1", false}, {4, "1", true},
        {4, "2", true}, {4, "3", false}, {2, "x", true}, {1, "2", false}, {2, "2abc", true},
    };
    play(QStringLiteral("quake1"), QStringLiteral("quake1"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mask) + " / " + c.mp);
        program().cvars.SetCvar(QStringLiteral("fenkit_mp"), QLatin1String(c.mp), 0, 0,
                                QStringLiteral("set"));
        EXPECT_EQ(program().commandBuilder.ModeMatches(c.mask), c.matches);
    }
}

TEST_F(CommandLineTest, BotsComeAfterTheMapLineWithDefaultsSetOnce) {
    for (const char* bot : {"Sarge", "Doom", "Xaero"})
        program().BotNames.append(QLatin1String(bot));
    play(QStringLiteral("quake3"), QStringLiteral("quake3"));
    run({"set fenkit_bots 3", "set fenkit_redbots 1", "set fenkit_bluebots 2", "map q3dm17"});

    // The defaults are temporary records, set once, never saved.
    const CvarRecord* skill = program().cvars.find(QStringLiteral("sp_skill"));
    const CvarRecord* enable = program().cvars.find(QStringLiteral("bot_enable"));
    ASSERT_TRUE(skill && enable);
    EXPECT_EQ(skill->value, "3");
    EXPECT_EQ(skill->scope, kScopeTemporary);
    EXPECT_EQ(enable->value, "1");

    for (int rebuild = 0; rebuild < 2; ++rebuild) {
        SCOPED_TRACE(rebuild);
        const QStringList& lines = preview().scriptLines;
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(lines.mid(0, 3),
                  QStringList({"set sp_skill 3", "set bot_enable 1", "map q3dm17"}));
        const char* teams[] = {"", "", "", "red", "blue", "blue"};
        for (int i = 3; i < 9; ++i)
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^addbot (Sarge|Doom|Xaero) 3 ") +
                                           QLatin1String(teams[i - 3]) + QLatin1Char('$'))
                            .match(lines[i])
                            .hasMatch())
                << lines[i].toStdString();
        EXPECT_EQ(program().cvars.extraCommands().size(), 6);
        program().commandBuilder.MakeCommandLine(false);
    }

    // A skill set by the user is kept and used.
    run({"set sp_skill 5"});
    EXPECT_TRUE(botLines().first().endsWith(QLatin1String(" 5 ")));
}

TEST_F(CommandLineTest, BotsAreLeftOutWhenNotWantedOrNotPossible) {
    struct Case {
        const char* name;
        const char* game;
        QStringList lines;
        bool withBots;
        int expected;
    };
    const Case cases[] = {
        {"bots switched off", "quake3", {"set bot_enable 0", "set fenkit_bots 3"}, true, 0},
        {"not Quake III", "quake2", {"set fenkit_bots 3"}, true, 0},
        {"empty bot list", "quake3", {"set fenkit_bots 3"}, false, 0},
        {"no number", "quake3", {"set fenkit_bots many"}, true, 0},
        {"fraction", "quake3", {"set fenkit_bots 2.7"}, true, 2},
        {"client game", "quake3", {"set fenkit_mp 3", "set fenkit_bots 2"}, true, 0},
        {"huge count is capped", "quake3", {"set fenkit_bots 100000000"}, true, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program().cvars.ClearCvars();
        program().BotNames.clear();
        if (c.withBots) {
            program().BotNames.append(QStringLiteral("Sarge"));
            program().BotNames.append(QStringLiteral("Doom"));
        }
        play(QLatin1String(c.game), QLatin1String(c.game));
        run(c.lines);
        EXPECT_EQ(botLines().size(), c.expected);
    }
    // Many picks use the whole list, not its first slot only.
    const QStringList lines = botLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("addbot Sarge 3 ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("addbot Doom 3 ")));
}

// Every change rebuilds the preview without writing; without a game the
// command line stays and nothing is written.
TEST_F(CommandLineTest, EveryChangeRebuildsThePreviewWithoutWriting) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    QSignalSpy changed(&program().preview, &LaunchPreview::changed);
    program().interpreter.ExecuteLine(QStringLiteral("set r_mode 4"), true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(preview().commandLine.contains(QLatin1String(" +set r_mode 4 ")));
    EXPECT_EQ(preview().makeTimeText, "mc : 0.00 seconds");
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")));
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")));

    const QString before = preview().commandLine;
    temp.takeConsole();
    program().game.currentGame.clear();
    run({"set r_mode 5", "set r_fullscreen 0"});
    EXPECT_EQ(preview().commandLine, before);
    EXPECT_TRUE(preview().scriptPath.isEmpty());
    EXPECT_FALSE(program().commandBuilder.MakeCommandLine(true));
    EXPECT_THAT(temp.takeConsole(), ElementsAre("fenkit.cfg not written: no game is selected"));
}

TEST_F(CommandLineTest, ScriptIsNotWrittenOutsideTheGameFolder) {
    play(QStringLiteral("quake3"), QStringLiteral("quake3"));
    program().game.currentModKey = QStringLiteral("../../escape");
    EXPECT_FALSE(program().commandBuilder.MakeCommandLine(true));
    EXPECT_FALSE(exists(QStringLiteral("escape/fenkit.cfg")));
    EXPECT_FALSE(exists(QStringLiteral("games/escape/fenkit.cfg")));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("fenkit.cfg not written: \"../../escape\" is not a mod folder name"));

    // A mod folder that does not exist is a write failure, reported.
    program().game.currentModKey = QStringLiteral("nosuchmod");
    EXPECT_FALSE(program().commandBuilder.MakeCommandLine(true));
    const QStringList console = temp.takeConsole();
    ASSERT_EQ(console.size(), 1);
    EXPECT_TRUE(console.first().startsWith(QLatin1String("Could not write ")));
}

} // namespace
} // namespace fennick::test
