#include "cli/command_arguments.h"

namespace fennick::cli {

CommandArguments parseCommand(const QStringList& arguments, const QVector<OptionSpec>& specs,
                              bool positional, QString (*usage)(), CliStreams& streams) {
    auto parsed = parseOptions(arguments, specs, positional);
    if (const auto* error = std::get_if<ParseError>(&parsed))
        return wrongCommandLine(streams, error->message);
    if (std::get<ParsedOptions>(parsed).help) {
        streams.output << usage();
        return 0;
    }
    return std::move(std::get<ParsedOptions>(parsed));
}

} // namespace fennick::cli
