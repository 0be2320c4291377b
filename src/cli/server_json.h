#pragma once

#include "browser/server_record.h"
#include "cli/cli_command.h"

#include <QJsonArray>
#include <QJsonObject>

namespace fennick::cli {

// A server record with every field under its own name.
QJsonObject serverJson(const ServerRecord& record);

// {"servers": [...]} on the output.
void printServers(CliStreams& streams, const QJsonArray& servers);

} // namespace fennick::cli
