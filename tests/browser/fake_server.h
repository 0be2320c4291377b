#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <functional>
#include <gtest/gtest.h>

namespace fennick::test {

// A game server on loopback for the tests: bound to 127.0.0.1 on a free
// port, it records every datagram and answers with what `reply` gives
// (nothing for an empty answer).
class FakeServer {
public:
    using Reply = std::function<QByteArray(const QByteArray& request)>;

    explicit FakeServer(Reply reply = {}) : reply_(std::move(reply)) {
        bound_ = socket_.bind(QHostAddress(QHostAddress::LocalHost), 0);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] {
            while (socket_.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = socket_.receiveDatagram();
                received.append(datagram.data());
                senderPorts.append(quint16(datagram.senderPort()));
                const QByteArray answer = reply_ ? reply_(datagram.data()) : QByteArray();
                if (!answer.isEmpty())
                    socket_.writeDatagram(answer, datagram.senderAddress(),
                                          quint16(datagram.senderPort()));
            }
        });
    }

    bool bound() const { return bound_; }
    quint16 port() const { return socket_.localPort(); }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

    QList<QByteArray> received;
    QList<quint16> senderPorts;

private:
    QUdpSocket socket_;
    Reply reply_;
    bool bound_ = false;
};

} // namespace fennick::test
