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
        return r ? r->kind : "<missing>";
    }
    QString values(std::initializer_list<const char*> names) {
        QStringList out;
        for (const char* name : names)
            out.append(value(name));
        return out.join('|');
    }
    QStringList names() {
        QStringList out;
        for (const CvarRecord& r : program().cvars.records())
            out.append(r.name);
        return out;
    }

    test::TempProgram temp;
};

// What each line prints, in order: the echo, then what it did. Bars split
// a line with nothing trimmed; an unknown first word is an implicit set,
// of kind "map" for map commands.
TEST_F(InterpreterTest, EachLinePrintsItsEchoAndWhatItDid) {
    const QString usage = "Usage: set cvarname cvarvalue";
    const QString refused =
        "Not set: a cvar name cannot hold a double quote or a space after its first letter (";
    const struct {
        const char* line;
        QStringList printed;
    } steps[] = {
        {"set a 1", {">set a 1", "CVar Set. (set a 1)"}},
        {"seta cl_name \"Fen Nick\"",
         {">seta cl_name \"Fen Nick\"", "CVar Set. (seta cl_name Fen Nick)"}},
        {"bind mouse1 +attack", {">bind mouse1 +attack", "CVar Set. (bind mouse1 +attack)"}},
        {"set a", {">set a", "a = 1"}},
        {"seta unknown", {">seta unknown", "unknown = "}}, // showing creates nothing
        {"set", {">set", usage}},
        {"BIND", {">BIND", usage}},
        {"set b 2|set c 3", {">set b 2", "CVar Set. (set b 2)", ">set c 3", "CVar Set. (set c 3)"}},
        // The part after " | " starts with a space: its first word is empty.
        {"set d 4 | set e 5", {">set d 4 ", "CVar Set. (set d 4)", "> set e 5", usage}},
        {"set f 6|", {">set f 6", "CVar Set. (set f 6)", ">", usage}},
        {"||set g 7", {">set g 7", "CVar Set. (set g 7)"}},
        {"", {}},
        {"MAP q3dm17", {">MAP q3dm17", "CVar Set. (map map q3dm17)"}},
        {"set Name Fen", {">set Name Fen", "CVar Set. (set Name Fen)"}},
        {"G_GameType 4 extra", {">G_GameType 4 extra", "CVar Set. (set g_gametype 4)"}},
        {"connect 127.0.0.1:27960",
         {">connect 127.0.0.1:27960", "CVar Set. (map connect 127.0.0.1:27960)"}},
        {"set devmap q3dm1", {">set devmap q3dm1", "CVar Set. (map devmap q3dm1)"}},
        {"seta arena x", {">seta arena x", "CVar Set. (map arena x)"}},
        {"Map", {">Map", "map = q3dm17"}}, // a lone unknown word shows that cvar
        // Names no saved line could bring back are refused.
        {"\"a b", {">\"a b", refused + "\"a)"}},
        {"set \"c d\"e", {">set \"c d\"e", refused + "c d)"}},
        {"setadd1 x\"", {">setadd1 x\"", refused + "x\")"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        run(QString::fromUtf8(step.line));
        EXPECT_EQ(temp.takeConsole(), step.printed);
    }
    EXPECT_THAT(names(), ElementsAre("a", "cl_name", "mouse1", "b", "c", "d", "f", "g", "map",
                                     "Name", "g_gametype", "connect", "devmap", "arena"));
    EXPECT_EQ(kind("a"), "set");
    EXPECT_EQ(kind("cl_name"), "seta");
    EXPECT_EQ(value("cl_name"), "Fen Nick");
    EXPECT_EQ(kind("mouse1"), "bind");
    EXPECT_EQ(kind("Name"), "set");
    EXPECT_EQ(cvarLine(*record("map")), "map q3dm17");
    EXPECT_EQ(cvarLine(*record("connect")), "connect 127.0.0.1:27960");
}

// A trailing space sets a single space, a second space starts the name,
// and a word after a quoted value is ignored.
TEST_F(InterpreterTest, SpacesAndQuotesShapeNameAndValue) {
    run("set a ");
    run("set  b 1");
    run("set c \"two words\" more");
    EXPECT_EQ(value("a"), " ");
    EXPECT_EQ(value(" b"), "1");
    EXPECT_EQ(record("b"), nullptr);
    EXPECT_EQ(value("c"), "two words");
}

// Steps read a value as a number as far as it goes (nothing: 0), are
// quiet and refresh nothing, and keep the stored kind.
TEST_F(InterpreterTest, StepCommandsDoArithmeticQuietly) {
    run("seta count 10");
    temp.takeConsole();
    const int refreshes = temp.ui.refreshCount();
    for (const char* line :
         {"setadd1 fresh", "setdec5 fresh2", "setadd5 count", "setdec1 count", "set word abc",
          "setdec5 word", "set half 2.5", "setadd1 half", "set lead 3x", "setdec1 lead",
          "SETADD1 count", "setadd1", "set tenth 0.7", "setdec1 tenth"})
        run(line);
    EXPECT_EQ(values({"fresh", "fresh2", "count", "word", "half", "lead", "tenth"}),
              "1|-5|15|-5|3.5|2|-0.3"); // as a person reads it, not -0.30000000000000004
    EXPECT_EQ(kind("fresh"), QString());
    EXPECT_EQ(kind("count"), "seta");
    // Only echoes and the set lines were printed.
    const QStringList console = temp.takeConsole();
    EXPECT_EQ(console.filter("CVar Set.").size(), 4);
    EXPECT_EQ(console.size(), 14 + 4);
    EXPECT_EQ(temp.ui.refreshCount(), refreshes + 4);
    EXPECT_EQ(record(""), nullptr);
}

TEST_F(InterpreterTest, DeleteAndClear) {
    run("set a 1|set b 2|set c 3|set fenkit_timesused 9");
    run("del a");
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused", "b", "c"));
    for (const char* line : {"DelCvar c", "del unknown", "del"})
        run(line);
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused", "b"));
    temp.takeConsole();
    run("clearcvars");
    EXPECT_THAT(names(), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(value("fenkit_timesused"), "9");
    EXPECT_THAT(temp.takeConsole(), ElementsAre(">clearcvars"));
}

TEST_F(InterpreterTest, TheVideoHookRunsOnlyForTheSixVideoCvars) {
    QStringList hooked;
    program().interpreter.videoHook = [&](const QString& name, const QString& value) {
        hooked.append(name + '=' + value);
    };
    for (const char* line :
         {"set sw_mode 1", "set fenkit_mode 2", "set gl_mode 3", "set vid_fullscreen 0",
          "set r_fullscreen 1", "seta r_mode 4", "R_MODE 5", "set R_MODE 6", "set r_modex 7",
          "set r_mode", "setadd1 r_mode", "set cg_fov 90", "set r_picmip 1"})
        run(line, false);
    EXPECT_THAT(hooked, ElementsAre("sw_mode=1", "fenkit_mode=2", "gl_mode=3", "vid_fullscreen=0",
                                    "r_fullscreen=1", "r_mode=4", "r_mode=5"));
}

// Setting the player runs his profile of the current game quietly, its
// name found ignoring case; a missing profile is skipped without a word, a
// name leaving the config folder runs nothing, and a profile that sets the
// player again does not recurse for ever.
TEST_F(InterpreterTest, SettingThePlayerRunsHisProfileQuietly) {
    temp.writeFile("config/q3_bob.fkp", {"set name Bob", "seta cg_fov 100", "openconsole"});
    temp.writeFile("config/q1_bob.fkp", {"set name Quake1Bob"});
    temp.writeFile("config/q3_loop.fkp", {"set before 1", "set fenkit_player loop", "set after 1"});
    temp.writeFile("config/q3_ping.fkp", {"set fenkit_player pong", "set ping 1"});
    temp.writeFile("config/q3_pong.fkp", {"set fenkit_player ping", "set pong 1"});
    // "config/q3_a/../../outside.fkp" would be the program folder's own file.
    temp.writeFile("config/q3_a/keep.txt", {});
    temp.writeFile("outside.fkp", {"set stolen 1"});
    program().game.currentGame = "quake3";
    run("set fenkit_player bob");
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">set fenkit_player bob",
                            "Loaded " + temp.path("config/q3_bob.fkp") + " (0.00 sec)",
                            "CVar Set. (set fenkit_player bob)"));
    EXPECT_EQ(values({"name", "cg_fov"}), "Bob|100");
    EXPECT_THAT(temp.ui.reports(), ElementsAre("would open the console window"));
    run("set fenkit_player nobody");
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(">set fenkit_player nobody", "CVar Set. (set fenkit_player nobody)"));

    for (const char* name : {"a/../../outside", "a\\..\\..\\outside"}) {
        run("set fenkit_player " + QString::fromUtf8(name), false);
        EXPECT_EQ(value("fenkit_player"), QString::fromUtf8(name)) << name;
        EXPECT_EQ(value("stolen"), QString()) << name;
    }
    const QStringList printed = temp.takeConsole();
    ASSERT_EQ(printed.size(), 2);
    EXPECT_TRUE(printed[0].startsWith("Player profile not loaded"));

    run("set fenkit_player loop", false);
    EXPECT_EQ(values({"before", "after", "fenkit_player"}), "1|1|loop");
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("Loaded " + temp.path("config/q3_loop.fkp") + " (0.00 sec)"));
    run("set fenkit_player ping", false);
    EXPECT_EQ(values({"ping", "pong", "fenkit_player"}), "1|1|ping");

    program().game.currentGame = "quake1";
    run("set fenkit_player BOB", false);
    EXPECT_EQ(value("name"), "Quake1Bob");
}

TEST_F(InterpreterTest, EchoOffPrintsNothing) {
    for (const char* line :
         {"set a 1", "set a", "set", "|", "MAP x", "setadd1 a", "del a", "clearcvars",
          "set a 1 | set b 2", "openconsole", "loadform x.frm", "help"})
        run(line, false);
    EXPECT_THAT(temp.takeConsole(), IsEmpty());
}

TEST_F(InterpreterTest, WindowCommandsReachTheUserInterface) {
    for (const char* line : {"openconsole", "OpenMapBrowser", "openserverbrowser extra words",
                             "loadform q3_quake3_bot.frm", "addbutton   \"Name\"  \\x\\y z  "})
        run(line, false);
    EXPECT_THAT(
        temp.ui.reports(),
        ElementsAre("would open the console window", "would open the map browser",
                    "would open the server browser",
                    "would open the custom window " + temp.path("Forms/q3_quake3_bot.frm")));
    // "addbutton" hands the rest of the line, trimmed, to the button list.
    ASSERT_EQ(program().buttons.count(), 1);
    EXPECT_EQ(program().buttons.buttons()[0].line, "\"Name\"  \\x\\y z");
    EXPECT_THAT(names(), IsEmpty());

    // The bars of a button's action stay in the button, whatever comes
    // before it on the line; they do not run when the line is read.
    run("set a 1|AddButton \\caption\\x\\action\\map q3dm17|set b 2", false);
    ASSERT_EQ(program().buttons.count(), 2);
    EXPECT_EQ(program().buttons.buttons()[1].action, "map q3dm17|set b 2");
    EXPECT_THAT(names(), ElementsAre("a"));
}

TEST_F(InterpreterTest, EverySetDisplayAndUsageRefreshesBoundControls) {
    program();
    const int before = temp.ui.refreshCount();
    for (const char* line : {"set a 1", "set a", "set", "del a", "openconsole"})
        run(line, false);
    EXPECT_EQ(temp.ui.refreshCount(), before + 3);
}

TEST_F(InterpreterTest, NewCvarsTakeTheirAttributesFromTheCatalogue) {
    program().catalogue.loadText(
        QStringLiteral("\"quake3\",\"g_gametype\",1,2,0,2,\"\\\\Type\\\\^3%s\",\"Game type\"\r\n"
                       "\"quake1\",\"g_gametype\",2,1,0,3,\"q1\",\"\"\r\n"));
    program().game.currentGame = "quake3";
    run("set g_gametype 4|set unknown 1", false);
    const auto attributes = [&](const char* name) {
        const CvarRecord* r = record(name);
        return r ? QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r->scope)
                       .arg(r->placement)
                       .arg(r->mode)
                       .arg(r->info, r->kind)
                 : QString();
    };
    EXPECT_EQ(attributes("g_gametype"), "1 2 2 \\\\Type\\\\^3%s set");
    EXPECT_EQ(attributes("unknown"), "0 0 0  set");
}

} // namespace
} // namespace fennick
