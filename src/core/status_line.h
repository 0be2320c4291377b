#pragma once

#include <QString>
#include <functional>

namespace fennick {

// The main window's status line: the text shown, a queued message waiting
// to replace it, and the time of day (whole seconds) until which the shown
// text is held. Any part of the program may queue a message; the main
// window's timer calls tick() twice a second and draws visibleText().
class StatusLine {
public:
    // How wide the shown text may be, in the main window's pixels.
    static constexpr int kMaxWidth = 320;
    // How long the welcome text stays before a queued message replaces it.
    static constexpr int kWelcomeSeconds = 5;
    // Below this many seconds of hold time left the text is drawn dimmed.
    static constexpr double kFadeSeconds = 2.0;

    // Measures a text in the main window's pixels.
    using Measure = std::function<int(const QString&)>;

    // Queues a message to be shown for `seconds` once the current one's
    // hold time has passed.
    void queue(const QString& text, int seconds) {
        queuedText = text;
        queuedSeconds = seconds;
    }

    // Takes back a message that no longer holds (the folders it calls
    // incorrect were corrected): dropped from the queue, and no longer
    // shown when it is the shown text.
    void withdraw(const QString& text);

    // Shows `text` at once and holds it for the welcome time.
    void showWelcome(const QString& text, double nowSecondsOfDay);

    // One timer tick: a text too wide loses its first character (so it
    // scrolls left by one character per tick), and once the hold time has
    // passed a queued message takes its place and is held for its seconds
    // (counted from now and rounded to whole seconds).
    void tick(double nowSecondsOfDay, const Measure& measure);

    // The shown text cut from its end until it fits the width; the status
    // text itself is left as it is.
    QString visibleText(const Measure& measure) const;

    // True when fewer than two seconds of hold time remain (also once the
    // hold time has passed): the text is drawn in the dimmed colour.
    bool aboutToChange(double nowSecondsOfDay) const;

    // A time of day rounded to whole seconds, as the ticker counts.
    static int wholeSeconds(double secondsOfDay);

    QString statusText;
    QString queuedText;
    int queuedSeconds = 0;
    int holdUntil = 0; // seconds since midnight

private:
    // Seconds from `now` until the hold ends, negative once passed. A hold
    // set shortly before midnight still ends shortly after it.
    double secondsLeft(double nowSecondsOfDay) const;
};

} // namespace fennick
