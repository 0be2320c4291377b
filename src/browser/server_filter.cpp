#include "browser/server_filter.h"

#include "buttons/coloured_text.h"
#include "common/shown_text.h"
#include "core/fennick_ini.h"

#include <QSet>
#include <algorithm>

namespace fennick {

namespace {

const QString kSection = QStringLiteral("server-filter");

bool flag(const FennickIni& ini, const char* key) {
    const QString text = ini.text(kSection, QLatin1String(key), QString()).trimmed();
    return text == QLatin1String("1") ||
           text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void setFlag(FennickIni& ini, const char* key, bool value) {
    ini.setText(kSection, QLatin1String(key),
                value ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace

const QString ServerFilter::kAny = QStringLiteral("any");

bool ServerFilter::isAny(const QString& choice) {
    return choice.isEmpty() || choice == kAny;
}

bool ServerFilter::active() const {
    return hideEmpty || hideFull || maxPing > 0 || !isAny(gametype) || !isAny(mod) ||
           hidePassworded || !player.isEmpty();
}

bool ServerFilter::passes(const ServerRecord& record) const {
    if (hideEmpty && record.players <= 0)
        return false;
    if (hideFull && record.maxclients > 0 && record.players >= record.maxclients)
        return false;
    if (maxPing > 0 && record.ping > maxPing)
        return false;
    if (!isAny(gametype) && record.gametype.compare(gametype, Qt::CaseInsensitive) != 0)
        return false;
    if (!isAny(mod) && record.mod.compare(mod, Qt::CaseInsensitive) != 0)
        return false;
    if (hidePassworded && record.needpass)
        return false;
    return player.isEmpty() || hasPlayer(record, player);
}

ServerFilter ServerFilter::load(const FennickIni& ini) {
    ServerFilter filter;
    filter.hideEmpty = flag(ini, "hide-empty");
    filter.hideFull = flag(ini, "hide-full");
    filter.hidePassworded = flag(ini, "hide-passworded");
    filter.playerInAllGroups = flag(ini, "all-groups");
    const int ping = ini.text(kSection, QStringLiteral("max-ping"), QString()).trimmed().toInt();
    filter.maxPing = std::clamp(ping, 0, 999);
    for (auto [key, field] :
         {std::pair{"gametype", &ServerFilter::gametype}, {"mod", &ServerFilter::mod}}) {
        const QString choice = ini.text(kSection, QLatin1String(key), QString());
        filter.*field = isAny(choice) ? QString() : choice;
    }
    return filter;
}

void ServerFilter::save(FennickIni& ini) const {
    setFlag(ini, "hide-empty", hideEmpty);
    setFlag(ini, "hide-full", hideFull);
    setFlag(ini, "hide-passworded", hidePassworded);
    setFlag(ini, "all-groups", playerInAllGroups);
    ini.setText(kSection, QStringLiteral("max-ping"), QString::number(maxPing));
    ini.setText(kSection, QStringLiteral("gametype"), isAny(gametype) ? kAny : gametype);
    ini.setText(kSection, QStringLiteral("mod"), isAny(mod) ? kAny : mod);
}

// An entry is the score, a space and the rest of the player's line, which
// starts with the space before the name.
QString playerNameOf(QStringView entry) {
    const qsizetype space = entry.indexOf(QLatin1Char(' '));
    QStringView name = space < 0 ? QStringView() : entry.mid(space + 1);
    if (name.startsWith(QLatin1Char(' ')))
        name = name.mid(1);
    return visibleCharacters(shownServerText(name.toString()));
}

bool playerNameHolds(QStringView entry, const QString& text) {
    return playerNameOf(entry).contains(text, Qt::CaseInsensitive);
}

bool hasPlayer(const ServerRecord& record, const QString& text) {
    for (QStringView entry : QStringView(record.playernames).tokenize(QChar(u'\\')))
        if (!entry.isEmpty() && playerNameHolds(entry, text))
            return true;
    return false;
}

QStringList filterChoices(const QStringList& values) {
    QStringList choices;
    QSet<QString> seen;
    for (const QString& value : values)
        if (!value.isEmpty() && !seen.contains(value.toLower())) {
            seen.insert(value.toLower());
            choices.append(value);
        }
    std::sort(choices.begin(), choices.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    choices.prepend(ServerFilter::kAny);
    return choices;
}

} // namespace fennick
