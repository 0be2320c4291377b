#pragma once

#include "cli/cli_command.h"

namespace fennick::cli {

// `fennick-cli query`: asks servers for their status, as the browser does.
int queryMain(const QStringList& arguments, CliStreams& streams);
QString queryUsage();

// `fennick-cli servers`: the records of "servers.lst".
int serversMain(const QStringList& arguments, CliStreams& streams);
QString serversUsage();

} // namespace fennick::cli
