#include "browser/server_socket.h"

#include "browser/query_protocol.h"
#include "browser/status_parser.h"
#include "core/game_facts.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QPointer>

namespace fennick {

ServerSocket::ServerSocket(Yield yield, QObject* parent)
    : QObject(parent), yield_(std::move(yield)) {
    connect(&socket_, &QUdpSocket::readyRead, this, &ServerSocket::readAll);
}

ServerSocket::SendResult ServerSocket::SetWinsock(const QString& address, const QString& gameText,
                                                  bool master) {
    const std::optional<QueryTarget> target = queryTargetOf(address, gameText, master);
    if (!target)
        return SendResult::NothingToSend;
    // Quake III's query lets the event loop run once before it is sent.
    if (gameOfText(gameText) == &gameFacts(kQuake3) && yield_)
        yield_();
    if (target->request.isEmpty())
        return SendResult::NothingToSend;
    return sendTo(target->host, target->port, target->request);
}

ServerSocket::SendResult ServerSocket::sendTo(const QString& host, quint16 port,
                                              const QByteArray& bytes) {
    const QHostAddress literal(host);
    if (!literal.isNull())
        return write(literal, port, bytes);
    if (host.isEmpty() || port == 0) {
        errorText_ = QStringLiteral("Bad address: ") + host;
        return SendResult::Unreachable;
    }
    // A name: looked up in the background; the send follows the answer.
    QPointer<ServerSocket> self(this);
    QHostInfo::lookupHost(host, this, [self, port, bytes](const QHostInfo& info) {
        if (!self)
            return;
        for (const QHostAddress& found : info.addresses()) {
            if (found.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            const SendResult result = self->write(found, port, bytes);
            if (result != SendResult::Sent)
                Q_EMIT self->sendFailed(result);
            return;
        }
        self->errorText_ = QStringLiteral("Host not found: ") + info.hostName();
        Q_EMIT self->sendFailed(SendResult::Unreachable);
    });
    return SendResult::Sent;
}

ServerSocket::SendResult ServerSocket::write(const QHostAddress& host, quint16 port,
                                             const QByteArray& bytes) {
    if (socket_.writeDatagram(bytes, host, port) == bytes.size()) {
        errorText_.clear();
        return SendResult::Sent;
    }
    const QAbstractSocket::SocketError error = socket_.error();
    errorText_ = QString::number(int(error)) + QStringLiteral(": ") + socket_.errorString();
    const bool unreachable = error == QAbstractSocket::NetworkError ||
                             error == QAbstractSocket::HostNotFoundError ||
                             error == QAbstractSocket::SocketAddressNotAvailableError;
    return unreachable ? SendResult::Unreachable : SendResult::Failed;
}

// Datagrams bigger than a status reply can be are cut to that size. A
// flood of datagrams is read a batch at a time, the rest after the events
// that wait meanwhile, so it never holds up the window.
void ServerSocket::readAll() {
    constexpr int kBatch = 64;
    for (int read = 0; socket_.hasPendingDatagrams(); ++read) {
        if (read == kBatch) {
            QMetaObject::invokeMethod(this, &ServerSocket::readAll, Qt::QueuedConnection);
            return;
        }
        QNetworkDatagram received = socket_.receiveDatagram(kMaxReplyBytes);
        if (!received.isValid())
            break;
        QHostAddress sender = received.senderAddress();
        bool isV4 = false;
        const quint32 v4 = sender.toIPv4Address(&isV4);
        if (isV4)
            sender = QHostAddress(v4);
        Q_EMIT datagram(received.data(), sender, quint16(received.senderPort()));
    }
}

} // namespace fennick
