#include "core/game_facts.h"
#include "core/game_install.h"
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

// What an inspection found, in one line: layout and source, executable,
// data folder and home folder, with the case's folder, PATH ("bin") and
// the home folder ("~") written short.
QString describe(const GameInstall& install, const QString& dir, const QString& bin,
                 const QString& home) {
    const char* layouts[] = {"none", "windows", "native"};
    const char* sources[] = {"none", "folder", "configured", "path"};
    return QStringList{layouts[int(install.layout)], sources[int(install.source)],
                       install.executable, install.dataFolder, install.homeFolder}
        .join(' ')
        .replace(dir + '/', "")
        .replace(bin, "bin")
        .replace(home, "~");
}

TEST_F(GameInstallTest, AFolderIsValidByItsWindowsExecutableOrByItsDataAndAnEngine) {
    for (const char* engine : {"ioquake3", "openarena", "quakespasm", "yquake2"})
        engineOnPath(engine);
    writeFakeEngine(temp.path("home/engines/ioq3"), temp.path("run.txt"));
    struct Case {
        QString game;
        const char* files; // folders end in "/"
        EngineSettings settings;
        const char* found;
    };
    const Case cases[] = {
        // The Windows executable comes first, even with an engine set.
        {kQuake3, "quake3.exe baseq3/", {"openarena", {}}, "windows none quake3.exe baseq3 "},
        {kQuake3, "baseq3/", {}, "native path bin/ioquake3 baseq3 ~/.q3a"},
        {kQuake3, "baseoa/", {}, "native path bin/openarena baseoa ~/.openarena"},
        // An engine in the folder comes before PATH.
        {kQuake3, "baseq3/ quake3e", {}, "native folder quake3e baseq3 "},
        {kQuake3,
         "baseq3/",
         {"openarena", {}},
         "native configured bin/openarena baseq3 ~/.openarena"},
        {kQuake3,
         "baseq3/",
         {"~/engines/ioq3", ".myq3"},
         "native configured ~/engines/ioq3 baseq3 ~/.myq3"},
        {kQuake1, "id1/", {}, "native path bin/quakespasm id1 ~/.quakespasm"},
        {kQuake2, "baseq2/", {}, "native path bin/yquake2 baseq2 ~/.yq2"},
        // Quake's executables keep their order.
        {kQuake1, "quake.exe winquake.exe id1/", {}, "windows none winquake.exe id1 "},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.found);
        const QString dir = folderWith(QStringLiteral("g%1").arg(++n), QString(c.files).split(' '));
        if (QString(c.files).contains("quake3e"))
            writeFakeEngine(dir + "/quake3e", temp.path("run.txt"));
        const GameInstall install = inspectGameFolder(c.game, dir, c.settings, system);
        EXPECT_EQ(describe(install, dir, temp.path("bin"), system.home), c.found);
        EXPECT_TRUE(install.problem.isEmpty()) << install.problem.toStdString();
    }
}

// Release archives name the engines after the machine; such a name counts
// for the machine the program runs on, after every bare name, and a
// dedicated server never does.
TEST_F(GameInstallTest, EnginesAreFoundUnderTheirReleaseNamesForTheMachine) {
    struct Case {
        const char* architecture;
        QString game;
        const char* folder; // the data folder, then engines in the game folder
        const char* path;   // engines on PATH
        const char* found;
    };
    const Case cases[] = {
        {"x86_64", kQuake3, "baseq3/ ioq3ded.x86_64 ioquake3.x86_64", "",
         "native folder ioquake3.x86_64 baseq3 ~/.q3a"},
        {"x86_64", kQuake3, "baseq3/ quake3e.ded.x64 quake3e.x64", "ioquake3",
         "native folder quake3e.x64 baseq3 "},
        {"x86_64", kQuake3, "baseoa/ oa_ded.x86_64 openarena.i386 openarena.x86_64", "",
         "native folder openarena.x86_64 baseoa ~/.openarena"},
        {"i386", kQuake3, "baseoa/ openarena.x86_64 openarena.i386", "",
         "native folder openarena.i386 baseoa ~/.openarena"},
        {"arm64", kQuake3, "baseq3/ quake3e.x64 quake3e.aarch64", "",
         "native folder quake3e.aarch64 baseq3 "},
        {"x86_64", kQuake1, "id1/ darkplaces-linux-x86_64-dedicated darkplaces-linux-x86_64-sdl",
         "", "native folder darkplaces-linux-x86_64-sdl id1 "},
        // Bare names first, wherever the release names stand.
        {"x86_64", kQuake3, "baseq3/ ioquake3.x86_64 quake3", "",
         "native folder quake3 baseq3 ~/.q3a"},
        {"x86_64", kQuake2, "baseq2/ q2ded", "q2ded yquake2.x86_64",
         "native path bin/yquake2.x86_64 baseq2 ~/.yq2"},
        // Another machine's build, or an unknown machine, is no engine.
        {"x86_64", kQuake3, "baseq3/ quake3e.aarch64 ioquake3.arm64", "", ""},
        {"mips", kQuake3, "baseq3/ ioquake3.x86_64", "", ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.found);
        const QString tag = QString::number(++n);
        const QString bin = temp.path("bin" + tag);
        const ScopedEnvironment path("PATH", bin);
        QStringList files = QString(c.folder).split(' ');
        const QString data = files.takeFirst();
        const QString dir = folderWith("r" + tag, {data});
        for (const QString& file : files)
            writeFakeEngine(dir + '/' + file, temp.path("run.txt"));
        for (const QString& file : QString(c.path).split(' ', Qt::SkipEmptyParts))
            writeFakeEngine(bin + '/' + file, temp.path("run.txt"));
        system.architecture = c.architecture;
        const GameInstall install = inspectGameFolder(c.game, dir, {}, system);
        EXPECT_EQ(install.valid() ? describe(install, dir, bin, system.home) : QString(), c.found);
    }
}

TEST_F(GameInstallTest, AnInvalidFolderSaysWhy) {
    engineOnPath("ioquake3");
    temp.writeBytes("plain/ioquake3", "not executable");
    struct Case {
        QString game;
        const char* files;
        const char* engine;
        bool dataFound;
        QString problem; // "%1" is the folder
    };
    const Case cases[] = {
        {kQuake3, "readme.txt", "", false, "no quake3.exe, baseq3 or baseoa folder in %1"},
        {kQuake2, "baseq3/", "", false, "no quake2.exe or baseq2 folder in %1"},
        {kQuake1, "id1/", "", true,
         "id1 found but no engine: set one in Setup or install quakespasm, vkquake, ironwail, "
         "darkplaces, quake"},
        {kQuake3, "baseq3/", "q3e", true,
         "the engine \"q3e\" is not in the game folder or on PATH"},
        {kQuake3, "baseq3/", "/nowhere/q3e", true,
         "the engine /nowhere/q3e is not an executable file"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem.toStdString());
        const QString dir = folderWith(QStringLiteral("bad%1").arg(++n), {c.files});
        const GameInstall install = inspectGameFolder(c.game, dir, {c.engine, {}}, system);
        EXPECT_FALSE(install.valid());
        EXPECT_EQ(install.problem, QString(c.problem).replace("%1", dir));
        EXPECT_EQ(install.dataFound, c.dataFound);
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
