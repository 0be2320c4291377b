#include "app/widgets/desktop_fixture.h"
#include "browser/server_browser.h"
#include "browser/widgets/frm_browse_server.h"
#include "support/qt_print.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class BrowseServerTest : public ::testing::Test {
protected:
    BrowseServerTest() {
        QFile file(fixture.touch(QStringLiteral("servers.lst")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\"1.1.1.1:27960\",\"Quake 3 Arena\\Recent\",\"One\",50,\"\",\"\",46362\r\n"
                   "\"2.2.2.2:27960\",\"Quake 3 Arena\\Recent\",\"Two\",60,\"\",\"\",46362\r\n"
                   "\"3.3.3.3:27910\",\"Quake 2\\Recent\",\"Three\",70,\"\",\"\",46362\r\n");
        file.close();
        program.game.currentGame = QStringLiteral("quake3");
        window = new frmBrowseServer(program);
        window->show();
    }
    ~BrowseServerTest() override { delete window.data(); }

    template <class T> T* child(const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }

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
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("2 servers"));
    EXPECT_EQ(list->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Adress"));
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Recent"));

    // The Quake 2 game node shows its Recent group.
    QTreeWidgetItem* quake2 = tree->topLevelItem(1);
    tree->setCurrentItem(quake2);
    Q_EMIT tree->itemClicked(quake2, 0);
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Quake 2 - Recent"));
    EXPECT_EQ(list->model()->rowCount(), 1);

    // A row click fills the boxes; the Delete key removes the row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 1)).center());
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("3.3.3.3:27910"));
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

TEST_F(BrowseServerTest, SavingIntoANewGroupAddsItToTheTreeAndTheGroupBox) {
    auto* connectTo = child<QLineEdit>("Text2");
    connectTo->clear();
    QTest::keyClicks(connectTo, QStringLiteral("7.7.7.7:27960"));
    auto* groups = child<QComboBox>("Combo1");
    groups->setEditText(QStringLiteral("Clan"));
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(child<QTreeWidget>("TreeView1")->topLevelItem(2)->child(3)->text(0),
              QStringLiteral("Clan"));
    EXPECT_EQ(groups->count(), 0); // offered from the next selection on
    EXPECT_EQ(window->browser().list().find(QStringLiteral("7.7.7.7:27960"),
                                            QStringLiteral("Quake 3 Arena\\Clan")),
              4);
}

} // namespace
} // namespace fennick
