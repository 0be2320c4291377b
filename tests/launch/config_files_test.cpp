#include "launch_fixture.h"
#include "platform/file_system.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ConfigFilesTest : public LaunchFixture {
protected:
    ConfigFiles& configs() { return program().configs; }
    QString configPath(const QString& name) const {
        return QDir::toNativeSeparators(temp.path(QStringLiteral("config/") + name));
    }
    void configuration(const QString& file, const QString& name, const QStringList& commands) {
        temp.writeFile(QStringLiteral("config/") + file,
                       configurationFile(QStringLiteral("Mod"), name, commands));
    }
    // name=value:kind of every record, in store order.
    QStringList store() {
        QStringList out;
        for (const CvarRecord& r : program().cvars.records())
            out.append(r.name + QLatin1Char('=') + r.value + QLatin1Char(':') + r.kind);
        return out;
    }
};

TEST_F(ConfigFilesTest, SaveWritesTheThreeFilesByScopeAndLoadsThemBack) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    configs().description = QStringLiteral("CPMA Pro Mode");
    configs().configurationName = QStringLiteral("Duel practice");
    run({"set g_gametype 1", R"(set sv_hostname "My Server")", "map q3dm17", "set com_hunkmegs 128",
         "set fenkit_player Fish", R"(set name "Big Fish")", "set model sarge/blue",
         R"(set fenkit_mode "Windowed - 800x600")", R"(bind x "say hello")",
         R"(set sensitivity " 5")", "setadd1 cg_fov", "devmap q3dm6"});
    ASSERT_TRUE(configs().SaveConfiguration());

    EXPECT_EQ(textOf(QStringLiteral("config/q3_cpma_0.fkc")),
              "CPMA Pro Mode|Duel practice|Reserved|Reserved|Reserved|Reserved|Reserved|"
              "Reserved|Reserved|Reserved|set g_gametype 1|set sv_hostname \"My Server\"|"
              "map q3dm17|set fenkit_mode \"Windowed - 800x600\"|bind x \"say hello\"|"
              "set sensitivity  5|set cg_fov 1|devmap q3dm6|");
    EXPECT_EQ(textOf(QStringLiteral("config/q3_general.cfg")),
              "set com_hunkmegs 128|set fenkit_player Fish|");
    EXPECT_EQ(textOf(QStringLiteral("config/q3_Fish.fkp")),
              "set name \"Big Fish\"|set model sarge/blue|");
    EXPECT_THAT(temp.takeConsole(), ElementsAre("Saved " + configPath("q3_cpma_0.fkc"),
                                                "Saved " + configPath("q3_general.cfg"),
                                                "Saved " + configPath("q3_Fish.fkp")));

    // Loading the configuration back gives the same saved records; the
    // player profile comes in through the fenkit_player line.
    QStringList saved;
    for (const CvarRecord& r : program().cvars.records()) {
        if (r.scope >= 0)
            saved.append(r.name + QLatin1Char('=') + r.value + QLatin1Char(':') +
                         (r.kind.isEmpty() ? QStringLiteral("set") : r.kind));
    }
    program().cvars.ClearCvars();
    configs().SelectConfiguration(QStringLiteral("Duel practice"));
    EXPECT_EQ(configs().marker, configPath("q3_cpma_0.fkc"));
    for (const QString& record : saved)
        EXPECT_TRUE(store().contains(record)) << record.toStdString();
}

TEST_F(ConfigFilesTest, NewConfigurationsTakeTheNextNumberAfterTheHighest) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    configuration("q3_cpma_0.fkc", "Zero", {});
    configuration("q3_cpma_1.fkc", "One", {});
    configuration("q3_cpma_5.fkc", "Five", {});
    // Not this mod's: another prefix case, and a mod whose key begins alike.
    configuration("Q3_cpma_9.fkc", "Other case", {});
    configuration("q3_cpma_x_8.fkc", "New", {"set fraglimit 99"});

    struct Case {
        const char* name;
        const char* file;
        bool exists;
    };
    const Case cases[] = {
        {"One", "q3_cpma_1.fkc", true},  {"Five", "q3_cpma_5.fkc", true},
        {"New", "q3_cpma_6.fkc", false}, {"Other case", "q3_cpma_6.fkc", false},
        {"one", "q3_cpma_6.fkc", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ConfigFiles::FoundConfiguration found =
            configs().FindConfigurationFile(QLatin1String(c.name));
        EXPECT_EQ(found.path, configPath(QLatin1String(c.file)));
        EXPECT_EQ(found.exists, c.exists);
    }

    // Saving "New" creates number 6 and leaves the other mod's file alone.
    const QByteArray otherMod = temp.readBytes(QStringLiteral("config/q3_cpma_x_8.fkc"));
    configs().configurationName = QStringLiteral("New");
    configs().SaveConfiguration();
    EXPECT_TRUE(exists(QStringLiteral("config/q3_cpma_6.fkc")));
    EXPECT_EQ(temp.readBytes(QStringLiteral("config/q3_cpma_x_8.fkc")), otherMod);

    // The first configuration of a mod gets number 0.
    play(QStringLiteral("quake3"), QStringLiteral("osp"));
    configs().configurationName = QStringLiteral("Default Configuration");
    configs().SaveConfiguration();
    EXPECT_TRUE(textOf(QStringLiteral("config/q3_osp_0.fkc"))
                    .startsWith("Mod Name|Default Configuration|"));
}

TEST_F(ConfigFilesTest, TheFirstOfTwoSameNamedConfigurationsWinsOnLoadAndSave) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    configuration("q3_cpma_0.fkc", "Twin", {"set fraglimit 10"});
    configuration("q3_cpma_3.fkc", "Twin", {"set fraglimit 30"});
    const QByteArray second = temp.readBytes(QStringLiteral("config/q3_cpma_3.fkc"));

    configs().SelectConfiguration(QStringLiteral("Twin"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("fraglimit")), "10");
    run({"set fraglimit 20"});
    configs().SaveConfiguration();
    EXPECT_TRUE(textOf(QStringLiteral("config/q3_cpma_0.fkc")).contains("set fraglimit 20|"));
    EXPECT_EQ(temp.readBytes(QStringLiteral("config/q3_cpma_3.fkc")), second);
}

TEST_F(ConfigFilesTest, SelectingAConfigurationLoadsGeneralFileThenConfiguration) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    temp.writeFile(QStringLiteral("config/q3_general.cfg"), {"set fraglimit 5", "set timelimit 7"});
    temp.writeFile(QStringLiteral("config/q3_cpma_0.fkc"),
                   {"Mod", "Duel", "set header 1", "Reserved", "Reserved", "Reserved", "Reserved",
                    "Reserved", "Reserved", "set header 2", "set fraglimit 15"});
    run({"set leftover 1"});
    temp.takeConsole();

    // While the combo is being refilled nothing loads.
    configs().marker = ConfigFiles::kNoLoad;
    configs().SelectConfiguration(QStringLiteral("Duel"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("leftover")), "1");
    EXPECT_EQ(configs().configurationName, "Duel");

    // An unknown name only is remembered for the next save.
    configs().marker.clear();
    configs().SelectConfiguration(QStringLiteral("Not there"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("leftover")), "1");
    EXPECT_EQ(configs().configurationName, "Not there");
    EXPECT_TRUE(configs().marker.isEmpty());
    EXPECT_THAT(temp.takeConsole(), IsEmpty());

    configs().SelectConfiguration(QStringLiteral("Duel"));
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("leftover")), "");
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("header")), "");
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("fraglimit")), "15");
    EXPECT_EQ(program().cvars.GetCvar(QStringLiteral("timelimit")), "7");
    EXPECT_EQ(configs().marker, configPath("q3_cpma_0.fkc"));
    EXPECT_THAT(temp.takeConsole(),
                ElementsAre("Loaded " + configPath("q3_general.cfg") + " (0.00 sec)",
                            "Loaded " + configPath("q3_cpma_0.fkc") + " (0.00 sec)"));
}

// A load rebuilds the preview at its end, not after every line; whatever
// looks while it runs (here a console line, the profile's "Loaded") sees
// the lines before it, and a deleted cvar stays shown until the next
// change, as when every line rebuilds.
TEST_F(ConfigFilesTest, ALoadRebuildsThePreviewWhereItIsSeen) {
    play(QStringLiteral("quake3"), QStringLiteral("quake3"));
    temp.writeFile(QStringLiteral("config/q3_Fish.fkp"), {"set name Fish"});
    temp.writeFile(QStringLiteral("config/q3_general.cfg"),
                   {"set r_mode 4", "set fenkit_player Fish", "set r_mode 6", "set r_fullscreen 0",
                    "del r_fullscreen"});
    const LaunchPreview& preview = program().preview;
    const auto shown = [&preview] {
        return preview.commandLine.section(QStringLiteral(".exe"), 1);
    };
    QStringList changes, printed;
    QObject::connect(&preview, &LaunchPreview::changed, [&] { changes.append(shown()); });
    QObject::connect(&program().console, &ConsoleLog::linePrinted, [&](const QString& line) {
        printed.append((line.contains(QLatin1String("Fish")) ? "profile" : "general") + shown());
    });
    configs().LoadConfigFile(configs().generalFilePath());
    EXPECT_THAT(changes, ElementsAre(" +set r_mode 4 +exec fenkit.cfg",
                                     " +set r_mode 6 +set r_fullscreen 0 +exec fenkit.cfg"));
    EXPECT_THAT(printed, ElementsAre("profile +set r_mode 4 +exec fenkit.cfg",
                                     "general +set r_mode 6 +set r_fullscreen 0 +exec fenkit.cfg"));
    EXPECT_THAT(preview.scriptLines,
                ElementsAre("set name Fish", "set sp_skill 3", "set bot_enable 1"));
}

// Without a player profile the player's settings stay in the general
// file, where loading and saving again keeps them as they are.
TEST_F(ConfigFilesTest, PlayerProfileIsWrittenOnlyForASafePlayerName) {
    play(QStringLiteral("quake3"), QStringLiteral("quake3"));
    run({R"(set name "Big Fish")", "set com_hunkmegs 128"});
    for (int save = 0; save < 2; ++save) {
        configs().SaveConfiguration();
        EXPECT_EQ(textOf(QStringLiteral("config/q3_general.cfg")),
                  "set name \"Big Fish\"|set com_hunkmegs 128|");
        program().cvars.ClearCvars();
        configs().LoadConfigFile(configs().generalFilePath());
    }
    EXPECT_THAT(platform::listFiles(temp.path(QStringLiteral("config")), QStringLiteral("*.fkp")),
                IsEmpty());

    for (const char* player : {"../evil", "a/b", "a\\b", "..", "x..y"}) {
        SCOPED_TRACE(player);
        temp.takeConsole();
        program().cvars.SetCvar(QStringLiteral("fenkit_player"), QLatin1String(player), 0, 0,
                                QStringLiteral("set"));
        EXPECT_FALSE(configs().SaveConfiguration());
        const QStringList console = temp.takeConsole();
        EXPECT_TRUE(console.contains(QStringLiteral("Player profile not saved: \"") +
                                     QLatin1String(player) +
                                     QStringLiteral("\" cannot be used as a file name")));
    }
    EXPECT_THAT(platform::listFiles(temp.path(QStringLiteral("config")), QStringLiteral("*.fkp")),
                IsEmpty());
    EXPECT_FALSE(exists(QStringLiteral("evil.fkp")));
    EXPECT_FALSE(exists(QStringLiteral("q3_../evil.fkp")));
}

TEST_F(ConfigFilesTest, HeaderLinesStayOneLineEach) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    configs().description = QStringLiteral("Two\nlines");
    configs().configurationName = QStringLiteral("Name\r\nbroken");
    run({"set fraglimit 5"});
    configs().SaveConfiguration();
    configs().SaveConfiguration();
    EXPECT_EQ(textOf(QStringLiteral("config/q3_cpma_0.fkc")),
              "Two lines|Name broken|Reserved|Reserved|Reserved|Reserved|Reserved|Reserved|"
              "Reserved|Reserved|set fraglimit 5|");
    // The second save found the first one's file again.
    EXPECT_FALSE(exists(QStringLiteral("config/q3_cpma_1.fkc")));
}

TEST_F(ConfigFilesTest, AFileThatCannotBeWrittenIsReportedAndTheOthersStillSaved) {
    play(QStringLiteral("quake3"), QStringLiteral("cpma"));
    QDir().mkpath(temp.path(QStringLiteral("config/q3_general.cfg")));
    run({"set fraglimit 5"});
    EXPECT_FALSE(configs().SaveConfiguration());
    const QStringList console = temp.takeConsole();
    ASSERT_EQ(console.size(), 2);
    EXPECT_EQ(console[0], "Saved " + configPath("q3_cpma_0.fkc"));
    EXPECT_TRUE(console[1].startsWith("Could not save " + configPath("q3_general.cfg")));

    // Without a game nothing is saved at all.
    program().game.currentGame.clear();
    EXPECT_FALSE(configs().SaveConfiguration());
    EXPECT_THAT(temp.takeConsole(), ElementsAre("Nothing saved: no game is selected"));
}

} // namespace
} // namespace fennick::test
