#pragma once

#include "cli/cli_command.h"

// `fennick-cli bots`, `title` and `levelshot`: the game content the program
// reads from the Quake III archives, on the program folder and "config.cfg"
// that `run` uses.
namespace fennick::cli {

QString botsUsage();
int botsMain(const QStringList& arguments, CliStreams& streams);

QString titleUsage();
int titleMain(const QStringList& arguments, CliStreams& streams);

QString levelshotUsage();
int levelshotMain(const QStringList& arguments, CliStreams& streams);

} // namespace fennick::cli
