#include "launch/mod_list.h"
#include "platform/desktop_services.h"
#include "support/qt_matchers.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ModListTest : public ::testing::Test {
protected:
    Program& program() { return temp.program(); }
    ModList& mods() { return program().mods; }

    // Makes `game` current with its directory at "games/<game>".
    QString play(const QString& game) {
        const QString dir = temp.path(QStringLiteral("games/") + game);
        QDir().mkpath(dir);
        if (game == QLatin1String("quake1"))
            program().settings.setQuakeDir(dir);
        else if (game == QLatin1String("quake2"))
            program().settings.setQuake2Dir(dir);
        else
            program().settings.setQuake3Dir(dir);
        program().game.currentGame = game;
        program().game.gameDirectory = dir;
        return dir;
    }
    void folders(const QString& game, const QStringList& names) {
        for (const QString& name : names)
            QDir().mkpath(temp.path(QStringLiteral("games/") + game + QLatin1Char('/') + name));
    }
    void config(const QString& name, const QStringList& lines) {
        temp.writeFile(QStringLiteral("config/") + name, lines);
    }
    QStringList texts() {
        QStringList out;
        for (const ModItem& item : mods().items())
            out.append(item.text + QLatin1Char(':') + QString::number(item.image));
        return out;
    }

    test::TempProgram temp;
};

TEST_F(ModListTest, ListsModsInFolderOrderAndThePlainGameLast) {
    play(QStringLiteral("quake3"));
    folders(QStringLiteral("quake3"), {"baseq3", "mymod", "Described", "310", "0310", "321", "299",
                                       "Arena", "320", "a;quit", "say|x", "q\"x", "tab\tx"});
    config(QStringLiteral("q3_described_0.fkc"), {"A Described Mod", "Default Configuration"});
    config(QStringLiteral("q3_320_0.fkc"), {"Point Release With Settings"});
    config(QStringLiteral("q2_mymod_0.fkc"), {"Another game's mod"});
    temp.takeConsole();
    mods().FillModList();
    EXPECT_THAT(texts(), ElementsAre("0310:1", "299:1", "Point Release With Settings:2", "321:1",
                                     "arena:1", "A Described Mod:2", "mymod:1", "quake3:1"));
    // A folder name that would run commands on the game's command line is
    // left out, with a line each.
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre(test::HasText("folder \"a;quit\""), test::HasText("\"q\"x\""),
                            test::HasText("\"say|x\""), test::HasText("\"tab?x\"")));

    // The view sees the same through the model.
    ASSERT_EQ(mods().rowCount(), 8);
    const QModelIndex second = mods().index(5);
    EXPECT_EQ(mods().data(second).toString(), QStringLiteral("A Described Mod"));
    EXPECT_EQ(mods().data(second, ModList::ImageRole).toInt(), 2);
    EXPECT_FALSE(mods().data(mods().index(99)).isValid());
}

TEST_F(ModListTest, TheGamesDataFoldersAreNeverListed) {
    struct Case {
        const char* game;
        QStringList folders;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"quake1", {"id1", "ID1", "hipnotic"}, {"hipnotic:1", "quake1:1"}},
        {"quake2", {"baseq2", "ctf", "baseq3"}, {"ctf:1", "quake2:1"}},
        {"quake3", {"BaseQ3", "demoq3"}, {"demoq3:1", "quake3:1"}},
    };
    for (const Case& c : cases) {
        const QString game = QLatin1String(c.game);
        play(game);
        folders(game, c.folders);
        mods().FillModList();
        EXPECT_EQ(texts(), c.expected) << c.game;
    }
}

TEST_F(ModListTest, ThePlainGameTakesTheFirstFieldOfItsDescriptor) {
    const QList<std::pair<QString, QString>> cases = {
        {"\"Quake 3 Arena\",\"extra\"", "Quake 3 Arena:2"},
        {"Quake 3 Arena, the game", "Quake 3 Arena:2"},
        {"\"Quake, the third\"", "Quake, the third:2"},
        {"", ":2"},
    };
    play(QStringLiteral("quake3"));
    for (const auto& [line, expected] : cases) {
        config(QStringLiteral("q3_quake3_0.fkc"), {line, "Default Configuration"});
        mods().FillModList();
        EXPECT_THAT(texts(), ElementsAre(expected)) << line.toStdString();
    }
}

TEST_F(ModListTest, NoGameOrNoFolderGivesWhatIsThere) {
    mods().FillModList();
    EXPECT_THAT(texts(), IsEmpty());

    program().game.currentGame = QStringLiteral("quake2");
    program().settings.setQuake2Dir(temp.path(QStringLiteral("missing")));
    mods().FillModList();
    EXPECT_THAT(texts(), ElementsAre("quake2:1"));
}

TEST_F(ModListTest, KeysOfFoldersBelowTheGameDirectory) {
    const QString dir = play(QStringLiteral("quake3"));
    const QList<std::pair<QString, QString>> cases = {
        {dir, "quake3"},
        {dir.toUpper(), "quake3"},
        {dir + "/", "quake3"},
        {dir + "/MyMod", "mymod"},
        {dir + "\\Rocket Arena", "rocket arena"},
        {dir + "/osp/", "osp"},
        {temp.path("elsewhere/OtherMod"), "othermod"},
    };
    for (const auto& [path, key] : cases)
        EXPECT_EQ(mods().ModKeyOf(path), key) << path.toStdString();
}

TEST_F(ModListTest, AnItemTextLeadsBackToItsDescriptorTheLastListedWinning) {
    play(QStringLiteral("quake3"));
    config(QStringLiteral("q3_alpha_0.fkc"), {"Same Name", "First"});
    config(QStringLiteral("q3_beta_0.fkc"), {"Same Name", "Second"});
    config(QStringLiteral("q3_gamma_1.fkc"), {"Gamma Text", "Only a second configuration"});
    config(QStringLiteral("q2_delta_0.fkc"), {"Delta Text"});
    config(QStringLiteral("q3__0.fkc"), {"No Key"});
    config(QStringLiteral("q3_epsilon_0.fkc"), {"Epsilon Text"});
    const QList<std::pair<QString, std::optional<QString>>> cases = {
        {"Same Name", "beta"},        {"Epsilon Text", "epsilon"},  {"epsilon text", std::nullopt},
        {"Gamma Text", std::nullopt}, {"Delta Text", std::nullopt}, {"No Key", std::nullopt},
    };
    for (const auto& [text, key] : cases)
        EXPECT_EQ(mods().findDescriptorKey(text), key) << text.toStdString();
}

TEST_F(ModListTest, OffersTheConfigurationsNumberedUpToNine) {
    play(QStringLiteral("quake3"));
    config(QStringLiteral("q3_mod_0.fkc"), {"Mod", "Default Configuration"});
    config(QStringLiteral("q3_mod_1.fkc"), {"Mod", "Capture the Flag"});
    config(QStringLiteral("q3_mod_12.fkc"), {"Mod", "Twelve"});
    config(QStringLiteral("q3_mod_9.fkc"), {"Mod"});
    config(QStringLiteral("q3_other_2.fkc"), {"Other", "Not this mod"});
    EXPECT_THAT(mods().configurationNames(QStringLiteral("mod")),
                ElementsAre("Default Configuration", "Capture the Flag", ""));
    EXPECT_THAT(mods().configurationNames(QStringLiteral("none")), IsEmpty());
}

TEST_F(ModListTest, DocumentsComeFromTheModFolderOrTheGameDirectory) {
    const QString dir = play(QStringLiteral("quake3"));
    for (const char* name : {"readme.txt", "Autoexec.CFG", "run.bat", "index.htm", "page.html",
                             "notes.doc", "mod.ico", "pak0.pk3"})
        temp.writeFile(QStringLiteral("games/quake3/MyMod/") + QLatin1String(name), {"x"});
    temp.writeFile(QStringLiteral("games/quake3/quake3.txt"), {"x"});

    const QString modFolder = mods().documentFolder(QStringLiteral("MyMod"));
    EXPECT_THAT(ModList::documentFiles(modFolder),
                ElementsAre("Autoexec.CFG", "index.htm", "page.html", "readme.txt", "run.bat"));
    // The key is lower case while the folder is not.
    EXPECT_THAT(ModList::documentFiles(mods().documentFolder(QStringLiteral("mymod"))),
                ElementsAre("Autoexec.CFG", "index.htm", "page.html", "readme.txt", "run.bat"));
    EXPECT_THAT(ModList::documentFiles(mods().documentFolder(QStringLiteral("quake3"))),
                ElementsAre("quake3.txt"));

    program().game.gameDirectory.clear();
    EXPECT_TRUE(mods().documentFolder(QStringLiteral("mymod")).isEmpty());
}

TEST(DesktopEntry, TheEditorsCommandGetsTheFile) {
    const QString file = QStringLiteral("/games/my mod/readme.cfg");
    const QList<std::pair<QString, std::optional<QStringList>>> cases = {
        {"gedit %U", QStringList{"gedit", file}},
        {"kate -b %u", QStringList{"kate", "-b", file}},
        {"mousepad", QStringList{"mousepad", file}},
        {"\"/opt/My Editor/ed\" --file=%f", QStringList{"/opt/My Editor/ed", "--file=" + file}},
        {"env A=1 ed %i --name %c %k %F", QStringList{"env", "A=1", "ed", "--name", file}},
        {"ed --percent=100%% %f", QStringList{"ed", "--percent=100%", file}},
        {"\"ed \\\"quoted\\\"\"  %f", QStringList{"ed \"quoted\"", file}},
        {"", std::nullopt},
        {"%i", std::nullopt},
    };
    for (const auto& [exec, expected] : cases)
        EXPECT_EQ(platform::expandDesktopExec(exec, file), expected) << exec.toStdString();
}

TEST(DesktopEntry, OnlyTheMainGroupCounts) {
    const platform::DesktopEntry entry = platform::parseDesktopEntry(QStringLiteral(
        "# comment\n[Desktop Action new]\nExec=wrong %f\n[Desktop Entry]\nName=Ed\n"
        "Exec[de]=falsch\nExec = my\\sed %f\nTerminal=true\n[Other]\nTerminal=false\n"));
    EXPECT_EQ(entry.exec, QStringLiteral("my ed %f"));
    EXPECT_TRUE(entry.terminal);
    EXPECT_FALSE(platform::parseDesktopEntry(QStringLiteral("[Desktop Entry]\nExec=ed")).terminal);
}

} // namespace
} // namespace fennick
