#include "core/status_line.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

// Every character is 10 units wide, so 32 characters fit the line.
int tenPerCharacter(const QString& text) {
    return static_cast<int>(text.size()) * 10;
}

constexpr int kEightPm = 72000;

TEST(StatusLine, AWideTextScrollsOneCharacterPerTickUntilItFits) {
    StatusLine status;
    const QString text = "0123456789abcdefghijklmnopqrstuvwxyzABCD"; // 40 wide
    status.statusText = text;
    status.holdUntil = kEightPm + 100;
    for (int tick = 1; tick <= 8; ++tick) {
        status.tick(kEightPm + tick, tenPerCharacter);
        EXPECT_EQ(status.statusText, text.mid(tick)) << "tick " << tick;
    }
    status.tick(kEightPm + 9, tenPerCharacter);
    status.tick(kEightPm + 10, tenPerCharacter);
    EXPECT_EQ(status.statusText, text.mid(8)); // 320 wide fits exactly
}

TEST(StatusLine, VisibleTextCutsTheEndWithoutTouchingTheText) {
    StatusLine status;
    status.statusText = QString(33, QLatin1Char('x')) + "END";
    EXPECT_EQ(status.visibleText(tenPerCharacter), QString(32, QLatin1Char('x')));
    EXPECT_EQ(status.statusText.size(), 36);
    status.statusText = "short";
    EXPECT_EQ(status.visibleText(tenPerCharacter), "short");
    // A text that never fits ends empty rather than looping.
    EXPECT_EQ(status.visibleText([](const QString&) { return 1000; }), "");
}

TEST(StatusLine, QueuedMessagesWaitForTheHoldAndAreHeldForTheirSeconds) {
    StatusLine status;
    status.showWelcome("Welcome to Fennick", kEightPm + 0.6);
    EXPECT_EQ(status.holdUntil, kEightPm + 6); // rounded to whole seconds
    status.showWelcome("Welcome to Fennick", kEightPm + 0.4);
    EXPECT_EQ(status.holdUntil, kEightPm + 5);
    status.queue("Directories are incorrect", 3);

    status.tick(kEightPm + 5, tenPerCharacter); // not past the hold yet
    EXPECT_EQ(status.statusText, "Welcome to Fennick");
    status.tick(kEightPm + 6, tenPerCharacter);
    EXPECT_EQ(status.statusText, "Directories are incorrect");
    EXPECT_TRUE(status.queuedText.isEmpty());
    EXPECT_EQ(status.holdUntil, kEightPm + 9);

    status.queue("next", 1);
    status.tick(kEightPm + 9, tenPerCharacter);
    EXPECT_EQ(status.statusText, "Directories are incorrect");
    status.tick(kEightPm + 10, tenPerCharacter);
    EXPECT_EQ(status.statusText, "next");
    EXPECT_EQ(status.holdUntil, kEightPm + 11);

    // A hold ends as soon as its second has passed, not at the next whole
    // second; the new hold counts from that moment.
    status.queue("half past", 2);
    status.tick(kEightPm + 11.4, tenPerCharacter);
    EXPECT_EQ(status.statusText, "half past");
    EXPECT_EQ(status.holdUntil, kEightPm + 13);

    // With nothing queued the text simply stays.
    status.tick(kEightPm + 30, tenPerCharacter);
    EXPECT_EQ(status.statusText, "half past");
}

TEST(StatusLine, TextDimsWhenFewerThanTwoSecondsRemain) {
    StatusLine status;
    status.holdUntil = kEightPm + 5;
    const struct {
        double now;
        bool dim;
    } cases[] = {
        {kEightPm + 0.0, false}, {kEightPm + 2.9, false}, {kEightPm + 3.0, false},
        {kEightPm + 3.1, true},  {kEightPm + 5.0, true},  {kEightPm + 60.0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(status.aboutToChange(c.now), c.dim) << c.now - kEightPm;
}

TEST(StatusLine, AHoldSetBeforeMidnightEndsAfterIt) {
    StatusLine status;
    status.showWelcome("late", 86398.0);
    status.queue("early", 2);
    EXPECT_FALSE(status.aboutToChange(86398.0 - 1)); // 6 seconds left
    status.tick(2, tenPerCharacter);                 // 00:00:02, one second left
    EXPECT_EQ(status.statusText, "late");
    EXPECT_TRUE(status.aboutToChange(2));
    status.tick(4, tenPerCharacter);
    EXPECT_EQ(status.statusText, "early");
    EXPECT_EQ(status.holdUntil, 6);

    // A hold that ended long ago counts as ended, whatever the hour.
    StatusLine old;
    old.holdUntil = 3600;
    old.queue("evening", 1);
    old.tick(80000, tenPerCharacter);
    EXPECT_EQ(old.statusText, "evening");
}

} // namespace
} // namespace fennick
