#include "app/widgets/desktop_fixture.h"
#include "browser/browser_work.h"
#include "browser/fake_server.h"
#include "browser/server_browser.h"
#include "browser/widgets/frm_browse_server.h"
#include "support/qt_print.h"
#include "support/wait_for.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// `rest` follows the name: more keys, and player lines after "\dmflags".
test::FakeServer::Reply answersAs(const char* name, const char* rest = "") {
    return [name, rest](const QByteArray&) {
        return QByteArray("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\") + name +
               "\\mapname\\q3dm1" + rest;
    };
}

// Every address the window may ask is on loopback: three Quake III servers
// and a Quake II one that answer, a master that never does, and a LAN
// broadcast address where nothing listens.
class BrowseServerTest : public ::testing::Test {
protected:
    BrowseServerTest() {
        const auto line = [](const test::FakeServer& server, const char* group, const char* name,
                             const char* added) {
            return QStringLiteral("\"%1\",\"%2\",\"%3\",50,\"\",\"\",%4\r\n")
                .arg(server.address(), QLatin1String(group), QLatin1String(name),
                     QLatin1String(added))
                .toLatin1();
        };
        QFile file(fixture.touch(QStringLiteral("servers.lst")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(line(alpha, "Quake 3 Arena\\Recent", "Alpha", "46362.3") +
                   line(bravo, "Quake 3 Arena\\Recent", "Bravo", "46362.2") +
                   line(charlie, "Quake 3 Arena\\Recent", "Charlie", "46362.1") +
                   line(three, "Quake 2\\Recent", "Three", "46362"));
        file.close();
        QFile ini(fixture.touch(QStringLiteral("fennick.ini")));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[network]\nmaster=" + master.address().toLatin1() + "\nbroadcast=127.0.0.9\n");
        ini.close();
        program.ini.load();
        program.game.currentGame = QStringLiteral("quake3");
        window = new frmBrowseServer(program.browserServices());
        window->show();
        // Opening refreshes the Recent group: the servers give their names.
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return !window->browser().work()->refreshRun().working(); }, 5000));
    }
    ~BrowseServerTest() override { delete window.data(); }

    template <class T> T* child(const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPoint rowPoint(int row) {
        auto* list = child<QTreeView>("ListView1");
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    // The highlighted row, the boxes and the server the panel and OK use
    // are one server (none highlighted for nullptr).
    void expectChosen(const char* name) {
        const QModelIndex current = child<QTreeView>("ListView1")->currentIndex();
        const QString connectTo = child<QLineEdit>("Text2")->text();
        EXPECT_EQ(window->browser().SelectedServer().ip, connectTo);
        if (!name) {
            EXPECT_FALSE(current.isValid());
            return;
        }
        EXPECT_EQ(current.siblingAtColumn(0).data().toString(), QLatin1String(name));
        EXPECT_EQ(current.siblingAtColumn(ServerRows::ColumnIndex("ip")).data().toString(),
                  connectTo);
        EXPECT_EQ(child<QLineEdit>("Text3")->text(), QLatin1String(name));
    }

    test::FakeServer alpha{answersAs("Alpha", "\\g_gametype\\4\\sv_maxclients\\8\\dmflags\\0\n"
                                              "3 20 \"^1Al^7ice\"\n")},
        bravo{answersAs("Bravo", "\\g_gametype\\0\\sv_maxclients\\8\\dmflags\\0\n")},
        charlie{answersAs("Charlie", "\\g_gametype\\0\\sv_maxclients\\2\\dmflags\\0\n"
                                     "1 5 \"bob\"\n2 5 \"zed\"\n")},
        three{answersAs("Three")}, master;
    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    QPointer<frmBrowseServer> window;
};

TEST_F(BrowseServerTest, OpensOnTheRecentGroupAndFollowsClicks) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fennick Server Browser"));
    auto* list = child<QTreeView>("ListView1");
    auto* tree = child<QTreeWidget>("TreeView1");
    ASSERT_TRUE(list && tree);
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Quake 3 Arena - Recent"));
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("3 servers"));
    EXPECT_EQ(list->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Adress"));
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Recent"));

    // The Quake 2 game node shows its Recent group.
    QTreeWidgetItem* quake2 = tree->topLevelItem(1);
    tree->setCurrentItem(quake2);
    Q_EMIT tree->itemClicked(quake2, 0);
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Quake 2 - Recent"));
    EXPECT_EQ(list->model()->rowCount(), 1);

    // A row click fills the boxes; the Delete key removes the row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(0));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), three.address());
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), QStringLiteral("Three"));
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("0 servers"));

    // Closing saves what is left.
    window->close();
    QTest::qWait(10);
    QFile saved(fixture.path(QStringLiteral("servers.lst")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_FALSE(saved.readAll().contains("Three"));
}

TEST_F(BrowseServerTest, OneServerIsChosenWhicheverWayItsRowWasChosen) {
    auto* list = child<QTreeView>("ListView1");
    auto* ok = child<QPushButton>("Command1");
    auto* connectTo = child<QLineEdit>("Text2");
    EXPECT_EQ(child<QLineEdit>("Text4")->echoMode(), QLineEdit::Password);

    // OK with no server chosen says so, sets nothing and stays open, and
    // the next tick does not wipe the message.
    QTest::mouseClick(ok, Qt::LeftButton);
    window->browser().work()->tick();
    EXPECT_TRUE(child<QLabel>("Label6")->text().startsWith("Choose a server first"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program.cvars.find(QStringLiteral("connect")));

    const struct {
        std::function<void()> act;
        const char* chosen;
    } steps[] = {
        {[&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(0)); }, "Alpha"},
        {[&] { QTest::keyClick(list, Qt::Key_Down); }, "Bravo"},
        {[&] { QTest::keyClick(list, Qt::Key_End); }, "Charlie"},
        {[&] { QTest::keyClicks(child<QLineEdit>("Text1"), QStringLiteral("Bra")); }, "Bravo"},
        {[&] { QTest::keyClicks(connectTo, QStringLiteral("0")); }, nullptr}, // no such row
        {[&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(2)); }, "Charlie"},
    };
    for (const auto& step : steps) {
        step.act();
        expectChosen(step.chosen);
    }

    // Sorted by ping, answers that would reorder the rows leave the rows
    // under the pointer where they are, so a click takes the row it aims
    // at; when the pointer leaves, the rows sort and the choice stays.
    QHeaderView* header = list->header();
    const int ping = ServerRows::ColumnIndex("ping");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(ping) + 5, header->height() / 2));
    ASSERT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("Alpha"));
    QTest::mouseMove(list->viewport(), rowPoint(0));
    for (auto [server, ms] : {std::pair{&charlie, 5}, {&bravo, 10}, {&alpha, 20}}) {
        ServerRecord record;
        record.ip = server->address();
        record.group = QStringLiteral("Quake 3 Arena\\Recent");
        window->browser().GetServer(record);
        record.ping = qint16(ms);
        window->browser().AddOrUpdateServer(record);
    }
    window->browser().work()->tick();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(0));
    expectChosen("Alpha");
    QTest::mouseMove(ok);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("Charlie"));
    expectChosen("Alpha");

    // OK joins it, and a password left from an earlier server is dropped.
    program.cvars.SetCvar(QStringLiteral("password"), QStringLiteral("secret"), 0, 0,
                          QStringLiteral("set"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(program.cvars.GetCvar(QStringLiteral("connect")), alpha.address());
    EXPECT_FALSE(program.cvars.find(QStringLiteral("password")));
}

TEST_F(BrowseServerTest, FiltersNarrowTheListAndFindPlayerChoosesTheirServer) {
    auto* list = child<QTreeView>("ListView1");
    auto* label = child<QLabel>("Label6");
    auto* gametype = child<QComboBox>("cmbGameType");
    auto* ping = child<QSpinBox>("spnMaxPing");
    auto* find = child<QLineEdit>("txtFindPlayer");
    const auto shown = [list] {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names.append(list->model()->index(row, 0).data().toString());
        names.sort();
        return names.join(QLatin1Char(' '));
    };
    ServerRecord slow;
    slow.ip = charlie.address();
    slow.group = QStringLiteral("Quake 3 Arena\\Recent");
    window->browser().GetServer(slow);
    slow.ping = 300;
    window->browser().AddOrUpdateServer(slow);
    ASSERT_SOON(gametype->count() == 3, 5000); // any, 0, 4

    const struct {
        std::function<void()> act;
        const char* count;
        const char* rows;
    } steps[] = {
        {[&] { child<QCheckBox>("chkHideEmpty")->click(); }, "2 of 3 servers (filtered)",
         "Alpha Charlie"},
        {[&] {
             ping->selectAll();
             QTest::keyClicks(ping, QStringLiteral("100"));
         },
         "1 of 3 servers (filtered)", "Alpha"},
        {[&] {
             ping->setValue(0);
             gametype->setCurrentIndex(gametype->findText(QStringLiteral("0")));
         },
         "1 of 3 servers (filtered)", "Charlie"},
        {[&] {
             gametype->setCurrentIndex(0);
             child<QCheckBox>("chkHideEmpty")->click();
         },
         "3 servers", "Alpha Bravo Charlie"},
        {[&] { QTest::keyClicks(find, QStringLiteral("ALI")); }, "1 of 3 servers (filtered)",
         "Alpha"},
        {[&] {
             find->clear();
             QTest::keyClicks(find, QStringLiteral("zed"));
         },
         "1 of 3 servers (filtered)", "Charlie"},
        // Charlie is full but stays while chosen, until Alpha is chosen.
        {[&] {
             find->clear();
             child<QCheckBox>("chkHideFull")->click();
         },
         "2 of 3 servers (filtered)", "Alpha Bravo Charlie"},
        {[&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(0)); },
         "2 of 3 servers (filtered)", "Alpha Bravo"},
    };
    for (const auto& step : steps) {
        step.act();
        // Each step changes the rows: wait for them, then the count.
        ASSERT_SOON(shown() == QString::fromLatin1(step.rows), 5000);
        EXPECT_EQ(label->text(), QLatin1String(step.count)) << step.rows;
        if (!find->text().isEmpty()) {
            expectChosen(step.rows);
            EXPECT_EQ(window->browser().work()->infoView().foundPlayer, find->text());
        }
    }

    // The filters are kept in fennick.ini and come back with the window.
    window->close();
    QTest::qWait(10);
    window = new frmBrowseServer(program.browserServices());
    EXPECT_TRUE(child<QCheckBox>("chkHideFull")->isChecked());
    ASSERT_SOON(child<QLabel>("Label6")->text() == QStringLiteral("2 of 3 servers (filtered)"),
                5000);
}

TEST_F(BrowseServerTest, GetListSaysWhenNothingAnswers) {
    window->browser().work()->discovery().setAnswerWait(100);
    auto* tree = child<QTreeWidget>("TreeView1");
    const struct {
        QTreeWidgetItem* node;
        QString said;
    } cases[] = {
        {tree->topLevelItem(2)->child(1), QStringLiteral("No answer from ") + master.address()},
        {tree->topLevelItem(2)->child(2),
         QStringLiteral("No server answered on the LAN Network (127.0.0.9)")},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(c.node).center());
        EXPECT_EQ(child<QLabel>("Label1")->text(),
                  QStringLiteral("Quake 3 Arena - ") + c.node->text(0));
        ASSERT_SOON(child<QLabel>("Label6")->text() == c.said, 3000);
        EXPECT_EQ(program.console.lines().constLast(), c.said);
    }
    EXPECT_EQ(master.received.size(), 1);
}

} // namespace
} // namespace fennick
