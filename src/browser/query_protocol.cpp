#include "browser/query_protocol.h"

#include "common/number_text.h"

namespace fennick {

namespace {

QByteArray outOfBand(const char* text) {
    return QByteArray(4, '\xff') + QByteArray(text);
}

} // namespace

std::optional<QueryProtocol> queryProtocolOf(const QString& gameText) {
    switch (serverGameOf(gameText)) {
    case ServerGame::Quake3:
        return QueryProtocol{ServerGame::Quake3, 27960, 27950, outOfBand("getstatus"),
                             outOfBand("getservers 45")};
    case ServerGame::Quake2:
        return QueryProtocol{ServerGame::Quake2, 27910, 27900, outOfBand("status"),
                             QByteArray("query")};
    case ServerGame::Quake1:
        return QueryProtocol{ServerGame::Quake1, 26000, 26000, {}, {}};
    case ServerGame::QuakeWorld:
        return QueryProtocol{ServerGame::QuakeWorld, 27500, 27000, outOfBand("status"),
                             QByteArray("c")};
    case ServerGame::None:
        break;
    }
    return std::nullopt;
}

std::optional<QueryTarget> queryTargetOf(const QString& address, const QString& gameText,
                                         bool master) {
    const std::optional<QueryProtocol> protocol = queryProtocolOf(gameText);
    if (!protocol)
        return std::nullopt;
    QueryTarget target;
    const qsizetype colon = address.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        target.host = address.left(colon);
        const double port = leadingNumber(QStringView(address).mid(colon + 1));
        target.port = port >= 0 && port <= 65535 ? quint16(port) : 0;
    } else {
        target.host = address;
        target.port = master ? protocol->masterPort : protocol->statusPort;
    }
    target.request = master ? protocol->masterRequest : protocol->statusRequest;
    return target;
}

} // namespace fennick
