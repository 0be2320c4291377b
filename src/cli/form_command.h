#pragma once

#include "cli/cli_command.h"

namespace fennick::cli {

// `fennick-cli form FILE [--game GAME] [--program-folder DIR]`: parses a
// form description and prints the window's model as JSON.
QString formUsageText();
int formMain(const QStringList& arguments, CliStreams& streams);

} // namespace fennick::cli
