#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QUdpSocket>
#include <functional>

namespace fennick {

// One of the browser's UDP sockets: it sends a game's query datagrams to
// a server and hands every datagram that arrives to its owner, with the
// sender's address. A tag tells its owner what the last request was for;
// the time of the last send gives the ping.
class ServerSocket : public QObject {
    Q_OBJECT
public:
    // How a send ended. Host unreachable and a bad address only switch the
    // browser offline; other errors are shown to the user.
    enum class SendResult { Sent, NothingToSend, Unreachable, Failed };

    using Yield = std::function<void()>;
    explicit ServerSocket(Yield yield = {}, QObject* parent = nullptr);

    // Sends the game's status request (or master request) to the address
    // ("host" or "host:port"). A host name is looked up without blocking;
    // the datagram goes out once it is known.
    SendResult SetWinsock(const QString& address, const QString& gameText, bool master);
    // Sends bytes as they are to a host and port (the broadcasts).
    SendResult sendTo(const QString& host, quint16 port, const QByteArray& bytes);

    QString tag;
    double sendTime = 0; // time of day in seconds of the last send
    qint16 serverIndex = 0;

    // The last error, ready to show: its number, a colon and what it means.
    const QString& errorText() const { return errorText_; }

Q_SIGNALS:
    void datagram(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort);
    // A send that failed after a host name look-up finished.
    void sendFailed(ServerSocket::SendResult result);

private:
    void readAll();
    SendResult write(const QHostAddress& host, quint16 port, const QByteArray& bytes);

    QUdpSocket socket_;
    Yield yield_;
    QString errorText_;
};

} // namespace fennick
