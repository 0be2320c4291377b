#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

// The Quake III bot names the launch picks from when bots are requested.
// Slots count from 1, as the bot scripts are read; slot 0 is never used.
// The list stays empty until the bot scan fills it.
class BotList {
public:
    void clear() { names_.clear(); }
    void append(const QString& name) { names_.append(name); }

    // How many bots there are: the highest slot in use.
    int count() const { return int(names_.size()); }
    bool isEmpty() const { return names_.isEmpty(); }

    // The bot in a slot from 1 to count(); the empty text for any other.
    QString at(int slot) const;

    const QStringList& names() const { return names_; }

private:
    QStringList names_;
};

} // namespace fennick
