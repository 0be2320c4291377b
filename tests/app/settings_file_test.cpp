#include "app/program.h"
#include "app/settings_file.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

const QString kTimesUsed = "fenkit_timesused";

QString quoted(const QString& text) {
    return '"' + text + '"';
}

// A "config.cfg" naming one valid folder of each game below the program
// folder, with the given usage count.
QStringList validSettingsFile(TempProgram& temp, const QString& usage) {
    temp.writeBytes("games/q1/glquake.exe", {});
    temp.writeBytes("games/q2/quake2.exe", {});
    temp.writeBytes("games/q3/quake3.exe", {});
    temp.writeBytes("games/q3/Tools/q3map.exe", {});
    return {quoted(temp.path("games/q1")) + ",0",
            quoted(temp.path("games/q2")) + ",0",
            quoted(temp.path("games/q3")) + ",0",
            quoted(usage),
            "\"25\"",
            "\"7\"",
            "\"3dfx OpenGL\"",
            "1," + quoted(temp.path("games/q3/Tools/q3map.exe")),
            "1"};
}

TEST(ProgramSettingsFile, LoadingFillsEveryFieldAndCountsTheUse) {
    TempProgram temp;
    temp.writeFile("config.cfg", validSettingsFile(temp, "41"));
    Program& program = temp.program();

    ASSERT_TRUE(LoadProgramSettings(program, true));
    const ProgramSettings& settings = program.settings;
    EXPECT_EQ(settings.quake3Dir(), temp.path("games/q3"));
    EXPECT_TRUE(settings.quakeDirValid() && settings.quake2DirValid() &&
                settings.quake3DirValid() && settings.q3MapValid());
    EXPECT_EQ(settings.maxServers, "25");
    EXPECT_EQ(settings.updateFrequency, "7");
    EXPECT_EQ(settings.oglMode, "3dfx OpenGL");
    EXPECT_TRUE(settings.showMapFiles && settings.createDescription);
    EXPECT_EQ(program.cvars.GetCvar(kTimesUsed), "42");
    EXPECT_EQ(temp.takeConsole(), QStringList{"You have used this program 42 times"});
}

TEST(ProgramSettingsFile, SavedFileHasTheExactNineLines) {
    TempProgram temp;
    Program& program = temp.program();
    ProgramSettings& settings = program.settings;
    settings.setQuakeDir("c:\\quake");
    settings.setQuake2Dir(QString());
    settings.setQ3MapPath("d:\\q3\\tools\\q3map.exe");
    settings.maxServers = "12";
    settings.updateFrequency = "3";
    settings.oglMode = "Software";
    settings.showMapFiles = true;
    program.cvars.SetCvar(kTimesUsed, "42", 1, 0, "set");

    ASSERT_TRUE(SaveProgramSettings(program));
    EXPECT_EQ(temp.readBytes("config.cfg"), "\"c:\\quake\",0\r\n"
                                            "\"\",0\r\n"
                                            "\"\",0\r\n"
                                            "\"42\"\r\n"
                                            "\"12\"\r\n"
                                            "\"3\"\r\n"
                                            "\"Software\"\r\n"
                                            "1,\"d:\\q3\\tools\\q3map.exe\"\r\n"
                                            "0\r\n");
}

// Folder names may hold commas and quotes on some systems; they must come
// back from the file as they went in.
TEST(ProgramSettingsFile, AwkwardFolderNamesSurviveTheFile) {
    TempProgram temp;
    temp.writeBytes("odd, \"name\"/quake2.exe", {});
    const QString odd = temp.path("odd, \"name\"");
    Program& program = temp.program();
    program.settings.setQuake2Dir(odd);
    program.settings.setQ3MapPath("C:\\Tools, \"new\"\\q3map.exe");
    ASSERT_TRUE(SaveProgramSettings(program));

    TempProgram other;
    other.writeBytes("config.cfg", temp.readBytes("config.cfg"));
    ASSERT_TRUE(LoadProgramSettings(other.program(), true));
    EXPECT_EQ(other.program().settings.quake2Dir(), odd);
    EXPECT_TRUE(other.program().settings.quake2DirValid());
    EXPECT_EQ(other.program().settings.q3MapPath(), "C:\\Tools, \"new\"\\q3map.exe");
    EXPECT_EQ(other.program().cvars.GetCvar(kTimesUsed), "1");
}

TEST(ProgramSettingsFile, NumbersAreNormalisedAndUnknownModesIgnored) {
    const struct {
        QString usage, servers, frequency, ogl;
        QString expectedUsage, expectedServers, expectedFrequency, expectedOgl;
    } cases[] = {
        {"41", "010", "2.50", "software", "42", "10", "2.5", "Software"},
        {"", "abc", " 8 seconds", "Glide", "1", "0", "8", "Default OpenGL"},
        {"x12", "-3", "1e2", "", "1", "-3", "100", "Default OpenGL"},
    };
    for (const auto& c : cases) {
        TempProgram temp;
        temp.writeFile("config.cfg",
                       {"\"\",0", "\"\",0", "\"\",0", quoted(c.usage), quoted(c.servers),
                        quoted(c.frequency), quoted(c.ogl), "0,\"\"", "0"});
        const ProgramSettings& settings = temp.program().settings;
        ASSERT_TRUE(LoadProgramSettings(temp.program(), true));
        EXPECT_EQ(temp.program().cvars.GetCvar(kTimesUsed), c.expectedUsage);
        EXPECT_EQ(settings.maxServers, c.expectedServers);
        EXPECT_EQ(settings.updateFrequency, c.expectedFrequency);
        EXPECT_EQ(settings.oglMode, c.expectedOgl);
    }
}

TEST(ProgramSettingsFile, AShortFileStopsQuietlyKeepingWhatWasRead) {
    TempProgram cut;
    cut.writeFile("config.cfg", validSettingsFile(cut, "5").mid(0, 4));
    ASSERT_TRUE(LoadProgramSettings(cut.program(), true));
    EXPECT_EQ(cut.program().settings.quake3Dir(), cut.path("games/q3"));
    EXPECT_EQ(cut.program().cvars.GetCvar(kTimesUsed), "6");
    EXPECT_EQ(cut.program().settings.maxServers, "10"); // the default stays
    EXPECT_TRUE(cut.takeConsole().isEmpty());

    TempProgram broken; // line 8 lacks the q3map path
    QStringList lines = validSettingsFile(broken, "5");
    lines[7] = "1";
    broken.writeFile("config.cfg", lines);
    ASSERT_TRUE(LoadProgramSettings(broken.program(), true));
    EXPECT_EQ(broken.program().settings.oglMode, "3dfx OpenGL");
    EXPECT_FALSE(broken.program().settings.showMapFiles);
    EXPECT_FALSE(broken.program().settings.createDescription);
}

} // namespace
} // namespace fennick
