#include "app/game_install.h"
#include "common/game_ids.h"
#include "support/fake_engines.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// A temporary machine: "bin" is the whole PATH, "home" the home folder.
class GameInstallTest : public ::testing::Test {
protected:
    GameInstallTest() : path_("PATH", temp.path("bin")) {
        system.home = temp.path("home");
        QDir().mkpath(system.home);
        QDir().mkpath(temp.path("bin"));
    }

    QString folderWith(const QString& name, const QStringList& files) {
        for (const QString& file : files) {
            if (file.endsWith('/'))
                QDir().mkpath(temp.path(name + '/' + file));
            else
                temp.writeBytes(name + '/' + file, {});
        }
        return temp.path(name);
    }
    void engineOnPath(const QString& name) {
        writeFakeEngine(temp.path("bin/" + name), temp.path("run.txt"));
    }

    TempProgram temp;
    FakeSystemLookup system;

private:
    ScopedEnvironment path_;
};

TEST_F(GameInstallTest, AFolderIsValidByItsWindowsExecutableOrByItsDataAndAnEngine) {
    engineOnPath("ioquake3");
    engineOnPath("openarena");
    engineOnPath("quakespasm");
    engineOnPath("yquake2");
    const QString bin = temp.path("bin/");
    struct Case {
        const char* name;
        QString game;
        QStringList files;
        EngineSettings settings;
        GameInstall::Layout layout;
        GameInstall::Source source;
        QString executable; // below the case's folder unless it starts with "/"
        QString dataFolder;
        QString home; // below the home folder
    };
    using L = GameInstall::Layout;
    using S = GameInstall::Source;
    const Case cases[] = {
        {"windows executable first, even with an engine set",
         kQuake3,
         {"quake3.exe", "baseq3/"},
         {"openarena", {}},
         L::Windows,
         S::None,
         "quake3.exe",
         "baseq3",
         ""},
        {"data only, engine on PATH",
         kQuake3,
         {"baseq3/"},
         {},
         L::Native,
         S::Path,
         bin + "ioquake3",
         "baseq3",
         ".q3a"},
        {"OpenArena data gets the OpenArena engine",
         kQuake3,
         {"baseoa/"},
         {},
         L::Native,
         S::Path,
         bin + "openarena",
         "baseoa",
         ".openarena"},
        {"an engine in the folder comes before PATH",
         kQuake3,
         {"baseq3/", "quake3e"},
         {},
         L::Native,
         S::Folder,
         "quake3e",
         "baseq3",
         ""},
        {"the configured engine by name",
         kQuake3,
         {"baseq3/"},
         {"openarena", {}},
         L::Native,
         S::Configured,
         bin + "openarena",
         "baseq3",
         ".openarena"},
        {"a configured path below the home folder",
         kQuake3,
         {"baseq3/"},
         {"~/engines/ioq3", ".myq3"},
         L::Native,
         S::Configured,
         temp.path("home/engines/ioq3"),
         "baseq3",
         ".myq3"},
        {"Quake with QuakeSpasm",
         kQuake1,
         {"id1/"},
         {},
         L::Native,
         S::Path,
         bin + "quakespasm",
         "id1",
         ".quakespasm"},
        {"Quake II with Yamagi's engine",
         kQuake2,
         {"baseq2/"},
         {},
         L::Native,
         S::Path,
         bin + "yquake2",
         "baseq2",
         ".yq2"},
        {"Quake's executables keep their order",
         kQuake1,
         {"quake.exe", "winquake.exe", "id1/"},
         {},
         L::Windows,
         S::None,
         "winquake.exe",
         "id1",
         ""},
    };
    writeFakeEngine(temp.path("home/engines/ioq3"), temp.path("run.txt"));
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = folderWith(QStringLiteral("g%1").arg(++n), c.files);
        if (c.files.contains("quake3e"))
            writeFakeEngine(dir + "/quake3e", temp.path("run.txt"));
        const GameInstall install = inspectGameFolder(c.game, dir, c.settings, system);
        EXPECT_EQ(install.layout, c.layout);
        EXPECT_EQ(install.source, c.source);
        EXPECT_EQ(install.executable,
                  c.executable.startsWith('/') ? c.executable : dir + '/' + c.executable);
        EXPECT_EQ(install.dataFolder, c.dataFolder);
        EXPECT_EQ(install.homeFolder, c.home.isEmpty() ? QString() : system.home + '/' + c.home);
        EXPECT_TRUE(install.problem.isEmpty()) << install.problem.toStdString();
    }
}

TEST_F(GameInstallTest, AnInvalidFolderSaysWhy) {
    engineOnPath("ioquake3");
    temp.writeBytes("plain/ioquake3", "not executable");
    struct Case {
        QString game;
        QStringList files;
        EngineSettings settings;
        QString problem; // "%1" is the folder
        bool dataFound;
    };
    const Case cases[] = {
        {kQuake3, {"readme.txt"}, {}, "no quake3.exe, baseq3 or baseoa folder in %1", false},
        {kQuake2, {"baseq3/"}, {}, "no quake2.exe or baseq2 folder in %1", false},
        {kQuake1,
         {"id1/"},
         {},
         "id1 found but no engine: set one in Setup or install quakespasm, vkquake, ironwail, "
         "darkplaces, quake",
         true},
        {kQuake3,
         {"baseq3/"},
         {"q3e", {}},
         "the engine \"q3e\" is not in the game folder or on PATH",
         true},
        {kQuake3,
         {"baseq3/"},
         {"/nowhere/q3e", {}},
         "the engine /nowhere/q3e is not an executable file",
         true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString dir = folderWith(QStringLiteral("bad%1").arg(++n), c.files);
        const GameInstall install = inspectGameFolder(c.game, dir, c.settings, system);
        EXPECT_FALSE(install.valid());
        EXPECT_EQ(install.problem, QString(c.problem).replace("%1", dir));
        EXPECT_EQ(install.dataFound, c.dataFound) << c.problem.toStdString();
    }
    // A file that is not executable is no engine, in the folder or on PATH.
    folderWith("plain", {"baseq3/"});
    writeFakeEngine(temp.path("bin/ioquake3"), temp.path("run.txt"));
    QFile::setPermissions(temp.path("bin/ioquake3"), QFile::ReadOwner);
    EXPECT_FALSE(inspectGameFolder(kQuake3, temp.path("plain"), {}, system).valid());
    EXPECT_EQ(inspectGameFolder(kQuake3, temp.path("gone"), {}, system).problem,
              temp.path("gone") + " does not exist");
}

} // namespace
} // namespace fennick::test
