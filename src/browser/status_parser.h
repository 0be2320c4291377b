#pragma once

#include "browser/server_record.h"

#include <QString>
#include <QStringList>

namespace fennick {

class EnumTable;

// What a status reply is read with: the enumeration table names Quake III
// game types for the current game, or, for a reader with no current game
// (fennick-cli), for the game of the record's own group.
struct StatusContext {
    const EnumTable* enums = nullptr;
    QString currentGame;
    double nowSecondsOfDay = 0;
    bool typesOfGroupGame = false;
};

// The largest reply that is read; a status datagram is far smaller, so the
// rest of anything bigger is ignored.
constexpr qsizetype kMaxReplyBytes = 64 * 1024;

// Reads a status reply into the record: its last update time always, the
// game's keys for Quake III and Quake II (the record's group tells the
// game), and the player list when the reply has one.
void ParseStatus(ServerRecord& record, const QString& reply, const StatusContext& context);

// The player entries of a reply, best score first: each is the score in
// at least three digits, a space and the rest of the player's line after
// the ping, quotes removed. Nothing when the reply has no "\dmflags" or no
// line end after it.
std::optional<QStringList> playerEntries(const QString& reply);

} // namespace fennick
