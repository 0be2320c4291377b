#include "app/program.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::TempProgram;

// Places empty files below the program folder; returns the folder's path.
QString makeFolderWith(TempProgram& temp, const QString& folder, const QStringList& files) {
    for (const QString& file : files)
        temp.writeBytes(folder + QLatin1Char('/') + file, {});
    return temp.path(folder);
}

TEST(ProgramSettings, QuakeDirectoryPrefersTheExecutablesInOrder) {
    struct Case {
        QStringList files;
        QString expected; // empty: not valid
    };
    const Case cases[] = {
        {{"quake.exe", "glquake.exe"}, "glquake.exe"},
        {{"winquake.exe"}, "winquake.exe"},
        {{"quake.exe", "winquake.exe", "glquake.exe", "vquake.exe"}, "vquake.exe"},
        {{"quake.exe"}, "quake.exe"},
        {{"GLQuake.EXE", "quake.exe"}, "GLQuake.EXE"}, // found ignoring case, spelled as on disk
        {{"quake2.exe", "readme.txt"}, ""},
        {{}, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        TempProgram temp;
        const QString dir = makeFolderWith(temp, QStringLiteral("q%1").arg(n++), c.files);
        ProgramSettings& settings = temp.program().settings;
        settings.setQuakeDir(dir);
        const QString exe = temp.program().game.quakeExe;
        EXPECT_EQ(QFileInfo(exe).fileName(), c.expected) << c.files.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(settings.quakeDirValid(), !c.expected.isEmpty());
        if (!c.expected.isEmpty()) {
            EXPECT_TRUE(QFileInfo(exe).isFile());
        }
    }
}

TEST(ProgramSettings, QuakeIIAndIIIFoldersNeedTheirOwnExecutable) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString q2 = makeFolderWith(temp, "q2", {"quake2.exe"});
    const QString wrong = makeFolderWith(temp, "wrong", {"quake3.exe"});
    settings.setQuake2Dir(q2);
    EXPECT_TRUE(settings.quake2DirValid());
    settings.setQuake2Dir(wrong);
    EXPECT_FALSE(settings.quake2DirValid());
    EXPECT_TRUE(temp.program().game.quake2Exe.isEmpty());
    EXPECT_EQ(settings.quake2Dir(), wrong); // an invalid folder stays in the field
    settings.setQuake3Dir(q2);
    EXPECT_FALSE(settings.quake3DirValid());
    settings.setQuake3Dir(QString());
    EXPECT_FALSE(settings.quake3DirValid());
}

TEST(ProgramSettings, AValidQuakeIIIFolderFillsTheQ3MapPathOnce) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString bare = makeFolderWith(temp, "bare", {"quake3.exe"});
    const QString first = makeFolderWith(temp, "first", {"quake3.exe", "Tools/q3map.exe"});
    const QString second = makeFolderWith(temp, "second", {"quake3.exe", "tools/Q3MAP.EXE"});

    // Without the tools the path is filled in but not valid...
    settings.setQuake3Dir(bare);
    EXPECT_TRUE(settings.quake3DirValid());
    EXPECT_FALSE(settings.q3MapValid());
    EXPECT_TRUE(settings.q3MapPath().startsWith(bare));

    // ...so the next valid folder replaces it, and both are then valid.
    settings.setQuake3Dir(first);
    EXPECT_TRUE(settings.q3MapValid());
    const QString firstMap = settings.q3MapPath();
    EXPECT_TRUE(firstMap.startsWith(first));

    // A second valid folder keeps the valid path, and so does an invalid one.
    settings.setQuake3Dir(second);
    EXPECT_EQ(settings.q3MapPath(), firstMap);
    settings.setQuake3Dir(temp.path("nowhere"));
    EXPECT_EQ(settings.q3MapPath(), firstMap);
    EXPECT_TRUE(settings.q3MapValid());
}

TEST(ProgramSettings, Q3MapPathMustNameAnExistingQ3Map) {
    TempProgram temp;
    makeFolderWith(temp, "tools", {"Q3MAP.EXE", "q3map.exe.bak", "bspc.exe"});
    temp.writeBytes("tools/folder/q3map.exe/inside.txt", {});
    ProgramSettings& settings = temp.program().settings;
    const struct {
        const char* path;
        bool valid;
    } cases[] = {
        {"tools/Q3MAP.EXE", true},
        {"tools/q3map.exe", true}, // typed in other letters, found ignoring case
        {"TOOLS/Q3Map.Exe", true},
        {"tools/q3map.exe.bak", false},
        {"tools/bspc.exe", false},
        {"tools/missing/q3map.exe", false},
        {"tools/folder/q3map.exe", false}, // a folder is not the program
    };
    for (const auto& c : cases) {
        settings.setQ3MapPath(temp.path(QString::fromLatin1(c.path)));
        EXPECT_EQ(settings.q3MapValid(), c.valid) << c.path;
    }
    settings.setQ3MapPath(QString());
    EXPECT_FALSE(settings.q3MapValid());
}

TEST(ProgramSettings, OkTrimsOneTrailingSeparatorFromEachFolder) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString q1 = makeFolderWith(temp, "q1", {"quake.exe"});
    const QString q3 = makeFolderWith(temp, "q3", {"quake3.exe"});
    settings.setQuakeDir(q1 + QStringLiteral("\\"));
    settings.setQuake2Dir(temp.path("q2") + QStringLiteral("\\\\"));
    settings.setQuake3Dir(q3 + QStringLiteral("/"));

    settings.trimTrailingSeparators();
    EXPECT_EQ(settings.quakeDir(), q1);
    EXPECT_EQ(settings.quake2Dir(), temp.path("q2") + QStringLiteral("\\"));
    EXPECT_TRUE(settings.quakeDirValid());
    EXPECT_TRUE(settings.quake3DirValid());
#ifdef Q_OS_WIN
    EXPECT_EQ(settings.quake3Dir(), q3 + QStringLiteral("/"));
#else
    EXPECT_EQ(settings.quake3Dir(), q3);
    settings.setQuake3Dir(QStringLiteral("/"));
    settings.trimTrailingSeparators();
    EXPECT_EQ(settings.quake3Dir(), QStringLiteral("/")); // the root stays the root
#endif
    settings.trimTrailingSeparators();
    EXPECT_EQ(settings.quake2Dir(), temp.path("q2"));
}

TEST(ProgramSettings, DirectoryOfAndSetDirectoryOfAddressTheThreeGames) {
    TempProgram temp;
    ProgramSettings& settings = temp.program().settings;
    const QString q2 = makeFolderWith(temp, "q2", {"quake2.exe"});
    settings.setDirectoryOf(QStringLiteral("quake2"), q2);
    settings.setDirectoryOf(QStringLiteral("quake4"), q2);
    EXPECT_EQ(settings.directoryOf(QStringLiteral("quake2")), q2);
    EXPECT_TRUE(settings.quake2DirValid());
    EXPECT_TRUE(settings.directoryOf(QStringLiteral("quake1")).isEmpty());
    EXPECT_TRUE(settings.directoryOf(QStringLiteral("quake4")).isEmpty());
}

} // namespace
} // namespace fennick
