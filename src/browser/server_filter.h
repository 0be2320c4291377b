#pragma once

#include "browser/server_record.h"

#include <QString>
#include <QStringList>

namespace fennick {

class FennickIni;

// What the server list leaves out. The default leaves out nothing; a game
// type or mod of "any" (or empty) takes every one. Game type and mod are
// compared with the texts the list shows, in any letter case.
struct ServerFilter {
    static const QString kAny; // "any", the first choice of the drop-downs

    bool hideEmpty = false;
    bool hideFull = false;
    int maxPing = 0;  // 0: no limit
    QString gametype; // empty for any
    QString mod;
    bool hidePassworded = false; // servers whose reply says they need one
    // Find player: only servers with a player whose name, colour codes
    // left out, holds this text in any letter case; looked for in every
    // group of the shown game when `playerInAllGroups` is set.
    QString player;
    bool playerInAllGroups = false;

    static bool isAny(const QString& choice);
    // Something is left out, so the count says "filtered".
    bool active() const;
    // The list shows the other groups of the game too.
    bool findsInAllGroups() const { return playerInAllGroups && !player.isEmpty(); }
    bool passes(const ServerRecord& record) const;

    // "[server-filter]" of fennick.ini. The player text is a search, not a
    // filter, and is not kept.
    static ServerFilter load(const FennickIni& ini);
    void save(FennickIni& ini) const;

    bool operator==(const ServerFilter&) const = default;
};

// The name of a player entry ("012  ^1Alice" gives "Alice"): the text
// after the score, as the list shows it (UTF-8 when it is), with the
// games' colour codes left out.
QString playerNameOf(QStringView entry);
// Whether the entry's player name holds the text, in any letter case.
bool playerNameHolds(QStringView entry, const QString& text);
bool hasPlayer(const ServerRecord& record, const QString& text);

// "any" and then the different non-empty values, sorted ignoring letter
// case (each in its first spelling): a drop-down's choices.
QStringList filterChoices(const QStringList& values);

} // namespace fennick
