#include "platform/file_system.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FileSystemTest : public ::testing::Test {
protected:
    void touch(const QString& relative) {
        const QString full = dir.filePath(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    }
    QString at(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
};

TEST_F(FileSystemTest, EveryComponentIsFoundIgnoringCase) {
    touch(QStringLiteral("Forms/X.frm"));
    touch(QStringLiteral("Config/Sub/q3_General.CFG"));
    touch(QStringLiteral("a.txt"));
    touch(QStringLiteral("A.TXT"));
    const struct {
        QString asked;
        QString found;
    } cases[] = {
        {at(QStringLiteral("Forms/X.frm")), at(QStringLiteral("Forms/X.frm"))},
        {at(QStringLiteral("forms/x.frm")), at(QStringLiteral("Forms/X.frm"))},
        {at(QStringLiteral("FORMS/X.FRM")), at(QStringLiteral("Forms/X.frm"))},
        // Backslashes separate components like slashes do.
        {dir.path() + QStringLiteral("\\forms\\x.frm"), at(QStringLiteral("Forms/X.frm"))},
        {dir.path() + QStringLiteral("/config\\SUB/q3_general.cfg"),
         at(QStringLiteral("Config/Sub/q3_General.CFG"))},
        // Doubled separators and "." are harmless.
        {dir.path() + QStringLiteral("//forms/./x.frm"), at(QStringLiteral("Forms/X.frm"))},
        // The whole path ignores case, its top folders too.
        {at(QStringLiteral("Forms/X.frm")).toUpper(), at(QStringLiteral("Forms/X.frm"))},
        // A backslash name joined to the program folder.
        {joinPath(dir.path(), QStringLiteral("forms\\x.frm")), at(QStringLiteral("Forms/X.frm"))},
        // The exact spelling wins when several exist; with neither, the
        // first in case-insensitive listing order.
        {at(QStringLiteral("a.txt")), at(QStringLiteral("a.txt"))},
        {at(QStringLiteral("A.TXT")), at(QStringLiteral("A.TXT"))},
        {at(QStringLiteral("a.TXT")), at(QStringLiteral("A.TXT"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked.toStdString());
        EXPECT_EQ(resolvePath(c.asked), std::optional<QString>(c.found));
        EXPECT_TRUE(fileExists(c.asked));
    }
}

TEST_F(FileSystemTest, MissingComponentsAndFoldersAreNotFiles) {
    touch(QStringLiteral("Forms/X.frm"));
    EXPECT_EQ(resolvePath(at(QStringLiteral("forms/y.frm"))), std::nullopt);
    EXPECT_EQ(resolvePath(at(QStringLiteral("nothing/x.frm"))), std::nullopt);
    EXPECT_EQ(resolvePath(QString()), std::nullopt);
    EXPECT_FALSE(fileExists(at(QStringLiteral("forms"))));
    EXPECT_TRUE(folderExists(at(QStringLiteral("forms"))));
    EXPECT_FALSE(folderExists(at(QStringLiteral("forms/x.frm"))));
    // A file used as a folder.
    EXPECT_FALSE(fileExists(at(QStringLiteral("forms/x.frm/y"))));
}

TEST_F(FileSystemTest, FilesAreListedByNameIgnoringCase) {
    for (const char* name : {"b.fkc", "A.fkc", "c.FKC", "a2.fkc", "x.txt", "B2.fkc"})
        touch(QString::fromLatin1(name));
    QDir(dir.path()).mkdir(QStringLiteral("d.fkc")); // a folder is not a file
    EXPECT_THAT(listFiles(dir.path(), QStringLiteral("*.fkc")),
                ElementsAre("A.fkc", "a2.fkc", "b.fkc", "B2.fkc", "c.FKC"));
    // The folder itself is found ignoring case too.
    EXPECT_EQ(listFiles(dir.path().toUpper(), QStringLiteral("*.FKC")).size(), 5);
}

TEST_F(FileSystemTest, WildcardListsMatchAnyOfTheirPatterns) {
    for (const char* name :
         {"q3_a.fkp", "Q3_b.FKP", "q1_c.fkp", "general.cfg", "notes.txt", "a.txt", "ab.txt"})
        touch(QString::fromLatin1(name));
    EXPECT_THAT(listFiles(dir.path(), QStringLiteral("*.cfg;*.txt")),
                ElementsAre("a.txt", "ab.txt", "general.cfg", "notes.txt"));
    EXPECT_THAT(listFiles(dir.path(), QStringLiteral(" *.cfg ; ?.txt ")),
                ElementsAre("a.txt", "general.cfg"));
    EXPECT_THAT(listFiles(dir.path(), QStringLiteral("q3_*")), ElementsAre("q3_a.fkp", "Q3_b.FKP"));
    EXPECT_EQ(listFiles(dir.path(), QStringLiteral("*")).size(), 7);
    EXPECT_THAT(listFiles(dir.path(), QString()), IsEmpty());
    EXPECT_THAT(listFiles(dir.path(), QStringLiteral(";")), IsEmpty());
    EXPECT_THAT(listFiles(at(QStringLiteral("missing")), QStringLiteral("*")), IsEmpty());
}

TEST_F(FileSystemTest, FoldersAreListedByNameIgnoringCase) {
    for (const char* name : {"baseq3", "Zeta", "alpha", "BaseQ2"})
        QDir(dir.path()).mkdir(QString::fromLatin1(name));
    touch(QStringLiteral("file.txt"));
    EXPECT_THAT(listFolders(dir.path()), ElementsAre("alpha", "BaseQ2", "baseq3", "Zeta"));
}

TEST(PathText, JoinAndNameOfAPath) {
    EXPECT_EQ(joinPath(QStringLiteral("/p"), QStringLiteral("config\\q3_general.cfg")),
              QStringLiteral("/p/config/q3_general.cfg"));
    EXPECT_EQ(joinPath(QStringLiteral("/p/"), QStringLiteral("\\Forms\\a.frm")),
              QStringLiteral("/p/Forms/a.frm"));
    EXPECT_EQ(joinPath(QString(), QStringLiteral("a\\b")), QStringLiteral("a/b"));
    EXPECT_EQ(nativePath(QStringLiteral("c:\\quake\\id1")), QStringLiteral("c:/quake/id1"));
    EXPECT_EQ(fileNameOf(QStringLiteral("config\\q3_x.fkp")), QStringLiteral("q3_x.fkp"));
    EXPECT_EQ(fileNameOf(QStringLiteral("/a/b")), QStringLiteral("b"));
    EXPECT_EQ(fileNameOf(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(fileNameOf(QStringLiteral("ends/")), QString());
}

TEST_F(FileSystemTest, MakeFolderCreatesParentsAndReportsFailure) {
    EXPECT_TRUE(makeFolder(at(QStringLiteral("a\\b/c"))));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("a/b/c"))).isDir());
    touch(QStringLiteral("file"));
    QString error;
    EXPECT_FALSE(makeFolder(at(QStringLiteral("file/sub")), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace fennick::platform
