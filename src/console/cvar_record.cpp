#include "console/cvar_record.h"

#include "core/launch_rules.h"

namespace fennick {

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
