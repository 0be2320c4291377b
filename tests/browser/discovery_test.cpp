#include "browser/browser_work.h"
#include "browser/fake_server.h"
#include "browser/master_reply.h"
#include "browser/server_browser.h"
#include "support/qt_print.h"
#include "support/temp_program.h"
#include "support/wait_for.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

QByteArray entry(int a, int b, int c, int d, int port) {
    return QByteArray("\\") + char(a) + char(b) + char(c) + char(d) + char(port >> 8) +
           char(port & 0xff);
}

TEST(MasterReply, EntriesAreDecodedInDatagramOrder) {
    const QByteArray header("\xff\xff\xff\xffgetserversResponse");
    struct Case {
        QByteArray datagram;
        QStringList expected;
    };
    const Case cases[] = {
        {header + entry(1, 2, 3, 4, 27960) + entry(5, 6, 7, 8, 27961) + "\\EOT",
         {"1.2.3.4:27960", "5.6.7.8:27961"}},
        {header + QByteArray::fromHex("5cc0a800056d38"), {"192.168.0.5:27960"}},
        // A port byte of 92 is data, not the start of an entry.
        {header + entry(10, 0, 0, 1, 0x5c5c) + entry(10, 0, 0, 2, 1),
         {"10.0.0.1:23644", "10.0.0.2:1"}},
        // "EOT" padded with zero bytes ends the list; a server at 69.79.84.x
        // with a port does not.
        {header + entry(69, 79, 84, 9, 27960) + QByteArray("\\EOT\0\0\0", 7) + entry(1, 1, 1, 1, 1),
         {"69.79.84.9:27960"}},
        // A last entry cut short is dropped.
        {header + entry(1, 1, 1, 1, 1) + "\\\x02\x02\x02", {"1.1.1.1:1"}},
        {header, {}},
        {QByteArray("\\"), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeMasterReply(c.datagram), c.expected) << c.datagram.toHex().constData();
}

class DiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(master.bound() && second.bound() && game.bound()); }

    ServerBrowser& open(const QByteArray& ini) {
        temp.writeBytes(QStringLiteral("fennick.ini"), ini);
        temp.program().game.currentGame = QStringLiteral("quake3");
        temp.program().settings.maxServers = QStringLiteral("3");
        browser = std::make_unique<ServerBrowser>(temp.program().browserServices());
        browser->open();
        return *browser;
    }

    // A master listing the game server, a silent address and, from a
    // second master, the same game server again.
    QByteArray listing(const QByteArray& request) {
        requests.append(request);
        return QByteArray("\xff\xff\xff\xffgetserversResponse") + entry(127, 0, 0, 1, game.port()) +
               entry(127, 0, 0, 1, 9) + "\\EOT";
    }

    QList<QByteArray> requests;
    test::FakeServer game{[](const QByteArray&) {
        return QByteArray("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Listed\\mapname\\q3dm1");
    }};
    test::FakeServer master{[this](const QByteArray& r) { return listing(r); }};
    test::FakeServer second{[this](const QByteArray& r) { return listing(r); }};
    test::TempProgram temp;
    std::unique_ptr<ServerBrowser> browser;
};

TEST_F(DiscoveryTest, GetListAsksEveryMasterAndQueriesWhatTheyList) {
    // An OpenArena directory asks for OpenArena's protocol unless the file
    // names one.
    QDir().mkpath(temp.path(QStringLiteral("oa/baseoa")));
    temp.program().settings.setQuake3Dir(temp.path(QStringLiteral("oa")));
    ServerBrowser& b = open("[network]\nmaster=" + master.address().toLatin1() + "," +
                            second.address().toLatin1() + "\n");
    b.AddOrUpdateServer([] {
        ServerRecord old;
        old.ip = QStringLiteral("9.9.9.9:1");
        old.group = QStringLiteral("Quake 3 Arena\\Internet");
        return old;
    }());
    // Choosing Internet asks at once: it was never asked before.
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3M")));
    EXPECT_EQ(b.statusText(), QStringLiteral("Master Server..."));
    EXPECT_EQ(b.list().count(), 0); // the old Internet list is dropped
    ASSERT_SOON(requests.size() == 2, 3000);
    EXPECT_EQ(requests[0], QByteArray("\xff\xff\xff\xffgetservers 71 empty full"));
    ASSERT_SOON(b.pendingCount() == 2, 3000);

    b.work()->tick(); // the pending list goes to the query pool
    EXPECT_EQ(b.pendingCount(), 0);
    ASSERT_SOON(b.rows().rowCount() == 1, 3000);
    EXPECT_EQ(b.rows().row(0).hostname, QStringLiteral("Listed"));
    EXPECT_EQ(b.rows().row(0).ip, game.address());

    // Within 90 seconds, with rows shown, choosing Internet asks no more.
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3R")));
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3M")));
    QTest::qWait(100);
    EXPECT_EQ(requests.size(), 2);
    temp.clock.advance(91 * 1000);
    EXPECT_TRUE(b.work()->discovery().wantsGetList(QStringLiteral("Internet"), 5));
    EXPECT_FALSE(b.work()->discovery().wantsGetList(QStringLiteral("LAN Network"), 5) &&
                 b.work()->discovery().LastLanQuery > 0);
}

// Each game's LAN Network group broadcasts the game's status request to its
// LAN ports; the one answer is stored in that group.
TEST_F(DiscoveryTest, EachGamesLanBroadcastAndItsAnswer) {
    const QByteArray oob(4, '\xff');
    const struct {
        const char* node;
        QList<quint16> ports;
        QByteArray request;
        const char* group;
    } cases[] = {
        {"Q3L",
         {27960, 27961, 27962, 27963, 27964},
         oob + "getstatus",
         "Quake 3 Arena\\LAN Network"},
        {"Q2L", {27910}, oob + "status", "Quake 2\\LAN Network"},
    };
    ServerBrowser& b = open("[network]\nbroadcast=127.0.0.2\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.node);
        // The broadcasts go to loopback: a second loopback address with
        // fake servers on the game's LAN ports; the last one answers.
        std::vector<std::unique_ptr<QUdpSocket>> lan;
        QList<quint16> asked;
        for (quint16 port : c.ports) {
            auto socket = std::make_unique<QUdpSocket>();
            if (!socket->bind(QHostAddress(QStringLiteral("127.0.0.2")), port))
                GTEST_SKIP() << "port " << port << " on 127.0.0.2 is taken";
            QUdpSocket* raw = socket.get();
            QObject::connect(raw, &QUdpSocket::readyRead, [raw, port, &asked, &c] {
                while (raw->hasPendingDatagrams()) {
                    const QNetworkDatagram d = raw->receiveDatagram();
                    asked.append(port);
                    EXPECT_EQ(d.data(), c.request);
                    if (port == c.ports.last())
                        raw->writeDatagram("\xff\xff\xff\xffstatusResponse\n\\hostname\\On LAN"
                                           "\\sv_hostname\\On LAN",
                                           d.senderAddress(), quint16(d.senderPort()));
                }
            });
            lan.push_back(std::move(socket));
        }
        b.selectNode(b.tree().nodeWithKey(QLatin1String(c.node)));
        ASSERT_SOON(b.rows().rowCount() == 1, 3000);
        EXPECT_THAT(asked, testing::UnorderedElementsAreArray(c.ports));
        const ServerRecord& found = b.rows().row(0);
        EXPECT_EQ(found.hostname, QStringLiteral("On LAN"));
        EXPECT_EQ(found.ip, QStringLiteral("127.0.0.2:") + QString::number(c.ports.last()));
        EXPECT_EQ(found.group, QLatin1String(c.group));
        EXPECT_EQ(found.ping, 0);
    }
}

} // namespace
} // namespace fennick
