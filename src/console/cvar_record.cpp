#include "console/cvar_record.h"

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

// Built in one buffer: a configuration load writes thousands of these.
QString cvarLine(const CvarRecord& record) {
    // A "map" record drops its leading "map ".
    const bool mapCommand = record.kind == QLatin1String("map");
    QString line;
    line.reserve(record.kind.size() + record.name.size() + record.value.size() + 4);
    if (!mapCommand) {
        line += record.kind;
        line += QLatin1Char(' ');
    }
    line += record.name;
    line += QLatin1Char(' ');
    appendValueWord(line, record.value);
    return line;
}

} // namespace fennick
