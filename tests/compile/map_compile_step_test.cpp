#include "launch/launch_fixture.h"
#include "support/fake_engines.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using ::testing::IsEmpty;

class MapCompileStepTest : public LaunchFixture {
protected:
    QString mapsDir() const { return gameDir(QStringLiteral("quake3")) + "/baseq3/maps"; }
    QString scriptText() {
        return textOf(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg"));
    }
};

// Each map cvar ending in ".map" is offered once, "map" before "devmap",
// and launched as the compiled map's name whatever the answer, unless the
// answer stops the launch.
TEST_F(MapCompileStepTest, TheStartButtonOffersEachUncompiledMap) {
    const QString folder = QStringLiteral("set fenkit_mapfile \"") + mapsDir() + '"';
    const QString maps = mapsDir() + QLatin1Char('/');
    struct Case {
        const char* name;
        QString game;
        QStringList lines;
        CompileOutcome answer;
        QStringList offered;
        const char* script; // the script's last lines; empty: the game did not start
    };
    const Case cases[] = {
        {"map",
         "quake3",
         {folder, "map mymap.map"},
         CompileOutcome::NotCompiled,
         {"map " + maps + "mymap.map"},
         "map mymap|"},
        {"devmap after map",
         "quake3",
         {folder, "devmap b.MAP", "map a.map"},
         CompileOutcome::Compiled,
         {"map " + maps + "a.map", "devmap " + maps + "b.MAP"},
         "devmap b|map a|"},
        {"compiled map",
         "quake3",
         {folder, "map q3dm17"},
         CompileOutcome::Compiled,
         {},
         "map q3dm17|"},
        {"other game", "quake1", {folder, "map e1m1.map"}, CompileOutcome::Compiled, {}, ""},
        {"stopped",
         "quake3",
         {folder, "map mymap.map"},
         CompileOutcome::Abandoned,
         {"map " + maps + "mymap.map"},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFakeEngine(gameDir(QStringLiteral("quake3")) + "/quake3.exe",
                        temp.path(QStringLiteral("ran.txt")));
        QFile::remove(gameDir(QStringLiteral("quake3")) + "/baseq3/fenkit.cfg");
        program().cvars.ClearCvars();
        play(c.game, c.game);
        run(c.lines);
        QStringList offered;
        program().compileStep.chooser = [&](const CompileRequest& request, MapCompiler&) {
            offered.append(request.cvar + ' ' + request.paths.mapFile);
            return c.answer;
        };

        const bool launched = program().launcher.Launch();
        EXPECT_THAT(offered, ElementsAreArray(c.offered));
        EXPECT_EQ(launched, c.game == "quake3" && *c.script);
        if (launched) {
            EXPECT_THAT(scriptText().toStdString(), EndsWith(std::string("|") + c.script));
            EXPECT_EQ(program().cvars.find(QStringLiteral("map"))->kind, QStringLiteral("map"));
        } else if (c.game == "quake3") {
            EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")));
            EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("map")), "mymap.map");
        }
    }
}

TEST_F(MapCompileStepTest, TheModDescriptionIsWrittenWhenAskedAndNeeded) {
    struct Case {
        const char* name;
        bool option;
        QString key;
        bool folder;
        QString description;
        QByteArray written; // empty: no file
    };
    const Case cases[] = {
        {"new name", true, "cpma", true, "Challenge ProMode", "Challenge ProMode\r\n"},
        {"option off", false, "cpma", true, "Challenge ProMode", ""},
        {"same name in other case", true, "cpma", true, "CPMA", ""},
        {"blank", true, "cpma", true, "  ", ""},
        {"plain game", true, "quake3", false, "Quake 3 Arena", ""},
        {"no folder", true, "gone", false, "Gone Mod", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = gameDir(QStringLiteral("quake3")) + '/' + c.key + "/description.txt";
        QFile::remove(file);
        play(QStringLiteral("quake3"), c.folder ? c.key : QString());
        program().game.currentModKey = c.key;
        program().settings.createDescription = c.option;
        program().panel.setDescription(c.description);

        EXPECT_TRUE(program().compileStep.run());
        QFile written(file);
        EXPECT_EQ(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray(), c.written);
    }
    EXPECT_THAT(temp.takeConsole(), IsEmpty());
}

} // namespace
} // namespace fennick::test
