#include "browser/fake_server.h"
#include "browser/server_browser.h"
#include "browser/status_query.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QSignalSpy>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

ServerRecord server(const char* ip, const char* group, const char* name = "") {
    ServerRecord record;
    record.ip = QLatin1String(ip);
    record.group = QLatin1String(group);
    record.hostname = QLatin1String(name);
    return record;
}

class ServerBrowserTest : public ::testing::Test {
protected:
    ServerBrowser& open(const QStringList& file = {}) {
        if (!file.isEmpty())
            temp.writeFile(QStringLiteral("servers.lst"), file);
        temp.program().game.currentGame = QStringLiteral("quake3");
        browser = std::make_unique<ServerBrowser>(temp.program().browserServices());
        // The addresses here are made up: offline, nothing is sent to them.
        browser->setOnlineMode(false);
        browser->open();
        return *browser;
    }
    QStringList rowNames() const {
        QStringList names;
        for (int i = 0; i < browser->rows().rowCount(); ++i)
            names.append(browser->rows().row(i).hostname);
        return names;
    }
    QStringList treeTexts() const {
        QStringList texts;
        for (const ServerTree::Node& node : browser->tree().nodes())
            texts.append(node.key + QLatin1Char(':') + node.text);
        return texts;
    }
    double today() const { return temp.clock.daySerial(); }

    test::TempProgram temp;
    std::unique_ptr<ServerBrowser> browser;
};

TEST_F(ServerBrowserTest, OpeningShowsTheCurrentGamesRecentGroupFromTheFile) {
    ServerBrowser& b = open({R"("1.1.1.1:27960","Quake 3 Arena\Recent","One",50,"",""," 46000.5")",
                             R"("2.2.2.2:27960","Quake 3 Arena\Clan, friends","Two",80,"m","pw",0)",
                             R"("3.3.3.3:27910","Quake 2\Recent","Three",999,"","",0)",
                             R"("4.4.4.4:1","Doom\Recent","Lost",1,"","",0)"});
    EXPECT_EQ(b.caption(), QStringLiteral("Quake 3 Arena - Recent"));
    EXPECT_EQ(b.CurrentServerGroup(), QStringLiteral("Quake 3 Arena\\Recent"));
    EXPECT_THAT(rowNames(), ElementsAre("One"));
    EXPECT_EQ(b.statusText(), QStringLiteral("1 servers"));
    EXPECT_THAT(b.groupBox(), ElementsAre("Clan, friends"));
    EXPECT_THAT(treeTexts(), ElementsAre("Q1:Quake 1", "Q1R:Recent", "Q2:Quake 2", "Q2R:Recent",
                                         "Q2L:LAN Network", "Q3:Quake 3 Arena", "Q3R:Recent",
                                         "Q3M:Internet", "Q3L:LAN Network", ":Clan, friends"));
    // A record of no known game is kept, with no node.
    EXPECT_EQ(b.list().count(), 4);

    // A game node shows its Recent group.
    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q2")));
    EXPECT_EQ(b.caption(), QStringLiteral("Quake 2 - Recent"));
    EXPECT_THAT(rowNames(), ElementsAre("Three"));
}

TEST_F(ServerBrowserTest, StoringReplacesInPlaceOrAddsAGroupNode) {
    ServerBrowser& b = open();
    b.AddOrUpdateServer(server("1.1.1.1:1", "Quake 3 Arena\\Recent", "old"));
    b.AddOrUpdateServer(server("1.1.1.1:1", "Quake 3 Arena\\Recent", "new"));
    b.AddOrUpdateServer(server("1.1.1.1:1", "Quake 3 Arena\\Mine", "mine"));
    b.AddOrUpdateServer(server("2.2.2.2:1", "Quake 3 Arena\\My Internet", "hidden"));
    EXPECT_THAT(rowNames(), ElementsAre("new"));
    EXPECT_EQ(b.list().count(), 3);
    // "My Internet" ends with "Internet": no node of its own.
    EXPECT_EQ(b.tree().nodes().size(), 10);
    EXPECT_EQ(b.tree().nodes().last().text, QStringLiteral("Mine"));

    ServerRecord asked = server("1.1.1.1:1", "Quake 3 Arena\\Mine");
    b.GetServer(asked);
    EXPECT_EQ(asked.hostname, QStringLiteral("mine"));
    b.RemoveServer(asked);
    b.RemoveServer(asked); // no match: nothing happens
    EXPECT_EQ(b.list().count(), 2);
    b.RemoveServerGroup(QStringLiteral("Quake 3 Arena\\Recent"));
    EXPECT_TRUE(rowNames().isEmpty());
    EXPECT_EQ(b.statusText(), QStringLiteral("0 servers"));
}

TEST_F(ServerBrowserTest, SaveIntoAGroupAsksForWhatIsMissing) {
    ServerBrowser& b = open();
    using R = GroupSave;
    EXPECT_EQ(b.saveIntoGroup(QStringLiteral("Internet")), R::BuiltInGroup);
    b.setConnectTo(QString());
    EXPECT_EQ(b.saveIntoGroup(QStringLiteral("Friends")), R::NothingChosen);
    b.setConnectTo(QStringLiteral("9.9.9.9:27960"));
    EXPECT_EQ(b.saveIntoGroup(QString()), R::NoGroupName);
    EXPECT_EQ(ServerBrowser::messageOf(R::NoGroupName),
              QStringLiteral("You  must specify a group name in the drop down list.\r\n"
                             "Type a new name if you want to add a new group."));
    EXPECT_EQ(b.saveIntoGroup(QStringLiteral("Friends")), R::Saved);
    EXPECT_EQ(
        b.list().find(QStringLiteral("9.9.9.9:27960"), QStringLiteral("Quake 3 Arena\\Friends")),
        1);
    EXPECT_EQ(b.CurrentServerGroup(), QStringLiteral("Quake 3 Arena\\Recent"));
    // The group box offers the new group from the next node selection on.
    EXPECT_TRUE(b.groupBox().isEmpty());
    b.selectNode(b.currentNode());
    EXPECT_THAT(b.groupBox(), ElementsAre("Friends"));
}

TEST_F(ServerBrowserTest, TypedNamesAndPasswordsStayOnlyInUserGroups) {
    ServerBrowser& b = open({R"("5.5.5.5:1","Quake 3 Arena\Clan - EU","Five",10,"","secret",0)",
                             R"("5.5.5.5:1","Quake 3 Arena\Recent","Recent five",10,"","",46000)"});
    // A click fills the boxes from the stored record and leaves it whole.
    // A user group's own name may hold " - ", as the caption does between
    // game and group.
    b.selectNode(b.tree().nodeForGroup(QStringLiteral("Quake 3 Arena\\Clan - EU")));
    b.rowClicked(0);
    EXPECT_EQ(b.connectTo(), QStringLiteral("5.5.5.5:1"));
    EXPECT_EQ(b.nameBox(), QStringLiteral("Five"));
    EXPECT_EQ(b.passwordBox(), QStringLiteral("secret"));
    b.passwordTyped(QStringLiteral("new"));
    b.nameTyped(QStringLiteral("Renamed"));
    EXPECT_THAT(rowNames(), ElementsAre("Renamed"));
    EXPECT_EQ(b.SelectedServer().password, QStringLiteral("new"));

    b.selectNode(b.tree().nodeWithKey(QStringLiteral("Q3R")));
    b.rowClicked(0);
    b.nameTyped(QStringLiteral("not kept"));
    EXPECT_THAT(rowNames(), ElementsAre("Recent five"));
    EXPECT_EQ(b.SelectedServer().hostname, QStringLiteral("not kept"));

    // In-place renaming and the Delete key work in every group.
    b.renameServer(QStringLiteral("5.5.5.5:1"), QStringLiteral("Edited"));
    EXPECT_THAT(rowNames(), ElementsAre("Edited"));
    b.deleteServer(QStringLiteral("5.5.5.5:1"));
    EXPECT_TRUE(rowNames().isEmpty());
}

TEST_F(ServerBrowserTest, TheFileKeepsItsFieldsAndRecentExpiresAfterFourDays) {
    const QStringList lines = {
        R"("1.1.1.1:1","Quake 3 Arena\Recent","Three days",12,"motd, with comma","pw",)" +
            QString::number(today() - 3, 'g', 15),
        R"("2.2.2.2:2","Quake 3 Arena\Recent","Four days",0,"","",)" +
            QString::number(today() - 4, 'g', 15),
        R"("3.3.3.3:3","Quake 3 Arena\Recent","Never added",0,"","",0)",
        R"("4.4.4.4:4","Quake 3 Arena\Internet","Kept",999,"","",0)",
        R"("5.5.5.5:5","Quake 2\Mine","Quote "inside" name",7,"","",0.25)"};
    ServerBrowser& b = open(lines);
    ASSERT_TRUE(b.close());
    const QStringList saved = QString::fromUtf8(temp.readBytes(QStringLiteral("servers.lst")))
                                  .split(QStringLiteral("\r\n"));
    // The quote inside the name ended the field when read.
    EXPECT_THAT(saved, ElementsAre(lines[0], lines[3],
                                   R"("5.5.5.5:5","Quake 2\Mine","Quote ",7,"","",0.25)", ""));

    // A double quote written by the program becomes an apostrophe.
    b.AddOrUpdateServer(server("6.6.6.6:6", "Quake 3 Arena\\Mine", "say \"hi\""));
    ASSERT_TRUE(b.SaveServers());
    EXPECT_TRUE(temp.readBytes(QStringLiteral("servers.lst")).contains("\"say 'hi'\""));
}

TEST_F(ServerBrowserTest, DamagedFilesLoadWhatTheyCan) {
    QByteArray bytes("\"1.1.1.1:1\",\"Quake 3 Arena\\Recent\",\"ok\",1,\"\",\"\",46000\r\n");
    for (int i = 0; i < 5000; ++i)
        bytes.append(char(i * 37 % 256));
    bytes.append("\n\"2.2.2.2:2\",\"Quake 3 Arena\\Recent\"\r\n,,,,\r\n");
    temp.writeBytes(QStringLiteral("servers.lst"), bytes);
    ServerBrowser& b = open();
    EXPECT_GE(b.list().count(), 1);
    EXPECT_EQ(b.list().at(1).hostname, QStringLiteral("ok"));
}

TEST_F(ServerBrowserTest, QueriesStoreTheAnswerWithTheSendersAddress) {
    test::FakeServer fake([](const QByteArray& request) {
        return request.endsWith("getstatus")
                   ? QByteArray("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Fake\\dmflags\\0\n"
                                "3 10 \"p\"\n")
                   : QByteArray();
    });
    ASSERT_TRUE(fake.bound());
    ServerBrowser& b = open();
    b.setOnlineMode(false);
    StatusQuery query(temp.program().clock, [&b] { return b.statusContext(); });
    QObject::connect(&query, &StatusQuery::answered, &b, &ServerBrowser::queryAnswered);
    QSignalSpy answered(&query, &StatusQuery::answered);
    ASSERT_EQ(query.send(fake.address(), QStringLiteral("Quake 3 Arena\\Recent")),
              ServerSocket::SendResult::Sent);
    EXPECT_TRUE(query.waiting());
    ASSERT_TRUE(answered.wait(3000));
    EXPECT_FALSE(query.waiting());
    EXPECT_TRUE(b.OnlineMode());
    EXPECT_EQ(fake.received, QList<QByteArray>{QByteArray("\xff\xff\xff\xffgetstatus")});
    EXPECT_THAT(rowNames(), ElementsAre("Fake"));
    EXPECT_EQ(b.rows().row(0).ip, fake.address());
    EXPECT_EQ(b.rows().row(0).players, 1);
    EXPECT_EQ(b.rows().row(0).ping, 0); // the test clock stands still

    // Quake is asked nothing.
    EXPECT_EQ(query.send(fake.address(), QStringLiteral("Quake 1\\Recent")),
              ServerSocket::SendResult::NothingToSend);
    QTest::qWait(50);
    EXPECT_EQ(fake.received.size(), 1);
}

} // namespace
} // namespace fennick
