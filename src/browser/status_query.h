#pragma once

#include "browser/server_record.h"
#include "browser/server_socket.h"
#include "browser/status_parser.h"

#include <QObject>
#include <functional>

namespace fennick {

namespace platform {
class Clock;
}

// One status query on its own socket: the request goes out, and the first
// reply becomes a record of the group the query was sent for, with the
// sender's address and the ping from the send time. Replies that arrive
// when no query is waiting are read and dropped.
class StatusQuery : public QObject {
    Q_OBJECT
public:
    using Context = std::function<StatusContext()>;
    StatusQuery(platform::Clock& clock, Context context, ServerSocket::Yield yield = {},
                QObject* parent = nullptr);

    // Sends the status request for `group` to the address; the socket is
    // busy (its tag is the group) until a reply comes.
    ServerSocket::SendResult send(const QString& address, const QString& group);
    bool waiting() const { return !socket_.tag.isEmpty(); }
    ServerSocket& socket() { return socket_; }

Q_SIGNALS:
    void answered(const ServerRecord& record);
    // Every datagram, answered or dropped: the browser is online.
    void arrived();

private:
    void receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port);

    platform::Clock& clock_;
    Context context_;
    ServerSocket socket_;
};

} // namespace fennick
