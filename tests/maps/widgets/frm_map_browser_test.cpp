#include "app/widgets/desktop_fixture.h"
#include "maps/map_browser.h"
#include "maps/widgets/frm_map_browser.h"
#include "support/qt_print.h"
#include "support/zip_writer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class MapBrowserWindowTest : public ::testing::Test {
protected:
    MapBrowserWindowTest() {
        const QString q3 = fixture.path("q3");
        fixture.touch("q3/quake3.exe");
        QVector<test::ZipEntry> maps;
        for (int i = 0; i < 30; ++i)
            maps.append(test::member("maps/m" + QByteArray::number(100 + i) + ".bsp"));
        maps.append(test::member("scripts/arenas.txt", "map \"m101\"\r\nlongname \"First\"\r\n"));
        test::writeZip(q3 + "/baseq3/pak0.pk3", maps);
        fixture.touch("q3/baseq3/maps/mymap.map");
        program.settings.setQuake3Dir(q3);
        program.settings.showMapFiles = true;
        program.game.currentGame = QStringLiteral("quake3");
        program.game.currentModKey = QStringLiteral("quake3");
        window = new frmMapBrowser(program.browserServices());
        window->show();
    }
    ~MapBrowserWindowTest() override { delete window.data(); }

    template <class T> T* child(const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }
    void clickNode(const QString& text) {
        auto* tree = child<QTreeWidget>("TreeView1");
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty());
        QTreeWidgetItem* item = found.constLast();
        Q_EMIT tree->itemClicked(item, 0);
    }
    void clickRow(int row) {
        auto* list = child<QTreeView>("ListView1");
        const QModelIndex index = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
        Q_EMIT list->clicked(index);
    }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    QPointer<frmMapBrowser> window;
};

TEST_F(MapBrowserWindowTest, AScanFillsTheListAndOkChoosesTheMap) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fennick Map Browser"));
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("Quake 3 Arena - Recent"));
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("0 maps"));
    EXPECT_FALSE(child<QPushButton>("Command4")->isVisible());
    EXPECT_TRUE(child<QCheckBox>("chkDevMode")->isVisible());
    auto* list = child<QTreeView>("ListView1");
    EXPECT_EQ(list->model()->headerData(4, Qt::Horizontal).toString(),
              QStringLiteral("Times Played"));

    clickNode("All");
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("30 maps"));
    EXPECT_TRUE(child<QPushButton>("Command4")->isVisible());
    EXPECT_TRUE(child<QLabel>("lblStatus")->text().startsWith("Found 30 maps"));
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 0);
    // Sorted by name; a click on the header flips the order.
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("m100"));
    Q_EMIT list->header()->sectionClicked(0);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("m129"));
    Q_EMIT list->header()->sectionClicked(0);

    // The keys choose a map as a click does: name, title and level shot.
    QImage shot(8, 8, QImage::Format_RGB32);
    shot.fill(Qt::red);
    ASSERT_TRUE(shot.save(fixture.touch("temp/m101.jpg"), "JPG"));
    const struct {
        std::function<void()> keys;
        const char* name;
        const char* title;
    } steps[] = {
        {[&] { QTest::keyClick(list, Qt::Key_Home); }, "m100", "m100"},
        {[&] { QTest::keyClick(list, Qt::Key_Down); }, "m101", "First"},
        {[&] { QTest::keyClick(list, Qt::Key_End); }, "m129", "m129"},
        {[&] { QTest::keyClicks(list, "m127"); }, "m127", "m127"},
        {[&] { clickRow(1); }, "m101", "First"},
    };
    for (const auto& step : steps) {
        step.keys();
        EXPECT_EQ(child<QLineEdit>("Text1")->text(), QLatin1String(step.name));
        EXPECT_EQ(child<QLineEdit>("Text2")->text(), QLatin1String(step.title));
        EXPECT_EQ(window->browser().picture().isNull(), step.name != QLatin1String("m101"));
    }
    // The Delete key takes the map out of the group until the next scan.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(child<QLabel>("Label6")->text(), QStringLiteral("29 maps"));

    // "Save" without a group name says so and changes nothing.
    child<QComboBox>("Combo1")->setEditText(QString());
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    auto* message = window->findChild<QMessageBox*>("mapBrowserMessage");
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text().startsWith("You  must specify a group name"));
    message->close();

    clickNode("Map");
    QTest::keyClick(list, Qt::Key_Home);
    child<QCheckBox>("chkDevMode")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(program.cvars.GetCvar("devmap"), QStringLiteral("mymap.map"));
    EXPECT_EQ(program.cvars.GetCvar("fenkit_mp"), QStringLiteral("2"));
    EXPECT_EQ(program.cvars.GetCvar("sv_pure"), QStringLiteral("0"));
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()); // closed and gone
    QFile saved(fixture.path("maps.lst"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("\"mymap.map\",\"Quake 3 Arena\\Recent\""));
}

// The window opens where it was closed, with its sizes and the user's sort
// (kept in fennick.ini), and wholly on the screen.
TEST_F(MapBrowserWindowTest, AReopenedWindowKeepsItsPlaceSizesAndSort) {
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry()));
    window->setGeometry(QRect(available.topLeft() + QPoint(40, 30), QSize(760, 520)));
    auto* splitter = window->findChild<QSplitter*>();
    ASSERT_TRUE(splitter);
    splitter->setSizes({150, 600});
    clickNode("All");
    Q_EMIT child<QTreeView>("ListView1")->header()->sectionClicked(0); // name, descending
    const QRect geometry = window->geometry();
    const QList<int> sizes = splitter->sizes();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window = new frmMapBrowser(program.browserServices());
    window->show();
    EXPECT_EQ(window->geometry(), geometry);
    EXPECT_EQ(window->findChild<QSplitter*>()->sizes(), sizes);
    clickNode("All");
    EXPECT_EQ(child<QTreeView>("ListView1")->model()->index(0, 0).data().toString(), "m129");
}

// Closing while a scan yields stops it; the window stays until the scan has
// returned, then goes.
TEST_F(MapBrowserWindowTest, ClosingDuringAScanStopsItAndSavesOnce) {
    int yields = 0;
    QObject::connect(&window->browser(), &MapBrowser::scanProgress, window, [&](int done, int) {
        if (done == 5) {
            window->close();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        yields += done > 0;
    });
    clickNode("All");
    EXPECT_EQ(yields, 5);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(QFile::exists(fixture.path("maps.lst")));
}

} // namespace
} // namespace fennick
