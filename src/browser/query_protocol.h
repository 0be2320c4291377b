#pragma once

#include "core/game_facts.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace fennick {

// The query datagrams and default ports of the game a group path or
// caption names: the game's row of the table of games, or QuakeWorld's,
// which the browser can ask although no game of the table is QuakeWorld.
// Null for a text that names neither.
const QueryFacts* queryProtocolOf(const QString& gameText);

// Where one query goes and what it sends.
struct QueryTarget {
    QString host;
    quint16 port = 0;
    QByteArray request; // empty for Quake, which is asked nothing
};

// The target of a status query (or a master query with `master`) for an
// address "host" or "host:port": the address's own port when it carries
// one, else the game's default. Nothing when the text names no game.
std::optional<QueryTarget> queryTargetOf(const QString& address, const QString& gameText,
                                         bool master);

} // namespace fennick
