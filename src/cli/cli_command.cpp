#include "cli/cli_command.h"

#include "cli/cli_options.h"
#include "cli/cli_session.h"
#include "cli/content_commands.h"
#include "cli/form_command.h"
#include "cli/maps_command.h"
#include "cli/run_command.h"
#include "cli/server_commands.h"
#include "cli/setup_command.h"
#include "cli/zip_commands.h"
#include "core/program_folder.h"

namespace fennick::cli {

namespace {

bool isHelpWord(const QString& word) {
    return word == QLatin1String("--help") || word == QLatin1String("-h") ||
           word == QLatin1String("help");
}

} // namespace

const QVector<CliCommand>& cliCommands() {
    static const QVector<CliCommand> commands = {
        {QStringLiteral("run"),
         QStringLiteral("execute console command lines, preview, write or launch"), &usageText,
         &runMain},
        {QStringLiteral("form"), QStringLiteral("parse a form description and print its model"),
         &formUsageText, &formMain},
        {QStringLiteral("query"), QStringLiteral("ask game servers for their status"), &queryUsage,
         &queryMain},
        {QStringLiteral("servers"), QStringLiteral("print (and --save) the servers of servers.lst"),
         &serversUsage, &serversMain},
        {QStringLiteral("refresh"), QStringLiteral("refresh a stored server group"), &refreshUsage,
         &refreshMain},
        {QStringLiteral("master"), QStringLiteral("list the servers the master servers know"),
         &masterUsage, &masterMain},
        {QStringLiteral("lan"), QStringLiteral("find servers on the local network"), &lanUsage,
         &lanMain},
        {QStringLiteral("zip-list"),
         QStringLiteral("list the members of an archive matching a pattern"), &zipListUsage,
         &zipListMain},
        {QStringLiteral("zip-extract"),
         QStringLiteral("extract the members matching a pattern into temp/"), &zipExtractUsage,
         &zipExtractMain},
        {QStringLiteral("bots"), QStringLiteral("list the Quake III bots of the archives"),
         &botsUsage, &botsMain},
        {QStringLiteral("title"), QStringLiteral("print a map's title"), &titleUsage, &titleMain},
        {QStringLiteral("levelshot"), QStringLiteral("write a map's level shot as PNG"),
         &levelshotUsage, &levelshotMain},
        {QStringLiteral("maps"), QStringLiteral("scan or load the maps of a map browser group"),
         &mapsUsage, &mapsMain},
        {QStringLiteral("setup"),
         QStringLiteral("print each game's directory, executable and script folder (JSON)"),
         &setupUsage, &setupMain},
    };
    return commands;
}

QString overviewText() {
    QString text =
        QStringLiteral("Usage: fennick-cli COMMAND [options]\n"
                       "       fennick-cli COMMAND --help\n"
                       "\n"
                       "Runs Fennick's core without windows, on the same program folder\n"
                       "as the desktop program: the folder of this executable when it holds\n"
                       "Fennick's files (a build or portable folder), else, for an installed\n"
                       "Fennick, your data folder (~/.local/share/fennick), made and filled\n"
                       "with the shipped files on first use. %1 DIR chooses\n"
                       "another one.\n"
                       "\n"
                       "Commands:\n")
            .arg(programFolderOption());
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1%2\n").arg(command.name.leftJustified(12), command.synopsis);
    text += QStringLiteral("\n"
                           "Exit status: 0 on success, 1 when the command failed, 2 on a wrong\n"
                           "command line.\n");
    return text;
}

bool commandDraws(const QStringList& arguments) {
    if (arguments.isEmpty())
        return false;
    if (arguments.first() == QLatin1String("levelshot"))
        return true;
    if (arguments.first() != QLatin1String("run"))
        return false;
    for (const QString& argument : arguments)
        if (argument == QLatin1String("--fast-info-png") ||
            argument.startsWith(QLatin1String("--fast-info-png=")))
            return true;
    return false;
}

QString programFolderHelp(const QString& holding) {
    QString text = QStringLiteral("  ") + programFolderOption() +
                   QStringLiteral(" DIR  the program folder") +
                   (holding.isEmpty() ? QString() : QStringLiteral(", holding ") + holding) +
                   QLatin1Char('\n');
    const QString indent(24, QLatin1Char(' '));
    for (const QString& line : programFolderDefaultLines())
        text += indent + line + QLatin1Char('\n');
    return text;
}

int wrongCommandLine(CliStreams& streams, const QString& message) {
    streams.errors << "fennick-cli: " << message << '\n'
                   << "Try 'fennick-cli --help' for the list of commands and options.\n";
    streams.errors.flush();
    return 2;
}

int dispatch(const QStringList& arguments, CliStreams& streams) {
    if (arguments.isEmpty() || isHelpWord(arguments.first())) {
        streams.output << overviewText();
        return 0;
    }
    for (const CliCommand& command : cliCommands()) {
        if (command.name != arguments.first())
            continue;
        try {
            return command.main(arguments.mid(1), streams);
        } catch (const ProgramFolderUnavailable& unavailable) {
            streams.errors << "fennick-cli: " << unavailable.message << '\n';
            streams.errors.flush();
            return 1;
        }
    }
    return wrongCommandLine(streams, QStringLiteral("unknown command '%1'").arg(arguments.first()));
}

} // namespace fennick::cli
