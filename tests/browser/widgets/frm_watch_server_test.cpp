#include "app/widgets/desktop_fixture.h"
#include "browser/fake_server.h"
#include "browser/server_browser.h"
#include "browser/widgets/frm_browse_server.h"
#include "browser/widgets/frm_watch_server.h"
#include "support/qt_print.h"

#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// The browser with one server on loopback chosen, and its watch window
// opened by a double click on the info panel.
class WatchServerTest : public ::testing::Test {
protected:
    WatchServerTest() {
        QFile file(fixture.touch(QStringLiteral("servers.lst")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QStringLiteral("\"%1\",\"Quake 3 Arena\\Recent\",\"Watched\",50,\"\",\"\",46362\r\n")
                .arg(server.address())
                .toLatin1());
        file.close();
        program.game.currentGame = QStringLiteral("quake3");
        program.settings.updateFrequency = QStringLiteral("3600"); // asked once, at opening
        browser = new frmBrowseServer(program.browserServices());
        browser->show();
        browser->browser().rowClicked(0);
        QTest::mouseDClick(browser->findChild<QWidget*>(QStringLiteral("picServerInfo")),
                           Qt::LeftButton);
        watch = browser->watchWindow();
    }
    ~WatchServerTest() override {
        delete browser.data();
        QTest::qWait(1);
    }

    // The window as it shows after the frames of a tenth of a second.
    QImage shown() {
        QTest::qWait(100);
        return watch->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    test::FakeServer server{[](const QByteArray&) {
        return QByteArray("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Watched\\mapname\\q3dm7");
    }};
    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    QPointer<frmBrowseServer> browser;
    QPointer<frmWatchServer> watch;
};

// The pixels of an area that are mostly red (or green): the count in red,
// the marker in green or red.
int pixelsIn(const QImage& image, QRect area, bool green = false) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int main = green ? qGreen(p) : qRed(p), other = green ? qRed(p) : qGreen(p);
            count += main > 200 && other < 80 && qBlue(p) < 80;
        }
    return count;
}

TEST_F(WatchServerTest, DrawsTheChosenServerAsItChanges) {
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->windowTitle(), QStringLiteral("ServerWatcher"));
    EXPECT_EQ(watch->objectName(), QStringLiteral("frmWatchServer"));
    EXPECT_FALSE(watch->animating()); // frames start after half a second
    EXPECT_TRUE(QTest::qWaitFor([this] { return watch->animating(); }, 2000));

    const WatchFrame& model = watch->model();
    const int width = watch->width();
    QImage image = shown();
    EXPECT_EQ(model.slot(0).hostname, QStringLiteral("Watched"));
    EXPECT_EQ(QColor(image.pixel(width - 10, 12)), WatchFrame::kTitleBack);
    const QRect row(25, model.rowTop(0), 12, model.rowBottom(0) - model.rowTop(0));
    const QRect count(width - 30, row.y(), 30, row.height());
    EXPECT_GT(pixelsIn(image, row, true), 0);
    EXPECT_EQ(pixelsIn(image, row) + pixelsIn(image, count), 0);

    // The server fills up and slows down: a red dash and a red count.
    ServerRecord record = browser->browser().SelectedServer();
    record.players = record.maxclients = 8;
    record.ping = 450;
    browser->browser().AddOrUpdateServer(record);
    image = shown();
    EXPECT_EQ(pixelsIn(image, row, true), 0);
    EXPECT_GT(pixelsIn(image, row), 0);
    EXPECT_GT(pixelsIn(image, count), 10);
}

TEST_F(WatchServerTest, AnyButtonDragsOnlyTheLeftPressesButtonsAndRows) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return watch->animating(); }, 2000));
    const QRect screen = watch->screen()->geometry();
    watch->move(screen.topLeft() + QPoint(100, 100));
    const QPoint row(60, watch->model().rowTop(0) + 3);
    QTest::mousePress(watch, Qt::RightButton, {}, row);
    QTest::mouseMove(watch, row + QPoint(-94, 40)); // 6 pixels from the left edge
    EXPECT_EQ(watch->pos(), screen.topLeft() + QPoint(6, 140));
    QTest::mouseRelease(watch, Qt::RightButton, {}, row + QPoint(-94, 40));
    EXPECT_EQ(watch->pos(), screen.topLeft() + QPoint(0, 140)); // snapped
    EXPECT_EQ(watch->model().expandedRow(), -1);

    const QSize start = watch->size();
    const int bottom = start.height() - 5;
    QTest::mouseClick(watch, Qt::RightButton, {}, QPoint(25, bottom));
    QTest::mouseClick(watch, Qt::LeftButton, {}, QPoint(50, bottom)); // narrower by 50
    QTest::qWait(200);
    EXPECT_LT(watch->width(), start.width());
    EXPECT_GT(watch->width(), start.width() - 50); // on its way, a step a frame
    EXPECT_EQ(watch->height(), start.height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return watch->width() == start.width() - 50; }, 5000));

    QTest::mouseClick(watch, Qt::RightButton, {}, QPoint(12, bottom));
    QTest::mouseClick(watch, Qt::MiddleButton, {}, QPoint(12, bottom));
    EXPECT_TRUE(watch->isVisible());
    QSignalSpy closed(watch.data(), &frmWatchServer::closed);
    QTest::mouseClick(watch, Qt::LeftButton, {}, QPoint(12, bottom));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(watch->animating());
    EXPECT_TRUE(QTest::qWaitFor([this] { return watch.isNull(); }, 2000));
    EXPECT_EQ(browser->watchWindow(), nullptr);
}

TEST_F(WatchServerTest, HiddenOrMinimisedDrawsNothingAndTheBrowserClosesIt) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return watch->animating(); }, 2000));
    const struct {
        void (QWidget::*change)();
        bool animating;
    } steps[] = {
        {&QWidget::hide, false},
        {&QWidget::show, true},
        {&QWidget::showMinimized, false},
        {&QWidget::showNormal, true},
    };
    for (const auto& step : steps) {
        (watch->*step.change)();
        const int before = watch->framesDrawn();
        QTest::qWait(200);
        EXPECT_EQ(watch->animating(), step.animating);
        EXPECT_EQ(watch->framesDrawn() > before, step.animating);
    }
    // A second double click brings the same window forward.
    QTest::mouseDClick(browser->findChild<QWidget*>(QStringLiteral("picServerInfo")),
                       Qt::LeftButton);
    EXPECT_EQ(browser->watchWindow(), watch.data());
    browser->close();
    EXPECT_FALSE(watch->animating());
    EXPECT_TRUE(QTest::qWaitFor([this] { return watch.isNull() && browser.isNull(); }, 2000));
}

} // namespace
} // namespace fennick
