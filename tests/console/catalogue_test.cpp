#include "console/catalogue.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A later duplicate replaces the entry in its place; lookups are exact and
// per game; numbers that do not read as numbers count as zero.
TEST(Catalogue, LoadsEachRecordAndFindsItExactly) {
    Catalogue catalogue;
    catalogue.loadText(QStringLiteral("\"quake3\",\"g_gametype\",0,2,9,0,\"old\",\"old help\"\r\n"
                                      "quake1,map,0,1,0,0,q1,\"\"\n"
                                      "\"quake3\",\"g_gametype\",1,0,9,3,\"new\",\"new help\"\r\n"
                                      "quake3,text,abc,1,0,1,\"i\",\"h\"\r\n"
                                      "quake3,big,40000,-40000,x,99999,\"i\",\"h\"\r\n"
                                      "quake3,empty,,,,,\"i\",\"h\"\r\n"));
    ASSERT_EQ(catalogue.entries().size(), 5);
    EXPECT_EQ(catalogue.entries()[0].name, "g_gametype");
    struct Case {
        const char* game;
        const char* name;
        QString found; // "scope placement mode info help"; empty: not found
    };
    const Case cases[] = {
        {"quake3", "g_gametype", "1 0 3 new new help"},
        {"quake1", "map", "0 1 0 q1 "},
        {"quake3", "text", "0 1 1 i h"},
        {"quake3", "big", "0 0 0 i h"},
        {"quake3", "empty", "0 0 0 i h"},
        {"quake2", "map", ""},
        {"quake3", "G_GAMETYPE", ""},
        {"Quake3", "g_gametype", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PredefinedCommand* e =
            catalogue.find(QString::fromUtf8(c.game), QString::fromUtf8(c.name));
        EXPECT_EQ(e ? QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(e->scope)
                          .arg(e->placement)
                          .arg(e->mode)
                          .arg(e->info, e->help)
                    : QString(),
                  c.found);
    }
}

// The file's name is found ignoring case; loading starts from an empty
// catalogue and prints the count and the time with two decimals; a missing
// file leaves it empty without a word.
TEST(Catalogue, LoadingFromTheProgramFolderPrintsCountAndTime) {
    test::TempProgram temp;
    struct SlowClock : platform::Clock {
        mutable QDateTime at{QDate(2026, 12, 6), QTime(20, 0)};
        QDateTime now() const override {
            const QDateTime t = at;
            at = at.addMSecs(1234);
            return t;
        }
    } slow;
    Catalogue& catalogue = temp.program().catalogue;
    const auto load = [&] {
        catalogue.LoadCommands(temp.program().programFolder, temp.program().console, slow);
    };
    catalogue.loadText("quake3,stale,0,0,0,0,\"\",\"\"\r\n");
    load();
    EXPECT_TRUE(catalogue.entries().isEmpty());
    EXPECT_THAT(temp.takeConsole(), IsEmpty());

    temp.writeFile("CMDS.LST", {"quake3,a,0,0,0,0,\"\",\"\"", "quake3,b,0,0,0,0,\"\",\"\"",
                                "quake3,a,1,0,0,0,\"\",\"\""});
    load();
    load();
    EXPECT_EQ(catalogue.entries().size(), 2);
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("2 pre-defined commands loaded from cmds.lst (1.23 sec)",
                            "2 pre-defined commands loaded from cmds.lst (1.23 sec)"));
}

} // namespace
} // namespace fennick
