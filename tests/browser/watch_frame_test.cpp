#include "browser/watch_art.h"
#include "browser/watch_frame.h"
#include "browser/watch_painter.h"
#include "support/qt_print.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr int kLine = 13;
const QSize kClient(200, 300);
using Button = WatchFrame::Button;

// A browser as the watch window sees it: the chosen server, one stored
// record it is looked up in, titles, descriptions and a clock.
struct FakeBrowser {
    ServerRecord selected, stored;
    int titleLookups = 0;
    double now = 1000;

    WatchSources sources() {
        return {
            [this] { return selected; },
            [this](ServerRecord& r) { r = r.ip == stored.ip ? stored : r; },
            [this](const QString&) { return ++titleLookups, QStringLiteral("The Longest Yard"); },
            [](const QString& mod) { return mod.toUpper(); },
            [this](double start) { return now - start; }};
    }
};

ServerRecord server(qint16 ping, qint16 players = 3, qint16 maxclients = 16) {
    ServerRecord r;
    r.ip = QStringLiteral("127.0.0.1:27960");
    r.hostname = QStringLiteral("^1Big^7Frag");
    r.map = QStringLiteral("q3dm17");
    r.mod = QStringLiteral("baseq3");
    r.playernames = QStringLiteral("012  Alice\\005  Bob\\");
    r.ping = ping, r.players = players, r.maxclients = maxclients;
    r.fraglimit = 20, r.timelimit = 15, r.capturelimit = 8, r.lastupdate = 996.6;
    return r;
}

QStringList textsOf(const QVector<WatchLine>& lines) {
    QStringList texts;
    for (const WatchLine& line : lines)
        texts.append(line.text);
    return texts;
}

TEST(WatchFrame, RowShowsMarkerNameAndCountInTheirColours) {
    const struct {
        qint16 ping, players, maxclients;
        bool hovered;
        const char *hostname, *shown;
        int countColour;
    } cases[] = {
        {149, 3, 16, false, "Big^1Frag", "^2*^7Big^1Frag", 7},
        {150, 16, 16, false, "Big^1Frag", "^3*^7Big^1Frag", 1},
        {299, 17, 16, true, "Big^1Frag", "^3*^3Big^1Frag", 1},
        {300, 3, 16, true, "Big^1Frag", "^3-^3Big^1Frag", 3},
        {399, 0, 0, false, "Big^1Frag", "^3-^7Big^1Frag", 7},
        {400, 8, 8, false, "Big^1Frag", "^1-^7Big^1Frag", 1},
        // A name's own leading colour wins over the row's, and is not shown.
        {999, 0, 8, false, "^4Big^7Frag", "^1-^4Big^7Frag", 7},
        {45, 0, 8, true, "^4Big", "^2*^4Big", 3},
    };
    for (const auto& c : cases) {
        FakeBrowser browser;
        browser.selected = server(c.ping, c.players, c.maxclients);
        browser.selected.hostname = QLatin1String(c.hostname);
        WatchFrame frame(browser.sources());
        frame.frame(kClient, kLine);
        if (c.hovered)
            frame.mouseMoved(QPointF(100, frame.rowTop(0) + 2), kClient);
        const QVector<WatchLine> lines = frame.frame(kClient, kLine);
        ASSERT_EQ(textsOf(lines),
                  QStringList({QString(), WatchFrame::kTitle, c.shown,
                               QStringLiteral("%1/%2").arg(c.players).arg(c.maxclients)}));
        EXPECT_EQ(lines[0].highlightBack, QColor(32, 32, 64));
        EXPECT_EQ(lines[2].startColour, c.hovered ? 3 : 7);
        EXPECT_EQ(lines[2].at, QPointF(25, 10 + kLine));
        EXPECT_EQ(lines[3].at, QPointF(kClient.width() - 30, 10 + kLine));
        EXPECT_EQ(lines[3].startColour, c.countColour) << c.ping;
        EXPECT_EQ(frame.rowBottom(0) - frame.rowTop(0), kLine);
    }
}

TEST(WatchFrame, RowClicksShowDetailsThenPlayersThenFoldUp) {
    FakeBrowser browser;
    browser.selected = browser.stored = server(45);
    browser.selected.hostname = QStringLiteral("as chosen"); // the stored record wins
    WatchFrame frame(browser.sources());
    frame.frame(kClient, kLine);
    const QPointF row(60, frame.rowTop(0) + 5);
    const QStringList details{
        QStringLiteral("IP:127.0.0.1:27960"), QStringLiteral("Map:The Longest Yard (q3dm17)"),
        QStringLiteral("Mod:BASEQ3 (baseq3)"), QStringLiteral("Limits-Frags:20-Time:15-Caps:8"),
        QStringLiteral("Ping:45 - Updated:3")};
    const QStringList winner{QStringLiteral("Winner:012  Alice")};
    const QStringList players{QStringLiteral("012  Alice"), QStringLiteral("005  Bob")};
    const struct {
        Qt::MouseButton button;
        qreal x;
        int expanded;
        QStringList extra;
        QColor fore;
        qreal left;
    } steps[] = {
        {Qt::LeftButton, row.x(), 0, winner, WatchFrame::kWinnerFore, 30},
        {Qt::RightButton, row.x(), 0, winner, WatchFrame::kWinnerFore, 30},
        {Qt::LeftButton, 25, 0, winner, WatchFrame::kWinnerFore, 30},
        {Qt::LeftButton, row.x(), 0, players, WatchFrame::kPlayerFore, 40},
        {Qt::LeftButton, row.x(), -1, {}, QColor(), 0},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(frame.mousePressed(step.button, QPointF(step.x, row.y()), kClient), Button::None);
        EXPECT_EQ(frame.expandedRow(), step.expanded);
        const QVector<WatchLine> lines = frame.frame(kClient, kLine);
        EXPECT_EQ(lines[2].text, QStringLiteral("^2*^1Big^7Frag"));
        EXPECT_EQ(textsOf(lines).mid(4), step.expanded < 0 ? QStringList() : details + step.extra);
        if (step.expanded < 0)
            continue;
        EXPECT_EQ(lines.last().highlightFore, step.fore);
        EXPECT_EQ(lines.last().at, QPointF(step.left, 10 + kLine * (lines.size() - 3)));
        EXPECT_EQ(frame.rowBottom(0), 10 + kLine * (lines.size() - 2));
    }
    EXPECT_EQ(browser.titleLookups, 1); // not once a frame

    // A server gone silent keeps its state while its age grows; an empty
    // slot draws no row.
    frame.mousePressed(Qt::LeftButton, row, kClient);
    browser.stored.ping = 999;
    browser.now = 1060;
    EXPECT_TRUE(
        textsOf(frame.frame(kClient, kLine)).contains(QStringLiteral("Ping:999 - Updated:63")));
    browser.selected = ServerRecord();
    EXPECT_EQ(frame.frame(kClient, kLine).size(), 2); // the title only
    for (int i = 0; i < WatchFrame::kSlots; ++i)
        EXPECT_EQ(frame.rowTop(i), frame.rowBottom(i));
    EXPECT_EQ(frame.rowAt(row, kClient), -1);
}

TEST(WatchFrame, BottomButtonsChangeTheWantedSizeWithinBounds) {
    const qreal bottom = kClient.height() - 5;
    const struct {
        Qt::MouseButton button;
        qreal x, y;
        Button pressed;
        QSize target;
    } presses[] = {
        {Qt::LeftButton, 25, bottom, Button::Taller, {200, 375}},
        {Qt::LeftButton, 25, bottom, Button::Taller, {200, 444}},
        {Qt::LeftButton, 20, bottom, Button::None, {200, 444}},
        {Qt::LeftButton, 38, bottom, Button::Shorter, {200, 344}},
        {Qt::LeftButton, 38, bottom - 15, Button::None, {200, 344}},
        {Qt::LeftButton, 70, bottom, Button::Wider, {250, 344}},
        {Qt::LeftButton, 70, bottom, Button::Wider, {274, 344}},
        {Qt::LeftButton, 50, bottom, Button::Narrower, {224, 344}},
        {Qt::LeftButton, 90, bottom, Button::None, {224, 344}},
        {Qt::RightButton, 12, bottom, Button::None, {224, 344}},
    };
    FakeBrowser browser;
    browser.selected = server(45);
    WatchFrame frame(browser.sources());
    frame.open(kClient);
    for (const auto& p : presses) {
        EXPECT_EQ(frame.mousePressed(p.button, QPointF(p.x, p.y), kClient), p.pressed) << p.x;
        EXPECT_EQ(frame.targetSize(), p.target) << p.x;
    }
    EXPECT_FALSE(frame.closing());
    // A row that reaches into the buttons' band is not pressed there.
    frame.frame(QSize(200, 60), 30);
    EXPECT_EQ(frame.rowAt(QPointF(60, 50), QSize(200, 60)), -1);
    EXPECT_EQ(frame.mousePressed(Qt::LeftButton, QPointF(12, bottom), kClient), Button::Close);
    EXPECT_TRUE(frame.closing());

    // The window grows a twentieth of the way each frame, and arrives.
    QSize size = kClient;
    QVector<int> heights;
    while (size != frame.targetSize() && heights.size() < 200)
        heights.append((size = frame.nextSize(size)).height());
    EXPECT_EQ(size, QSize(224, 344));
    EXPECT_EQ(heights.first(), 302);
    EXPECT_TRUE(std::is_sorted(heights.begin(), heights.end()));
    frame.open(QSize(50, 999)); // held within bounds from the next frame
    frame.frame(kClient, kLine);
    EXPECT_EQ(frame.targetSize(), QSize(100, 444));
}

TEST(WatchFrame, DroppedWindowSnapsToTheScreenEdgesItCameNear) {
    const QRect screen(0, 0, 1024, 768), second(1024, 0, 1280, 1024);
    const struct {
        QRect screen;
        QPoint dropped, snapped;
    } cases[] = {
        {screen, {6, 300}, {0, 300}},     {screen, {10, 300}, {10, 300}},
        {screen, {-40, 300}, {0, 300}},   {screen, {5, 9}, {0, 0}},
        {screen, {820, 300}, {824, 300}}, {screen, {814, 300}, {814, 300}},
        {screen, {300, 583}, {300, 588}}, {screen, {300, 578}, {300, 578}},
        {second, {1030, 5}, {1024, 0}},   {second, {2100, 840}, {2104, 844}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WatchFrame::snapToEdges(QRect(c.dropped, QSize(200, 180)), c.screen), c.snapped)
            << c.dropped.x() << "," << c.dropped.y();
}

TEST(WatchPainter, ArtIsCombinedWithTheTextureByAndUnderTheText) {
    const QSize size(200, 180);
    const QImage texture = WatchArt::texturePicture(), frame = WatchArt::framePicture();
    QImage plain(size, QImage::Format_RGB32);
    plain.fill(WatchArt::kBackColour);
    QPainter(&plain).drawImage(QPoint(0, size.height() - frame.height()), frame);
    const QImage art = WatchArt::background(size, frame, texture);
    for (const QPoint at : {QPoint(100, 90), QPoint(130, 70), QPoint(12, 175), QPoint(150, 170)})
        EXPECT_EQ(art.pixel(at), plain.pixel(at) & texture.pixel(at.x() % 64, at.y() % 64));

    // The lines go over it; where there are none, the art shows.
    FakeBrowser browser;
    QImage drawn(size, QImage::Format_RGB32);
    QPainter painter(&drawn);
    WatchPainter().paint(painter, size, WatchFrame(browser.sources()).frame(size, kLine));
    painter.end();
    EXPECT_EQ(QColor(drawn.pixel(190, 11)), WatchFrame::kTitleBack);
    EXPECT_EQ(drawn.pixel(100, 90), art.pixel(100, 90));
}

} // namespace
} // namespace fennick
