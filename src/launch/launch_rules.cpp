#include "launch/launch_rules.h"

#include "common/game_ids.h"
#include "console/cvar_record.h"
#include "platform/file_system.h"

namespace fennick {

bool modeMatches(qint16 mask, double mp) {
    if (mask == 0 || mp == 0.0)
        return true;
    if (mp == double(mask))
        return true;
    return mask == 4 && (mp == 1.0 || mp == 2.0);
}

bool isOwnRecord(const QString& name) {
    // Most names fail on their first letter; the full test runs for few.
    if (name.size() < 7 || (name[0] != QLatin1Char('f') && name[0] != QLatin1Char('F')))
        return false;
    return name.startsWith(QLatin1String("fenkit_"), Qt::CaseInsensitive);
}

QString quotedValue(const QString& value) {
    if (needsQuotes(value))
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

bool isPlainGameKey(const QString& modKey) {
    return modKey.isEmpty() || isGameId(modKey);
}

QString baseDataFolder(const QString& game, const QString& directory) {
    const QString folder = gameDataFolder(game);
    if (game != kQuake3 || directory.isEmpty())
        return folder;
    const QString openArena = QStringLiteral("baseoa");
    if (!platform::folderExists(platform::joinPath(directory, folder)) &&
        platform::folderExists(platform::joinPath(directory, openArena)))
        return openArena;
    return folder;
}

QString commandMarkOf(const QString&) {
    return QStringLiteral("+");
}

bool setsByName(const QString& game, const QString& kind) {
    return game == kQuake1 &&
           (kind.isEmpty() || kind == QLatin1String("set") || kind == QLatin1String("seta"));
}

QStringList modArgumentsOf(const QString& game, const QString& modKey) {
    if (isPlainGameKey(modKey))
        return {};
    if (game == kQuake1)
        return {QStringLiteral("-game"), modKey};
    if (game == kQuake2)
        return {QStringLiteral("+set"), QStringLiteral("game"), modKey};
    if (game == kQuake3)
        return {QStringLiteral("+set"), QStringLiteral("fs_game"), modKey};
    return {};
}

bool isSafeNamePart(const QString& text) {
    if (text.isEmpty() || text.contains(QLatin1String("..")))
        return false;
    for (QChar c : text) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r') || c == QChar(0))
            return false;
    }
    return true;
}

} // namespace fennick
