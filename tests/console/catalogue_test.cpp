#include "console/catalogue.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Catalogue, ALaterDuplicateWinsWithoutGrowing) {
    Catalogue catalogue;
    catalogue.loadText(
        QStringLiteral("\"quake3\",\"g_gametype\",0,2,9,0,\"old\",\"old help\"\r\n"
                       "\"quake3\",\"fraglimit\",0,1,0,0,\"\",\"\"\r\n"
                       "\"quake3\",\"g_gametype\",1,0,9,3,\"new\",\"new help\"\r\n"));
    ASSERT_EQ(catalogue.entries().size(), 2);
    EXPECT_EQ(catalogue.entries()[0].name, QStringLiteral("g_gametype"));
    const PredefinedCommand* e =
        catalogue.find(QStringLiteral("quake3"), QStringLiteral("g_gametype"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->scope, 1);
    EXPECT_EQ(e->placement, 0);
    EXPECT_EQ(e->mode, 3);
    EXPECT_EQ(e->info, QStringLiteral("new"));
    EXPECT_EQ(e->help, QStringLiteral("new help"));
}

TEST(Catalogue, LookupsAreExactAndPerGame) {
    Catalogue catalogue;
    catalogue.loadText(QStringLiteral("quake1,map,0,1,0,0,q1,\"\"\nquake3,map,0,2,0,0,q3,\"\"\n"));
    ASSERT_EQ(catalogue.entries().size(), 2);
    EXPECT_EQ(catalogue.find(QStringLiteral("quake1"), QStringLiteral("map"))->info,
              QStringLiteral("q1"));
    EXPECT_EQ(catalogue.find(QStringLiteral("quake3"), QStringLiteral("map"))->placement, 2);
    EXPECT_EQ(catalogue.find(QStringLiteral("quake2"), QStringLiteral("map")), nullptr);
    EXPECT_EQ(catalogue.find(QStringLiteral("quake3"), QStringLiteral("MAP")), nullptr);
    EXPECT_EQ(catalogue.find(QStringLiteral("Quake3"), QStringLiteral("map")), nullptr);
}

TEST(Catalogue, BadNumbersReadAsZeroAndLoadingGoesOn) {
    Catalogue catalogue;
    catalogue.loadText(QStringLiteral("quake3,text,abc,1,0,1,\"i\",\"h\"\r\n"
                                      "quake3,big,40000,-40000,x,99999,\"i\",\"h\"\r\n"
                                      "quake3,empty,,,,,\"i\",\"h\"\r\n"
                                      "quake3,good,2,1,0,3,\"i\",\"h\"\r\n"));
    ASSERT_EQ(catalogue.entries().size(), 4);
    const PredefinedCommand* text =
        catalogue.find(QStringLiteral("quake3"), QStringLiteral("text"));
    EXPECT_EQ(text->scope, 0);
    EXPECT_EQ(text->placement, 1);
    EXPECT_EQ(text->mode, 1);
    const PredefinedCommand* big = catalogue.find(QStringLiteral("quake3"), QStringLiteral("big"));
    EXPECT_EQ(big->scope, 0);
    EXPECT_EQ(big->placement, 0);
    EXPECT_EQ(big->mode, 0);
    const PredefinedCommand* empty =
        catalogue.find(QStringLiteral("quake3"), QStringLiteral("empty"));
    EXPECT_EQ(empty->scope, 0);
    EXPECT_EQ(empty->info, QStringLiteral("i"));
    const PredefinedCommand* good =
        catalogue.find(QStringLiteral("quake3"), QStringLiteral("good"));
    EXPECT_EQ(good->scope, 2);
    EXPECT_EQ(good->placement, 1);
    EXPECT_EQ(good->mode, 3);
}

TEST(Catalogue, LoadingFromTheProgramFolderPrintsCountAndTime) {
    test::TempProgram temp;
    temp.writeFile(QStringLiteral("CMDS.LST"), {QStringLiteral("quake3,a,0,0,0,0,\"\",\"\""),
                                                QStringLiteral("quake3,b,0,0,0,0,\"\",\"\""),
                                                QStringLiteral("quake3,a,1,0,0,0,\"\",\"\"")});
    temp.program().catalogue.LoadCommands(temp.program().programFolder, temp.program().console,
                                          temp.clock);
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("2 pre-defined commands loaded from cmds.lst (0.00 sec)"));
    // Loading again starts from an empty catalogue.
    temp.program().catalogue.LoadCommands(temp.program().programFolder, temp.program().console,
                                          temp.clock);
    EXPECT_EQ(temp.program().catalogue.entries().size(), 2);
}

TEST(Catalogue, AMissingFileLeavesItEmptyWithoutAWord) {
    test::TempProgram temp;
    temp.program().catalogue.loadText(QStringLiteral("quake3,stale,0,0,0,0,\"\",\"\"\r\n"));
    temp.program().catalogue.LoadCommands(temp.program().programFolder, temp.program().console,
                                          temp.clock);
    EXPECT_TRUE(temp.program().catalogue.entries().isEmpty());
    EXPECT_THAT(temp.takeConsole(), IsEmpty());
}

TEST(Catalogue, TheElapsedTimeIsPrintedWithTwoDecimals) {
    test::TempProgram temp;
    temp.writeFile(QStringLiteral("cmds.lst"), {QStringLiteral("quake3,a,0,0,0,0,\"\",\"\"")});
    struct SlowClock : platform::Clock {
        mutable QDateTime at{QDate(2026, 12, 6), QTime(20, 0)};
        QDateTime now() const override {
            const QDateTime t = at;
            at = at.addMSecs(1234);
            return t;
        }
    } slow;
    temp.program().catalogue.LoadCommands(temp.program().programFolder, temp.program().console,
                                          slow);
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("1 pre-defined commands loaded from cmds.lst (1.23 sec)"));
}

} // namespace
} // namespace fennick
