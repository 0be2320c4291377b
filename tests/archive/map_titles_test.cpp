#include "archive/map_titles.h"
#include "content_fixture.h"
#include "support/qt_print.h"

#include <QFile>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

TEST(TitleInMapsList, TheLastLineBeginningWithTheMapWins) {
    const struct {
        QStringList lines;
        std::optional<QString> title;
    } cases[] = {
        {{"q3dm1 \"Arena Gate\""}, "Arena Gate"},
        {{"   q3dm1 \"Arena Gate\"   x  "}, "Arena Gate"},
        {{"q3dm1 \"Arena Gate\"", "q3dm10 \"The Nameless\""}, "The Nameless"}, // by beginning
        {{"q3dm10 \"The Nameless\"", "q3dm1 \"Arena Gate\""}, "Arena Gate"},
        {{"q3dm1   \"Short\""}, std::nullopt},        // 15 characters
        {{"q3dm1    \"Short\""}, "Short"},            // 16
        {{"Q3DM1 \"Arena Gate\""}, std::nullopt},     // case-sensitive
        {{"map q3dm1 \"Arena Gate\""}, std::nullopt}, // must begin with it
        {{"q3dm1 without any quotes"}, std::nullopt},
        {{"q3dm1 \"Arena Gate\"", "q3dm1 \"unfinished title"}, "Arena Gate"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(titleInMapsList(c.lines, "q3dm1"), c.title) << c.lines.join(" | ").toStdString();
}

TEST(TitleInArenaScript, TheFirstLongnameAfterTheMapsLine) {
    const struct {
        QStringList lines;
        bool named;
        std::optional<QString> title;
    } cases[] = {
        {{"{", "map \"q3dm1\"", "bots \"x\"", "longname\t\"Arena Gate\"", "}"}, true, "Arena Gate"},
        {{"map \"Q3DM1\"", "longname \"A \"quoted\" gate\" 1"}, true, "A quoted gate 1"},
        {{"longname \"Before\"", "map \"q3dm1\""}, true, std::nullopt},
        {{"map \"q3dm1\"", "  longname \"Indented\""}, true, std::nullopt},
        {{"map \"q3dm1\"", "longname Unquoted", "longname \"Second\""}, true, std::nullopt},
        {{"map \"q3dm2\"", "longname \"Other\""}, false, std::nullopt},
    };
    for (const auto& c : cases) {
        const ArenaEntry entry = titleInArenaScript(c.lines, "q3dm1");
        EXPECT_EQ(entry.named, c.named) << c.lines.join(" | ").toStdString();
        EXPECT_EQ(entry.title, c.title) << c.lines.join(" | ").toStdString();
    }
}

TEST(MapTitleCache, ElevenSlotsInARing) {
    MapTitleCache cache;
    for (int i = 1; i <= 12; ++i)
        cache.store(QStringLiteral("map%1").arg(i), QStringLiteral("Title %1").arg(i));
    EXPECT_EQ(cache.find("map1"), std::nullopt); // the twelfth took its slot
    EXPECT_EQ(cache.find("map2"), "Title 2");
    EXPECT_EQ(cache.find("map12"), "Title 12");
    EXPECT_EQ(cache.find("MAP2"), std::nullopt);
    cache.store("map2", "Newer");
    EXPECT_EQ(cache.find("map2"), "Newer");
    cache.store("map12", "map12"); // a title that is just the name does not count
    EXPECT_EQ(cache.find("map12"), "Title 12");
}

class MapTitlesTest : public ContentFixture {
protected:
    void SetUp() override {
        ContentFixture::SetUp();
        pk3("BaseQ3/pak0.pk3",
            {member("maps/q3dm1.bsp"),
             script("scripts/arenas.txt", {"{", "map \"q3dm1\"", "longname \"Arena Gate\"", "}",
                                           "{", "map \"q3dm3\"", "type \"ffa\"", "}"})});
        pk3("BaseQ3/pak1.pk3",
            {script("scripts/arenas.txt", {"map \"q3dm3\"", "longname \"Late\"", "map \"q3dm5\"",
                                           "longname \"Later Archive\""})});
        pk3("cpma/map-cpm3.pk3",
            {script("scripts/arenas.txt", {"map \"cpm3\"", "longname \"Mod Arena\""})});
        temp.writeFile("q3/cpma/maps.lst", {"q3dm1   \"Listed Gate\""});
    }
    QString title(const QString& map) { return program().mapTitles.GetMapTitle(map); }
};

TEST_F(MapTitlesTest, TitlesComeFromTheModListThenBaseThenModArenas) {
    const struct {
        QString game, mod, map, title;
    } cases[] = {
        {kQuake3, kQuake3, "q3dm1", "Arena Gate"},
        {kQuake3, kQuake3, "q3dm3", "q3dm3"}, // named in pak0 without a title: the search ends
        {kQuake3, kQuake3, "q3dm5", "Later Archive"},
        {kQuake3, kQuake3, "cpm3", "cpm3"}, // mod arenas only with the mod chosen
        {kQuake3, kQuake3, "", ""},
        {kQuake3, "cpma", "cpm3", "Mod Arena"},
        {kQuake3, "cpma", "q3dm1", "Listed Gate"},
        {kQuake2, kQuake2, "q3dm5", "q3dm5"}, // arenas are searched for Quake III only
    };
    for (const auto& c : cases) {
        choose(c.game, c.mod);
        MapTitles titles(program().content);
        EXPECT_EQ(titles.GetMapTitle(c.map), c.title)
            << c.mod.toStdString() << " " << c.map.toStdString();
    }
}

TEST_F(MapTitlesTest, FoundTitlesAreCachedAndMissingOnesSearchedAgain) {
    EXPECT_EQ(title("q3dm1"), "Arena Gate");
    EXPECT_EQ(title("q3dm9"), "q3dm9");
    QFile::remove(temp.path("q3/BaseQ3/pak0.pk3"));
    pk3("BaseQ3/pak2.pk3", {script("scripts/arenas.txt", {"map q3dm9", "longname \"Found\""})});
    EXPECT_EQ(title("q3dm1"), "Arena Gate");
    EXPECT_EQ(title("q3dm9"), "Found");
}

} // namespace
} // namespace fennick::test
