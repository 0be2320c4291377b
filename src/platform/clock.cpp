#include "platform/clock.h"

namespace fennick::platform {

double secondsOfDay(const QDateTime& when) {
    return when.time().msecsSinceStartOfDay() / 1000.0;
}

double daySerialOf(const QDateTime& when) {
    static constexpr qint64 kEpochJulianDay = 2415019; // 30 December 1899
    const qint64 days = when.date().toJulianDay() - kEpochJulianDay;
    return static_cast<double>(days) + secondsOfDay(when) / 86400.0;
}

double Clock::secondsSinceMidnight() const {
    return secondsOfDay(now());
}

double Clock::daySerial() const {
    return daySerialOf(now());
}

double Clock::elapsedSince(double startSecondsOfDay) const {
    double elapsed = secondsSinceMidnight() - startSecondsOfDay;
    if (elapsed < 0)
        elapsed += 86400.0;
    return elapsed;
}

} // namespace fennick::platform
