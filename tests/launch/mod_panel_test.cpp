#include "launch_fixture.h"
#include "platform/desktop_services.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

// A Quake III folder with a described mod "cpma" (configurations 0, 1 and
// 12, documents and two icons), an undescribed "osp", the data folder and
// a point-release folder; Quake and Quake III are usable, Quake II is not.
class ModPanelTest : public LaunchFixture {
protected:
    void SetUp() override {
        LaunchFixture::SetUp();
        const QString q3 = folderOf(QStringLiteral("quake3"));
        for (const char* name : {"cpma/readme.txt", "cpma/autoexec.cfg", "cpma/Index.HTM",
                                 "cpma/start.bat", "cpma/notes.html", "cpma/shot.jpg", "cpma/a.ico",
                                 "cpma/B.ICO", "osp/osp.txt", "310/x.txt"})
            temp.writeBytes(q3 + "/" + name, "x");
        config("q3_general.cfg", {"set com_hunkmegs 256"});
        config("q3_cpma_0.fkc", configurationFile("CPMA Pro", "Duel", {"set fraglimit 15"}));
        config("q3_cpma_1.fkc", configurationFile("CPMA Pro", "Team", {"set g_gametype 3"}));
        config("q3_cpma_12.fkc", configurationFile("CPMA Pro", "Twelve", {"set fraglimit 12"}));
        temp.writeFile("mods.lst", {R"("quake3","osp","Orange Smoothie","","")"});
        program().settings.setQuake2Dir(temp.path("nowhere"));
        program().mods.setDesktopServices(&desktop);
    }

    void config(const QString& file, const QStringList& lines) {
        temp.writeFile(QStringLiteral("config/") + file, lines);
    }
    ModPanel& panel() { return program().panel; }
    QString cvar(const char* name) { return program().cvars.GetCvar(QLatin1String(name)); }
    QStringList itemTexts() {
        QStringList out;
        for (const ModItem& item : program().mods.items())
            out.append(item.text);
        return out;
    }
    QString selectedText() {
        const int row = panel().selectedRow();
        return row < 0 ? QString() : program().mods.items().at(row).text;
    }
    QString inGame(const QString& relative) {
        return QDir::toNativeSeparators(gameDir(QStringLiteral("quake3")) + "/" + relative);
    }

    RecordingDesktop desktop;
};

TEST_F(ModPanelTest, SwitchingGamesFillsTheListAndChoosesThePlainGame) {
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    EXPECT_THAT(itemTexts(), ElementsAre("CPMA Pro", "osp", "quake3"));
    EXPECT_EQ(selectedText(), "quake3");
    EXPECT_EQ(program().game.currentModKey, "quake3");
    EXPECT_EQ(cvar("com_hunkmegs"), "256");
    EXPECT_EQ(program().preview.commandLine,
              gameDir("quake3") + "/quake3.exe +set com_hunkmegs 256 +exec fenkit.cfg");

    // Quake II's folder is not valid: Quake III stays, and its list and
    // settings are reloaded, dropping what was set since.
    program().interpreter.ExecuteLine(QStringLiteral("set com_hunkmegs 64"), false);
    QDir().mkpath(gameDir("quake3") + "/freshmod");
    program().switcher.SwitchGame(QStringLiteral("quake2"));
    EXPECT_EQ(program().game.currentGame, "quake3");
    EXPECT_EQ(program().status.queuedText, "Quake 2 Directory is incorrect");
    EXPECT_THAT(itemTexts(), ElementsAre("CPMA Pro", "freshmod", "osp", "quake3"));
    EXPECT_EQ(cvar("com_hunkmegs"), "256");
    EXPECT_EQ(selectedText(), "quake3");
}

TEST_F(ModPanelTest, ThePlainGameIsFoundByIdentifierThenDisplayName) {
    struct Case {
        const char* name;
        QStringList plainDescriptor; // empty: none
        QString cpmaLine;            // the mod's descriptor line
        QString selected;
        QString key;
    };
    const Case cases[] = {
        {"no descriptor", {}, "CPMA Pro", "quake3", "quake3"},
        {"display name", configurationFile("Quake 3 Arena", "Vanilla"), "CPMA Pro", "Quake 3 Arena",
         "quake3"},
        // Neither text matches: the plain game is still chosen, never the
        // mod that was chosen before.
        {"other text", configurationFile(R"("Quake III","extra")", "Vanilla"), "CPMA Pro",
         "Quake III", "quake3"},
        // A mod that calls itself by the display name is matched last and wins.
        {"mod named like the game", {}, "Quake 3 Arena", "Quake 3 Arena", "cpma"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(temp.path("config/q3_quake3_0.fkc"));
        if (!c.plainDescriptor.isEmpty())
            config("q3_quake3_0.fkc", c.plainDescriptor);
        config("q3_cpma_0.fkc", configurationFile(c.cpmaLine, "Duel"));
        program().game.currentModKey = QStringLiteral("cpma");
        program().switcher.SwitchGame(QStringLiteral("quake3"));
        EXPECT_EQ(selectedText(), c.selected);
        EXPECT_EQ(program().game.currentModKey, c.key);
    }
    // The plain game with a descriptor loads its own first configuration.
    QFile::remove(temp.path("config/q3_cpma_0.fkc"));
    config("q3_quake3_0.fkc",
           configurationFile(R"("Quake III","extra")", "Vanilla", {"set fraglimit 30"}));
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    EXPECT_EQ(cvar("fraglimit"), "30");
    EXPECT_EQ(panel().description(), R"("Quake III","extra")");
    EXPECT_THAT(panel().configurations(), ElementsAre("Vanilla"));
    EXPECT_FALSE(panel().descriptionEnabled());
}

TEST_F(ModPanelTest, ChoosingAModWithOrWithoutADescriptor) {
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    // Lists are separated by "|"; the plain game's documents are those of
    // the game folder.
    struct Case {
        const char* item;
        const char* key;
        const char* description;
        bool enabled;
        const char* configurations;
        const char* configuration;
        const char* fraglimit;
        const char* documents;
    };
    const Case cases[] = {
        {"cpma pro", "cpma", "CPMA Pro", true, "Duel|Team", "Duel", "15",
         "autoexec.cfg|Index.HTM|notes.html|readme.txt|start.bat"},
        {"OSP", "osp", "Orange Smoothie", true, "", "Default Configuration", "", "osp.txt"},
        {"quake3", "quake3", "quake3", false, "", "Default Configuration", "", ""},
    };
    const auto list = [](const char* joined) {
        return QString::fromUtf8(joined).split('|', Qt::SkipEmptyParts);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        program().interpreter.ExecuteLine(QStringLiteral("set timelimit 9"), false);
        ASSERT_TRUE(panel().SelectModItem(QLatin1String(c.item)));
        EXPECT_EQ(program().game.currentModKey, c.key);
        EXPECT_EQ(panel().description(), c.description);
        EXPECT_EQ(panel().descriptionEnabled(), c.enabled);
        EXPECT_EQ(panel().configurations(), list(c.configurations));
        EXPECT_EQ(panel().configurationText(), c.configuration);
        // The store holds the general file and the chosen configuration only.
        EXPECT_EQ(cvar("fraglimit"), c.fraglimit);
        EXPECT_EQ(cvar("timelimit"), "");
        EXPECT_EQ(cvar("com_hunkmegs"), "256");
        EXPECT_TRUE(program().configs.marker.isEmpty());
        EXPECT_EQ(panel().documentFolder(), c.enabled
                                                ? inGame(QLatin1String(c.key))
                                                : QDir::toNativeSeparators(gameDir("quake3")));
        EXPECT_EQ(panel().documentFiles(), list(c.documents));
    }
    EXPECT_FALSE(panel().SelectModItem(QStringLiteral("no such mod")));
    EXPECT_EQ(program().game.currentModKey, "quake3");
}

TEST_F(ModPanelTest, TheLastOfTwoSameNamedDescriptorsChoosesTheMod) {
    QDir().mkpath(gameDir("quake3") + "/alpha");
    config("q3_alpha_0.fkc", configurationFile("Twin", "A", {"set fraglimit 1"}));
    config("q3_osp_0.fkc", configurationFile("Twin", "B", {"set fraglimit 2"}));
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    EXPECT_THAT(itemTexts(), ElementsAre("Twin", "CPMA Pro", "Twin", "quake3"));
    for (int row : {0, 2}) {
        panel().SelectMod(row);
        EXPECT_EQ(program().game.currentModKey, "osp");
        EXPECT_EQ(cvar("fraglimit"), "2");
    }
}

TEST_F(ModPanelTest, TheComboLoadsKnownNamesAndOnlyRemembersNewOnes) {
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    panel().SelectModItem(QStringLiteral("CPMA Pro"));

    panel().configurationChosen(QStringLiteral("Team"));
    EXPECT_EQ(cvar("g_gametype"), "3");
    EXPECT_EQ(cvar("fraglimit"), "");

    // Number 12 is not offered, but found when its name is typed.
    panel().configurationChosen(QStringLiteral("Twelve"));
    EXPECT_EQ(cvar("fraglimit"), "12");

    // A name being typed loads nothing, even one that exists.
    panel().configurationTyped(QStringLiteral("Team"));
    EXPECT_EQ(cvar("fraglimit"), "12");
    EXPECT_EQ(panel().configurationText(), "Team");

    // A new name keeps what is loaded and becomes a new file at the next save,
    // with the edited description as its first line.
    panel().configurationChosen(QStringLiteral("Brand new"));
    EXPECT_EQ(cvar("fraglimit"), "12");
    EXPECT_EQ(panel().configurationText(), "Brand new");
    panel().setDescription(QStringLiteral("My CPMA"));
    ASSERT_TRUE(program().configs.SaveConfiguration());
    EXPECT_TRUE(textOf("config/q3_cpma_13.fkc").startsWith("My CPMA|Brand new|Reserved|"));
    EXPECT_TRUE(textOf("config/q3_cpma_13.fkc").endsWith("|set fraglimit 12|"));
}

TEST_F(ModPanelTest, IconsDocumentsAndTheFastInfoBackground) {
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    EXPECT_TRUE(panel().iconPath().isEmpty()); // the game folder has no icon
    EXPECT_TRUE(panel().fastInfoBackground().isEmpty());

    panel().SelectModItem(QStringLiteral("CPMA Pro"));
    QSet<QString> seen{panel().iconPath()};
    for (int i = 0; i < 30; ++i) {
        panel().pickIcon();
        seen.insert(panel().iconPath());
    }
    EXPECT_EQ(seen, (QSet<QString>{inGame("cpma/a.ico"), inGame("cpma/B.ICO")}));

    panel().SelectModItem(QStringLiteral("osp"));
    EXPECT_TRUE(panel().iconPath().isEmpty());
    panel().pickIcon();
    EXPECT_TRUE(panel().iconPath().isEmpty());

    panel().SelectModItem(QStringLiteral("CPMA Pro"));
    for (const char* name :
         {"readme.txt", "Index.HTM", "autoexec.cfg", "start.bat", "shot.jpg", "../osp/osp.txt"})
        panel().openDocument(QLatin1String(name));
    EXPECT_THAT(desktop.opened, ElementsAre("default " + inGame("cpma/readme.txt"),
                                            "default " + inGame("cpma/Index.HTM"),
                                            "editor " + inGame("cpma/autoexec.cfg"),
                                            "editor " + inGame("cpma/start.bat")));

    // Each game has its own background picture in the program folder.
    temp.writeBytes("infoback Q3.gif", "x");
    temp.writeBytes("infobackq3.GIF", "x");
    program().switcher.SwitchGame(QStringLiteral("quake3"));
    EXPECT_EQ(panel().fastInfoBackground(), QDir::toNativeSeparators(temp.path("infobackq3.GIF")));
    program().switcher.SwitchGame(QStringLiteral("quake1"));
    EXPECT_TRUE(panel().fastInfoBackground().isEmpty());
}

} // namespace
} // namespace fennick::test
