#pragma once

#include <QString>
#include <functional>

namespace fennick {

// The main window's status line: the text shown, a queued message waiting
// to replace it, and the time of day (whole seconds) until which the shown
// text is held. Any part of the program may queue a message.
class StatusLine {
public:
    // Queues a message to be shown for `seconds` once the current one's
    // hold time has passed.
    void queue(const QString& text, int seconds) {
        queuedText = text;
        queuedSeconds = seconds;
    }

    QString statusText;
    QString queuedText;
    int queuedSeconds = 0;
    int holdUntil = 0; // seconds since midnight
};

} // namespace fennick
