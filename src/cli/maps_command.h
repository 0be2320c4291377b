#pragma once

#include "cli/cli_command.h"

// `fennick-cli maps GROUP`: the maps of a map browser group, scanned from
// the Quake III folders (All, Mod, Map) or loaded from "maps.lst".
namespace fennick::cli {

QString mapsUsage();
int mapsMain(const QStringList& arguments, CliStreams& streams);

} // namespace fennick::cli
