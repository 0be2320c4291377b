#include "launch_fixture.h"

#include <QFileInfo>
#include <QTest>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GameLauncherTest : public LaunchFixture {
protected:
    QString exePath() const { return gameDir(QStringLiteral("quake3")) + "/quake3.exe"; }
};

TEST_F(GameLauncherTest, StartsTheGameInItsFolderWithTheArgumentsKeptApart) {
    fakeGame();
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    program().configs.configurationName = QStringLiteral("Duel");
    run({"set r_mode 4", R"(set com_hunkmegs "128 MB")", R"(set sv_hostname "My Server")",
         "map q3dm17"});
    QStringList order;
    program().launcher.beforeLaunch = [&] {
        order.append(exists(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg"))
                         ? QStringLiteral("after")
                         : QStringLiteral("before"));
    };

    ASSERT_TRUE(program().launcher.Launch());
    const QStringList seen = launched();
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_EQ(QFileInfo(seen.first()).canonicalFilePath(),
              QFileInfo(gameDir(QStringLiteral("quake3"))).canonicalFilePath());
    EXPECT_THAT(seen.mid(1), ElementsAre("+set", "fs_game", "cpma", "+set", "r_mode", "4", "+set",
                                         "com_hunkmegs", "128 MB", "+exec", "fenkit.cfg"));
    EXPECT_THAT(order, ElementsAre("before"));

    // What a launch writes: the script and the three settings files.
    EXPECT_EQ(textOf(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")),
              "set sv_hostname \"My Server\"|map q3dm17|");
    EXPECT_TRUE(textOf(QStringLiteral("config/q3_cpma_0.fkc")).startsWith("Mod Name|Duel|"));
    EXPECT_TRUE(exists(QStringLiteral("config/q3_general.cfg")));
    EXPECT_TRUE(program().status.queuedText.isEmpty());
}

TEST_F(GameLauncherTest, AGameThatCannotStartChangesNothing) {
    struct Case {
        const char* name;
        std::function<void()> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"missing executable", [&] { QFile::remove(exePath()); },
         "Cannot launch Quake 3 Arena: %1 does not exist"},
        {"not executable",
         [&] { QFile::setPermissions(exePath(), QFile::ReadOwner | QFile::WriteOwner); },
         "Cannot launch Quake 3 Arena: %1 is not an executable file"},
        {"no game", [&] { program().game.currentGame.clear(); },
         "Cannot launch: no game is selected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fakeGame();
        play(QStringLiteral("quake3"), QStringLiteral("cpma"));
        run({"set r_mode 4", "map q3dm17"});
        QDir(temp.path(QStringLiteral("config"))).removeRecursively();
        QDir().mkpath(temp.path(QStringLiteral("config")));
        c.spoil();
        const QString commandLine = program().preview.commandLine;
        temp.takeConsole();

        EXPECT_FALSE(program().launcher.Launch());
        QString message = QString::fromUtf8(c.message);
        if (message.contains(QLatin1String("%1")))
            message = message.arg(QDir::toNativeSeparators(exePath()));
        EXPECT_THAT(temp.takeConsole(), ElementsAre(message));
        EXPECT_EQ(program().status.queuedText, message);
        EXPECT_EQ(program().status.queuedSeconds, 3);
        EXPECT_EQ(program().preview.commandLine, commandLine);
        EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")));
        EXPECT_THAT(QDir(temp.path(QStringLiteral("config"))).entryList(QDir::Files), IsEmpty());
        EXPECT_FALSE(exists(QStringLiteral("launched.txt")));
    }
}

TEST_F(GameLauncherTest, AScriptThatCannotBeWrittenStopsTheStart) {
    fakeGame();
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    QDir(gameDir(QStringLiteral("quake3")) + "/cpma").removeRecursively();
    EXPECT_FALSE(program().launcher.Launch());
    EXPECT_EQ(program().status.queuedText,
              "Cannot launch Quake 3 Arena: fenkit.cfg could not be written");
    // The settings are saved even so; the game is not started.
    EXPECT_TRUE(exists(QStringLiteral("config/q3_cpma_0.fkc")));
    QTest::qWait(200);
    EXPECT_FALSE(exists(QStringLiteral("launched.txt")));
}

} // namespace
} // namespace fennick::test
