#pragma once

#include "browser/status_query.h"

#include <QObject>
#include <QQueue>
#include <QTimer>
#include <memory>
#include <vector>

namespace fennick {

// The browser's query sockets, N + 1 of them. A query goes out on the
// first free socket: one that waits for nothing, or whose query has had
// no answer for more than two seconds (it is given up and reused). When
// every socket is busy, queries queue and go out as sockets free up; the
// queue is worked off by the answers and a timer, never by spinning.
class QueryPool : public QObject {
    Q_OBJECT
public:
    static constexpr double kGiveUpSeconds = 2.0;

    QueryPool(int n, platform::Clock& clock, StatusQuery::Context context,
              ServerSocket::Yield yield, QObject* parent = nullptr);

    int size() const { return int(queries_.size()); }
    // The first free socket, -1 when all are busy.
    int findFree() const;
    // Sends on the first free socket, now or once one is free. The game is
    // the one the group path names.
    void enqueue(const QString& address, const QString& group, qint16 index);
    int queued() const { return int(queue_.size()); }
    // QueryServerIndex: the server or pending entry a socket was last sent for.
    qint16 serverIndex(int socket) const { return queries_[socket]->socket().serverIndex; }
    StatusQuery& query(int socket) { return *queries_[socket]; }

Q_SIGNALS:
    void answered(const ServerRecord& record);
    void arrived();
    void sendFailed(ServerSocket::SendResult result, const QString& error);

private:
    struct Pending {
        QString address;
        QString group;
        qint16 index;
    };
    void drain();
    void send(int socket, const Pending& pending);

    platform::Clock& clock_;
    std::vector<std::unique_ptr<StatusQuery>> queries_;
    QQueue<Pending> queue_;
    QTimer retry_;
};

} // namespace fennick
