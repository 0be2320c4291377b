#include "cli/form_command.h"

#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/option_parser.h"
#include "core/game_facts.h"
#include "core/program_folder.h"
#include "customwin/form_json.h"
#include "customwin/form_loading.h"

#include <QFileInfo>
#include <QJsonDocument>

namespace fennick::cli {

QString formUsageText() {
    return QStringLiteral(
               "Usage: fennick-cli form FILE [options]\n"
               "\n"
               "Parses the form description FILE as the desktop program does when it\n"
               "opens a custom window, and prints the window's model as JSON:\n"
               "  {\"caption\", \"left\", \"top\", \"width\", \"height\", \"controls\": "
               "[{\"kind\",\n"
               "   \"index\", \"caption\", \"text\", \"value\", \"tag\", \"left\", ..., "
               "\"list\"}]}\n"
               "Sizes are in twips as the file gives them (the window's height without\n"
               "the 20 pixels the window adds); colours are \"#rrggbb\" or \"system:N\";\n"
               "properties the file does not set are left out. Bound controls are shown\n"
               "as the file leaves them, before any cvar value reaches them.\n"
               "\n"
               "Options of 'form':\n"
               "  --game GAME           the current game (quake1, quake2 or quake3), whose\n"
               "                        enumerations fill combo boxes bound to a cvar\n") +
           programFolderHelp(QStringLiteral("enums.lst")) +
           QStringLiteral("  -h, --help            show this text\n"
                          "\n"
                          "Exit status: 0 on success, 1 when FILE does not exist, 2 on a wrong\n"
                          "command line.\n");
}

int formMain(const QStringList& arguments, CliStreams& streams) {
    const QVector<OptionSpec> specs = {{QStringLiteral("--game"), true},
                                       {programFolderOption(), true}};
    const CommandArguments parsed = parseCommand(arguments, specs, true, formUsageText, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& options = std::get<ParsedOptions>(parsed);
    if (options.positional.size() != 1)
        return wrongCommandLine(streams, QStringLiteral("form takes one FILE"));
    const QString game = options.value(QStringLiteral("--game"));
    if (!game.isEmpty() && !isGameId(game))
        return wrongCommandLine(
            streams, QStringLiteral("--game takes quake1, quake2 or quake3, not '%1'").arg(game));

    CliSession session(options.value(programFolderOption()), nullptr);
    session.chooseGame(game);
    const QString file = QFileInfo(options.positional.first()).absoluteFilePath();
    const std::optional<FormModel> model =
        readFormFile(file, enumListerFor(session.program().formServices()));
    if (!model) {
        streams.errors << "fennick-cli: no form description at " << options.positional.first()
                       << '\n';
        return 1;
    }
    for (const QString& note : model->notes)
        streams.errors << "fennick-cli: " << note << '\n';
    streams.output << QJsonDocument(formJson(*model)).toJson(QJsonDocument::Indented);
    return 0;
}

} // namespace fennick::cli
