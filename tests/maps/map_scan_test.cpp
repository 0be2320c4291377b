#include "archive/archive_snapshot.h"
#include "archive/member_pattern.h"
#include "archive/zip_listing.h"
#include "maps/map_scan.h"
#include "maps_fixture.h"
#include "platform/file_system.h"
#include "support/qt_print.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

TEST(MapNamesInListing, NamesBetweenTheSlashAndTheBspOfEachLine) {
    const struct {
        QVector<QByteArray> members;
        QStringList names;
    } cases[] = {
        {{"maps/q3dm1.bsp", "maps/q3dm2.bsp"}, {"q3dm1", "q3dm2"}},
        {{"Maps/Q3DM1.BSP", "maps/q3dm1.bsp"}, {"Q3DM1", "q3dm1"}}, // any case, own case kept
        {{"noslash.bsp"}, {"noslash"}},
        {{"maps/a_very_long_map_name_here.bsp"}, {"a_very_long_map_name_here"}},
        {{"maps/" + QByteArray(50, 'x') + ".bsp"}, {}}, // cut at 50 columns
        {{"../../escape.bsp", "maps\\back.bsp"}, {"escape", "maps\\back"}},
        {{"maps/.bsp", "maps/a.bsp.bsp"}, {"", "a", "a.bsp"}},
        {{"maps/readme.txt"}, {}},
    };
    for (const auto& c : cases) {
        QString listing;
        for (const QByteArray& path : c.members) {
            ZipMember member;
            member.path = QString::fromLatin1(path);
            listing += zipReportLine(member) + QStringLiteral("\r\n");
        }
        if (!listing.isEmpty())
            listing.prepend(zipReportHeader() + QStringLiteral("\r\n"));
        EXPECT_EQ(mapNamesInListing(listing), c.names) << listing.toStdString();
        QStringList direct; // as a scan finds them, without the report
        for (const QByteArray& path : c.members)
            if (MemberPattern(QStringLiteral("*.bsp")).matches(QString::fromLatin1(path)))
                addMapNamesInLine(zipReportPath(QString::fromLatin1(path)), direct);
        EXPECT_EQ(direct, c.names) << listing.toStdString();
    }
}

class MapScanTest : public MapsFixture {};

TEST_F(MapScanTest, ScansTheArchivesAndTheMapFilesOfTheGroups) {
    pk3("BaseQ3/pak0.pk3", {member("maps/q3dm1.bsp"), member("maps/q3dm2.bsp")});
    pk3("BaseQ3/Pak2.pk3", {member("maps/q3dm1.bsp"), member("textures/x.tga")});
    write("q3/BaseQ3/broken.pk3", "not a zip archive");
    pk3("cpma/z-cpm.pk3", {member("maps/cpm3.bsp")});
    write("q3/BaseQ3/maps/b.map", "{}");
    write("q3/BaseQ3/maps/A.map", "{}");
    write("q3/BaseQ3/maps/notes.txt", "");

    ArchiveSnapshot snapshot(program->content);
    const ScanFolders folders{path("q3"), QStringLiteral("cpma")};
    const auto names = [&](const QString& group) {
        QStringList found;
        for (const ScannedMap& map : planScan(group, folders, snapshot).maps)
            found.append(map.name + QLatin1Char(' ') + map.mod + QLatin1Char(' ') +
                         platform::fileNameOf(map.pak));
        return found;
    };
    EXPECT_THAT(
        names("Quake 3 Arena\\All"),
        ElementsAre("q3dm1 baseq3 pak0.pk3", "q3dm2 baseq3 pak0.pk3", "q3dm1 baseq3 Pak2.pk3"));
    EXPECT_THAT(names("Quake 3 Arena\\Mod"), ElementsAre("cpm3 cpma z-cpm.pk3"));
    EXPECT_THAT(names("Quake 3 Arena\\Map"), ElementsAre("A.map baseq3 maps", "b.map baseq3 maps"));
    EXPECT_FALSE(planScan("Quake 3 Arena\\Recent", folders, snapshot).scans);
    EXPECT_TRUE(planScan("Quake 3 Arena\\Mod", {}, snapshot).scans);
    EXPECT_TRUE(planScan("Quake 3 Arena\\Mod", {}, snapshot).maps.isEmpty());
    EXPECT_TRUE(planScan("Quake 3 Arena\\All", {path("nowhere"), {}}, snapshot).maps.isEmpty());
}

} // namespace
} // namespace fennick::test
