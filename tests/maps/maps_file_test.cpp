#include "maps/maps_file.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(MapsFile, LinesAreWrittenToTheLetterAndReadBack) {
    MapRecord record{"q3dm1", "Arena \"Gate\"",           "baseq3", "pak0.pk3",
                     3,       "Quake 3 Arena\\Fav, ours", 46361.5f};
    const QString line = maps_file::lineOf(record);
    EXPECT_EQ(line, QStringLiteral("\"q3dm1\",\"Quake 3 Arena\\Fav, ours\",\"Arena 'Gate'\","
                                   "\"baseq3\",\"pak0.pk3\",3,46361.5"));
    TempProgram temp;
    maps_file::Contents read = maps_file::read(temp.writeFile("maps.lst", {line}));
    ASSERT_EQ(read.records.size(), 1);
    record.fullname = QStringLiteral("Arena 'Gate'");
    EXPECT_EQ(read.records[0], record);
    EXPECT_TRUE(read.problem.isEmpty());

    const struct {
        float addtime;
        const char* text;
    } days[] = {{0.0f, "0"}, {46362.0f, "46362"}, {46362.83f, "46362.83"}, {1e-7f, "0.0000001"}};
    for (const auto& d : days)
        EXPECT_EQ(maps_file::addtimeText(d.addtime), QLatin1String(d.text)) << d.text;
}

TEST(MapsFile, RecentIsKeptForFourDaysAndScannedGroupsNever) {
    const double now = 46362.5;
    const struct {
        const char* group;
        double age;
        bool kept;
    } cases[] = {
        {"Quake 3 Arena\\Recent", 3.0, true}, {"Quake 3 Arena\\Recent", 5.0, false},
        {"Quake 1\\Recent", 3.99, true},      {"Quake 2\\Recent", now, false}, // no day
        {"Quake 3 Arena\\All", 0.0, false},   {"Quake 3 Arena\\Mod", 0.0, false},
        {"Quake 3 Arena\\Map", 0.0, false},   {"Quake 3 Arena\\Favourites", 400.0, true},
        {"Quake 3 Arena\\Ball", 0.0, true},   {"Unknown game\\Stuff", 0.0, true},
    };
    for (const auto& c : cases) {
        MapRecord record;
        record.group = QLatin1String(c.group);
        record.addtime = float(now - c.age);
        EXPECT_EQ(maps_file::keptAt(record, now), c.kept) << c.group << " " << c.age;
    }
}

TEST(MapsFile, BadFilesGiveWhatIsReadableAndNeverMore) {
    TempProgram temp;
    // Short records keep to their own line; blank lines give nothing.
    const auto shortRecords = maps_file::read(
        temp.writeFile("short.lst", {"\"q3dm1\",\"Quake 3 Arena\\Fav\"", "", "\"q3dm2\"",
                                     "\"q3dm3\",\"G\",\"T\",\"m\",\"p\",x,y,\"extra\""}));
    ASSERT_EQ(shortRecords.records.size(), 3);
    EXPECT_EQ(shortRecords.records[0].group, QStringLiteral("Quake 3 Arena\\Fav"));
    EXPECT_EQ(shortRecords.records[1].name, QStringLiteral("q3dm2"));
    EXPECT_TRUE(shortRecords.records[1].group.isEmpty());
    EXPECT_EQ(shortRecords.records[2].timesplayed, 0);
    EXPECT_EQ(shortRecords.records[2].addtime, 0.0f);

    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary.append(char((i * 7919) % 256));
    const auto garbage = maps_file::read(temp.writeBytes("binary.lst", binary));
    EXPECT_TRUE(garbage.problem.isEmpty());
    for (const MapRecord& record : garbage.records)
        EXPECT_FALSE(record.name.contains(QLatin1Char('\n')));

    QFile huge(temp.path("huge.lst"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(maps_file::kMaxFileBytes + 1));
    huge.close();
    const auto tooBig = maps_file::read(temp.path("huge.lst"));
    EXPECT_TRUE(tooBig.records.isEmpty());
    EXPECT_FALSE(tooBig.problem.isEmpty());

    EXPECT_TRUE(maps_file::read(temp.path("missing.lst")).problem.isEmpty());
}

} // namespace
} // namespace fennick::test
