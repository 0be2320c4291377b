#pragma once

#include "cli/cli_command.h"

#include <QJsonObject>

namespace fennick {
class Program;
}

namespace fennick::cli {

// `fennick-cli setup`: for each game, its directory, whether it is valid,
// the executable a launch starts and where the start-up script goes, as
// one JSON document. Nothing is written.
QString setupUsage();
int setupMain(const QStringList& arguments, CliStreams& streams);

// The document for the program's current settings: every game, or only
// `game`; the script goes to the base data folder, or to `mod`'s folder.
QJsonObject setupReport(const Program& program, const QString& game, const QString& mod);

} // namespace fennick::cli
