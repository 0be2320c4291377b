#include "app/program.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

// Native installations on a temporary machine: "bin" is the whole PATH,
// "home" the home folder, and "system" holds the system-wide installs.
class NativeLaunchTest : public ::testing::Test {
protected:
    NativeLaunchTest() : path_("PATH", temp.path("bin")) {
        system.home = temp.path("home");
        system.systemWide = {temp.path("system")};
        temp.system = &system;
        QDir().mkpath(temp.path("bin"));
        QDir().mkpath(temp.path("config"));
    }

    // Makes a game folder holding the given folders and files and makes it
    // the current game with the mod (or the plain game).
    void play(const QString& dir, const QStringList& folders, const QString& modKey = "quake3") {
        for (const QString& folder : folders)
            QDir().mkpath(temp.path(dir + '/' + folder));
        Program& p = temp.program();
        p.settings.setQuake3Dir(temp.path(dir));
        p.game.currentGame = QStringLiteral("quake3");
        p.game.gameDirectory = temp.path(dir);
        p.game.currentModKey = modKey;
        p.commandBuilder.MakeCommandLine(false);
        temp.takeConsole();
    }
    void engine(const QString& relative) { writeFakeEngine(temp.path(relative), record()); }
    QString record() const { return temp.path("run.txt"); }

    TempProgram temp;
    FakeSystemLookup system;

private:
    ScopedEnvironment path_;
};

TEST_F(NativeLaunchTest, TheScriptGoesWhereTheEngineLooksForIt) {
    struct Case {
        const char* name;
        const char* dir;
        const char* base;   // the data folder made in it
        const char* engine; // written as a fake engine
        const char* homes;  // [homes] quake3
        const char* mod;    // the mod key, or "quake3"
        const char* script; // below the temporary folder
        bool perUser;
    };
    const Case cases[] = {
        {"data-only folder of the user", "mine", "baseq3", "bin/ioquake3", "", "quake3",
         "mine/baseq3/fenkit.cfg", false},
        {"system-wide Quake III", "system/quake3", "baseq3", "bin/ioquake3", "", "cpma",
         "home/.q3a/cpma/fenkit.cfg", true},
        {"system-wide OpenArena", "system/openarena", "baseoa", "bin/openarena", "", "quake3",
         "home/.openarena/baseoa/fenkit.cfg", true},
        {"[homes] overrides the engine's folder", "system/q3", "baseq3", "bin/quake3",
         "~/games/q3home", "quake3", "home/games/q3home/baseq3/fenkit.cfg", true},
        {"an engine without a known per-user folder keeps the game folder", "system/q3e", "baseq3",
         "bin/quake3e", "", "quake3", "system/q3e/baseq3/fenkit.cfg", false},
        {"the Windows executable keeps the game folder", "system/win", "baseq3",
         "system/win/quake3.exe", "", "quake3", "system/win/baseq3/fenkit.cfg", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString mod = QLatin1String(c.mod);
        const bool plain = mod == QLatin1String("quake3");
        QDir(temp.path("bin")).removeRecursively();
        QDir().mkpath(temp.path("bin"));
        QFile::remove(record());
        engine(QLatin1String(c.engine));
        temp.program().ini.setHome(QStringLiteral("quake3"), QLatin1String(c.homes));
        play(QLatin1String(c.dir), {QLatin1String(c.base), plain ? QString() : mod}, mod);
        const LaunchPreview& preview = temp.program().preview;
        EXPECT_EQ(preview.scriptPath, temp.path(QLatin1String(c.script)));
        EXPECT_EQ(preview.scriptNote.isEmpty(), !c.perUser);
        EXPECT_FALSE(preview.scriptWritten);

        ASSERT_TRUE(temp.program().launcher.Launch());
        const QStringList run = recordedRun(record());
        ASSERT_FALSE(run.isEmpty());
        EXPECT_EQ(QFileInfo(run.first()).canonicalFilePath(),
                  QFileInfo(temp.path(QLatin1String(c.dir))).canonicalFilePath());
        const QStringList args = (plain ? QStringList() : QStringList{"+set", "fs_game", mod}) +
                                 QStringList{"+exec", "fenkit.cfg"};
        EXPECT_EQ(run.mid(1), args);
        EXPECT_TRUE(QFileInfo(temp.path(QLatin1String(c.script))).isFile());
        EXPECT_TRUE(preview.scriptWritten);
        const QString told =
            QStringLiteral("fenkit.cfg written to the engine's per-user folder: ") +
            temp.path(QLatin1String(c.script));
        EXPECT_EQ(temp.takeConsole().contains(told), c.perUser);
        // Only one copy is written.
        const QString inGame = temp.path(QLatin1String(c.dir) + '/' +
                                         (plain ? QLatin1String(c.base) : mod) + "/fenkit.cfg");
        EXPECT_EQ(QFile::exists(inGame), !c.perUser);
    }
}

TEST_F(NativeLaunchTest, AGameFolderThatRefusesTheScriptFallsBackOrStopsTheLaunch) {
    // A folder where the script should be stands in for a read-only file.
    for (const char* name : {"ioquake3", "quake3e"}) {
        SCOPED_TRACE(name);
        QDir(temp.path("bin")).removeRecursively();
        QFile::remove(record());
        engine(QStringLiteral("bin/") + name);
        QDir().mkpath(temp.path("mine/baseq3/fenkit.cfg"));
        play("mine", {"baseq3"});
        const bool knowsItsFolder = QLatin1String(name) == QLatin1String("ioquake3");
        EXPECT_EQ(temp.program().launcher.Launch(), knowsItsFolder);
        EXPECT_EQ(temp.program().preview.scriptWritten, knowsItsFolder);
        const QStringList console = temp.takeConsole();
        if (knowsItsFolder) {
            EXPECT_FALSE(recordedRun(record()).isEmpty());
            EXPECT_TRUE(QFile::exists(temp.path("home/.q3a/baseq3/fenkit.cfg")));
            EXPECT_EQ(temp.program().preview.scriptPath, temp.path("home/.q3a/baseq3/fenkit.cfg"));
        } else {
            ASSERT_FALSE(console.isEmpty());
            EXPECT_TRUE(console.first().endsWith("set it under [homes] in fennick.ini)"))
                << console.first().toStdString();
            EXPECT_EQ(temp.program().status.queuedText,
                      "Cannot launch Quake 3 Arena: fenkit.cfg could not be written");
        }
    }
}

TEST_F(NativeLaunchTest, OpenArenasBaseFolderIsThePlainGameEverywhere) {
    engine("bin/openarena");
    for (const char* folder : {"baseoa", "cpma", "missionpack", "baseq2"})
        QDir().mkpath(temp.path(QStringLiteral("oa/") + folder));
    play("oa", {});
    Program& program = temp.program();
    program.mods.FillModList();
    QStringList keys;
    for (const ModItem& item : program.mods.items())
        keys.append(item.key);
    EXPECT_THAT(keys, ElementsAre("cpma", "missionpack", "quake3"));
    EXPECT_EQ(program.preview.scriptPath, temp.path("oa/baseoa/fenkit.cfg"));

    // With a "baseq3" beside it, that one is the base folder again.
    engine("bin/ioquake3");
    play("oa", {"baseq3"});
    EXPECT_EQ(program.game.quake3Exe, temp.path("bin/ioquake3"));
    program.mods.FillModList();
    EXPECT_EQ(program.mods.indexOfKey("baseoa"), 0);
    EXPECT_EQ(program.preview.scriptPath, temp.path("oa/baseq3/fenkit.cfg"));
}

TEST_F(NativeLaunchTest, SwitchingToAGameWithDataButNoEngineSaysWhatIsMissing) {
    play("mine", {"baseq3"});
    Program& program = temp.program();
    program.game.currentGame.clear();
    program.switcher.SwitchGame("quake3");
    EXPECT_TRUE(program.game.currentGame.isEmpty());
    EXPECT_EQ(program.status.queuedText,
              "Quake 3 Directory is incorrect: no engine for its baseq3 folder");
    EXPECT_EQ(program.status.queuedSeconds, 4);

    engine("bin/quake3");
    program.settings.revalidate();
    program.switcher.SwitchGame("quake3");
    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_EQ(program.game.quake3Exe, temp.path("bin/quake3"));
}

} // namespace
} // namespace fennick::test
