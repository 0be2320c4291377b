#include "launch/launch_fixture.h"
#include "support/fake_engines.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::EndsWith;
using ::testing::IsEmpty;

class MapCompileStepTest : public LaunchFixture {
protected:
    QString mapsDir() const { return gameDir("quake3") + "/baseq3/maps"; }
    QString scriptText() { return textOf("games/Quake III Arena/baseq3/fenkit.cfg"); }
};

// Each map cvar ending in ".map" is offered once, "map" before "devmap",
// and launched as the compiled map's name whatever the answer, unless the
// answer stops the launch.
TEST_F(MapCompileStepTest, TheStartButtonOffersEachUncompiledMap) {
    struct Case {
        const char* game;
        const char* lines; // after the line choosing the maps folder
        CompileOutcome answer;
        const char* offered; // map files below the maps folder
        const char* script;  // the script's last lines; empty: the game did not start
    };
    const Case cases[] = {
        {"quake3", "map mymap.map", CompileOutcome::NotCompiled, "map mymap.map;", "map mymap|"},
        {"quake3", "devmap b.MAP|map a.map", CompileOutcome::Compiled, "map a.map;devmap b.MAP;",
         "devmap b|map a|"},
        {"quake3", "map q3dm17", CompileOutcome::Compiled, "", "map q3dm17|"},
        {"quake1", "map e1m1.map", CompileOutcome::Compiled, "", ""},
        {"quake3", "map mymap.map", CompileOutcome::Abandoned, "map mymap.map;", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        writeFakeEngine(gameDir("quake3") + "/quake3.exe", temp.path("ran.txt"));
        QFile::remove(gameDir("quake3") + "/baseq3/fenkit.cfg");
        program().cvars.ClearCvars();
        play(c.game, c.game);
        run({"set fenkit_mapfile \"" + mapsDir() + "\"|" + c.lines});
        QString offered;
        program().compileStep.chooser = [&](const CompileRequest& request, MapCompiler&) {
            offered +=
                request.cvar + ' ' + QString(request.paths.mapFile).remove(mapsDir() + '/') + ';';
            return c.answer;
        };

        const bool launched = program().launcher.Launch();
        EXPECT_EQ(offered, c.offered);
        EXPECT_EQ(launched, *c.script != 0);
        if (launched) {
            EXPECT_THAT(scriptText().toStdString(), EndsWith(std::string("|") + c.script));
            EXPECT_EQ(program().cvars.find("map")->kind, "map");
        } else if (QString(c.game) == "quake3") {
            EXPECT_FALSE(exists("games/Quake III Arena/baseq3/fenkit.cfg"));
            EXPECT_EQ(program().cvars.GetCvar("map"), "mymap.map");
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
        const QString file = gameDir("quake3") + '/' + c.key + "/description.txt";
        QFile::remove(file);
        play("quake3", c.folder ? c.key : QString());
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
