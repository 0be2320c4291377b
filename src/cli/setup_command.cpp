#include "cli/setup_command.h"

#include "app/program.h"
#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/option_parser.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "core/program_folder.h"
#include "launch/script_location.h"
#include "platform/file_system.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace fennick::cli {

namespace {

QString layoutName(GameInstall::Layout layout) {
    switch (layout) {
    case GameInstall::Layout::Windows:
        return QStringLiteral("windows");
    case GameInstall::Layout::Native:
        return QStringLiteral("native");
    case GameInstall::Layout::None:
        break;
    }
    return QStringLiteral("none");
}

QString sourceName(GameInstall::Source source) {
    switch (source) {
    case GameInstall::Source::Folder:
        return QStringLiteral("game folder");
    case GameInstall::Source::Configured:
        return QStringLiteral("fennick.ini");
    case GameInstall::Source::Path:
        return QStringLiteral("PATH");
    case GameInstall::Source::None:
        break;
    }
    return {};
}

QString iniStateName(FennickIni::FileState state) {
    switch (state) {
    case FennickIni::FileState::Read:
        return QStringLiteral("read");
    case FennickIni::FileState::Damaged:
        return QStringLiteral("damaged");
    case FennickIni::FileState::Missing:
        break;
    }
    return QStringLiteral("missing");
}

QJsonObject gameReport(const Program& program, const QString& game, const QString& mod) {
    const ProgramSettings& settings = program.settings;
    const QString directory = settings.directoryOf(game);
    const GameInstall& install = settings.installOf(game);
    const QString folder = isPlainGameKey(mod) ? baseDataFolder(game, directory) : mod;
    const ScriptLocation script = locateScript(install, directory, folder, program.system);
    const QString scriptFolder =
        script.path.isEmpty() ? QString() : platform::parentFolderOf(script.path);
    return QJsonObject{
        {QStringLiteral("game"), game},
        {QStringLiteral("name"), gameFacts(game).displayName},
        {QStringLiteral("directory"), directory},
        {QStringLiteral("valid"), install.valid()},
        {QStringLiteral("problem"), install.problem},
        {QStringLiteral("layout"), layoutName(install.layout)},
        {QStringLiteral("executable"), install.executable},
        {QStringLiteral("engineSource"), sourceName(install.source)},
        {QStringLiteral("configuredEngine"), settings.engineOf(game)},
        {QStringLiteral("dataFolder"), install.dataFolder},
        {QStringLiteral("workingDirectory"), directory},
        {QStringLiteral("perUserFolder"), install.homeFolder},
        {QStringLiteral("scriptFolder"), scriptFolder},
        {QStringLiteral("scriptPath"), script.path},
        {QStringLiteral("scriptInGameFolder"), !script.path.isEmpty() && !script.perUser},
        {QStringLiteral("scriptNote"), script.note},
    };
}

} // namespace

QJsonObject setupReport(const Program& program, const QString& game, const QString& mod) {
    QJsonArray games;
    for (const GameFacts& facts : allGames()) {
        if (game.isEmpty() || game == facts.id)
            games.append(gameReport(program, facts.id, mod));
    }
    const bool settingsRead =
        platform::fileExists(program.programPath(QStringLiteral("config.cfg")));
    return QJsonObject{
        {QStringLiteral("programFolder"), program.programFolder},
        {QStringLiteral("settings"),
         settingsRead ? QStringLiteral("config.cfg") : QStringLiteral("first-start search")},
        {QStringLiteral("fennickIni"),
         QJsonObject{{QStringLiteral("path"), program.ini.path()},
                     {QStringLiteral("state"), iniStateName(program.ini.state())}}},
        {QStringLiteral("games"), games},
    };
}

QString setupUsage() {
    return QStringLiteral(
               "Usage: fennick-cli setup [options]\n"
               "\n"
               "Prints, as one JSON document, what the setup dialog knows of each game:\n"
               "its directory, whether it is valid and why not, the executable a launch\n"
               "starts (the Windows executable, or a native engine from fennick.ini, the\n"
               "game folder or PATH), the working directory, and the folder the start-up\n"
               "script fenkit.cfg goes to (the game's data or mod folder, or the engine's\n"
               "per-user folder when the game folder is read-only or system-wide).\n"
               "The game folders come from config.cfg; without it they are searched for\n"
               "as on a first start. Nothing is written.\n"
               "\n"
               "Options of 'setup':\n") +
           programFolderHelp(QStringLiteral("config.cfg and fennick.ini")) +
           QStringLiteral(
               "  --game GAME           only this game: quake1, quake2 or quake3\n"
               "  --mod MOD             where the script of this mod folder goes (default:\n"
               "                        the plain game's base data folder)\n"
               "  -h, --help            show this text\n");
}

int setupMain(const QStringList& arguments, CliStreams& streams) {
    const QVector<OptionSpec> specs = {{programFolderOption(), true},
                                       {QStringLiteral("--game"), true},
                                       {QStringLiteral("--mod"), true}};
    const CommandArguments parsed = parseCommand(arguments, specs, false, setupUsage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& options = std::get<ParsedOptions>(parsed);
    const QString game = options.value(QStringLiteral("--game"));
    if (!game.isEmpty() && !isGameId(game))
        return wrongCommandLine(
            streams, QStringLiteral("--game takes quake1, quake2 or quake3, not '%1'").arg(game));
    const QString mod = options.value(QStringLiteral("--mod")).toLower();
    if (options.has(QStringLiteral("--mod")) && !isSafeNamePart(mod))
        return wrongCommandLine(streams,
                                QStringLiteral("--mod takes a mod folder name, not '%1'").arg(mod));

    CliSession session(options.value(programFolderOption()), nullptr);
    streams.output
        << QJsonDocument(setupReport(session.program(), game, mod)).toJson(QJsonDocument::Indented);
    streams.output.flush();
    return 0;
}

} // namespace fennick::cli
