#include "archive/member_pattern.h"
#include "archive/zip_listing.h"
#include "support/qt_print.h"
#include "support/zip_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::member;
using test::writeZip;
using test::ZipEntry;

TEST(MemberPattern, MatchesAsTheArchiveReadersExpect) {
    const struct {
        const char* pattern;
        const char* path;
        bool matches;
    } cases[] = {
        {"*.bsp", "maps/q3dm1.bsp", true}, // "*" runs across folders
        {"*.bsp", "maps/q3dm1.bsp.txt", false},
        {"*.BSP", "Maps/Q3DM1.bsp", true}, // letter case is ignored
        {"*ots.txt", "scripts/bots.txt", true},
        {"*ots.txt", "scripts/bots.txt2", false},
        {"*\\q3dm1.jpg", "levelshots/q3dm1.jpg", true}, // "\" stands for "/"
        {"*\\Q3DM1.jpg", "levelshots/q3dm1.jpg", true},
        {"*\\q3dm1.jpg", "q3dm1.jpg", false}, // needs a folder
        {"*\\q3dm1.jpg", "levelshots/xq3dm1.jpg", false},
        {"maps/q3dm?.bsp", "maps/q3dm7.bsp", true},
        {"maps/q3dm?.bsp", "maps/q3dm17.bsp", false},
        {"?", "/", true},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"a*b*c", "aXXbYYbZZc", true},
        {"a*b*c", "aXXbYYbZZ", false},
        {"*\xc3\x84*", "x\xc3\xa4y", true}, // non-ASCII letters fold too
        {"*\xc3\x84", "x\xc3\xa4", true},
        {"*x.bsp", ".bsp", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MemberPattern(QString::fromUtf8(c.pattern)).matches(QString::fromUtf8(c.path)),
                  c.matches)
            << c.pattern << " against " << c.path;
}

TEST(MemberPattern, HostilePatternsStayCheap) {
    const QString path = QString(20000, QLatin1Char('a'));
    const MemberPattern pattern(QString(200, QLatin1Char('*')) + QStringLiteral("b"));
    EXPECT_FALSE(pattern.matches(path));
}

class ZipListingTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(ZipListingTest, ReportHasItsFixedColumns) {
    ZipEntry q3dm1 = member("maps/q3dm1.bsp", QByteArray(1234, 'x'));
    ZipEntry longName = member("maps/" + QByteArray(51, 'n') + ".bsp", "d");
    longName.modified = QDateTime(QDate(2019, 12, 25), QTime(23, 59, 58));
    ZipEntry big = member("maps/big.bsp", "tiny");
    big.declaredSize = 12345678;
    big.modified = QDateTime(QDate(2000, 10, 1), QTime(0, 0));
    const QString archive = writeZip(
        path("pak0.pk3"), {member("maps/"), q3dm1, longName, member("textures/a.tga", "t"), big});

    const QString expected =
        "Filename:                                           Size     Date     Time      \r\n"
        "maps/q3dm1.bsp                                       1234   7/03/05   9:05      \r\n"
        "maps/nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn      1  25/12/19  23:59      \r\n"
        "maps/big.bsp                                      2345678   1/10/00   0:00      \r\n";
    EXPECT_EQ(ListZip(archive, "*.bsp"), expected);
    // The same report again, and for a second archive right after.
    EXPECT_EQ(ListZip(archive, "*.BSP"), expected);
    const QString other = writeZip(path("pak1.pk3"), {q3dm1});
    EXPECT_EQ(ListZip(other, "*.bsp").size(), 2 * 82);
    // Folders are members too; a name with line breaks stays on one line.
    writeZip(path("odd.pk3"), {member("maps/"), member("a\r\nb.bsp")});
    EXPECT_EQ(ListZip(path("odd.pk3"), "*"),
              QString("Filename:").leftJustified(52) + "Size     Date     Time      \r\n" +
                  QString("maps/").leftJustified(50) + "      0   7/03/05   9:05      \r\n" +
                  QString("a??b.bsp").leftJustified(50) + "      0   7/03/05   9:05      \r\n");
}

TEST_F(ZipListingTest, NothingMatchedOrNoArchiveGivesTheEmptyText) {
    const QByteArray good = test::zipBytes({member("maps/q3dm1.bsp", "bsp")});
    const auto write = [this](const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    };
    QDir(dir.path()).mkdir(".pk3");
    // An archive comment of n bytes after the end record.
    const auto commented = [&good](int n) {
        QByteArray bytes = good;
        bytes[bytes.size() - 2] = char(n & 0xff);
        bytes[bytes.size() - 1] = char(n >> 8);
        return bytes + QByteArray(n, 'c');
    };
    const struct {
        QString archive;
        bool readable;
    } cases[] = {
        {write("good.pk3", good), true}, // listed with a pattern that matches nothing
        {write("short.pk3", commented(3)), true},
        {write("long.pk3", commented(3000)), true},
        {write("text.pk3", "just some text\r\n"), false},
        {write("empty.pk3", {}), false},
        {write("half.pk3", good.left(good.size() / 2)), false},
        {write("tail.pk3", good.left(good.size() - 3)), false},
        {path(".pk3"), false},
        {path("missing.pk3"), false},
    };
    for (const auto& c : cases) {
        const ZipListing listing = listZipMembers(c.archive, "*.md3");
        EXPECT_EQ(listing.report, QString()) << c.archive.toStdString();
        EXPECT_EQ(listing.readable, c.readable) << c.archive.toStdString();
    }
}

// A central directory damaged after its first entry still lists that one;
// counts that promise more entries than there are list what is there.
TEST_F(ZipListingTest, ADamagedDirectoryListsWhatIsReadable) {
    const QByteArray bytes = test::zipBytes({member("maps/a.bsp"), member("maps/b.bsp")});
    const qsizetype second = bytes.indexOf("PK\x01\x02", bytes.indexOf("PK\x01\x02") + 1);
    const qsizetype end = bytes.indexOf("PK\x05\x06");
    QByteArray longName = bytes, manyEntries = bytes;
    longName[second + 28] = '\xff';
    longName[second + 29] = '\xff';
    manyEntries[end + 10] = '\x60';
    manyEntries[end + 11] = '\xea';
    const struct {
        QByteArray bytes;
        int members;
    } cases[] = {{longName, 1}, {manyEntries, 2}};
    for (const auto& c : cases) {
        QFile file(path("damaged.pk3"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        EXPECT_EQ(listZipMembers(path("damaged.pk3"), "*.bsp").members, c.members);
    }
}

TEST_F(ZipListingTest, AHundredThousandMembersAreListed) {
    QVector<ZipEntry> entries;
    for (int i = 0; i < 100000; ++i)
        entries.append(member("m/" + QByteArray::number(i) + (i % 25000 == 7 ? ".bsp" : ".txt")));
    const QString archive = writeZip(path("many.pk3"), entries);
    EXPECT_EQ(ListZip(archive, "*.bsp").count("\r\n"), 1 + 4);
    EXPECT_EQ(listZipMembers(archive, "*").members, 100000);
}

} // namespace
} // namespace fennick
