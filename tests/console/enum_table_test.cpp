#include "console/enum_table.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QString kQ3 = QStringLiteral("quake3");

QStringList describe(const EnumTable& table) {
    QStringList out;
    for (const EnumEntry& e : table.entries())
        out.append(QStringList{e.game, e.cvar, e.display, e.value}.join(QLatin1Char('|')));
    return out;
}

TEST(EnumTable, ARepeatedEntryIsStoredOnce) {
    EnumTable table;
    table.loadText(QStringLiteral("quake3,g_gametype,\"Free For All\",0\r\n"
                                  "quake3,g_gametype,\"Tournament\",1\r\n"
                                  "quake3,g_gametype,\"Free For All\",0\r\n"
                                  "quake3,g_gametype,\"Free For All\",9\r\n"
                                  "quake1,g_gametype,\"Free For All\",0\r\n"));
    EXPECT_THAT(describe(table),
                ElementsAre("quake3|g_gametype|Free For All|0", "quake3|g_gametype|Tournament|1",
                            "quake3|g_gametype|Free For All|9",
                            "quake1|g_gametype|Free For All|0"));
}

TEST(EnumTable, FieldsThatOnlyJoinAlikeAreDifferentEntries) {
    EnumTable table;
    table.loadText(QString::fromLatin1("\"a\x1f"
                                       "b\",c,d,e\r\na,\"b\x1f"
                                       "c\",d,e\r\n"));
    EXPECT_EQ(table.entries().size(), 2);
}

TEST(EnumTable, LookupsFallBackToTheirArgument) {
    EnumTable table;
    table.loadText(QStringLiteral("quake3,g_gametype,\"Free For All\",0\r\n"
                                  "quake3,g_gametype,\"FFA\",0\r\n"
                                  "quake3,g_gametype,\"Tournament\",1\r\n"
                                  "quake1,g_gametype,\"Deathmatch\",0\r\n"));
    const QString cvar = QStringLiteral("g_gametype");
    EXPECT_EQ(table.EnumValue(kQ3, cvar, QStringLiteral("Tournament")), QStringLiteral("1"));
    EXPECT_EQ(table.EnumValue(kQ3, cvar, QStringLiteral("tournament")),
              QStringLiteral("tournament"));
    EXPECT_EQ(table.EnumValue(kQ3, cvar, QStringLiteral("Deathmatch")),
              QStringLiteral("Deathmatch"));
    EXPECT_EQ(table.EnumDisplay(kQ3, cvar, QStringLiteral("0")),
              QStringLiteral("Free For All")); // the first
    EXPECT_EQ(table.EnumDisplay(kQ3, cvar, QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_EQ(table.EnumDisplay(QStringLiteral("quake1"), cvar, QStringLiteral("0")),
              QStringLiteral("Deathmatch"));
    EXPECT_EQ(table.EnumDisplay(kQ3, QStringLiteral("G_GAMETYPE"), QStringLiteral("1")),
              QStringLiteral("1"));
    EXPECT_EQ(table.EnumDisplay(QString(), cvar, QStringLiteral("1")), QStringLiteral("1"));
}

TEST(EnumTable, FillEnumListKeepsTableOrderForTheGameAndCvar) {
    EnumTable table;
    table.loadText(QStringLiteral("quake3,r_mode,\"640x480\",3\r\n"
                                  "quake3,g_gametype,\"FFA\",0\r\n"
                                  "quake1,r_mode,\"320x200\",0\r\n"
                                  "quake3,r_mode,\"320x240\",0\r\n"
                                  "quake3,r_mode,\"1024x768\",6\r\n"));
    EXPECT_THAT(table.FillEnumList(kQ3, QStringLiteral("r_mode")),
                ElementsAre("640x480", "320x240", "1024x768"));
    EXPECT_THAT(table.FillEnumList(kQ3, QStringLiteral("nothing")), IsEmpty());
}

TEST(EnumTable, PlayerProfilesBecomePlayerEntries) {
    test::TempProgram temp;
    temp.writeFile(QStringLiteral("enums.lst"),
                   {QStringLiteral("quake3,fenkit_player,\"bob\",\"bob\""),
                    QStringLiteral("quake3,g_gametype,\"FFA\",0")});
    for (const char* name :
         {"q3_bob.fkp", "q3_Zed Two.FKP", "q1_alice.fkp", "q2_carl.fkp", "q4_dan.fkp", "player.fkp",
          "Q3_upper.fkp", "q3x_odd.fkp", "q3_notes.txt", "q3_.fkp"}) {
        temp.writeFile(QStringLiteral("config/") + QString::fromUtf8(name),
                       {QStringLiteral("set a 1")});
    }
    EnumTable& table = temp.program().enums;
    table.LoadEnums(temp.program().programFolder, temp.program().console, temp.clock);
    EXPECT_THAT(describe(table),
                ElementsAre("quake3|fenkit_player|bob|bob", "quake3|g_gametype|FFA|0",
                            "quake1|fenkit_player|alice|alice", "quake2|fenkit_player|carl|carl",
                            "quake3|fenkit_player||", "quake3|fenkit_player|Zed Two|Zed Two"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("6 enumerations loaded from enums.lst. (0.00 sec)"));
}

TEST(EnumTable, TheMessageIsPrintedEvenWithoutEnumsLst) {
    test::TempProgram temp;
    temp.program().enums.LoadEnums(temp.program().programFolder, temp.program().console,
                                   temp.clock);
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("0 enumerations loaded from enums.lst. (0.00 sec)"));
    EXPECT_TRUE(temp.program().enums.entries().isEmpty());
}

} // namespace
} // namespace fennick
