#include "browser/sync_query.h"

#include "platform/clock.h"

namespace fennick {

SyncQuery::SyncQuery(platform::Clock& clock, ServerSocket::Yield yield, QObject* parent)
    : QObject(parent), clock_(clock), yield_(std::move(yield)) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(kWaitMs);
    connect(&deadline_, &QTimer::timeout, this, &SyncQuery::giveUp);
    newSocket();
}

// The old socket may be the one whose signal is running: it is cut off at
// once and deleted later.
void SyncQuery::newSocket() {
    if (socket_) {
        socket_->disconnect(this);
        socket_.release()->deleteLater();
    }
    socket_ = std::make_unique<ServerSocket>(yield_);
    socket_->tag = QStringLiteral("refreshlist");
    connect(socket_.get(), &ServerSocket::datagram, this,
            [this](const QByteArray& bytes) { receive(bytes); });
    connect(socket_.get(), &ServerSocket::sendFailed, this, [this] {
        if (busy_) {
            deadline_.stop();
            giveUp();
        }
    });
}

ServerSocket::SendResult SyncQuery::start(const QString& address, const QString& gameText) {
    busy_ = true;
    const ServerSocket::SendResult result = socket_->SetWinsock(address, gameText, false);
    sentAt_ = clock_.secondsSinceMidnight();
    if (result == ServerSocket::SendResult::Sent) {
        deadline_.start();
    } else {
        // Nothing is on its way: the wait ends at once, without an answer.
        QTimer::singleShot(0, this, [this] { giveUp(); });
    }
    return result;
}

void SyncQuery::receive(const QByteArray& bytes) {
    if (!busy_)
        return;
    deadline_.stop();
    busy_ = false;
    Q_EMIT finished(true, bytes, clock_.elapsedSince(sentAt_));
}

void SyncQuery::giveUp() {
    if (!busy_)
        return;
    busy_ = false;
    newSocket();
    Q_EMIT finished(false, {}, clock_.elapsedSince(sentAt_));
}

} // namespace fennick
