#pragma once

#include <QHashFunctions>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

class ConsoleLog;
namespace platform {
class Clock;
}

// One entry of "enums.lst": a value a cvar may take and its display text.
struct EnumEntry {
    QString game;
    QString cvar;
    QString display;
    QString value;

    friend bool operator==(const EnumEntry&, const EnumEntry&) = default;
};

inline size_t qHash(const EnumEntry& e, size_t seed = 0) {
    return qHashMulti(seed, e.game, e.cvar, e.display, e.value);
}

// The enumeration table, plus one `fenkit_player` entry per saved player
// profile. Lookups are exact and case-sensitive, for the current game.
class EnumTable {
public:
    void LoadEnums(const QString& programFolder, ConsoleLog& console, const platform::Clock& clock);
    void loadText(const QString& text);
    void addProfiles(const QStringList& profileFileNames);
    void clear();

    // The value of the first entry with this cvar and display text, else
    // the display text itself.
    QString EnumValue(const QString& game, const QString& cvar, const QString& display) const;
    // The display text of the first entry with this cvar and value, else
    // the value itself.
    QString EnumDisplay(const QString& game, const QString& cvar, const QString& value) const;
    // Display texts of all entries of the cvar, in table order.
    QStringList FillEnumList(const QString& game, const QString& cvar) const;

    const QVector<EnumEntry>& entries() const { return entries_; }

private:
    void add(const EnumEntry& entry);

    QVector<EnumEntry> entries_;
    QSet<EnumEntry> seen_; // all four fields: an entry is stored once
};

} // namespace fennick
