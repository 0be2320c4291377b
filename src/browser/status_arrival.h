#pragma once

#include "browser/server_record.h"
#include "browser/status_parser.h"

#include <QByteArray>
#include <QHostAddress>

namespace fennick {

// "a.b.c.d:port" of a datagram's sender.
QString senderText(const QHostAddress& sender, quint16 port);

// The record a status reply on a query socket gives: a fresh record of the
// group the query was sent for, with the sender's address, the ping from
// the send time, and the reply parsed into it. Datagram bytes are taken
// one to one as characters.
ServerRecord recordFromReply(const QString& group, const QHostAddress& sender, quint16 port,
                             double secondsTaken, const QByteArray& datagram,
                             const StatusContext& context);

} // namespace fennick
