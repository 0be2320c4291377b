#pragma once

#include "cli/cli_options.h"

#include <QTextStream>

namespace fennick::cli {

// Executes `fennick-cli run`; returns the exit status.
int runCommand(const RunOptions& options, QTextStream& input, QTextStream& output,
               QTextStream& errors);

} // namespace fennick::cli
