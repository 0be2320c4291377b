#pragma once

#include "cli/cli_command.h"

// `fennick-cli zip-list` and `fennick-cli zip-extract`: the program's own
// archive listing and extraction, for scripts and for checking archives.
namespace fennick::cli {

QString zipListUsage();
int zipListMain(const QStringList& arguments, CliStreams& streams);

QString zipExtractUsage();
int zipExtractMain(const QStringList& arguments, CliStreams& streams);

} // namespace fennick::cli
