#include "archive/zip_extraction.h"
#include "support/qt_matchers.h"
#include "support/qt_print.h"
#include "support/zip_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::HasText;
using test::member;
using test::writeZip;
using test::ZipEntry;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// A program folder whose "temp" receives the files; the archives live in
// "game/a/b", deep enough for ".." names to have somewhere to go.
class ZipExtractionTest : public ::testing::Test {
protected:
    QString archive(const QVector<ZipEntry>& entries) {
        return writeZip(dir.filePath("game/a/b/pak0.pk3"), entries);
    }
    QString temp() const { return dir.filePath("temp"); }
    QByteArray read(const QString& name) const {
        QFile file(QDir(temp()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(temp());
        QFile file(QDir(temp()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // Every file below the program folder, relative, except the archive.
    QStringList filesWritten() const {
        QStringList files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = QDir(dir.path()).relativeFilePath(it.next());
            if (path != QLatin1String("game/a/b/pak0.pk3"))
                files.append(path);
        }
        return files;
    }
    QTemporaryDir dir;
};

TEST_F(ZipExtractionTest, OnlyPlainFilesLandDirectlyInTemp) {
    const ExtractResult result = UnzipFiles(
        archive({member("scripts/bots.txt", "bots"), member("/tmp/abs1.txt", "1"),
                 member("../../rel2.txt", "2"), member("C:\\Windows\\win3.txt", "3"),
                 member("D:drive4.txt", "4"), member("a\\..\\..\\back5.txt", "5"), member(""),
                 member("maps/"), member(".."), member("dir/.."), member("."),
                 member("bad\nname.txt", "x"), member("nul.txt", "x"), member("CON", "x")}),
        temp(), "*");
    EXPECT_TRUE(result.readable) << result.error.toStdString();
    EXPECT_THAT(result.written, ElementsAre("bots.txt", "abs1.txt", "rel2.txt", "win3.txt",
                                            "drive4.txt", "back5.txt"));
    EXPECT_THAT(filesWritten(),
                UnorderedElementsAre("temp/bots.txt", "temp/abs1.txt", "temp/rel2.txt",
                                     "temp/win3.txt", "temp/drive4.txt", "temp/back5.txt"));
    EXPECT_EQ(read("back5.txt"), "5");
}

TEST_F(ZipExtractionTest, ExistingFilesAreReplacedWhateverTheirCase) {
    write("Bots.TXT", "old bots");
    ZipEntry packed = member("scripts/bots.txt", QByteArray(5000, 'b'));
    packed.deflate = true;
    const ExtractResult result =
        UnzipFiles(archive({packed, member("other/bots.txt", "second wins")}), temp(), "*ots.txt");
    EXPECT_THAT(result.written, ElementsAre("bots.txt", "bots.txt"));
    EXPECT_THAT(filesWritten(), ElementsAre("temp/Bots.TXT"));
    EXPECT_EQ(read("Bots.TXT"), "second wins");
}

// A member that cannot be extracted whole leaves the file it would have
// replaced as it was, and leaves no temporary file behind.
TEST_F(ZipExtractionTest, BadMembersAreSkippedAndKeepTheOldFile) {
    ZipEntry declaredHuge = member("huge.jpg", "small really");
    declaredHuge.declaredSize = 64 * 1024 * 1024 + 1;
    ZipEntry bomb = member("bomb.jpg", QByteArray(3000, '\0'));
    bomb.deflate = true;
    bomb.declaredSize = 10;
    ZipEntry badCrc = member("crc.jpg", "data");
    badCrc.crc = 1234;
    ZipEntry locked = member("locked.jpg", "secret");
    locked.encrypted = true;
    const struct {
        ZipEntry entry;
        ExtractLimits limits;
        const char* problem;
    } cases[] = {
        {declaredHuge, {}, "Skipped huge.jpg in pak0.pk3: larger than 64 MB"},
        {bomb, {1000, 100000}, "Skipped bomb.jpg in pak0.pk3: larger than 1000 bytes"},
        {bomb, {100000, 1000}, "Stopped extracting from pak0.pk3 after 1000 bytes"},
        {badCrc, {}, "Skipped crc.jpg in pak0.pk3: "},
        {locked, {}, "Skipped locked.jpg in pak0.pk3: encrypted"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.entry.name);
        write(name, "old picture");
        const ExtractResult result = UnzipFiles(archive({c.entry}), temp(), "*", c.limits);
        EXPECT_TRUE(result.written.isEmpty()) << c.problem;
        ASSERT_EQ(result.problems.size(), 1) << c.problem;
        EXPECT_THAT(result.problems[0], HasText(c.problem));
        EXPECT_EQ(read(name), "old picture") << c.problem;
        EXPECT_THAT(filesWritten(), ElementsAre("temp/" + name)) << c.problem;
        QFile::remove(QDir(temp()).filePath(name));
    }
}

TEST_F(ZipExtractionTest, HostileArchivesGiveWhatIsReadable) {
    // Members that share one compressed stream: the overlapping zip bomb.
    ZipEntry shared = member("a.txt", QByteArray(1000000, 'z'));
    shared.deflate = true;
    QVector<ZipEntry> overlapping{shared};
    for (int i = 0; i < 50; ++i) {
        ZipEntry copy = shared;
        copy.name = "copy" + QByteArray::number(i) + ".txt";
        copy.sharesDataOf = 0;
        overlapping.append(copy);
    }
    ExtractResult result = UnzipFiles(archive(overlapping), temp(), "*");
    EXPECT_TRUE(result.written.isEmpty());
    EXPECT_THAT(result.problems, ElementsAre(HasText("share their data")));

    // The total budget stops the call at the member that would pass it.
    QVector<ZipEntry> many;
    for (int i = 0; i < 10; ++i)
        many.append(member("f" + QByteArray::number(i), QByteArray(600, 'x')));
    result = UnzipFiles(archive(many), temp(), "*", {1000, 2000});
    EXPECT_THAT(result.written, ElementsAre("f0", "f1", "f2"));
    EXPECT_THAT(result.problems, ElementsAre(HasText("Stopped extracting")));

    // Not an archive, or cut short: nothing at all.
    QFile::resize(archive(many), 300);
    result = UnzipFiles(dir.filePath("game/a/b/pak0.pk3"), temp(), "*");
    EXPECT_FALSE(result.readable);
    EXPECT_TRUE(result.written.isEmpty());
}

} // namespace
} // namespace fennick
