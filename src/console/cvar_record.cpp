#include "console/cvar_record.h"

namespace fennick {

bool needsQuotes(const QString& value) {
    return value.indexOf(QLatin1Char(' ')) > 0;
}

// Built in one buffer: a configuration load writes thousands of these.
QString cvarLine(const CvarRecord& record) {
    // A "map" record drops its leading "map ".
    const bool mapCommand = record.kind == QLatin1String("map");
    const bool quoted = needsQuotes(record.value);
    QString line;
    line.reserve(record.kind.size() + record.name.size() + record.value.size() + 4);
    if (!mapCommand) {
        line += record.kind;
        line += QLatin1Char(' ');
    }
    line += record.name;
    line += QLatin1Char(' ');
    if (quoted)
        line += QLatin1Char('"');
    line += record.value;
    if (quoted)
        line += QLatin1Char('"');
    return line;
}

} // namespace fennick
