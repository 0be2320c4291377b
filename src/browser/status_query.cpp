#include "browser/status_query.h"

#include "browser/status_arrival.h"
#include "platform/clock.h"

namespace fennick {

StatusQuery::StatusQuery(platform::Clock& clock, Context context, ServerSocket::Yield yield,
                         QObject* parent)
    : QObject(parent), clock_(clock), context_(std::move(context)), socket_(std::move(yield)) {
    connect(&socket_, &ServerSocket::datagram, this, &StatusQuery::receive);
}

ServerSocket::SendResult StatusQuery::send(const QString& address, const QString& group) {
    socket_.tag = group;
    socket_.sendTime = clock_.secondsSinceMidnight();
    return socket_.SetWinsock(address, group, false);
}

void StatusQuery::receive(const QByteArray& bytes, const QHostAddress& sender, quint16 port) {
    Q_EMIT arrived();
    if (socket_.tag.isEmpty())
        return;
    const QString group = socket_.tag;
    socket_.tag.clear();
    const double taken = clock_.elapsedSince(socket_.sendTime);
    Q_EMIT answered(recordFromReply(group, sender, port, taken, bytes, context_()));
}

} // namespace fennick
