#include "platform/clock.h"
#include "platform/random_source.h"

#include <gtest/gtest.h>

namespace fennick::platform {
namespace {

TEST(Clock, TimesOfDayAndDaySerials) {
    ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0)));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 43200.0);
    EXPECT_DOUBLE_EQ(clock.daySerial(), 46362.5);
    EXPECT_DOUBLE_EQ(daySerialOf(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(daySerialOf(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), 36526.25);
    clock.advance(1500);
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 43201.5);
}

TEST(Clock, ElapsedTimeCrossesMidnight) {
    ManualClock clock(QDateTime(QDate(2026, 12, 6), QTime(23, 59, 59)));
    const double start = clock.secondsSinceMidnight();
    clock.advance(2250);
    EXPECT_NEAR(clock.elapsedSince(start), 2.25, 1e-9);
    EXPECT_DOUBLE_EQ(clock.elapsedSince(clock.secondsSinceMidnight()), 0.0);
}

TEST(RandomSource, ASeedGivesTheSameSequenceWithinTheRange) {
    RandomSource a(42);
    RandomSource b(42);
    for (int i = 0; i < 100; ++i) {
        const int x = a.pick(1, 6);
        EXPECT_EQ(x, b.pick(1, 6));
        EXPECT_GE(x, 1);
        EXPECT_LE(x, 6);
    }
    EXPECT_EQ(a.pick(5, 5), 5);
    EXPECT_EQ(a.pick(5, 2), 5); // an empty range gives its low end
}

} // namespace
} // namespace fennick::platform
