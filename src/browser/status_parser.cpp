#include "browser/status_parser.h"

#include "common/key_value.h"
#include "common/number_text.h"
#include "console/enum_table.h"
#include "core/game_facts.h"

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

const QLatin1Char kLineFeed('\n');
const QLatin1Char kSpace(' ');

QString value(const QString& reply, const char* key) {
    return GetKeyValue(reply, QLatin1String(key));
}

void readQuake3(ServerRecord& record, const QString& reply, const StatusContext& context,
                const QString& groupGame) {
    record.hostname = value(reply, "sv_hostname");
    record.maxclients = toInt16Field(value(reply, "sv_maxclients"));
    record.motd = value(reply, "sv_motd");
    record.needpass = toInt16Field(value(reply, "g_needpass")) != 0;
    const QString type = value(reply, "g_gametype");
    const QString& game = context.typesOfGroupGame ? groupGame : context.currentGame;
    const QString display =
        context.enums ? context.enums->EnumDisplay(game, QStringLiteral("g_gametype"), type)
                      : QString();
    record.gametype = display.isEmpty() ? type : display;
}

void readQuake2(ServerRecord& record, const QString& reply) {
    record.hostname = value(reply, "hostname");
    record.maxclients = toInt16Field(value(reply, "maxclients"));
    record.motd = value(reply, "sv_motd");
    // Quake II's game sets bit 1 for a player password, bit 2 for a
    // spectator one: only the first keeps a player out.
    record.needpass = (toInt16Field(value(reply, "needpass")) & 1) != 0;
    if (value(reply, "deathmatch") == QLatin1String("1"))
        record.gametype = QStringLiteral("Deathmatch");
    else if (value(reply, "coop") == QLatin1String("1"))
        record.gametype = QStringLiteral("Cooperative");
}

// Inserts keeping the list sorted ascending as text, letter case ignored;
// an entry equal to others goes after them.
void insertSorted(QStringList& list, const QString& entry) {
    const auto at =
        std::upper_bound(list.begin(), list.end(), entry, [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    list.insert(at, entry);
}

QString scoreText(const QString& field) {
    const double score = std::nearbyint(leadingNumber(field.trimmed()));
    if (!std::isfinite(score) || std::fabs(score) > 1e15)
        return formatThreeDigits(0);
    return formatThreeDigits(static_cast<long long>(score));
}

} // namespace

std::optional<QStringList> playerEntries(const QString& reply) {
    const qsizetype anchor = reply.indexOf(QLatin1String("\\dmflags"), 0, Qt::CaseInsensitive);
    if (anchor < 0)
        return std::nullopt;
    qsizetype p = reply.indexOf(kLineFeed, anchor);
    if (p < 0)
        return std::nullopt;
    QStringList nonNegative;
    QStringList negative;
    while (p >= 0) {
        const qsizetype s1 = reply.indexOf(kSpace, p);
        if (s1 < 0)
            break;
        const QString score = scoreText(reply.mid(p, s1 - p));
        qsizetype s2 = reply.indexOf(kSpace, s1 + 1);
        if (s2 < 0)
            s2 = reply.size(); // a line with a score and a ping only
        p = reply.indexOf(kLineFeed, s2);
        // A last line without its line end still names a player.
        const qsizetype end = p < 0 ? reply.size() : p;
        QString entry = score + kSpace + reply.mid(s2, end - s2);
        entry.remove(QLatin1Char('"'));
        insertSorted(entry.startsWith(QLatin1Char('-')) ? negative : nonNegative, entry);
    }
    QStringList ordered;
    ordered.reserve(nonNegative.size() + negative.size());
    std::reverse_copy(nonNegative.cbegin(), nonNegative.cend(), std::back_inserter(ordered));
    ordered.append(negative);
    return ordered;
}

void ParseStatus(ServerRecord& record, const QString& reply, const StatusContext& context) {
    record.lastupdate = context.nowSecondsOfDay;
    const GameFacts* game = gameOfText(record.group);
    const QueryFacts::Replies replies = game ? game->query.replies : QueryFacts::Replies::None;
    if (replies == QueryFacts::Replies::None)
        return;
    const QString text = reply.left(kMaxReplyBytes);
    record.map = value(text, "mapname");
    record.timelimit = toInt16Field(value(text, "timelimit"));
    record.fraglimit = toInt16Field(value(text, "fraglimit"));
    record.capturelimit = toInt16Field(value(text, "capturelimit"));
    record.mod = value(text, "gamename");
    if (replies == QueryFacts::Replies::Quake3)
        readQuake3(record, text, context, game->id);
    else
        readQuake2(record, text);

    const std::optional<QStringList> players = playerEntries(text);
    if (!players)
        return;
    record.playernames.clear();
    for (const QString& entry : *players)
        record.playernames += entry + QLatin1Char('\\');
    record.players = qint16(std::min<qsizetype>(players->size(), 32767));
}

} // namespace fennick
