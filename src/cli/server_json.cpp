#include "cli/server_json.h"

#include <QJsonDocument>

namespace fennick::cli {

QJsonObject serverJson(const ServerRecord& r) {
    return QJsonObject{{QStringLiteral("hostname"), r.hostname},
                       {QStringLiteral("ip"), r.ip},
                       {QStringLiteral("group"), r.group},
                       {QStringLiteral("timelimit"), r.timelimit},
                       {QStringLiteral("fraglimit"), r.fraglimit},
                       {QStringLiteral("capturelimit"), r.capturelimit},
                       {QStringLiteral("gametype"), r.gametype},
                       {QStringLiteral("players"), r.players},
                       {QStringLiteral("maxclients"), r.maxclients},
                       {QStringLiteral("playernames"), r.playernames},
                       {QStringLiteral("ping"), r.ping},
                       {QStringLiteral("motd"), r.motd},
                       {QStringLiteral("mod"), r.mod},
                       {QStringLiteral("map"), r.map},
                       {QStringLiteral("lastupdate"), r.lastupdate},
                       {QStringLiteral("password"), r.password},
                       {QStringLiteral("addtime"), r.addtime}};
}

void printServers(CliStreams& streams, const QJsonArray& servers) {
    streams.output << QJsonDocument(QJsonObject{{QStringLiteral("servers"), servers}})
                          .toJson(QJsonDocument::Indented);
    streams.output.flush();
}

} // namespace fennick::cli
