#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <utility>

namespace fennick {

class ConsoleLog;
namespace platform {
class Clock;
}

// One entry of "cmds.lst": what the program knows about a game's cvar.
struct PredefinedCommand {
    QString game;
    QString name;
    qint16 scope = 0;
    qint16 placement = 0;
    qint16 mode = 0;
    QString info;
    QString help;
};

// The predefined-command catalogue. Lookups are exact and case-sensitive.
class Catalogue {
public:
    // Reads "cmds.lst" of the program folder; a missing file leaves the
    // catalogue empty. Prints the count and time to the console.
    void LoadCommands(const QString& programFolder, ConsoleLog& console,
                      const platform::Clock& clock);
    // Loads records from text (the file format): a record whose game and
    // name are already known overwrites that entry's attributes.
    void loadText(const QString& text);
    void clear();

    const PredefinedCommand* find(const QString& game, const QString& name) const;
    const QVector<PredefinedCommand>& entries() const { return entries_; }

private:
    QVector<PredefinedCommand> entries_;
    QHash<std::pair<QString, QString>, qsizetype> index_; // (game, name) -> entry
};

} // namespace fennick
