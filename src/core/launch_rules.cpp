#include "core/launch_rules.h"

#include "core/game_facts.h"
#include "platform/file_system.h"

namespace fennick {

bool needsQuotes(const QString& value) {
    return value.indexOf(QLatin1Char(' '), 1) > 0 || value.contains(QLatin1Char(';'));
}

void appendValueWord(QString& line, const QString& value) {
    const bool quoted = needsQuotes(value);
    if (quoted)
        line += QLatin1Char('"');
    // A double quote would end the quoted value early: it is kept as an
    // apostrophe, as the list files keep it.
    const qsizetype valueAt = line.size();
    line += value;
    for (qsizetype i = valueAt; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"'))
            line[i] = QLatin1Char('\'');
    }
    if (quoted)
        line += QLatin1Char('"');
}

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

QString commandMarkOf(const QString&) {
    return QStringLiteral("+");
}

bool setsByName(const QString& game, const QString& kind) {
    return gameFacts(game).setsByName &&
           (kind.isEmpty() || kind == QLatin1String("set") || kind == QLatin1String("seta"));
}

QStringList modArgumentsOf(const QString& game, const QString& modKey) {
    const QStringList& before = gameFacts(game).modArguments;
    if (isPlainGameKey(modKey) || before.isEmpty())
        return {};
    return before + QStringList{modKey};
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

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// The text with its double quotes as apostrophes and its control
// characters as spaces.
QString plainText(const QString& value) {
    QString text = value;
    for (QChar& c : text) {
        if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
        else if (isControl(c))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

bool breaksCommandWord(const QString& text) {
    for (QChar c : text) {
        if (c == QLatin1Char(';') || c == QLatin1Char('|') || c == QLatin1Char('"') || isControl(c))
            return true;
    }
    return false;
}

QString leftOutNotice(const QString& what, const QString& name) {
    QString shown = name;
    for (QChar& c : shown)
        if (isControl(c))
            c = QLatin1Char('?');
    return QStringLiteral("Left out the ") + what + QStringLiteral(" \"") + shown +
           QStringLiteral("\": a name with ; | \" or a control character could run as a command");
}

// Quoted as the saved lines are; a control character would end the game's
// line, so it is a space here.
QString scriptWord(const QString& value) {
    QString word;
    appendValueWord(word, plainText(value));
    return word;
}

QString commandLineWord(const QString& value) {
    const QString text = plainText(value);
    if (!text.contains(QLatin1Char(' ')) &&
        (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('+'))))
        return QLatin1Char('"') + text + QLatin1Char('"');
    return text;
}

} // namespace fennick
