#include "core/program_folder.h"
#include "core/shipped_files.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// A temporary tree: a build folder, an installed prefix and a home folder.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        write("build/cmds.lst", "built");
        QDir().mkpath(path("prefix/bin"));
        write("prefix/share/fennick/cmds.lst", "cmds 1");
        write("prefix/share/fennick/enums.lst", "enums 1");
        write("prefix/share/fennick/Forms/bot.frm", "form 1");
        QDir().mkpath(path("bare"));
    }

    QString path(const QString& relative) const { return temp.path(relative); }
    void write(const QString& relative, const QByteArray& bytes) {
        temp.writeBytes(relative, bytes);
    }
    QByteArray read(const QString& relative) const { return temp.readBytes(relative); }
    bool exists(const QString& relative) const { return QFileInfo::exists(path(relative)); }

    SeedResult seed() { return seedProgramFolder(path("prefix/share/fennick"), path("user")); }

    test::TempProgram temp;
};

TEST_F(ProgramFolderTest, ChoosesTheBuildFolderTheUsersFolderOrTheChosenOne) {
    struct Case {
        QString executable, userData, chosen, folder, error;
        bool seeded;
    };
    const QList<Case> cases = {
        {"build", "user", "", "build", "", false},
        {"prefix/bin", "user", "", "user", "", true},
        {"prefix/bin", "user", "chosen", "chosen", "", false},
        {"bare", "user", "", "bare", "", false},
        {"prefix/bin", "", "", "", "is HOME set?", false},
        {"prefix/bin", "build/cmds.lst/user", "", "", "Cannot create the program folder", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.executable + " / " + c.userData + " / " + c.chosen).toStdString());
        QDir(path("user")).removeRecursively();
        const ProgramFolderPlaces places{path(c.executable),
                                         c.userData.isEmpty() ? QString() : path(c.userData),
                                         c.chosen.isEmpty() ? QString() : path(c.chosen)};
        const ProgramFolderChoice choice = resolveProgramFolder(places);
        EXPECT_EQ(choice.ok(), c.error.isEmpty());
        EXPECT_TRUE(choice.error.contains(c.error)) << choice.error.toStdString();
        EXPECT_EQ(QDir::cleanPath(choice.folder),
                  c.folder.isEmpty() ? QString() : QDir::cleanPath(path(c.folder)));
        EXPECT_EQ(exists("user/Forms/bot.frm"), c.seeded);
        EXPECT_FALSE(exists("chosen"));
        if (c.seeded) {
            EXPECT_EQ(
                choice.notes,
                QStringList({"Created program folder " + QDir::toNativeSeparators(path("user")),
                             "Copied 3 shipped files into the program folder"}));
        }
    }
}

TEST_F(ProgramFolderTest, SeedingKeepsTheUsersFilesAndOffersNewerShippedOnes) {
    QDir().mkpath(path("user"));
    EXPECT_EQ(seed().notes, QStringList{"Copied 3 shipped files into the program folder"});
    EXPECT_EQ(read("user/Forms/bot.frm"), "form 1");

    // The user edits one file, removes another, adds their own, and keeps
    // the forms in a folder spelt in lower case.
    write("user/cmds.lst", "my cmds");
    QFile::remove(path("user/Forms/bot.frm"));
    QDir(path("user")).rename("Forms", "forms");
    write("user/config.cfg", "my settings");
    SeedResult again = seed();
    EXPECT_TRUE(again.error.isEmpty());
    EXPECT_EQ(again.notes, QStringList{"Copied 1 shipped file into the program folder"});
    EXPECT_EQ(read("user/cmds.lst"), "my cmds");
    EXPECT_EQ(read("user/forms/bot.frm"), "form 1");
    EXPECT_FALSE(exists("user/Forms"));
    EXPECT_EQ(read("user/config.cfg"), "my settings");

    // A newer release: the untouched file follows it, the edited one is
    // kept and the new version offered beside it, once.
    write("prefix/share/fennick/cmds.lst", "cmds 2");
    write("prefix/share/fennick/enums.lst", "enums 2");
    again = seed();
    EXPECT_EQ(again.notes,
              QStringList({"A newer cmds.lst is shipped with Fennick: it was written beside "
                           "yours as cmds.lst.new, and yours was kept",
                           "Updated enums.lst to the newer shipped version"}));
    EXPECT_EQ(read("user/cmds.lst"), "my cmds");
    EXPECT_EQ(read("user/cmds.lst.new"), "cmds 2");
    EXPECT_EQ(read("user/enums.lst"), "enums 2");
    EXPECT_TRUE(seed().notes.isEmpty());

    // The next release is offered again.
    write("prefix/share/fennick/cmds.lst", "cmds 3");
    EXPECT_EQ(seed().notes.size(), 1);
    EXPECT_EQ(read("user/cmds.lst.new"), "cmds 3");
    EXPECT_EQ(read("user/cmds.lst"), "my cmds");
}

TEST_F(ProgramFolderTest, AFileThatCannotBeWrittenStopsTheSeedWithItsName) {
    write("user/Forms", "a file where the folder belongs");
    const SeedResult result = seed();
    EXPECT_TRUE(result.error.contains("Forms")) << result.error.toStdString();
    EXPECT_EQ(read("user/Forms"), "a file where the folder belongs");
}

} // namespace
} // namespace fennick
