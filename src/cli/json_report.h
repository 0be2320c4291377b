#pragma once

#include <QJsonObject>
#include <QStringList>

namespace fennick {
class Program;
}

namespace fennick::cli {

// The JSON document of `fennick-cli run --json`: the console lines, the
// cvars in store order (each with the display text its enumeration gives),
// the current game's enumerations and the user-interface reports. Later features add
// keys of their own to the same object.
QJsonObject jsonReport(const Program& program, const QStringList& consoleLines,
                       const QStringList& uiReports);

} // namespace fennick::cli
