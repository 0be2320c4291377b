#include "console/enum_table.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QString kQ3 = "quake3";

QStringList describe(const EnumTable& table) {
    QStringList out;
    for (const EnumEntry& e : table.entries())
        out.append(QStringList{e.game, e.cvar, e.display, e.value}.join(QLatin1Char('|')));
    return out;
}

// Only an entry equal in all four fields is dropped, even when the fields
// joined with a separator would look alike.
TEST(EnumTable, ARepeatedEntryIsStoredOnce) {
    EnumTable table;
    table.loadText(QString::fromLatin1("quake3,g_gametype,\"Free For All\",0\r\n"
                                       "quake3,g_gametype,\"Tournament\",1\r\n"
                                       "quake3,g_gametype,\"Free For All\",0\r\n"
                                       "quake3,g_gametype,\"Free For All\",9\r\n"
                                       "quake1,g_gametype,\"Free For All\",0\r\n"
                                       "\"a\x1f"
                                       "b\",c,d,e\r\na,\"b\x1f"
                                       "c\",d,e\r\n"));
    EXPECT_THAT(describe(table).mid(0, 4),
                ElementsAre("quake3|g_gametype|Free For All|0", "quake3|g_gametype|Tournament|1",
                            "quake3|g_gametype|Free For All|9",
                            "quake1|g_gametype|Free For All|0"));
    EXPECT_EQ(table.entries().size(), 6);
}

// Lookups are exact and fall back to their argument; lists keep the
// table's order for the game and cvar.
TEST(EnumTable, LookupsAndLists) {
    EnumTable table;
    table.loadText(QStringLiteral("quake3,g_gametype,\"Free For All\",0\r\n"
                                  "quake3,r_mode,\"640x480\",3\r\n"
                                  "quake3,g_gametype,\"FFA\",0\r\n"
                                  "quake3,g_gametype,\"Tournament\",1\r\n"
                                  "quake1,g_gametype,\"Deathmatch\",0\r\n"
                                  "quake1,r_mode,\"320x200\",0\r\n"
                                  "quake3,r_mode,\"320x240\",0\r\n"));
    const QString cvar = "g_gametype";
    struct Case {
        bool value; // EnumValue; else EnumDisplay
        QString game, cvar, argument, expected;
    };
    const Case cases[] = {
        {true, kQ3, cvar, "Tournament", "1"},
        {true, kQ3, cvar, "tournament", "tournament"},
        {true, kQ3, cvar, "Deathmatch", "Deathmatch"},
        {false, kQ3, cvar, "0", "Free For All"}, // the first
        {false, kQ3, cvar, "7", "7"},
        {false, "quake1", cvar, "0", "Deathmatch"},
        {false, kQ3, "G_GAMETYPE", "1", "1"},
        {false, "", cvar, "1", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument.toStdString());
        EXPECT_EQ(c.value ? table.EnumValue(c.game, c.cvar, c.argument)
                          : table.EnumDisplay(c.game, c.cvar, c.argument),
                  c.expected);
    }
    EXPECT_THAT(table.FillEnumList(kQ3, "r_mode"), ElementsAre("640x480", "320x240"));
    EXPECT_THAT(table.FillEnumList(kQ3, "nothing"), IsEmpty());
}

// The count is printed even without enums.lst; player profiles become
// "fenkit_player" entries of their game.
TEST(EnumTable, PlayerProfilesBecomePlayerEntries) {
    test::TempProgram temp;
    EnumTable& table = temp.program().enums;
    table.LoadEnums(temp.program().programFolder, temp.program().console, temp.clock);
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("0 enumerations loaded from enums.lst. (0.00 sec)"));
    EXPECT_TRUE(table.entries().isEmpty());

    temp.writeFile("enums.lst",
                   {"quake3,fenkit_player,\"bob\",\"bob\"", "quake3,g_gametype,\"FFA\",0"});
    for (const char* name :
         {"q3_bob.fkp", "q3_Zed Two.FKP", "q1_alice.fkp", "q2_carl.fkp", "q4_dan.fkp", "player.fkp",
          "Q3_upper.fkp", "q3x_odd.fkp", "q3_notes.txt", "q3_.fkp"}) {
        temp.writeFile("config/" + QString::fromUtf8(name), {"set a 1"});
    }
    table.LoadEnums(temp.program().programFolder, temp.program().console, temp.clock);
    EXPECT_THAT(describe(table),
                ElementsAre("quake3|fenkit_player|bob|bob", "quake3|g_gametype|FFA|0",
                            "quake1|fenkit_player|alice|alice", "quake2|fenkit_player|carl|carl",
                            "quake3|fenkit_player||", "quake3|fenkit_player|Zed Two|Zed Two"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("6 enumerations loaded from enums.lst. (0.00 sec)"));
}

} // namespace
} // namespace fennick
