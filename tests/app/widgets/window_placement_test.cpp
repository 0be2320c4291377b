#include "support/qt_print.h"
#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// A window reaching over an edge is moved back, never resized; one larger
// than the area keeps its top left corner inside.
TEST(WindowPlacement, KeptInsideMovesBackOverEveryEdge) {
    const QRect screen(0, 0, 1280, 1024);
    const struct {
        QRect frame, kept;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},
        {{1100, 900, 400, 300}, {880, 724, 400, 300}}, // off the bottom right
        {{-50, -20, 400, 300}, {0, 0, 400, 300}},      // off the top left
        {{-10, 900, 1500, 1200}, {0, 0, 1500, 1200}},  // larger than the screen
        {{1200, 30, 400, 300}, {880, 30, 400, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keptInside(c.frame, screen), c.kept) << c.frame.x() << "," << c.frame.y();
}

// Dialogs open centred over the main window, other windows beside it, and
// both wholly on the screen wherever the main window stands.
TEST(WindowPlacement, WindowsOpenOverOrBesideTheirAnchorOnScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QPoint& at :
         {available.topLeft() + QPoint(20, 20), available.bottomRight() - QPoint(300, 200)}) {
        QWidget anchor;
        anchor.setGeometry(QRect(at, QSize(500, 400)));
        anchor.show();
        QWidget dialog, beside;
        dialog.resize(300, 200);
        beside.resize(400, 500);
        showPlaced(dialog, &anchor, WindowPlace::CentredOver);
        showPlaced(beside, &anchor, WindowPlace::Beside);
        EXPECT_TRUE(available.contains(dialog.frameGeometry())) << at.x();
        EXPECT_TRUE(available.contains(beside.frameGeometry())) << at.x();
        EXPECT_TRUE(anchor.frameGeometry().contains(dialog.frameGeometry().center())) << at.x();
        // A window placed once keeps where the user left it.
        dialog.hide();
        dialog.move(available.topLeft() + QPoint(5, 5));
        showPlaced(dialog, &anchor, WindowPlace::CentredOver);
        EXPECT_EQ(dialog.pos(), available.topLeft() + QPoint(5, 5));
    }
}

} // namespace
} // namespace fennick
