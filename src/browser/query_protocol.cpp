#include "browser/query_protocol.h"

#include "common/number_text.h"

namespace fennick {

const QueryFacts* queryProtocolOf(const QString& gameText) {
    if (const GameFacts* game = gameOfText(gameText))
        return &game->query;
    static const QueryFacts quakeWorld{QueryFacts::Replies::None,        27500,           27000,
                                       QByteArray(4, '\xff') + "status", QByteArray("c"), {}};
    return gameText.startsWith(QLatin1String("QuakeWorld")) ? &quakeWorld : nullptr;
}

std::optional<QueryTarget> queryTargetOf(const QString& address, const QString& gameText,
                                         bool master) {
    const QueryFacts* protocol = queryProtocolOf(gameText);
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
