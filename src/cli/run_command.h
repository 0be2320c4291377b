#pragma once

#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include <QTextStream>

namespace fennick::cli {

// `fennick-cli run`: parses its arguments (the help for --help, a message
// and status 2 for a wrong command line), then runs it.
int runMain(const QStringList& arguments, CliStreams& streams);

// Executes `fennick-cli run`; returns the exit status.
int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors);

} // namespace fennick::cli
