#include "app/widgets/desktop_fixture.h"
#include "app/widgets/form1.h"
#include "app/widgets/frm_setup.h"
#include "console/widgets/frm_console.h"
#include "ui/window_closing.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace fennick {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        fixture.ui.attach(program.console, &console);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void makeGame(const char* folder, const char* exe,
                  void (ProgramSettings::*set)(const QString&)) {
        fixture.touch(QLatin1String(folder) + QLatin1Char('/') + QLatin1String(exe));
        (program.settings.*set)(fixture.path(QLatin1String(folder)));
    }

    QImage strip() { return form.grab(QRect(0, 0, 500, 60)).toImage(); }

    int now() const { return StatusLine::wholeSeconds(program.clock.secondsSinceMidnight()); }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    frmConsole console{program.core, program.interpreter, program.catalogue};
    frmSetup setup{program.settings};
    Form1 form{program, setup};
};

// Icon clicks switch only to usable games (the refusal itself is the game
// switcher's test); "Setup" and the corner open their windows.
TEST_F(MainWindowTest, StripClicksSwitchGamesAndOpenWindows) {
    makeGame("q3", "quake3.exe", &ProgramSettings::setQuake3Dir);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(115, 25));
    EXPECT_EQ(program.game.currentGame, "quake3");
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(98, 25));
    EXPECT_EQ(program.game.currentGame, "quake3");
    EXPECT_EQ(program.status.queuedText, "Quake 2 Directory is incorrect");

    // A click on the border between two icons does nothing; a right click too.
    program.status.queue(QString(), 0);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(90, 25));
    QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(98, 25));
    EXPECT_TRUE(program.status.queuedText.isEmpty());

    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(145, 25));
    EXPECT_TRUE(setup.isVisible());
    EXPECT_FALSE(console.isVisible());
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(console.isVisible());
}

// Without a mouse: the strip's keys (named in its tooltips), Escape closes
// the setup dialog, Tab follows the panel's layout and Enter presses the
// focused button, Launch too.
TEST_F(MainWindowTest, TheKeyboardReachesTheStripAndPressesTheFocusedButton) {
    makeGame("q3", "quake3.exe", &ProgramSettings::setQuake3Dir);
    // The offscreen platform activates no window by itself.
    const auto activate = [](QWidget& window) {
        window.activateWindow();
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
    };
    ASSERT_TRUE(activate(form));
    QTest::keyClick(&form, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(program.game.currentGame, "quake3");
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(setup.isVisible());
    ASSERT_TRUE(activate(setup));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(setup.isVisible());
    ASSERT_TRUE(activate(form));
    QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(console.isVisible());
    console.hide();

    ASSERT_TRUE(activate(form));
    form.findChild<QWidget*>("cmbResolution")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* launch = form.findChild<QPushButton*>("Command1");
    ASSERT_EQ(QApplication::focusWidget(), launch);
    QObject::disconnect(launch, &QPushButton::clicked, launch, nullptr); // no game starts
    QSignalSpy pressed(launch, &QPushButton::clicked);
    QTest::keyClick(launch, Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1);
    QTest::keyClick(launch, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ImageCombo1");
}

TEST_F(MainWindowTest, PointerLeftOfTheIconsShowsTheExecutable) {
    makeGame("q1", "glquake.exe", &ProgramSettings::setQuakeDir);
    program.switcher.SwitchGame("quake1");
    QTest::mouseMove(&form, QPoint(40, 45));
    EXPECT_EQ(program.status.queuedText, program.game.quakeExe);
    EXPECT_EQ(program.status.queuedSeconds, 1);

    // Once the shown text's hold is over, the ticker puts it up.
    program.status.holdUntil = now() - 1;
    QTest::qWait(Form1::kStatusTickMs + 200);
    EXPECT_EQ(program.status.statusText, program.game.quakeExe);
}

// The brightest pixel of a part of the strip.
QColor brightest(const QImage& image, const QRect& area) {
    QColor best(0, 0, 0);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() > best.red() + best.green() + best.blue())
                best = c;
        }
    return best;
}

// The first and last columns where the status text changed the strip, found
// against the strip drawn without a status text, so neither the font's
// widths nor the "Setup" word beside it matter.
std::pair<int, int> statusColumns(const QImage& image, const QImage& empty) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 10; y < 40; ++y)
            if (image.pixel(x, y) != empty.pixel(x, y)) {
                first = first < 0 ? x : first;
                last = x;
            }
    return {first, last};
}

TEST_F(MainWindowTest, StatusTextEndsAtTheRightAndDimsBeforeItChanges) {
    struct Case {
        QString text;
        int secondsLeft;
        QColor colour;
    };
    const Case cases[] = {
        {"HELLO WORLD", 10, QColor(255, 255, 255)},
        {"HELLO WORLD", 1, QColor(192, 192, 200)},
        {QString(60, QLatin1Char('M')), 10, QColor(255, 255, 255)},
    };
    program.status.statusText.clear();
    form.RedrawForm();
    const QImage empty = strip();
    for (const Case& c : cases) {
        program.status.statusText = c.text;
        program.status.holdUntil = now() + c.secondsLeft;
        form.RedrawForm();
        const QImage image = strip();
        EXPECT_EQ(brightest(image, QRect(170, 17, 320, 15)), c.colour) << c.secondsLeft;
        const auto [first, last] = statusColumns(image, empty);
        EXPECT_GE(last, 480); // ends at the right edge of the slot
        EXPECT_LT(last, 490);
        EXPECT_GE(first, 490 - StatusLine::kMaxWidth); // cut to the width
        if (c.text.size() == 60) {                     // a long text fills the width
            EXPECT_LT(first, 490 - StatusLine::kMaxWidth + 20);
        }
    }
    // Cutting the drawn copy leaves the status text itself alone.
    EXPECT_EQ(program.status.statusText.size(), 60);
}

TEST_F(MainWindowTest, HighlightFollowsThePointerOverUsableIcons) {
    makeGame("q3", "quake3.exe", &ProgramSettings::setQuake3Dir);
    QTest::mouseMove(&form, QPoint(300, 45));
    const QImage plain = strip();

    const QRect q1(75, 17, 15, 17), q3(107, 17, 19, 17), setupText(130, 17, 30, 17);
    struct Case {
        QPoint pointer;
        QRect lit; // empty: nothing may change
    };
    const Case cases[] = {
        {{115, 25}, q3},
        {{82, 25}, {}}, // Quake has no valid folder
        {{145, 25}, setupText},
    };
    for (const Case& c : cases) {
        QTest::mouseMove(&form, c.pointer);
        const QImage image = strip();
        for (const QRect& area : {q1, q3, setupText}) {
            const bool changed = image.copy(area) != plain.copy(area);
            EXPECT_EQ(changed, area == c.lit) << c.pointer.x();
        }
        // OR-ing only ever brightens.
        if (!c.lit.isEmpty()) {
            const QPoint p = c.lit.center();
            EXPECT_GE(qRed(image.pixel(p)), qRed(plain.pixel(p)));
        }
    }
}

TEST_F(MainWindowTest, ClosingRunsTheShutdownOnceAndClosesTheOthers) {
    setup.show();
    console.show();
    int shutdowns = 0;
    form.onClosing = [&] {
        ++shutdowns;
        closeOtherWindows(form);
    };
    EXPECT_TRUE(form.close());
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(shutdowns, 1);
    EXPECT_FALSE(setup.isVisible());
    EXPECT_FALSE(console.isVisible());
}

} // namespace
} // namespace fennick
