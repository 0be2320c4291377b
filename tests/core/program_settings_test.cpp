#include "app/program.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

// Places empty files in a folder below the program folder; returns its path.
QString makeFolderWith(TempProgram& temp, const QString& folder, const QStringList& files) {
    for (const QString& file : files)
        temp.writeBytes(folder + QLatin1Char('/') + file, {});
    return temp.path(folder);
}

TEST(ProgramSettings, QuakeDirectoryPrefersTheExecutablesInOrder) {
    const struct {
        QStringList files;
        QString expected; // empty: not valid
    } cases[] = {
        {{"quake.exe", "glquake.exe"}, "glquake.exe"},
        {{"winquake.exe"}, "winquake.exe"},
        {{"quake.exe", "winquake.exe", "glquake.exe", "vquake.exe"}, "vquake.exe"},
        {{"GLQuake.EXE", "quake.exe"}, "GLQuake.EXE"}, // found ignoring case, spelled as on disk
        {{"quake2.exe", "quake3.exe"}, ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        TempProgram temp;
        const QString dir = makeFolderWith(temp, QStringLiteral("q%1").arg(n++), c.files);
        temp.program().settings.setQuakeDir(dir);
        const QString exe = temp.program().game.quakeExe;
        EXPECT_EQ(QFileInfo(exe).fileName(), c.expected) << c.files.join(' ').toStdString();
        EXPECT_EQ(temp.program().settings.quakeDir(), dir); // invalid folders stay in the field
    }
}

TEST(ProgramSettings, AValidQuakeIIIFolderFillsTheQ3MapPathOnce) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString bare = makeFolderWith(temp, "bare", {"quake3.exe"});
    const QString first = makeFolderWith(temp, "first", {"quake3.exe", "Tools/q3map.exe"});
    const QString second = makeFolderWith(temp, "second", {"quake3.exe", "tools/Q3MAP.EXE"});

    // Without the tools the path is filled in but not valid, so the next
    // valid folder replaces it.
    settings.setQuake3Dir(bare);
    EXPECT_TRUE(settings.quake3DirValid());
    EXPECT_FALSE(settings.q3MapValid());
    settings.setQuake3Dir(first);
    EXPECT_TRUE(settings.q3MapValid());
    const QString firstMap = settings.q3MapPath();
    EXPECT_TRUE(firstMap.startsWith(first));

    // A second valid folder keeps the valid path, and so does an invalid one.
    settings.setQuake3Dir(second);
    EXPECT_EQ(settings.q3MapPath(), firstMap);
    settings.setQuake3Dir(temp.path("nowhere"));
    EXPECT_FALSE(settings.quake3DirValid());
    EXPECT_EQ(settings.q3MapPath(), firstMap);
}

TEST(ProgramSettings, Q3MapPathMustNameAnExistingQ3Map) {
    TempProgram temp;
    makeFolderWith(temp, "tools", {"Q3MAP.EXE", "q3map.exe.bak", "folder/q3map.exe/inside.txt"});
    const struct {
        const char* path;
        bool valid;
    } cases[] = {
        {"tools/Q3MAP.EXE", true},
        {"TOOLS/q3map.exe", true}, // typed in other letters, found ignoring case
        {"tools/q3map.exe.bak", false},
        {"tools/missing/q3map.exe", false},
        {"tools/folder/q3map.exe", false}, // a folder is not the program
    };
    for (const auto& c : cases) {
        temp.program().settings.setQ3MapPath(temp.path(QString::fromLatin1(c.path)));
        EXPECT_EQ(temp.program().settings.q3MapValid(), c.valid) << c.path;
    }
}

TEST(ProgramSettings, OkTrimsOneTrailingSeparatorFromEachFolder) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString q1 = makeFolderWith(temp, "q1", {"quake.exe"});
    const QString q3 = makeFolderWith(temp, "q3", {"quake3.exe"});
    settings.setQuakeDir(q1 + "\\");
    settings.setQuake2Dir(temp.path("q2") + "\\\\");
    settings.setQuake3Dir(q3 + "/");

    settings.trimTrailingSeparators();
    EXPECT_EQ(settings.quakeDir(), q1);
    EXPECT_TRUE(settings.quakeDirValid());
    EXPECT_EQ(settings.quake2Dir(), temp.path("q2") + "\\");
#ifndef Q_OS_WIN
    EXPECT_EQ(settings.quake3Dir(), q3);
    EXPECT_TRUE(settings.quake3DirValid());
    settings.setQuake3Dir("/");
    settings.trimTrailingSeparators();
    EXPECT_EQ(settings.quake3Dir(), "/"); // the root stays the root
#endif
}

} // namespace
} // namespace fennick
