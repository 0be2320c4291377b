#include "archive/archive_snapshot.h"
#include "archive/arena_script.h"
#include "archive/zip_directory.h"
#include "archive/zip_listing.h"
#include "archive/zip_member_data.h"
#include "content_fixture.h"
#include "support/qt_print.h"

#include <QFile>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

TEST(ArenaScript, AnswersAsTheLineByLineSearch) {
    const QStringList script = {"{",
                                "map \"q3dm10\"",
                                "longname \"The Nameless Place\"",
                                "}",
                                "map \"Q3DM1\" // ÄRENA",
                                "bots \"x\"",
                                "longname Unquoted",
                                "map \"ärena\"",
                                "longname \"Ümlaut\"",
                                "map \"last\""};
    const ArenaScript indexed(script);
    // The same script read from its text, with each kind of line end.
    const ArenaScript read(script.join(QStringLiteral("\r\n"))
                               .replace(QStringLiteral("\r\nbots"), QStringLiteral("\nbots"))
                               .replace(QStringLiteral("\r\n}"), QStringLiteral("\r}")) +
                           QStringLiteral("\n"));
    // Besides names found and not found: a name whose every three letters
    // stand somewhere in the script though the name does not, names with a
    // run of three letters found nowhere, and names shorter than three.
    for (const char* map :
         {"q3dm1", "Q3DM10", "q3dm2", "ärena", "ÄRENA", "last", "{", "nameless",
          "map \"q3dm1\" // ä", "", "q3dm1\" // ÄRENA\"", "zzzq3dm1", "LA", "xy"}) {
        const QString name = QString::fromUtf8(map);
        const ArenaEntry expected = titleInArenaScript(script, name);
        for (const ArenaScript* searched : {&indexed, &read}) {
            const ArenaEntry found = searched->find(name);
            EXPECT_EQ(found.named, expected.named) << map;
            EXPECT_EQ(found.title, expected.title) << map;
        }
    }
}

TEST(ReadMemberData, ChecksWhatTheDirectoryDeclares) {
    QTemporaryDir dir;
    const QByteArray text = QByteArray("longname \"Arena\"\r\n").repeated(200);
    ZipEntry badCrc = member("bad.txt", text);
    badCrc.crc = 1234;
    ZipEntry lying = member("lying.txt", text);
    lying.declaredSize = 10;
    ZipEntry deflated = member("deflated.txt", text);
    deflated.deflate = true;
    const QString path =
        writeZip(dir.filePath("a.pk3"), {member("stored.txt", text), deflated, badCrc, lying});
    ZipDirectory directory;
    ASSERT_TRUE(directory.read(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const struct {
        int index;
        qint64 limit;
        MemberData::Outcome outcome;
    } cases[] = {
        {0, 1 << 20, MemberData::Outcome::Done},   {1, 1 << 20, MemberData::Outcome::Done},
        {2, 1 << 20, MemberData::Outcome::Failed}, {3, 1 << 20, MemberData::Outcome::Failed},
        {0, 100, MemberData::Outcome::TooLarge},   {1, 100, MemberData::Outcome::TooLarge},
    };
    for (const auto& c : cases) {
        const MemberData data = readMemberData(file, directory.members()[c.index], c.limit);
        EXPECT_EQ(data.outcome, c.outcome) << c.index << " " << c.limit;
        if (data.outcome == MemberData::Outcome::Done) {
            EXPECT_EQ(data.bytes, text);
        }
    }
}

class ArchiveSnapshotTest : public ContentFixture {};

// The script "temp" would hold after an extraction: the last member named
// arenas.txt that reads whole; problems reported as the extraction does.
TEST_F(ArchiveSnapshotTest, TheScriptIsTheOneAnExtractionLeaves) {
    ZipEntry damaged = script("other/arenas.txt", {"map \"late\""});
    damaged.crc = 7;
    const QString a = pk3("BaseQ3/a.pk3", {script("scripts/ARENAS.TXT", {"map \"first\""}),
                                           script("more/arenas.txt", {"map \"second\""}), damaged,
                                           script("team_arenas.txt", {"map \"team\""})});
    const QString broken = temp.writeBytes("q3/BaseQ3/b.pk3", "no zip");
    const QString none = pk3("BaseQ3/c.pk3", {member("maps/x.bsp")});
    ArchiveSnapshot snapshot(program().content);
    EXPECT_EQ(snapshot.archivesOf(temp.path("q3/BaseQ3")).size(), 3);
    ASSERT_TRUE(snapshot.arenaScript(a));
    EXPECT_TRUE(snapshot.arenaScript(a)->find("second").named);
    EXPECT_FALSE(snapshot.arenaScript(a)->find("first").named);
    EXPECT_FALSE(snapshot.arenaScript(broken));
    EXPECT_FALSE(snapshot.arenaScript(none));
    EXPECT_EQ(snapshot.listing(none, "*.bsp"), ListZip(none, "*.bsp"));
    const QStringList console = temp.takeConsole();
    EXPECT_THAT(console, ::testing::Contains(
                             QStringLiteral("Skipped other/arenas.txt in a.pk3: wrong checksum")));
    EXPECT_EQ(console.filter("b.pk3").size(), 1);
    snapshot.arenaScript(broken);
    EXPECT_TRUE(temp.takeConsole().isEmpty()); // each problem once

    snapshot.leaveArenaScript(a);
    snapshot.finish();
    EXPECT_EQ(temp.readBytes("temp/arenas.txt"), "map \"second\"\r\n");
    snapshot.leaveArenaScript({});
    snapshot.finish();
    EXPECT_FALSE(QFile::exists(temp.path("temp/arenas.txt")));
}

} // namespace
} // namespace fennick::test
