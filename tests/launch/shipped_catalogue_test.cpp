#include "common/game_ids.h"
#include "launch_fixture.h"

#include <QFileInfo>
#include <QSet>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

// The catalogue and enumerations that ship in the program folder.
QString shippedFile(const QString& name) {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/") + name;
}

class ShippedCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"cmds.lst", "enums.lst"}) {
            QFile file(shippedFile(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
            temp.writeBytes(QLatin1String(name), file.readAll());
        }
        temp.writeBytes(QStringLiteral("q3/quake3.exe"), QByteArray());
        QDir().mkpath(temp.path(QStringLiteral("q3/baseq3")));
        program().loadCatalogue();
        program().videoHook = nullptr;
        program().settings.setQuake3Dir(temp.path(QStringLiteral("q3")));
        program().game.currentGame = QStringLiteral("quake3");
        program().game.currentModKey = QStringLiteral("quake3");
    }
    Program& program() { return temp.program(); }

    TempProgram temp;
};

TEST_F(ShippedCatalogueTest, EveryEntryIsWellFormed) {
    const QVector<PredefinedCommand>& entries = program().catalogue.entries();
    ASSERT_GT(entries.size(), 50);
    QSet<QString> known;
    for (const PredefinedCommand& entry : entries) {
        SCOPED_TRACE((entry.game + QLatin1Char(' ') + entry.name).toStdString());
        EXPECT_TRUE(isGameId(entry.game));
        EXPECT_FALSE(entry.name.isEmpty());
        EXPECT_TRUE(entry.scope >= -1 && entry.scope <= 2);
        EXPECT_TRUE(entry.placement >= -1 && entry.placement <= 2);
        EXPECT_TRUE(entry.mode >= 0 && entry.mode <= 4);
        EXPECT_TRUE(entry.info.isEmpty() || entry.info.startsWith(QLatin1String("\\caption\\")));
        EXPECT_FALSE(entry.help.isEmpty());
        // The program's own settings never reach the game's command line.
        if (entry.name.startsWith(QLatin1String("fenkit_"))) {
            EXPECT_EQ(entry.placement, -1);
        }
        known.insert(entry.game + QLatin1Char(' ') + entry.name);
    }
    // Enumerations describe cvars the catalogue knows, for the same game.
    for (const EnumEntry& entry : program().enums.entries()) {
        EXPECT_TRUE(known.contains(entry.game + QLatin1Char(' ') + entry.cvar))
            << (entry.game + QLatin1Char(' ') + entry.cvar).toStdString();
    }
    EXPECT_EQ(program().enums.EnumDisplay(QStringLiteral("quake3"), QStringLiteral("g_gametype"),
                                          QStringLiteral("4")),
              "Capture The Flag");
    EXPECT_EQ(program().enums.EnumDisplay(QStringLiteral("quake2"), QStringLiteral("fenkit_mp"),
                                          QStringLiteral("2")),
              "Multiplayer server");
}

TEST_F(ShippedCatalogueTest, AQuakeThreeGameWithBotsLaunchesAsTheGameExpects) {
    program().BotNames.append(QStringLiteral("Sarge"));
    for (const char* line :
         {"set fenkit_mp 1", "set g_gametype 0", "set fraglimit 20", "set r_mode 4",
          "set r_fullscreen 1", "set name Fish", "set fenkit_bots 2", "map q3dm17"})
        program().interpreter.ExecuteLine(QLatin1String(line), false);
    EXPECT_TRUE(program().preview.commandLine.endsWith(
        QLatin1String("quake3.exe +set r_mode 4 +set r_fullscreen 1 +exec fenkit.cfg")));
    EXPECT_THAT(program().preview.scriptLines,
                ElementsAre("set sp_skill 3", "set bot_enable 1", "set g_gametype 0",
                            "set fraglimit 20", "set name Fish", "map q3dm17", "addbot Sarge 3 ",
                            "addbot Sarge 3 "));

    // A client game connects instead: no map, no bots, no local rules.
    program().interpreter.ExecuteLine(QStringLiteral("set fenkit_mp 3"), false);
    program().interpreter.ExecuteLine(QStringLiteral("connect 127.0.0.1:27960"), false);
    EXPECT_THAT(program().preview.scriptLines,
                ElementsAre("set name Fish", "connect 127.0.0.1:27960"));
}

} // namespace
} // namespace fennick::test
