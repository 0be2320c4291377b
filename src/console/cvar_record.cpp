#include "console/cvar_record.h"

namespace fennick {

bool needsQuotes(const QString& value) {
    return value.indexOf(QLatin1Char(' ')) > 0;
}

QString cvarLine(const CvarRecord& record) {
    QString line = record.kind + QLatin1Char(' ') + record.name + QLatin1Char(' ');
    if (needsQuotes(record.value))
        line += QLatin1Char('"') + record.value + QLatin1Char('"');
    else
        line += record.value;
    if (record.kind == QLatin1String("map"))
        line.remove(0, 4);
    return line;
}

} // namespace fennick
