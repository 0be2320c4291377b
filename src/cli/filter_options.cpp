#include "cli/filter_options.h"

namespace fennick::cli {

const QVector<OptionSpec>& filterOptionSpecs() {
    static const QVector<OptionSpec> specs = {
        {QStringLiteral("--hide-empty"), false}, {QStringLiteral("--hide-full"), false},
        {QStringLiteral("--max-ping"), true},    {QStringLiteral("--gametype"), true},
        {QStringLiteral("--mod"), true},         {QStringLiteral("--hide-passworded"), false},
        {QStringLiteral("--player"), true},
    };
    return specs;
}

QString filterOptionsHelp() {
    return QStringLiteral(
        "Filters, as the browser's (a server must pass all that are given):\n"
        "  --hide-empty          leave out servers without players\n"
        "  --hide-full           leave out servers whose players fill them\n"
        "  --max-ping N          leave out servers whose ping is above N (0: no limit)\n"
        "  --gametype TEXT       only this game type, as the records name it (any\n"
        "                        letter case; \"any\" for all)\n"
        "  --mod TEXT            only this mod/game name (any letter case; \"any\" for all)\n"
        "  --hide-passworded     leave out servers whose reply says they need a password\n"
        "  --player TEXT         only servers with a player whose name, colour codes\n"
        "                        left out, holds TEXT in any letter case\n");
}

std::variant<ServerFilter, ParseError> filterOf(const ParsedOptions& options) {
    ServerFilter filter;
    filter.hideEmpty = options.has(QStringLiteral("--hide-empty"));
    filter.hideFull = options.has(QStringLiteral("--hide-full"));
    filter.hidePassworded = options.has(QStringLiteral("--hide-passworded"));
    filter.gametype = options.value(QStringLiteral("--gametype"));
    filter.mod = options.value(QStringLiteral("--mod"));
    filter.player = options.value(QStringLiteral("--player"));
    if (options.has(QStringLiteral("--max-ping"))) {
        const auto ping = numberOption(QStringLiteral("--max-ping"),
                                       options.value(QStringLiteral("--max-ping")), 0, 999);
        if (const auto* error = std::get_if<ParseError>(&ping))
            return *error;
        filter.maxPing = std::get<int>(ping);
    }
    return filter;
}

} // namespace fennick::cli
