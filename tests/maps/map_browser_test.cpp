#include "archive/archive_snapshot.h"
#include "maps/maps_file.h"
#include "maps_fixture.h"
#include "support/qt_matchers.h"
#include "support/qt_print.h"

#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MapBrowserTest : public MapsFixture {
protected:
    int node(const char* key) const { return browser.tree().nodeWithKey(QLatin1String(key)); }
    QStringList nodeTexts() const {
        QStringList texts;
        for (const GroupTree::Node& n : browser.tree().nodes())
            texts.append(n.text + QLatin1Char('/') + QString::number(n.image));
        return texts;
    }
    void writeMapsList(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        write("maps.lst", bytes);
    }
};

TEST_F(MapBrowserTest, OpensOnTheCurrentGamesRecentGroupWithTheGroupsItAsksFor) {
    writeMapsList({"\"q2dm1\",\"Quake 2\\Recent\",\"The Edge\",\"\",\"\",0,46361",
                   "\"q2dm2\",\"Quake 2\\Recent\",\"Tokay\",\"\",\"\",0,46362",
                   "\"q3dm1\",\"Quake 3 Arena\\Favourites\",\"Arena Gate\",\"baseq3\",\"\",2,0"});
    choose(kQuake2, kQuake2);
    browser.open();
    EXPECT_EQ(browser.caption(), QStringLiteral("Quake 2 - Recent"));
    EXPECT_EQ(browser.countText(), QStringLiteral("2 maps"));
    EXPECT_EQ(browser.sort().column, MapRows::ColumnIndex("addtime"));
    EXPECT_EQ(browser.sort().order, Qt::DescendingOrder);
    EXPECT_FALSE(browser.updateVisible());
    EXPECT_THAT(nodeTexts(),
                ElementsAre("Quake 1/6", "Recent/3", "All/3", "Quake 2/7", "Recent/3", "All/3",
                            "Quake 3 Arena/8", "Recent/3", "All/3", "Favourites/1"));

    choose(kQuake3, QStringLiteral("cpma"));
    program->settings.showMapFiles = true;
    browser.open();
    EXPECT_EQ(browser.caption(), QStringLiteral("Quake 3 Arena - Recent"));
    EXPECT_EQ(node("Q3M"), 10);
    EXPECT_EQ(node("Q3MAP"), 11);
    EXPECT_TRUE(browser.devModeVisible());
    // A game node shows its Recent group; a user group is sorted by name.
    browser.selectNode(node("Q1"));
    EXPECT_EQ(browser.displayedGroup(), QStringLiteral("Quake 1\\Recent"));
    browser.selectNode(9);
    EXPECT_EQ(browser.caption(), QStringLiteral("Quake 3 Arena - Favourites"));
    EXPECT_THAT(browser.groupBox(), ElementsAre("Favourites"));
    EXPECT_EQ(browser.sort().column, MapRows::ColumnIndex("name"));
    EXPECT_EQ(browser.rows().row(0).timesplayed, 2);
    EXPECT_EQ(MapRows::cellText(browser.rows().row(0), "addtime"), QStringLiteral("00000.00"));
}

TEST_F(MapBrowserTest, ScanningAllListsEachMapOnceWithItsTitle) {
    pk3("BaseQ3/pak0.pk3",
        {member("maps/q3dm1.bsp"), member("Maps/Q3DM2.BSP"),
         member("maps/" + QByteArray(60, 'l') + ".bsp"), arenas({"q3dm1", "q3dm2"})});
    // Names that would run commands are left out.
    pk3("BaseQ3/pak2.pk3", {member("maps/q3dm1.bsp"), member("maps/lonely.bsp"),
                            member("maps/x;quit.bsp"), member("maps/y|set g_gametype 4.bsp")});
    write("q3/BaseQ3/broken.pk3", "this is no archive");
    browser.open();
    console();
    browser.selectNode(node("Q3A")); // empty: scanned at once
    const QStringList expected = {"q3dm1 pak2.pk3 Title of q3dm1", "Q3DM2 pak0.pk3 Title of q3dm2",
                                  "lonely pak2.pk3 lonely"};
    EXPECT_EQ(group("Quake 3 Arena\\All"), expected);
    EXPECT_EQ(browser.countText(), QStringLiteral("3 maps"));
    EXPECT_TRUE(browser.updateVisible());
    const QStringList lines = console();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains("broken.pk3")) << lines[0].toStdString();
    EXPECT_THAT(lines.mid(1, 2),
                ElementsAre(HasText("map \"x;quit\""), HasText("map \"y|set g_gametype 4\"")));
    EXPECT_EQ(lines[3], QStringLiteral("Found 3 maps in 0.00 sec (group Quake 3 Arena\\All)"));
    EXPECT_EQ(ui.yields, 4); // after every map added

    browser.selectNode(node("Q3R"));
    browser.selectNode(node("Q3A")); // not empty: no scan
    EXPECT_THAT(console(), IsEmpty());
    browser.update(); // the same records again
    EXPECT_EQ(group("Quake 3 Arena\\All"), expected);
    EXPECT_EQ(console().size(), 3);

    // The Quake 1 All group has nothing to scan and says nothing.
    browser.selectNode(node("Q1A"));
    EXPECT_THAT(console(), IsEmpty());
    EXPECT_EQ(browser.countText(), QStringLiteral("0 maps"));
}

// The scan reads every archive once and answers its title look-ups from
// what it read: titles, the title cache and the arena script left in
// "temp" are those of one look-up per map through the archives.
TEST_F(MapBrowserTest, AScanGivesWhatTitleLookUpsOneByOneGive) {
    pk3("BaseQ3/pak0.pk3", {member("maps/a1.bsp"), member("maps/a2.bsp"), arenas({"a1"})});
    pk3("BaseQ3/pak1.pk3", {member("maps/b1.bsp"), arenas({"b1", "a2"})});
    pk3("BaseQ3/pak2.pk3", {member("maps/c1.bsp"), member("maps/none.bsp")});
    for (const QStringList& order :
         {QStringList{"a1", "a2", "b1", "c1", "none"}, QStringList{"c1", "a1", "b1"}}) {
        MapTitles oneByOne(program->content);
        QStringList titles;
        for (const QString& map : order)
            titles.append(oneByOne.GetMapTitle(map));
        const QByteArray left = read("temp/arenas.txt");

        QFile::remove(path("temp/arenas.txt"));
        MapTitles scanned(program->content);
        {
            ArchiveSnapshot snapshot(program->content);
            scanned.attachSnapshot(&snapshot);
            QStringList fromSnapshot;
            for (const QString& map : order)
                fromSnapshot.append(scanned.GetMapTitle(map));
            scanned.attachSnapshot(nullptr);
            snapshot.finish();
            EXPECT_EQ(fromSnapshot, titles);
        }
        EXPECT_EQ(read("temp/arenas.txt"), left) << order.join(' ').toStdString();
        for (const QString& map : order) // the cache holds the same titles
            EXPECT_EQ(scanned.GetMapTitle(map), oneByOne.GetMapTitle(map));
    }
}

TEST_F(MapBrowserTest, MapsListKeepsRecentForFourDaysAndUserGroupsAlways) {
    const double today = clock.daySerial();
    writeMapsList({
        "\"fresh\",\"Quake 3 Arena\\Recent\",\"Fresh\",\"baseq3\",\"pak0.pk3\",0," +
            QString::number(today - 3),
        "\"stale\",\"Quake 3 Arena\\Recent\",\"Stale\",\"baseq3\",\"pak0.pk3\",0," +
            QString::number(today - 5),
        "\"kept\",\"Quake 3 Arena\\Mine\",\"\",\"baseq3\",\"\",7,0", // title looked up
        "\"scanned\",\"Quake 3 Arena\\All\",\"Scanned\",\"baseq3\",\"pak0.pk3\",0,0",
        "\"\",\"Quake 3 Arena\\Mine\",\"No name\",\"\",\"\",0,0",
    });
    browser.open();
    EXPECT_EQ(browser.list().count(), 3); // a scanned group starts empty
    browser.close();
    browser.close(); // saved once
    const QString saved = QString::fromUtf8(read("maps.lst"));
    EXPECT_TRUE(saved.contains("\"fresh\",\"Quake 3 Arena\\Recent\",\"Fresh\""));
    EXPECT_TRUE(
        saved.contains("\"kept\",\"Quake 3 Arena\\Mine\",\"kept\",\"baseq3\",\"\",7,0\r\n"));
    EXPECT_FALSE(saved.contains("stale"));
    EXPECT_FALSE(saved.contains("scanned"));

    // A file that was not read is not overwritten.
    QFile::remove(path("maps.lst"));
    QDir().mkpath(path("maps.lst"));
    MapBrowser again(program->browserServices());
    again.open();
    again.close();
    EXPECT_TRUE(QFileInfo(path("maps.lst")).isDir());
}

TEST_F(MapBrowserTest, SaveFilesTheChosenMapIntoAUserGroup) {
    browser.open();
    const struct {
        const char* group;
        const char* name;
        GroupSave result;
    } refused[] = {
        {"Recent", "q3dm1", GroupSave::BuiltInGroup},
        {"LAN Network", "q3dm1", GroupSave::BuiltInGroup},
        {"Favourites", "", GroupSave::NothingChosen},
        {"", "q3dm1", GroupSave::NoGroupName},
    };
    for (const auto& r : refused) {
        browser.setName(QLatin1String(r.name));
        EXPECT_EQ(browser.saveIntoGroup(QLatin1String(r.group)), r.result) << r.group;
    }
    EXPECT_EQ(MapBrowser::messageOf(GroupSave::NoGroupName),
              QStringLiteral("You  must specify a group name in the drop down list.\r\n"
                             "Type a new name if you want to add a new group."));
    EXPECT_EQ(browser.list().count(), 0);

    // A user group's own name may hold " - ", as the caption does between
    // game and group.
    browser.setName("q3dm7");
    EXPECT_EQ(browser.saveIntoGroup("Best - Of"), GroupSave::Saved);
    EXPECT_EQ(browser.caption(), QStringLiteral("Quake 3 Arena - Best - Of"));
    EXPECT_EQ(browser.tree().nodes().constLast().image, 1);
    EXPECT_EQ(browser.countText(), QStringLiteral("1 map"));
    EXPECT_THAT(browser.groupBox(), ElementsAre("Best - Of"));

    // A title typed in a user group is stored; a new name does not file the
    // half-typed name into the group.
    browser.itemClicked(0);
    browser.setTitle("Temple of Retribution");
    EXPECT_EQ(group("Quake 3 Arena\\Best - Of"), QStringList{"q3dm7  Temple of Retribution"});
    browser.setName("q3d");
    EXPECT_EQ(browser.titleBox(), QString());
    EXPECT_EQ(browser.list().count(), 1);
    // Delete removes it from the shown group.
    browser.deleteItem(0);
    EXPECT_EQ(browser.list().count(), 0);
    EXPECT_EQ(browser.countText(), QStringLiteral("0 maps"));
}

TEST_F(MapBrowserTest, OkSetsTheMapForTheNextStartAndFilesItUnderRecent) {
    program->settings.showMapFiles = true;
    write("q3/BaseQ3/maps/mymap.map", "{}");
    browser.open();
    browser.selectNode(node("Q3MAP"));
    ASSERT_EQ(browser.rows().rowCount(), 1);
    browser.itemClicked(0);
    EXPECT_EQ(browser.nameTag(), QDir::toNativeSeparators(path("q3/BaseQ3/maps")));
    program->cvars.SetCvar("map", "q3dm1", 0, 0, "map");
    browser.setDevMode(true);
    int closes = 0;
    QObject::connect(&browser, &MapBrowser::closeRequested, [&] { ++closes; });
    browser.confirm();
    EXPECT_EQ(program->cvars.GetCvar("fenkit_mp"), QStringLiteral("2"));
    EXPECT_EQ(program->cvars.GetCvar("devmap"), QStringLiteral("mymap.map"));
    EXPECT_EQ(program->cvars.GetCvar("map"), QString());
    EXPECT_EQ(program->cvars.GetCvar("sv_pure"), QStringLiteral("0"));
    EXPECT_EQ(program->cvars.GetCvar("fenkit_mapfile"), browser.nameTag());
    EXPECT_EQ(closes, 1);
    MapRecord recent{"mymap.map", {}, {}, {}, 0, "Quake 3 Arena\\Recent", 0};
    browser.GetMap(recent);
    EXPECT_FLOAT_EQ(recent.addtime, float(clock.daySerial()));
    EXPECT_EQ(recent.mod, QStringLiteral("baseq3"));

    // Quake II: a typed name that matches no record still goes.
    choose(kQuake2, kQuake2);
    browser.open();
    browser.setName("q2dm8");
    browser.confirm();
    EXPECT_EQ(program->cvars.GetCvar("map"), QStringLiteral("q2dm8"));
    EXPECT_THAT(group("Quake 2\\Recent"), ElementsAre("q2dm8  q2dm8"));

    // A name that would end the map command is refused.
    browser.setName("q2dm1|quit");
    console();
    browser.confirm();
    EXPECT_EQ(program->cvars.GetCvar("map"), QStringLiteral("q2dm8"));
    EXPECT_THAT(console(), ElementsAre(HasText("\"q2dm1|quit\"")));
}

// One scan at a time: a second one asked for while it yields is refused,
// and closing during the scan stops it, saving "maps.lst" once.
TEST_F(MapBrowserTest, TheScanYieldsRefusesASecondAndStopsOnClose) {
    QVector<ZipEntry> maps;
    for (int i = 0; i < 10; ++i)
        maps.append(member("maps/m" + QByteArray::number(i) + ".bsp"));
    pk3("BaseQ3/pak0.pk3", maps);
    writeMapsList({"\"keep\",\"Quake 3 Arena\\Mine\",\"Keep\",\"\",\"\",0,0"});
    browser.open();
    int progressCalls = 0;
    QObject::connect(&browser, &MapBrowser::scanProgress, [&](int done, int total) {
        EXPECT_EQ(total, done == 0 ? 0 : 10);
        ++progressCalls;
    });
    ui.onYield = [&] {
        if (ui.yields == 2) {
            browser.update();
            EXPECT_EQ(browser.statusText(),
                      QStringLiteral("A map scan is running: wait until it ends"));
            EXPECT_EQ(program->status.queuedText, browser.statusText());
        }
        if (ui.yields == 3) {
            browser.selectNode(node("Q3R"));
            browser.close();
            QFile::remove(path("maps.lst"));
            browser.close();
        }
    };
    browser.selectNode(node("Q3A"));
    EXPECT_EQ(ui.yields, 3);
    EXPECT_EQ(progressCalls, 4); // three maps, then the end
    EXPECT_FALSE(browser.scanning());
    EXPECT_FALSE(browser.busy());
    EXPECT_FALSE(QFile::exists(path("maps.lst"))); // the second close saved nothing
    EXPECT_EQ(group("Quake 3 Arena\\All").size(), 3);
    EXPECT_TRUE(program->console.lines().contains(
        QStringLiteral("Found 0 maps in 0.00 sec (group Quake 3 Arena\\Recent)")));
}

} // namespace
} // namespace fennick::test
