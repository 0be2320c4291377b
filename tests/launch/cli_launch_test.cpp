#include "cli/cli_options.h"
#include "cli/run_command.h"
#include "compile/fake_tools.h"
#include "launch_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The run options a command line gives, as `fennick-cli run` reads them.
std::variant<cli::RunOptions, cli::ParseError> parse(const QStringList& arguments) {
    const auto parsed = cli::parseOptions(arguments, cli::runOptionSpecs(), false);
    if (const auto* error = std::get_if<cli::ParseError>(&parsed))
        return *error;
    return cli::runOptionsFrom(std::get<cli::ParsedOptions>(parsed));
}

class CliLaunchTest : public LaunchFixture {
protected:
    void SetUp() override {
        LaunchFixture::SetUp();
        const auto field = [this](const QString& game) {
            return QStringLiteral("\"") + gameDir(game) + QStringLiteral("\",0");
        };
        temp.writeFile(QStringLiteral("config.cfg"),
                       {field(QStringLiteral("quake1")), field(QStringLiteral("quake2")),
                        field(QStringLiteral("quake3")), "\"4\"", "\"10\"", "\"5\"",
                        "\"Default OpenGL\"", "0,\"\"", "0"});
        temp.writeFile(QStringLiteral("config/q3_general.cfg"), {"set com_hunkmegs 256"});
        temp.writeFile(QStringLiteral("config/q3_cpma_0.fkc"),
                       configurationFile("CPMA", "Duel practice", {"set r_mode 4", "map q3dm17"}));
        QDir().mkpath(gameDir(QStringLiteral("quake3")) + "/cpma");
    }

    cli::RunOptions options(const QStringList& arguments) {
        const auto parsed =
            parse(QStringList{"--program-folder", temp.path(QString())} + arguments);
        EXPECT_TRUE(std::holds_alternative<cli::RunOptions>(parsed));
        return std::get<cli::RunOptions>(parsed);
    }
    QString run(const QStringList& arguments, QString input = {}, bool terminal = false) {
        QString out;
        err.clear();
        QTextStream in(&input);
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        cli::RunOptions o = options(arguments);
        o.inputIsTerminal = terminal;
        status = cli::runCommand(o, in, outStream, errStream);
        outStream.flush();
        errStream.flush();
        return out;
    }

    QString err;
    int status = -1;
};

TEST_F(CliLaunchTest, AShortcutLaunchesASavedConfigurationWithoutReadingInput) {
    fakeGame();
    // Typed in a shell: the terminal is not waited for.
    const QString out =
        run({"--game", "quake3", "--mod", "CPMA", "--config", "Duel practice", "--launch"},
            QStringLiteral("set fraglimit 99\n"), true);
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_THAT(out.toStdString(), HasSubstr("Started "));
    EXPECT_THAT(launched().mid(1),
                ElementsAre("+set", "fs_game", "cpma", "+set", "com_hunkmegs", "256", "+set",
                            "r_mode", "4", "+exec", "fenkit.cfg"));
    // The input was not read: its fraglimit is nowhere.
    EXPECT_EQ(textOf(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")),
              "set sp_skill 3|set bot_enable 1|map q3dm17|");
    const QString saved = textOf(QStringLiteral("config/q3_cpma_0.fkc"));
    EXPECT_TRUE(saved.startsWith("CPMA|Duel practice|Reserved|")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("|set r_mode 4|")) << saved.toStdString();
    EXPECT_FALSE(saved.contains("fraglimit")) << saved.toStdString();
    EXPECT_EQ(textOf(QStringLiteral("config/q3_general.cfg")), "set com_hunkmegs 256|");
}

TEST_F(CliLaunchTest, PreviewAndJsonShowTheCommandLineAndScript) {
    const QString out =
        run({"--game", "quake3", "--mod", "cpma", "-e", "set g_gametype 1", "--preview"});
    EXPECT_EQ(status, 0);
    const QString exe = gameDir(QStringLiteral("quake3")) + "/quake3.exe";
    const QStringList printed = out.split(QLatin1Char('\n'));
    const QString commandLine = exe + " +set fs_game cpma +set com_hunkmegs 256 +set r_mode 4"
                                      " +exec fenkit.cfg";
    EXPECT_THAT(printed, Contains("Command line: " + commandLine));
    EXPECT_THAT(printed,
                Contains("Script: " + gameDir(QStringLiteral("quake3")) + "/cpma/fenkit.cfg"));
    EXPECT_THAT(printed, Contains("  set g_gametype 1"));
    EXPECT_THAT(printed, Contains("  map q3dm17"));
    // Piped lines reach a preview that has no -e line.
    EXPECT_THAT(run({"--game", "quake3", "--mod", "cpma", "--preview"},
                    QStringLiteral("set g_gametype 4\n"))
                    .split(QLatin1Char('\n')),
                Contains("  set g_gametype 4"));
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")));

    const QJsonObject report =
        QJsonDocument::fromJson(
            run({"--game", "quake3", "--mod", "cpma", "--json", "--write"}).toUtf8())
            .object();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(report.value("commandLine").toString(), commandLine);
    EXPECT_EQ(report.value("scriptLines").toVariant().toStringList(),
              QStringList({"set sp_skill 3", "set bot_enable 1", "map q3dm17"}));
    EXPECT_EQ(report.value("scriptPath").toString(),
              gameDir(QStringLiteral("quake3")) + "/cpma/fenkit.cfg");
    EXPECT_EQ(textOf(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")),
              "set sp_skill 3|set bot_enable 1|map q3dm17|");
}

TEST_F(CliLaunchTest, ANewConfigurationCopiesTheSettingsLoadedSoFar) {
    // The new name loads nothing: the mod's first configuration stays loaded
    // and is saved, with the new line, under the next number.
    run({"--game", "quake3", "--mod", "cpma", "--config", "Fresh", "-e", "set fraglimit 3",
         "--write"});
    EXPECT_EQ(status, 0);
    EXPECT_THAT(err.toStdString(), HasSubstr("no configuration named 'Fresh'"));
    EXPECT_EQ(textOf(QStringLiteral("config/q3_general.cfg")), "set com_hunkmegs 256|");
    const QString fresh = textOf(QStringLiteral("config/q3_cpma_1.fkc"));
    EXPECT_TRUE(fresh.startsWith("CPMA|Fresh|Reserved|Reserved|Reserved|Reserved|Reserved|"
                                 "Reserved|Reserved|Reserved|set r_mode 4|"))
        << fresh.toStdString();
    EXPECT_TRUE(fresh.endsWith("|map q3dm17|set fraglimit 3|")) << fresh.toStdString();
    // The first configuration is left as it was.
    EXPECT_FALSE(textOf(QStringLiteral("config/q3_cpma_0.fkc")).contains("fraglimit"));
}

TEST_F(CliLaunchTest, ModsAreNamedAsTheModListKnowsThem) {
    temp.writeFile(QStringLiteral("config/q3_osp_0.fkc"),
                   configurationFile("Orange Smoothie Pro", "Instagib", {"set g_gametype 4"}));
    QDir().mkpath(gameDir(QStringLiteral("quake3")) + "/osp");
    QDir().mkpath(gameDir(QStringLiteral("quake3")) + "/bare");
    const QString exe = gameDir(QStringLiteral("quake3")) + "/quake3.exe";
    // The game alone (no --mod) is the plain game.
    const QList<std::pair<QStringList, const char*>> cases = {
        {{"--mod", "osp"}, " +set fs_game osp"},
        {{"--mod", "orange smoothie PRO"}, " +set fs_game osp"},
        {{"--mod", "bare"}, " +set fs_game bare"},
        {{"--mod", "quake3"}, ""},
        {{}, ""},
    };
    for (const auto& [mod, fsGame] : cases) {
        SCOPED_TRACE(mod.join(' ').toStdString());
        const QString out = run(QStringList{"--game", "quake3", "--preview"} + mod);
        EXPECT_EQ(status, 0);
        EXPECT_THAT(out.split(QLatin1Char('\n')),
                    Contains("Command line: " + exe + fsGame + " +set com_hunkmegs 256" +
                             " +exec fenkit.cfg"));
    }

    // The description saved is the one the panel shows for the mod.
    run({"--game", "quake3", "--mod", "Orange Smoothie Pro", "--write"});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(textOf(QStringLiteral("config/q3_osp_0.fkc"))
                    .startsWith("Orange Smoothie Pro|Instagib|Reserved|"));

    // A mod the list does not hold is refused, naming the ones it does.
    run({"--game", "quake3", "--mod", "baseq3", "--write"});
    EXPECT_EQ(status, 1);
    EXPECT_THAT(err.toStdString(), HasSubstr("has no mod 'baseq3'"));
    EXPECT_THAT(err.toStdString(), HasSubstr("bare, cpma, osp, quake3"));
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")));
}

TEST_F(CliLaunchTest, FailuresGiveAnExitStatusAndWriteNothing) {
    // quake3.exe exists but is not executable.
    run({"--game", "quake3", "--mod", "cpma", "--launch"});
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/cpma/fenkit.cfg")));

    run({"--write"});
    EXPECT_EQ(status, 1);
    EXPECT_THAT(err.toStdString(), HasSubstr("need a game"));
    EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")));
}

// A map chosen in its uncompiled form is compiled (or not) as the options
// say before the launch, which then starts the compiled map.
TEST_F(CliLaunchTest, AnUncompiledMapIsCompiledFirstAsTheOptionsSay) {
    fakeGame();
    FakeTools tools(gameDir(QStringLiteral("quake3")) + "/Tools");
    const QString maps = gameDir(QStringLiteral("quake3")) + "/baseq3/maps";
    temp.writeFile(QStringLiteral("config.cfg"),
                   {"\"\",0", "\"\",0", "\"" + gameDir(QStringLiteral("quake3")) + "\",0", "\"4\"",
                    "\"10\"", "\"5\"", "\"Default OpenGL\"", "0,\"" + tools.q3map() + '"', "0"});
    const QStringList chooseMap{
        "--game", "quake3",       "--launch", "-e", "set fenkit_mapfile \"" + maps + '"',
        "-e",     "map mymap.map"};
    const QString bsp = " [" + maps + "/mymap.bsp]";
    struct Case {
        QStringList arguments;
        int status;
        QStringList calls;
        const char* says;
        bool failing = false; // q3map fails
    };
    const Case cases[] = {
        {{"--compile", "3", "--aas"},
         0,
         {"q3map [" + maps + "/mymap.map]", "q3map [-vis]" + bsp, "q3map [-light]" + bsp,
          "bspc [-bsp2aas]" + bsp},
         "Compiled "},
        {{"--no-compile"}, 0, {}, "Started "},
        {{}, 1, {}, "Cannot launch: map \"mymap.map\" is an uncompiled map"},
        {{"--compile", "1"},
         1,
         {"q3map [" + maps + "/mymap.map]"},
         "The compile of mymap.map failed: the game was not started",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(tools.record());
        QFile::remove(temp.path(QStringLiteral("launched.txt")));
        QFile::remove(gameDir(QStringLiteral("quake3")) + "/baseq3/fenkit.cfg");
        tools.fail(c.failing);
        const QString out = run(chooseMap + c.arguments);
        EXPECT_EQ(status, c.status);
        EXPECT_THAT(out.toStdString(), HasSubstr(c.says));
        EXPECT_EQ(tools.calls(), c.calls);
        if (c.status == 0) {
            EXPECT_THAT(
                textOf(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")).toStdString(),
                HasSubstr("map mymap|"));
            EXPECT_THAT(launched(), Contains("+exec"));
        } else {
            EXPECT_FALSE(exists(QStringLiteral("games/Quake III Arena/baseq3/fenkit.cfg")));
        }
    }
}

TEST_F(CliLaunchTest, OptionsAndWhenStandardInputIsRead) {
    // Piped input is read whenever no -e line is given; only a terminal is
    // not waited for on a run that acts by itself.
    struct Case {
        QStringList arguments;
        bool readsPipe;
        bool readsTerminal;
    };
    const Case cases[] = {
        {{}, true, true},
        {{"--mod", "cpma"}, true, true},
        {{"--json"}, true, true},
        {{"-e", "set a 1"}, false, false},
        {{"--config", "x"}, true, false},
        {{"--preview"}, true, false},
        {{"--write"}, true, false},
        {{"--launch"}, true, false},
        {{"--launch", "--stdin"}, true, true},
        {{"-e", "set a 1", "--stdin"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        cli::RunOptions o = options(c.arguments);
        EXPECT_EQ(cli::readsStandardInput(o), c.readsPipe);
        o.inputIsTerminal = true;
        EXPECT_EQ(cli::readsStandardInput(o), c.readsTerminal);
    }
    EXPECT_EQ(options({"--mod", "CPMA"}).mod, "cpma");
    for (const char* bad : {"../x", "a/b", "a\\b", ".."}) {
        const auto parsed = parse({"--mod", bad});
        ASSERT_TRUE(std::holds_alternative<cli::ParseError>(parsed)) << bad;
    }
}

} // namespace
} // namespace fennick::test
