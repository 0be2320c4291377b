#include "browser/server_info_painter.h"

#include "browser/server_filter.h"
#include "buttons/coloured_text.h"
#include "common/fonts.h"
#include "common/number_text.h"
#include "common/shown_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace fennick {

const QColor ServerInfoPainter::kBackground(20, 20, 26);
const QColor ServerInfoPainter::kHeadingBack(48, 48, 64);
const QColor ServerInfoPainter::kHeadingText(255, 255, 128);
const QColor ServerInfoPainter::kFoundBack(32, 96, 32);

namespace {

constexpr qreal kMargin = 3;
constexpr int kBarHeight = 5;

// Server texts are shown as UTF-8 when they are, with their colour codes
// applied (never shown as text).
QString shown(const QString& text) {
    return tidyColourCodes(shownServerText(text));
}

void heading(TextCursor& cursor, const QString& text) {
    PrintColoured(cursor, shown(text), 7, ServerInfoPainter::kHeadingBack,
                  ServerInfoPainter::kHeadingText);
}

void line(TextCursor& cursor, const QString& text) {
    PrintColoured(cursor, shown(text), 7);
}

void ageBar(TextCursor& cursor, const ServerInfoView& view) {
    const double whole = std::floor(std::max(view.ageSeconds, 0.0));
    const double length = std::min(whole, double(ServerInfoPainter::kBarMaxSeconds)) *
                          ServerInfoPainter::kBarUnitsPerSecond;
    const bool stale = view.ageSeconds > view.updateInterval + 5.0;
    QPainter& painter = cursor.painter;
    painter.setPen(
        QPen(stale ? QColor(192, 0, 0) : QColor(0, 192, 0), 2, Qt::SolidLine, Qt::FlatCap));
    const qreal y = cursor.y + 2;
    painter.drawLine(QPointF(cursor.x, y), QPointF(cursor.x + length, y));
    cursor.y += kBarHeight;
}

QStringList playersOf(const ServerRecord& server) {
    return server.playernames.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

} // namespace

void ServerInfoPainter::paint(QImage& target, const ServerInfoView& view) {
    target.fill(kBackground);
    const ServerRecord& server = view.server;
    if (server.ip.isEmpty())
        return;
    QPainter painter(&target);
    painter.setFont(sansFont(11));
    TextCursor cursor{painter,    kMargin, 1, kMargin, target.deviceIndependentSize().width(),
                      kBackground};
    const bool details = showsDetails(view.phase);
    heading(cursor, details ? QLatin1Char('[') + server.ip + QLatin1Char(']')
                            : QLatin1Char('[') + server.hostname + QStringLiteral("^7]"));
    if (!server.motd.isEmpty())
        line(cursor, server.motd);
    line(cursor, QStringLiteral("Mod: ") + view.modText);
    line(cursor, QStringLiteral("Map: ") + view.mapText);
    line(cursor, QStringLiteral("GameType: ") + server.gametype);
    line(cursor, QStringLiteral("Ping: ") + formatThreeDigits(server.ping));
    ageBar(cursor, view);
    heading(cursor, QStringLiteral("Players - ") + QString::number(server.players) +
                        QLatin1Char('/') + QString::number(server.maxclients));
    for (const QString& player : playersOf(server)) {
        if (!view.foundPlayer.isEmpty() && playerNameHolds(player, view.foundPlayer))
            PrintColoured(cursor, shown(player), 7, kFoundBack);
        else
            line(cursor, player);
    }
}

int ServerInfoPainter::contentHeight(const ServerInfoView& view) {
    if (view.server.ip.isEmpty())
        return 0;
    const int lineHeight = int(std::ceil(QFontMetricsF(sansFont(11)).height()));
    // Heading, mod, map, game type, ping, players heading, the players.
    const qsizetype lines =
        6 + (view.server.motd.isEmpty() ? 0 : 1) + playersOf(view.server).size();
    return int(1 + lines * lineHeight + kBarHeight + kMargin);
}

} // namespace fennick
