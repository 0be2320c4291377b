#include "browser/status_arrival.h"

namespace fennick {

QString senderText(const QHostAddress& sender, quint16 port) {
    bool isV4 = false;
    const quint32 v4 = sender.toIPv4Address(&isV4);
    const QString host = isV4 ? QHostAddress(v4).toString() : sender.toString();
    return host + QLatin1Char(':') + QString::number(port);
}

ServerRecord recordFromReply(const QString& group, const QHostAddress& sender, quint16 port,
                             double secondsTaken, const QByteArray& datagram,
                             const StatusContext& context) {
    ServerRecord record;
    record.group = group;
    record.ip = senderText(sender, port);
    record.ping = pingOf(secondsTaken);
    ParseStatus(record, QString::fromLatin1(datagram.left(kMaxReplyBytes)), context);
    return record;
}

} // namespace fennick
