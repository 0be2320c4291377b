#pragma once

#include "browser/server_filter.h"
#include "cli/option_parser.h"

#include <variant>

namespace fennick::cli {

// The server browser's filters as options of `servers` and `refresh`:
// --hide-empty, --hide-full, --max-ping N, --gametype TEXT, --mod TEXT,
// --hide-passworded, --player TEXT.
const QVector<OptionSpec>& filterOptionSpecs();
// Their lines of a command's --help.
QString filterOptionsHelp();
// The filter the options give, or what is wrong with them.
std::variant<ServerFilter, ParseError> filterOf(const ParsedOptions& options);

} // namespace fennick::cli
