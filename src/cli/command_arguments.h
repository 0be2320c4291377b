#pragma once

#include "cli/cli_command.h"
#include "cli/option_parser.h"

#include <variant>

namespace fennick::cli {

// A command's parsed arguments, or the exit status when there is nothing
// more to do: 0 after printing the command's usage for --help, 2 after
// saying what is wrong with the command line.
using CommandArguments = std::variant<ParsedOptions, int>;

CommandArguments parseCommand(const QStringList& arguments, const QVector<OptionSpec>& specs,
                              bool positional, QString (*usage)(), CliStreams& streams);

} // namespace fennick::cli
