#include "console/cvar_record.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class InterpreterTest : public ::testing::Test {
protected:
    Program& program() { return temp.program(); }
    void run(const QString& line, bool echo = true) {
        program().interpreter.ExecuteLine(line, echo);
    }
    QString value(const char* name) { return program().cvars.GetCvar(QString::fromUtf8(name)); }
    const CvarRecord* record(const char* name) {
        return program().cvars.find(QString::fromUtf8(name));
    }
    QString kind(const char* name) {
        const CvarRecord* r = record(name);
        return r ? r->kind : QStringLiteral("<missing>");
    }
    QStringList names() {
        QStringList out;
        for (const CvarRecord& r : program().cvars.records())
            out.append(r.name);
        return out;
    }

    test::TempProgram temp;
};

TEST_F(InterpreterTest, SetPrintsTheEchoAndTheSetLine) {
    run(QStringLiteral("set a 1"));
    run(QStringLiteral("seta cl_name \"Fen Nick\""));
    run(QStringLiteral("bind mouse1 +attack"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">set a 1", "CVar Set. (set a 1)", ">seta cl_name \"Fen Nick\"",
                            "CVar Set. (seta cl_name Fen Nick)", ">bind mouse1 +attack",
                            "CVar Set. (bind mouse1 +attack)"));
    EXPECT_EQ(kind("a"), QStringLiteral("set"));
    EXPECT_EQ(value("cl_name"), QStringLiteral("Fen Nick"));
    EXPECT_EQ(kind("cl_name"), QStringLiteral("seta"));
    EXPECT_EQ(kind("mouse1"), QStringLiteral("bind"));
}

TEST_F(InterpreterTest, SetWithoutValueShowsTheCvarAndWithoutNameTheUsage) {
    run(QStringLiteral("set a 1"));
    temp.takeConsole();
    run(QStringLiteral("set a"));
    run(QStringLiteral("seta unknown"));
    run(QStringLiteral("set"));
    run(QStringLiteral("BIND"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">set a", "a = 1", ">seta unknown", "unknown = ",
                                                ">set", "Usage: set cvarname cvarvalue", ">BIND",
                                                "Usage: set cvarname cvarvalue"));
    EXPECT_THAT(names(), ElementsAre("a")); // showing creates nothing
}

TEST_F(InterpreterTest, ATrailingSpaceSetsASingleSpaceAndTwoSpacesNameWithALeadingSpace) {
    run(QStringLiteral("set a "));
    run(QStringLiteral("set  b 1"));
    EXPECT_EQ(value("a"), QStringLiteral(" "));
    EXPECT_EQ(value(" b"), QStringLiteral("1"));
    EXPECT_EQ(record("b"), nullptr);
}

TEST_F(InterpreterTest, AQuotedValueKeepsItsSpaceAndALaterWordIsIgnored) {
    run(QStringLiteral("set a \"two words\" more"));
    EXPECT_EQ(value("a"), QStringLiteral("two words"));
}

TEST_F(InterpreterTest, PipesRunEachPartWithNothingTrimmed) {
    run(QStringLiteral("set a 1|set b 2"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">set a 1", "CVar Set. (set a 1)", ">set b 2", "CVar Set. (set b 2)"));
    EXPECT_EQ(value("a"), QStringLiteral("1"));
    EXPECT_EQ(value("b"), QStringLiteral("2"));

    // Spaces around the bar: the second part starts with a space, so its
    // first word is empty and it prints the usage line.
    run(QStringLiteral("set c 3 | set d 4"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">set c 3 ", "CVar Set. (set c 3)", "> set d 4",
                                                "Usage: set cvarname cvarvalue"));
    EXPECT_EQ(value("c"), QStringLiteral("3"));
    EXPECT_EQ(record("d"), nullptr);
}

TEST_F(InterpreterTest, ATrailingBarEndsWithTheUsageLine) {
    run(QStringLiteral("set a 1|"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">set a 1", "CVar Set. (set a 1)", ">",
                                                "Usage: set cvarname cvarvalue"));
    run(QStringLiteral("||set b 2"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">set b 2", "CVar Set. (set b 2)"));
    run(QString());
    EXPECT_THAT(temp.takeConsole(), IsEmpty());
}

TEST_F(InterpreterTest, AnUnknownFirstWordIsAnImplicitSet) {
    run(QStringLiteral("MAP q3dm17"));
    run(QStringLiteral("set Name Fen"));
    run(QStringLiteral("G_GameType 4 extra"));
    run(QStringLiteral("connect 127.0.0.1:27960"));
    run(QStringLiteral("set devmap q3dm1"));
    run(QStringLiteral("seta arena x"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">MAP q3dm17", "CVar Set. (map map q3dm17)", ">set Name Fen",
                            "CVar Set. (set Name Fen)", ">G_GameType 4 extra",
                            "CVar Set. (set g_gametype 4)", ">connect 127.0.0.1:27960",
                            "CVar Set. (map connect 127.0.0.1:27960)", ">set devmap q3dm1",
                            "CVar Set. (map devmap q3dm1)", ">seta arena x",
                            "CVar Set. (map arena x)"));
    EXPECT_THAT(names(), ElementsAre("map", "Name", "g_gametype", "connect", "devmap", "arena"));
    EXPECT_EQ(kind("map"), QStringLiteral("map"));
    EXPECT_EQ(kind("Name"), QStringLiteral("set"));
    EXPECT_EQ(value("g_gametype"), QStringLiteral("4"));
    // A lone unknown word shows that cvar.
    run(QStringLiteral("Map"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">Map", "map = q3dm17"));
    // Map commands are written back as plain game commands.
    EXPECT_EQ(cvarLine(*record("map")), QStringLiteral("map q3dm17"));
    EXPECT_EQ(cvarLine(*record("connect")), QStringLiteral("connect 127.0.0.1:27960"));
}

TEST_F(InterpreterTest, BindLinesAreWrittenBackAsTheyCame) {
    for (const char* line : {"bind mouse1 +attack", "bind q \"say hello there\"", "seta cg_fov 100",
                             "set sv_hostname \"My Server\""}) {
        run(QString::fromUtf8(line), false);
    }
    QStringList lines;
    for (const CvarRecord& r : program().cvars.records())
        lines.append(cvarLine(r));
    EXPECT_THAT(lines, ElementsAre("bind mouse1 +attack", "bind q \"say hello there\"",
                                   "seta cg_fov 100", "set sv_hostname \"My Server\""));
}

TEST_F(InterpreterTest, StepCommandsDoArithmeticQuietly) {
    run(QStringLiteral("seta count 10"));
    temp.takeConsole();
    const int refreshes = temp.ui.refreshCount();
    run(QStringLiteral("setadd1 fresh"));
    run(QStringLiteral("setdec5 fresh2"));
    run(QStringLiteral("setadd5 count"));
    run(QStringLiteral("setdec1 count"));
    run(QStringLiteral("set word abc"));
    run(QStringLiteral("setdec5 word"));
    run(QStringLiteral("set half 2.5"));
    run(QStringLiteral("setadd1 half"));
    run(QStringLiteral("set lead 3x"));
    run(QStringLiteral("setdec1 lead"));
    run(QStringLiteral("SETADD1 count"));
    run(QStringLiteral("setadd1"));
    EXPECT_EQ(value("fresh"), QStringLiteral("1"));
    EXPECT_EQ(kind("fresh"), QString());
    EXPECT_EQ(value("fresh2"), QStringLiteral("-5"));
    EXPECT_EQ(value("count"), QStringLiteral("15"));
    EXPECT_EQ(kind("count"), QStringLiteral("seta"));
    EXPECT_EQ(value("word"), QStringLiteral("-5"));
    EXPECT_EQ(value("half"), QStringLiteral("3.5"));
    EXPECT_EQ(value("lead"), QStringLiteral("2"));
    // Only echoes and the set lines were printed; the steps refreshed nothing.
    const QStringList console = temp.takeConsole();
    EXPECT_EQ(console.filter(QStringLiteral("CVar Set.")).size(), 3);
    EXPECT_EQ(console.size(), 12 + 3);
    EXPECT_EQ(temp.ui.refreshCount(), refreshes + 3);
    EXPECT_EQ(record(""), nullptr);
}

TEST_F(InterpreterTest, DeleteAndClear) {
    run(QStringLiteral("set a 1|set b 2|set c 3|set fenkit_timesused 9"));
    run(QStringLiteral("del a"));
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused", "b", "c"));
    run(QStringLiteral("DelCvar c"));
    run(QStringLiteral("del unknown"));
    run(QStringLiteral("del"));
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused", "b"));
    temp.takeConsole();
    run(QStringLiteral("clearcvars"));
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(value("fenkit_timesused"), QStringLiteral("9"));
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">clearcvars"));
}

TEST_F(InterpreterTest, TheVideoHookRunsOnlyForTheSixVideoCvars) {
    QStringList hooked;
    program().videoHook = [&](const QString& name, const QString& value) {
        hooked.append(name + QLatin1Char('=') + value);
    };
    for (const char* line :
         {"set sw_mode 1", "set fenkit_mode 2", "set gl_mode 3", "set vid_fullscreen 0",
          "set r_fullscreen 1", "seta r_mode 4", "R_MODE 5", "set R_MODE 6", "set r_modex 7",
          "set r_mode", "setadd1 r_mode", "set cg_fov 90", "set r_picmip 1"}) {
        run(QString::fromUtf8(line), false);
    }
    EXPECT_THAT(hooked, ElementsAre("sw_mode=1", "fenkit_mode=2", "gl_mode=3", "vid_fullscreen=0",
                                    "r_fullscreen=1", "r_mode=4", "r_mode=5"));
}

TEST_F(InterpreterTest, SettingThePlayerRunsHisProfileQuietly) {
    temp.writeFile(QStringLiteral("config/q3_bob.fkp"),
                   {QStringLiteral("set name Bob"), QStringLiteral("seta cg_fov 100"),
                    QStringLiteral("openconsole")});
    temp.writeFile(QStringLiteral("config/q1_bob.fkp"), {QStringLiteral("set name Quake1Bob")});
    program().game.currentGame = QStringLiteral("quake3");
    run(QStringLiteral("set fenkit_player bob"));
    EXPECT_THAT(
        temp.takeConsole(),
        ElementsAre(">set fenkit_player bob",
                    "Loaded " + temp.path(QStringLiteral("config/q3_bob.fkp")) + " (0.00 sec)",
                    "CVar Set. (set fenkit_player bob)"));
    EXPECT_EQ(value("name"), QStringLiteral("Bob"));
    EXPECT_EQ(value("cg_fov"), QStringLiteral("100"));
    EXPECT_THAT(temp.ui.reports(), ElementsAre("would open the console window"));
    // A profile that does not exist is skipped without a word.
    run(QStringLiteral("set fenkit_player nobody"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">set fenkit_player nobody", "CVar Set. (set fenkit_player nobody)"));
    // The file name ignores case on every system.
    program().game.currentGame = QStringLiteral("quake1");
    run(QStringLiteral("set fenkit_player BOB"), false);
    EXPECT_EQ(value("name"), QStringLiteral("Quake1Bob"));
}

TEST_F(InterpreterTest, APlayerNameThatLeavesTheConfigFolderRunsNothing) {
    // "config/q3_a/../../outside.fkp" would be the program folder's own file.
    temp.writeFile(QStringLiteral("config/q3_a/keep.txt"), {});
    temp.writeFile(QStringLiteral("outside.fkp"), {QStringLiteral("set stolen 1")});
    program().game.currentGame = QStringLiteral("quake3");
    for (const char* name : {"a/../../outside", "a\\..\\..\\outside"}) {
        run(QString::fromUtf8("set fenkit_player ") + QString::fromUtf8(name), false);
        EXPECT_EQ(value("fenkit_player"), QString::fromUtf8(name)) << name;
        EXPECT_EQ(value("stolen"), QString()) << name;
    }
    const QStringList printed = temp.takeConsole();
    ASSERT_EQ(printed.size(), 2);
    EXPECT_TRUE(printed[0].startsWith(QStringLiteral("Player profile not loaded")));
}

TEST_F(InterpreterTest, AProfileThatLoadsItselfDoesNotRecurseForEver) {
    temp.writeFile(QStringLiteral("config/q3_loop.fkp"),
                   {QStringLiteral("set before 1"), QStringLiteral("set fenkit_player loop"),
                    QStringLiteral("set after 1")});
    temp.writeFile(QStringLiteral("config/q3_ping.fkp"),
                   {QStringLiteral("set fenkit_player pong"), QStringLiteral("set ping 1")});
    temp.writeFile(QStringLiteral("config/q3_pong.fkp"),
                   {QStringLiteral("set fenkit_player ping"), QStringLiteral("set pong 1")});
    program().game.currentGame = QStringLiteral("quake3");
    run(QStringLiteral("set fenkit_player loop"), false);
    EXPECT_EQ(value("before"), QStringLiteral("1"));
    EXPECT_EQ(value("after"), QStringLiteral("1"));
    EXPECT_EQ(value("fenkit_player"), QStringLiteral("loop"));
    EXPECT_THAT(
        temp.takeConsole(),
        ElementsAre("Loaded " + temp.path(QStringLiteral("config/q3_loop.fkp")) + " (0.00 sec)"));
    run(QStringLiteral("set fenkit_player ping"), false);
    EXPECT_EQ(value("ping"), QStringLiteral("1"));
    EXPECT_EQ(value("pong"), QStringLiteral("1"));
    EXPECT_EQ(value("fenkit_player"), QStringLiteral("ping"));
}

TEST_F(InterpreterTest, EchoOffPrintsNothing) {
    for (const char* line : {"set a 1", "set a", "set", "|", "MAP x", "setadd1 a", "del a",
                             "clearcvars", "set a 1 | set b 2", "openconsole", "loadform x.frm"}) {
        run(QString::fromUtf8(line), false);
    }
    EXPECT_THAT(temp.takeConsole(), IsEmpty());
}

TEST_F(InterpreterTest, WindowCommandsReachTheUserInterface) {
    run(QStringLiteral("openconsole"), false);
    run(QStringLiteral("OpenMapBrowser"), false);
    run(QStringLiteral("openserverbrowser extra words"), false);
    run(QStringLiteral("loadform q3_quake3_bot.frm"), false);
    run(QStringLiteral("addbutton   \"Name\"  \\x\\y z  "), false);
    EXPECT_THAT(temp.ui.reports(),
                ElementsAre("would open the console window", "would open the map browser",
                            "would open the server browser",
                            "would open the custom window " +
                                temp.path(QStringLiteral("Forms/q3_quake3_bot.frm"))));
    // "addbutton" hands the rest of the line, trimmed, to the button list.
    ASSERT_EQ(program().buttons.count(), 1);
    EXPECT_EQ(program().buttons.buttons()[0].line, QStringLiteral("\"Name\"  \\x\\y z"));
    EXPECT_THAT(names(), IsEmpty());

    // The bars of a button's action stay in the button, whatever comes
    // before it on the line; they do not run when the line is read.
    run(QStringLiteral("set a 1|AddButton \\caption\\x\\action\\map q3dm17|set b 2"), false);
    ASSERT_EQ(program().buttons.count(), 2);
    EXPECT_EQ(program().buttons.buttons()[1].action, QStringLiteral("map q3dm17|set b 2"));
    EXPECT_THAT(names(), ElementsAre("a"));
}

TEST_F(InterpreterTest, EverySetDisplayAndUsageRefreshesBoundControls) {
    program();
    const int before = temp.ui.refreshCount();
    run(QStringLiteral("set a 1"), false);
    run(QStringLiteral("set a"), false);
    run(QStringLiteral("set"), false);
    run(QStringLiteral("del a"), false);
    run(QStringLiteral("openconsole"), false);
    EXPECT_EQ(temp.ui.refreshCount(), before + 3);
}

TEST_F(InterpreterTest, NewCvarsTakeTheirAttributesFromTheCatalogue) {
    program().catalogue.loadText(
        QStringLiteral("\"quake3\",\"g_gametype\",1,2,0,2,\"\\\\Type\\\\^3%s\",\"Game type\"\r\n"
                       "\"quake1\",\"g_gametype\",2,1,0,3,\"q1\",\"\"\r\n"));
    program().game.currentGame = QStringLiteral("quake3");
    run(QStringLiteral("set g_gametype 4"), false);
    const CvarRecord* r = record("g_gametype");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->scope, 1);
    EXPECT_EQ(r->placement, 2);
    EXPECT_EQ(r->mode, 2);
    EXPECT_EQ(r->info, QStringLiteral("\\\\Type\\\\^3%s"));
    EXPECT_EQ(r->kind, QStringLiteral("set"));
    run(QStringLiteral("set unknown 1"), false);
    EXPECT_EQ(record("unknown")->scope, 0);
    EXPECT_EQ(record("unknown")->placement, 0);
    EXPECT_EQ(record("unknown")->mode, 0);
    EXPECT_EQ(record("unknown")->info, QString());
}

} // namespace
} // namespace fennick
