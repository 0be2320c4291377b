#include "core/status_line.h"

#include <cmath>

namespace fennick {

namespace {

constexpr double kSecondsPerDay = 86400.0;

} // namespace

int StatusLine::wholeSeconds(double secondsOfDay) {
    return static_cast<int>(std::lround(secondsOfDay));
}

void StatusLine::showWelcome(const QString& text, double nowSecondsOfDay) {
    statusText = text;
    holdUntil = wholeSeconds(nowSecondsOfDay + kWelcomeSeconds);
}

double StatusLine::secondsLeft(double nowSecondsOfDay) const {
    double left = holdUntil - nowSecondsOfDay;
    // Holds last a few seconds, so a hold more than half a day ahead was
    // set shortly before midnight and the clock has started a new day.
    if (left > kSecondsPerDay / 2)
        left -= kSecondsPerDay;
    return left;
}

void StatusLine::tick(double nowSecondsOfDay, const Measure& measure) {
    if (!statusText.isEmpty() && measure && measure(statusText) > kMaxWidth)
        statusText.remove(0, 1);
    if (secondsLeft(nowSecondsOfDay) < 0 && !queuedText.isEmpty()) {
        statusText = queuedText;
        queuedText.clear();
        holdUntil = wholeSeconds(nowSecondsOfDay + queuedSeconds);
    }
}

void StatusLine::withdraw(const QString& text) {
    if (text.isEmpty())
        return;
    if (queuedText == text)
        queuedText.clear();
    if (statusText == text) {
        statusText.clear();
        holdUntil = 0;
    }
}

QString StatusLine::visibleText(const Measure& measure) const {
    QString shown = statusText;
    if (!measure)
        return shown;
    while (!shown.isEmpty() && measure(shown) > kMaxWidth)
        shown.chop(1);
    return shown;
}

bool StatusLine::aboutToChange(double nowSecondsOfDay) const {
    return secondsLeft(nowSecondsOfDay) < kFadeSeconds;
}

} // namespace fennick
