#include "browser/server_browser.h"
#include "browser/server_filter.h"
#include "browser/shown_servers.h"
#include "core/fennick_ini.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

ServerRecord server(const char* name, qint16 players, qint16 ping, const char* type,
                    const char* mod, bool needpass, const char* playernames = "") {
    ServerRecord record;
    record.hostname = QLatin1String(name);
    record.ip = QStringLiteral("10.0.0.%1:27960").arg(name[0]);
    record.group = QStringLiteral("Quake 3 Arena\\Internet");
    record.players = players;
    record.maxclients = 8;
    record.ping = ping;
    record.gametype = QLatin1String(type);
    record.mod = QLatin1String(mod);
    record.needpass = needpass;
    record.playernames = QLatin1String(playernames);
    return record;
}

const ServerRecord kServers[] = {
    server("Empty", 0, 40, "Free For All", "baseq3", false),
    server("Full", 8, 120, "Capture The Flag", "cpma", true,
           "012  ^1Al^7ice\\005  Bob\\-001  Zed 2000\\"),
    server("Some", 3, 999, "Tournament", "CPMA", false, "000  ^^3bobby\\"),
};

QString passing(const ServerFilter& filter) {
    QString names;
    for (const ServerRecord& record : kServers)
        if (filter.passes(record))
            names += record.hostname.left(1);
    return names;
}

TEST(ServerFilter, EachFilterLeavesOutWhatItNames) {
    const auto with = [](auto change) {
        ServerFilter filter;
        change(filter);
        return filter;
    };
    const struct {
        ServerFilter filter;
        const char* passing;
    } cases[] = {
        {{}, "EFS"},
        {with([](ServerFilter& f) { f.hideEmpty = true; }), "FS"},
        {with([](ServerFilter& f) { f.hideFull = true; }), "ES"},
        {with([](ServerFilter& f) { f.maxPing = 120; }), "EF"},
        {with([](ServerFilter& f) { f.gametype = QStringLiteral("capture the FLAG"); }), "F"},
        {with([](ServerFilter& f) { f.mod = QStringLiteral("cpma"); }), "FS"},
        {with([](ServerFilter& f) { f.mod = QStringLiteral("any"); }), "EFS"},
        {with([](ServerFilter& f) { f.hidePassworded = true; }), "ES"},
        // Names without their colour codes, any letter case; never the score.
        {with([](ServerFilter& f) { f.player = QStringLiteral("ALICE"); }), "F"},
        {with([](ServerFilter& f) { f.player = QStringLiteral("bob"); }), "FS"},
        {with([](ServerFilter& f) { f.player = QStringLiteral("zed 2"); }), "F"},
        {with([](ServerFilter& f) { f.player = QStringLiteral("012"); }), ""},
        {with([](ServerFilter& f) {
             f.player = QStringLiteral("bob");
             f.hideFull = true;
         }),
         "S"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(passing(c.filter), QLatin1String(c.passing)) << c.passing;
        EXPECT_EQ(c.filter.active(), QLatin1String(c.passing) != QLatin1String("EFS"));
    }
    EXPECT_THAT(filterChoices({"cpma", "", "baseq3", "CPMA", "arena"}),
                ElementsAre("any", "arena", "baseq3", "cpma"));
}

TEST(ServerFilter, KeptInItsOwnSectionOfFennickIni) {
    test::TempProgram temp;
    const QString path = temp.path(QStringLiteral("fennick.ini"));
    temp.writeFile(QStringLiteral("fennick.ini"), {"[network]", "broadcast=127.0.0.9"});
    FennickIni ini(path);
    ini.load();
    EXPECT_EQ(ServerFilter::load(ini), ServerFilter{});
    ServerFilter filter;
    filter.hideFull = true;
    filter.maxPing = 150;
    filter.gametype = QStringLiteral("Tournament");
    filter.playerInAllGroups = true;
    filter.player = QStringLiteral("bob"); // a search: not kept
    filter.save(ini);
    ASSERT_TRUE(ini.save());
    FennickIni again(path);
    again.load();
    filter.player.clear();
    EXPECT_EQ(ServerFilter::load(again), filter);
    EXPECT_EQ(again.text(QStringLiteral("network"), QStringLiteral("broadcast"), {}),
              QStringLiteral("127.0.0.9"));
}

// The rows remember which pass; the list shows those and the chosen one.
TEST(ServerFilter, TheListShowsWhatPassesAndTheChosenServer) {
    test::TempProgram temp;
    QStringList file;
    for (const ServerRecord& r : kServers)
        file.append(QStringLiteral("\"%1\",\"Quake 3 Arena\\Internet\",\"%2\",%3,\"\",\"\",0")
                        .arg(r.ip, r.hostname)
                        .arg(r.ping));
    file.append(QStringLiteral("\"10.0.0.9:1\",\"Quake 3 Arena\\Mine\",\"Mine\",5,\"\",\"\",0"));
    temp.writeFile(QStringLiteral("servers.lst"), file);
    ServerBrowser browser(temp.program().browserServices());
    browser.LoadServers();
    browser.selectNode(browser.tree().nodeWithKey(QStringLiteral("Q3M")));
    for (const ServerRecord& r : kServers)
        browser.storeInPlace(r);
    ShownServers shown(browser.rows());
    const auto shownNames = [&] {
        QStringList names;
        for (int row = 0; row < shown.rowCount(); ++row)
            names.append(shown.index(row, 0).data().toString());
        return names;
    };
    ServerFilter filter;
    filter.maxPing = 100;
    browser.setFilter(filter);
    EXPECT_THAT(shownNames(), ElementsAre("Empty"));
    EXPECT_EQ(browser.statusText(), QStringLiteral("1 of 3 servers (filtered)"));

    // The chosen server stays while it is chosen, even once it fails.
    browser.rowClicked(0);
    shown.keep(browser.connectTo());
    ServerRecord slower = kServers[0];
    slower.ping = 300;
    browser.storeInPlace(slower);
    EXPECT_THAT(shownNames(), ElementsAre("Empty"));
    EXPECT_EQ(browser.statusText(), QStringLiteral("0 of 3 servers (filtered)"));
    shown.keep(QString());
    EXPECT_THAT(shownNames(), ElementsAre());

    // A find in all groups adds the game's other groups.
    filter = {};
    filter.player = QStringLiteral("e"); // no players in Mine: nothing there passes
    filter.playerInAllGroups = true;
    browser.setFilter(filter);
    EXPECT_EQ(browser.statusText(), QStringLiteral("1 of 4 servers (filtered)"));
    const int mine = browser.rows().rowOf(QStringLiteral("10.0.0.9:1"));
    ASSERT_GE(mine, 0);
    browser.rowClicked(mine);
    EXPECT_EQ(browser.SelectedServer().hostname, QStringLiteral("Mine"));
    browser.setFilter({});
    EXPECT_EQ(browser.statusText(), QStringLiteral("3 servers"));
}

} // namespace
} // namespace fennick
