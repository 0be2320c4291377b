#include "app/program.h"
#include "app/settings_file.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

const QString kTimesUsed = QStringLiteral("fenkit_timesused");

// A program folder with one valid game folder of each kind, for settings
// files that name them.
struct Games {
    explicit Games(TempProgram& temp) {
        temp.writeBytes("games/q1/glquake.exe", {});
        temp.writeBytes("games/q2/quake2.exe", {});
        temp.writeBytes("games/q3/quake3.exe", {});
        temp.writeBytes("games/q3/Tools/q3map.exe", {});
        q1 = temp.path("games/q1");
        q2 = temp.path("games/q2");
        q3 = temp.path("games/q3");
    }
    QString q1, q2, q3;
};

QStringList fullFile(const Games& games, const QString& usage) {
    return {"\"" + games.q1 + "\",0",
            "\"" + games.q2 + "\",0",
            "\"" + games.q3 + "\",0",
            "\"" + usage + "\"",
            "\"25\"",
            "\"7\"",
            "\"3dfx OpenGL\"",
            "1,\"" + games.q3 + "/Tools/q3map.exe\"",
            "1"};
}

TEST(ProgramSettingsFile, LoadingFillsEveryFieldAndCountsTheUse) {
    TempProgram temp;
    const Games games(temp);
    temp.writeFile("config.cfg", fullFile(games, "41"));
    Program& program = temp.program();

    ASSERT_TRUE(LoadProgramSettings(program, true));
    const ProgramSettings& settings = program.settings;
    EXPECT_EQ(settings.quakeDir(), games.q1);
    EXPECT_EQ(settings.quake2Dir(), games.q2);
    EXPECT_EQ(settings.quake3Dir(), games.q3);
    EXPECT_TRUE(settings.quakeDirValid() && settings.quake2DirValid() &&
                settings.quake3DirValid() && settings.q3MapValid());
    EXPECT_EQ(settings.maxServers, "25");
    EXPECT_EQ(settings.updateFrequency, "7");
    EXPECT_EQ(settings.oglMode, "3dfx OpenGL");
    EXPECT_TRUE(settings.showMapFiles);
    EXPECT_TRUE(settings.createDescription);

    EXPECT_EQ(program.cvars.GetCvar(kTimesUsed), "42");
    ASSERT_NE(program.cvars.find(kTimesUsed), nullptr);
    EXPECT_EQ(program.cvars.find(kTimesUsed)->kind, "set");
    EXPECT_EQ(temp.takeConsole(), QStringList{"You have used this program 42 times"});
}

TEST(ProgramSettingsFile, WithoutCountingNothingIsCountedOrSaid) {
    TempProgram temp;
    const Games games(temp);
    temp.writeFile("config.cfg", fullFile(games, "41"));
    Program& program = temp.program();

    ASSERT_TRUE(LoadProgramSettings(program, false));
    EXPECT_EQ(program.settings.quake3Dir(), games.q3);
    EXPECT_TRUE(program.settings.createDescription); // fields after the count are still read
    EXPECT_EQ(program.cvars.find(kTimesUsed), nullptr);
    EXPECT_TRUE(temp.takeConsole().isEmpty());
}

TEST(ProgramSettingsFile, SavedFileHasTheExactNineLines) {
    TempProgram temp;
    const Games games(temp);
    Program& program = temp.program();
    ProgramSettings& settings = program.settings;
    settings.setQuakeDir(games.q1);
    settings.setQuake2Dir(temp.path("missing"));
    settings.setQuake3Dir(games.q3);
    settings.maxServers = "12";
    settings.updateFrequency = "3";
    settings.oglMode = "Software";
    settings.showMapFiles = true;
    settings.createDescription = false;
    program.cvars.SetCvar(kTimesUsed, "42", 1, 0, "set");

    ASSERT_TRUE(SaveProgramSettings(program));
    const QByteArray expected = ("\"" + games.q1 + "\",0\r\n" + "\"" + temp.path("missing") +
                                 "\",0\r\n" + "\"" + games.q3 + "\",0\r\n" +
                                 "\"42\"\r\n"
                                 "\"12\"\r\n"
                                 "\"3\"\r\n"
                                 "\"Software\"\r\n"
                                 "1,\"" +
                                 settings.q3MapPath() + "\"\r\n" + "0\r\n")
                                    .toUtf8();
    EXPECT_EQ(temp.readBytes("config.cfg"), expected);
}

TEST(ProgramSettingsFile, SavingAndLoadingKeepsAwkwardFolderNames) {
    TempProgram temp;
    temp.writeBytes("odd, \"name\"/quake2.exe", {});
    const QString odd = temp.path("odd, \"name\"");
    {
        Program& program = temp.program();
        program.settings.setQuake2Dir(odd);
        program.settings.setQ3MapPath(QStringLiteral("C:\\Tools, \"new\"\\q3map.exe"));
        program.cvars.SetCvar(kTimesUsed, "9", 1, 0, "set");
        ASSERT_TRUE(SaveProgramSettings(program));
    }
    TempProgram other;
    other.writeBytes("config.cfg", temp.readBytes("config.cfg"));
    ASSERT_TRUE(LoadProgramSettings(other.program(), true));
    EXPECT_EQ(other.program().settings.quake2Dir(), odd);
    EXPECT_TRUE(other.program().settings.quake2DirValid());
    EXPECT_EQ(other.program().settings.q3MapPath(), "C:\\Tools, \"new\"\\q3map.exe");
    EXPECT_EQ(other.program().cvars.GetCvar(kTimesUsed), "10");
}

TEST(ProgramSettingsFile, NumbersAreNormalisedAndUnknownModesIgnored) {
    const struct {
        const char* usage;
        const char* servers;
        const char* frequency;
        const char* ogl;
        const char* expectedUsage;
        const char* expectedServers;
        const char* expectedFrequency;
        const char* expectedOgl;
    } cases[] = {
        {"41", "010", "2.50", "software", "42", "10", "2.5", "Software"},
        {"", "abc", " 8 seconds", "Glide", "1", "0", "8", "Default OpenGL"},
        {"x12", "-3", "1e2", "PowerVR OpenGL", "1", "-3", "100", "PowerVR OpenGL"},
        {"1.5", "", "", "", "2.5", "0", "0", "Default OpenGL"},
    };
    for (const auto& c : cases) {
        TempProgram temp;
        temp.writeFile("config.cfg",
                       {"\"\",0", "\"\",0", "\"\",0", QString("\"%1\"").arg(c.usage),
                        QString("\"%1\"").arg(c.servers), QString("\"%1\"").arg(c.frequency),
                        QString("\"%1\"").arg(c.ogl), "0,\"\"", "0"});
        Program& program = temp.program();
        ASSERT_TRUE(LoadProgramSettings(program, true));
        EXPECT_EQ(program.cvars.GetCvar(kTimesUsed), c.expectedUsage) << c.usage;
        EXPECT_EQ(program.settings.maxServers, c.expectedServers) << c.servers;
        EXPECT_EQ(program.settings.updateFrequency, c.expectedFrequency) << c.frequency;
        EXPECT_EQ(program.settings.oglMode, c.expectedOgl) << c.ogl;
    }
}

TEST(ProgramSettingsFile, AShortFileStopsQuietlyKeepingWhatWasRead) {
    TempProgram temp;
    const Games games(temp);
    QStringList lines = fullFile(games, "5");
    // Cut after the usage count, and again after a broken line 8.
    temp.writeFile("config.cfg", lines.mid(0, 4));
    Program& program = temp.program();
    ASSERT_TRUE(LoadProgramSettings(program, true));
    EXPECT_EQ(program.settings.quake3Dir(), games.q3);
    EXPECT_EQ(program.cvars.GetCvar(kTimesUsed), "6");
    EXPECT_EQ(program.settings.maxServers, "10");
    EXPECT_TRUE(temp.takeConsole().isEmpty());

    lines[7] = "1";
    TempProgram second;
    second.writeFile("config.cfg", lines);
    Program& other = second.program();
    ASSERT_TRUE(LoadProgramSettings(other, true));
    EXPECT_EQ(other.settings.oglMode, "3dfx OpenGL");
    EXPECT_FALSE(other.settings.showMapFiles);
    EXPECT_FALSE(other.settings.createDescription);

    TempProgram empty;
    empty.writeBytes("config.cfg", {});
    ASSERT_TRUE(LoadProgramSettings(empty.program(), true));
    EXPECT_TRUE(empty.program().settings.quakeDir().isEmpty());
    EXPECT_EQ(empty.program().cvars.find(kTimesUsed), nullptr);
}

TEST(ProgramSettingsFile, MissingOrUnreadableFiles) {
    TempProgram missing;
    EXPECT_FALSE(LoadProgramSettings(missing.program(), true));
    EXPECT_TRUE(missing.takeConsole().isEmpty());

    TempProgram folder; // a folder where the file should be cannot be saved over
    folder.writeBytes("config.cfg/keep.txt", {});
    QString error;
    EXPECT_FALSE(SaveProgramSettings(folder.program(), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ProgramSettingsFile, LineFieldsSplitAtCommasOutsideQuotes) {
    const struct {
        QString line;
        QStringList fields;
    } cases[] = {
        {"\"c:\\quake\",0", {"c:\\quake", "0"}},
        {"1,\"c:\\q3\\tools\\q3map.exe\"", {"1", "c:\\q3\\tools\\q3map.exe"}},
        {"  \"a, b\" , 0 ", {"a, b", "0"}},
        {"\"say \"hi\" there\",0", {"say \"hi\" there", "0"}},
        {"\"unterminated,0", {"unterminated,0"}},
        {"plain text", {"plain text"}},
        {"1,", {"1", ""}},
        {"\"\"", {""}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(settingsLineFields(c.line), c.fields) << c.line.toStdString();
}

} // namespace
} // namespace fennick
