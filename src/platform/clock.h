#pragma once

#include <QDateTime>

namespace fennick::platform {

// The one source of time. Times of day are seconds since midnight with
// fractions; dates are day counts with a fraction since 30 December 1899.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    double secondsSinceMidnight() const;
    double daySerial() const;
    // Seconds since a time of day taken earlier, across one midnight.
    double elapsedSince(double startSecondsOfDay) const;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until told to move; tests and tools set it.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime start) : now_(std::move(start)) {}
    QDateTime now() const override { return now_; }
    void set(const QDateTime& when) { now_ = when; }
    void advance(qint64 milliseconds) { now_ = now_.addMSecs(milliseconds); }

private:
    QDateTime now_;
};

double secondsOfDay(const QDateTime& when);
double daySerialOf(const QDateTime& when);

} // namespace fennick::platform
