#pragma once

#include "cli/cli_command.h"

namespace fennick::cli {

// `fennick-cli query`: asks servers for their status, as the browser does.
int queryMain(const QStringList& arguments, CliStreams& streams);
QString queryUsage();

// `fennick-cli servers`: the records of "servers.lst".
int serversMain(const QStringList& arguments, CliStreams& streams);
QString serversUsage();

// `fennick-cli refresh GROUP`: a stored group refreshed as the browser does.
int refreshMain(const QStringList& arguments, CliStreams& streams);
QString refreshUsage();

// `fennick-cli master`: the addresses the master servers list.
int masterMain(const QStringList& arguments, CliStreams& streams);
QString masterUsage();

// `fennick-cli lan`: the servers that answer the LAN broadcasts.
int lanMain(const QStringList& arguments, CliStreams& streams);
QString lanUsage();

} // namespace fennick::cli
