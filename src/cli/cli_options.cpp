#include "cli/cli_options.h"

#include "common/game_ids.h"

#include <QHash>
#include <functional>

namespace fennick::cli {

namespace {

using OptionHandler = std::function<std::optional<QString>(RunOptions&, const QString& value)>;

struct OptionSpec {
    bool takesValue;
    OptionHandler apply;
};

const QHash<QString, OptionSpec>& runOptionTable() {
    static const QHash<QString, OptionSpec> table = {
        {QStringLiteral("--program-folder"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.programFolder = v;
              return std::nullopt;
          }}},
        {QStringLiteral("--game"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              if (!isGameId(v))
                  return QStringLiteral("--game takes quake1, quake2 or quake3, not '%1'").arg(v);
              o.game = v;
              return std::nullopt;
          }}},
        {QStringLiteral("-e"),
         {true,
          [](RunOptions& o, const QString& v) -> std::optional<QString> {
              o.lines.append(v);
              return std::nullopt;
          }}},
        {QStringLiteral("--json"),
         {false,
          [](RunOptions& o, const QString&) -> std::optional<QString> {
              o.json = true;
              return std::nullopt;
          }}},
    };
    return table;
}

} // namespace

std::variant<ParsedCommand, ParseError> parseArguments(const QStringList& arguments) {
    ParsedCommand parsed;
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h") || arguments.first() == QLatin1String("help"))
        return parsed;
    if (arguments.first() != QLatin1String("run"))
        return ParseError{QStringLiteral("unknown command '%1'").arg(arguments.first())};

    parsed.kind = ParsedCommand::Kind::Run;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            parsed.kind = ParsedCommand::Kind::Help;
            return parsed;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        const qsizetype eq = argument.indexOf(QLatin1Char('='));
        if (argument.startsWith(QLatin1String("--")) && eq > 0) {
            name = argument.left(eq);
            inlineValue = argument.mid(eq + 1);
        }
        auto it = runOptionTable().constFind(name);
        if (it == runOptionTable().constEnd())
            return ParseError{QStringLiteral("unknown option '%1'").arg(argument)};
        QString value;
        if (it->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return ParseError{QStringLiteral("option '%1' needs a value").arg(name)};
            }
        } else if (inlineValue) {
            return ParseError{QStringLiteral("option '%1' takes no value").arg(name)};
        }
        if (std::optional<QString> error = it->apply(parsed.run, value))
            return ParseError{*error};
    }
    return parsed;
}

QString usageText() {
    return QStringLiteral(
        "Usage: fennick-cli run [options]\n"
        "       fennick-cli --help\n"
        "\n"
        "Runs Fennick's core without windows: executes console command lines\n"
        "against the cvar store, as the console window does, and prints every\n"
        "console line as it happens.\n"
        "\n"
        "Options of 'run':\n"
        "  --program-folder DIR  the program folder holding cmds.lst, enums.lst and\n"
        "                        config/ (default: the folder of this executable)\n"
        "  --game GAME           the current game: quake1, quake2 or quake3\n"
        "  -e LINE               execute LINE (repeatable, in order); without any -e,\n"
        "                        lines are read from standard input, one per line\n"
        "  --json                print one JSON document at the end instead of the\n"
        "                        console lines: {\"console\": [...], \"cvars\": [...]}\n"
        "  -h, --help            show this text\n"
        "\n"
        "Exit status: 0 on success, 2 on a wrong command line.\n");
}

} // namespace fennick::cli
