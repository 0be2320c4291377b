#pragma once

#include <QString>
#include <QVector>
#include <functional>

namespace fennick {

class ConsoleLog;
namespace platform {
class Clock;
}

// One quick-action button as a button file declares it: a backslash
// key/value line read once when it is added.
struct ButtonLine {
    QString line;     // as the file gave it
    QString game;     // "quake1", "quake2", "quake3" or "all"
    QString mod;      // a mod key or "all"
    QString category; // the group it is offered in
    QString caption;
    QString info; // tooltip and status message
    QString action;

    static ButtonLine parse(const QString& line);

    // Offered for this game and mod: each field equal, or "all". A missing
    // field matches neither.
    bool offeredFor(const QString& currentGame, const QString& currentModKey) const;
};

// The main window's button list: every button line of the button files in
// the order they were added. Lines are only appended; LoadButtons starts
// the list afresh.
class ButtonList {
public:
    // A button file bigger than this is not run: it cannot be a real one,
    // and running it line by line would hold up the start.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
    // More buttons than anybody could pick from are not kept.
    static constexpr int kMaxButtons = 20000;

    void AddButton(const QString& line);
    void clear() { buttons_.clear(); }

    // Runs every ".fkf" file of the forms folder, in listing order, each
    // line through `execute` (with echo off), and prints how many buttons
    // there are. A missing folder loads none; a file that is too big or
    // holds binary data is skipped with a console line.
    void LoadButtons(const QString& formsFolder, const std::function<void(const QString&)>& execute,
                     ConsoleLog& console, platform::Clock& clock);

    int count() const { return int(buttons_.size()); }
    const QVector<ButtonLine>& buttons() const { return buttons_; }

private:
    void runFile(const QString& path, const std::function<void(const QString&)>& execute,
                 ConsoleLog& console);

    QVector<ButtonLine> buttons_;
};

} // namespace fennick
