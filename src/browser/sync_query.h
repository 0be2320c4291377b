#pragma once

#include "browser/server_socket.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>

namespace fennick {

namespace platform {
class Clock;
}

// A query that waits at most one second for its reply, as the browser's
// refresh and the update of the chosen server do. Any datagram on its
// socket while it waits is the reply. The wait is a timer, so the window
// stays live; after a wait in vain the socket is replaced, so a late reply
// can never be taken for the next query's.
class SyncQuery : public QObject {
    Q_OBJECT
public:
    static constexpr int kWaitMs = 1000;

    SyncQuery(platform::Clock& clock, ServerSocket::Yield yield, QObject* parent = nullptr);

    // Sends the status request; finished() follows (at once when nothing
    // could be sent).
    ServerSocket::SendResult start(const QString& address, const QString& gameText);
    bool busy() const { return busy_; }
    const QString& errorText() const { return socket_->errorText(); }

Q_SIGNALS:
    void finished(bool answered, const QByteArray& reply, double seconds);

private:
    void newSocket();
    void receive(const QByteArray& bytes);
    void giveUp();

    platform::Clock& clock_;
    ServerSocket::Yield yield_;
    std::unique_ptr<ServerSocket> socket_;
    QTimer deadline_;
    double sentAt_ = 0;
    bool busy_ = false;
};

} // namespace fennick
