#pragma once

#include "browser/server_record.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace fennick {

// One game's query datagrams and default ports. A request is exactly these
// bytes: no terminating zero and no line end.
struct QueryProtocol {
    ServerGame game;
    quint16 statusPort;
    quint16 masterPort;
    QByteArray statusRequest; // empty: nothing is sent
    QByteArray masterRequest;
};

// The protocol of the game a group path or caption names; nothing for a
// text that names no game.
std::optional<QueryProtocol> queryProtocolOf(const QString& gameText);

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
