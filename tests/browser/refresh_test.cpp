#include "browser/browser_work.h"
#include "browser/fake_server.h"
#include "browser/server_browser.h"
#include "browser/server_info_painter.h"
#include "datagram_flood.h"
#include "support/qt_print.h"
#include "support/temp_program.h"
#include "support/wait_for.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

QByteArray statusOf(const char* name) {
    return QByteArray("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\") + name +
           "\\mapname\\q3dm7\\sv_maxclients\\8\\dmflags\\0\n2 30 \"p\"\n";
}

class RefreshTest : public ::testing::Test {
protected:
    ServerBrowser& open(const QStringList& lines, const char* maxServers = "3") {
        temp.writeFile(QStringLiteral("servers.lst"), lines);
        // Choosing Internet or LAN Network asks at once: on loopback only.
        if (!QFile::exists(temp.path(QStringLiteral("fennick.ini"))))
            temp.writeBytes(QStringLiteral("fennick.ini"),
                            "[network]\nmaster=127.0.0.1:9\nbroadcast=127.0.0.1\n");
        temp.program().game.currentGame = QStringLiteral("quake3");
        temp.program().settings.maxServers = QLatin1String(maxServers);
        browser = std::make_unique<ServerBrowser>(temp.program().browserServices());
        browser->open();
        // Opening refreshes the shown group; these tests start their own.
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return !browser->work()->refreshRun().working(); }, 5000));
        return *browser;
    }
    QString line(const test::FakeServer& server, const char* group, const char* name,
                 const char* password = "", const char* added = "46000") {
        return QStringLiteral("\"%1\",\"%2\",\"%3\",5,\"\",\"%4\",%5")
            .arg(server.address(), QLatin1String(group), QLatin1String(name),
                 QLatin1String(password), QLatin1String(added));
    }
    const ServerRecord& stored(const test::FakeServer& server, const char* group) {
        return browser->list().at(browser->list().find(server.address(), QLatin1String(group)));
    }

    test::FakeServer alive{[](const QByteArray&) { return statusOf("Alive"); }};
    test::FakeServer dead1, dead2, dead3, dead4, dead5, dead6;
    test::TempProgram temp;
    std::unique_ptr<ServerBrowser> browser;
};

TEST_F(RefreshTest, AnswersUpdateInPlaceAndSilenceCostsOneSecondInAll) {
    const char* recent = "Quake 3 Arena\\Recent";
    ServerBrowser& b =
        open({line(alive, recent, "Old name", "pw", "46001.5"), line(dead1, recent, "d1"),
              line(dead2, recent, "d2"), line(dead3, recent, "d3"), line(dead4, recent, "d4"),
              line(dead5, recent, "d5"), line(dead6, recent, "d6")},
             "9");
    // The opening refresh already ran: the answer kept password and day.
    const ServerRecord& answered = stored(alive, recent);
    EXPECT_EQ(answered.hostname, QStringLiteral("Alive"));
    EXPECT_EQ(answered.password, QStringLiteral("pw"));
    EXPECT_EQ(answered.addtime, 46001.5);
    EXPECT_EQ(answered.players, 1);
    EXPECT_EQ(stored(dead1, recent).ping, 999);
    EXPECT_EQ(stored(dead1, recent).hostname, QStringLiteral("d1")); // kept outside Internet

    // Updated within five seconds: skipped; six seconds later: asked.
    QSignalSpy finished(&b.work()->refreshRun(), &RefreshRun::finished);
    temp.clock.advance(4000);
    ASSERT_TRUE(b.work()->refresh());
    EXPECT_FALSE(b.work()->refresh()); // the working guard
    ASSERT_TRUE(finished.wait(3000));
    const int askedBefore = int(alive.received.size());
    temp.clock.advance(2000);
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(b.work()->refresh());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(alive.received.size(), askedBefore + 1);
    // Six silent servers, ten sockets: one second of waiting, not six.
    EXPECT_LT(elapsed.elapsed(), 2500);
}

TEST_F(RefreshTest, SilentInternetServersLeaveWhileOnline) {
    const char* internet = "Quake 3 Arena\\Internet";
    temp.writeBytes(QStringLiteral("fennick.ini"),
                    "[network]\nmaster=127.0.0.1:9\nbroadcast=127.0.0.1\n");
    ServerBrowser& b = open({line(alive, internet, ""), line(dead1, internet, "")});
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3M")));
    // Choosing Internet dropped the stored list and asked the master; the
    // servers come back through the pending list and the pool.
    b.AddOrUpdateServer({});
    for (const test::FakeServer* server : {&alive, &dead1}) {
        ServerRecord record;
        record.ip = server->address();
        record.group = QLatin1String(internet);
        b.AddOrUpdateServer(record);
    }
    QSignalSpy finished(&b.work()->refreshRun(), &RefreshRun::finished);
    ASSERT_SOON(!b.work()->refreshRun().working(), 3000);
    ASSERT_TRUE(b.work()->refresh());
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_TRUE(b.list().find(alive.address(), QLatin1String(internet)));
    EXPECT_FALSE(b.list().find(dead1.address(), QLatin1String(internet)));
}

TEST_F(RefreshTest, OkPreparesTheConnectionAndFilesTheServerUnderRecent) {
    ServerBrowser& b = open({});
    QSignalSpy closing(&b, &ServerBrowser::closeRequested);
    b.setConnectTo(QStringLiteral("10.0.0.1:27960"));
    b.connectToServer();
    Program& program = temp.program();
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("fenkit_mp")), QStringLiteral("3"));
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("connect")), QStringLiteral("10.0.0.1:27960"));
    EXPECT_FALSE(program.cvars.find(QStringLiteral("password")));
    const int slot =
        b.list().find(QStringLiteral("10.0.0.1:27960"), QStringLiteral("Quake 3 Arena\\Recent"));
    ASSERT_GT(slot, 0);
    EXPECT_EQ(b.list().at(slot).addtime, temp.clock.daySerial());
    EXPECT_EQ(closing.size(), 1);

    b.nameTyped(QString());
    b.passwordTyped(QStringLiteral("secret"));
    b.connectToServer();
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("password")), QStringLiteral("secret"));

    // An address (from a list file) that would carry a second command is
    // refused.
    for (const char* address : {"10.0.0.2:27960;quit", "10.0.0.2:1|set g_gametype 4"}) {
        b.setConnectTo(QLatin1String(address));
        EXPECT_FALSE(b.connectToServer());
        EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("connect")),
                  QStringLiteral("10.0.0.1:27960"));
    }
    EXPECT_EQ(closing.size(), 2);

    // With no game chosen only the game mode is set.
    program.cvars.DeleteCvar(QStringLiteral("connect"));
    program.game.currentGame.clear();
    b.connectToServer();
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("connect")), QString());
}

// 10,000 status datagrams a second from loopback to the open browser's
// query sockets, for a second and a half: a timer of the window keeps
// ticking on time, memory stays bounded, the stray replies change no
// record, and a refresh afterwards is answered as before.
TEST_F(RefreshTest, AFloodOfDatagramsLeavesTheBrowserResponsive) {
    const char* recent = "Quake 3 Arena\\Recent";
    ServerBrowser& b = open({line(alive, recent, "Old name")});
    QSignalSpy finished(&b.work()->refreshRun(), &RefreshRun::finished);
    const auto refresh = [&] {
        temp.clock.advance(6000);
        alive.received.clear();
        ASSERT_TRUE(b.work()->refresh());
        ASSERT_TRUE(finished.wait(3000));
        EXPECT_EQ(alive.received.size(), 1);
        EXPECT_EQ(stored(alive, recent).hostname, QStringLiteral("Alive"));
    };
    refresh(); // the query sockets it used are bound from here on
    const std::vector<quint16> ports(alive.senderPorts.cbegin(), alive.senderPorts.cend());
    const qint64 memoryBefore = test::residentBytes();

    const test::FloodRun run = test::floodWhileTicking(ports, 10000, 1500);

    EXPECT_GT(run.sent, 5000); // a busy machine may send fewer
    EXPECT_LT(run.longestGap, 250);
    EXPECT_LT(test::residentBytes() - memoryBefore, 32 << 20);
    EXPECT_EQ(b.list().count(), 1);
    EXPECT_EQ(stored(alive, recent).hostname, QStringLiteral("Alive"));
    // Once what the flood left is read, a query gets its server's answer.
    QTest::qWait(50);
    refresh();
}

TEST_F(RefreshTest, SortingFollowsClicksAndGroupsAndSearchFindsExactCase) {
    ServerBrowser& b = open({line(alive, "Quake 3 Arena\\Recent", "Alpha")});
    const int added = ServerRows::ColumnIndex(QStringLiteral("addtime"));
    const int ping = ServerRows::ColumnIndex(QStringLiteral("ping"));
    EXPECT_EQ(b.sort().column, added); // Recent: newest first
    EXPECT_EQ(b.sort().order, Qt::DescendingOrder);
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3L")));
    EXPECT_EQ(b.sort().column, ping);
    EXPECT_EQ(b.sort().order, Qt::AscendingOrder);
    b.sortClicked(2);
    b.sortClicked(3);
    EXPECT_EQ(b.sort().column, 3);
    EXPECT_EQ(b.sort().order, Qt::AscendingOrder); // flips on every click
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3M")));
    EXPECT_EQ(b.sort().column, 3); // the user's sort stays

    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3R")));
    EXPECT_EQ(b.searchRow(QStringLiteral("Alive"), {0}), 0);
    EXPECT_EQ(b.searchRow(QStringLiteral("alive"), {0}), -1);
    EXPECT_EQ(b.searchRow(QStringLiteral("q3dm7"), {0}), 0);
}

TEST_F(RefreshTest, TheTickUpdatesTheChosenServerAndTheInfoPanel) {
    ServerBrowser& b = open({line(alive, "Quake 3 Arena\\Recent", "Alpha")});
    b.rowClicked(0);
    temp.clock.advance(6000); // older than the five-second interval
    const int asked = int(alive.received.size());
    b.work()->tick();
    ASSERT_SOON(int(alive.received.size()) == asked + 1, 3000);
    ASSERT_SOON(b.SelectedServer().players == qint16(1), 3000);

    // Phases 1 to 3 and 0 show the name, 4 to 7 the address.
    QStringList headings;
    for (int i = 0; i < 8; ++i) {
        b.work()->tick();
        headings.append(QString::number(b.work()->phase()));
    }
    EXPECT_THAT(headings, ElementsAre("2", "3", "4", "5", "6", "7", "0", "1"));

    ServerInfoView view = b.work()->infoView();
    view.ageSeconds = 40; // a full, red bar
    QImage panel(300, 200, QImage::Format_RGB32);
    ServerInfoPainter::paint(panel, view);
    EXPECT_EQ(QColor(panel.pixel(5, 2)), ServerInfoPainter::kHeadingBack);
    int red = 0;
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x)
            red += panel.pixel(x, y) == qRgb(192, 0, 0);
    EXPECT_EQ(red, 2 * ServerInfoPainter::kBarUnitsPerSecond * ServerInfoPainter::kBarMaxSeconds);

    // An answer that comes after another server was chosen is not its.
    temp.clock.advance(6000);
    b.work()->tick();
    ServerRecord other;
    other.ip = QStringLiteral("127.0.0.1:9");
    other.group = QStringLiteral("Quake 3 Arena\\Recent");
    b.setSelectedServer(other);
    QTest::qWait(200);
    EXPECT_EQ(b.SelectedServer().hostname, QString());
}

} // namespace
} // namespace fennick
