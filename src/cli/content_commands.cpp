#include "cli/content_commands.h"

#include "archive/levelshot_drawing.h"
#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/option_parser.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "core/program_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace fennick::cli {

namespace {

const QString kGame = QStringLiteral("--game");
const QString kMod = QStringLiteral("--mod");
const QString kPng = QStringLiteral("--png");
const QString kJson = QStringLiteral("--json");
const QLatin1String kBotReport(" q3a bots found. (");

const QString kMapOptionsHelp =
    QStringLiteral(
        "  --game GAME           the current game (default quake3); titles and level\n"
        "                        shots are searched in the archives for Quake III only\n"
        "  --mod KEY             the chosen mod's folder name (default: the plain game)\n") +
    programFolderHelp(QStringLiteral("config.cfg and temp/"));

// What is wrong with a title or level-shot command line, if anything.
std::optional<QString> mapArgumentsError(const ParsedOptions& given) {
    if (given.positional.size() != 1)
        return QStringLiteral("expected one MAP");
    if (!isGameId(given.value(kGame, kQuake3)))
        return QStringLiteral("--game takes quake1, quake2 or quake3");
    // The key names a folder inside the game directory.
    if (given.has(kMod) && !isSafeNamePart(given.value(kMod)))
        return QStringLiteral("--mod takes a mod folder name");
    return std::nullopt;
}

// Parses the options and the one positional MAP; nothing (with the status
// set) for a wrong command line or a request for help.
std::optional<ParsedOptions> mapArguments(const QStringList& arguments, CliStreams& streams,
                                          QVector<OptionSpec> specs, QString (*usage)(),
                                          int& status) {
    specs += {{programFolderOption(), true}, {kGame, true}, {kMod, true}};
    const CommandArguments parsed = parseCommand(arguments, specs, true, usage, streams);
    if (const int* done = std::get_if<int>(&parsed)) {
        status = *done;
        return std::nullopt;
    }
    const ParsedOptions& given = std::get<ParsedOptions>(parsed);
    if (const std::optional<QString> error = mapArgumentsError(given)) {
        status = wrongCommandLine(streams, *error);
        return std::nullopt;
    }
    return given;
}

// Makes the game current and the mod chosen, as the main window would.
void chooseGameAndMod(CliSession& session, const ParsedOptions& given) {
    session.chooseGame(given.value(kGame, kQuake3));
    if (given.has(kMod))
        session.program().game.currentModKey = given.value(kMod).toLower();
}

// Console lines printed from here on (skipped members, unreadable
// archives) go to standard error, keeping the output for the answer.
void echoConsoleTo(Program& program, QTextStream& errors) {
    QObject::connect(&program.console, &ConsoleLog::linePrinted, [&errors](const QString& line) {
        errors << line << '\n';
        errors.flush();
    });
}

QJsonArray jsonStrings(const QStringList& texts) {
    QJsonArray array;
    for (const QString& text : texts)
        array.append(text);
    return array;
}

bool writePng(const QImage& picture, const QString& path, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit())
        return true;
    *error = file.errorString();
    return false;
}

} // namespace

QString botsUsage() {
    return QStringLiteral(
               "Usage: fennick-cli bots [--program-folder DIR] [--json]\n"
               "\n"
               "Reads the bot scripts of the Quake III archives as the program does at\n"
               "start-up and prints its report line (\"N q3a bots found. (T sec)\"), then\n"
               "one bot name per line. Nothing is printed without a Quake III directory\n"
               "in config.cfg.\n"
               "\n") +
           programFolderHelp(QStringLiteral("config.cfg and temp/")) +
           QStringLiteral(
               "  --json                print {\"bots\": [...], \"console\": [...]} instead\n");
}

int botsMain(const QStringList& arguments, CliStreams& streams) {
    const CommandArguments parsed = parseCommand(
        arguments, {{programFolderOption(), true}, {kJson, false}}, false, botsUsage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& given = std::get<ParsedOptions>(parsed);
    CliSession session(given.value(programFolderOption()), nullptr);
    const Program& program = session.program();
    const QStringList& console = program.console.lines();
    const QStringList& bots = program.BotNames.names();
    if (given.has(kJson)) {
        const QJsonObject report{{QStringLiteral("bots"), jsonStrings(bots)},
                                 {QStringLiteral("console"), jsonStrings(console)}};
        streams.output << QJsonDocument(report).toJson(QJsonDocument::Indented);
    } else {
        for (const QString& line : console)
            if (line.contains(kBotReport))
                streams.output << line << '\n';
        for (const QString& bot : bots)
            streams.output << bot << '\n';
    }
    streams.output.flush();
    return 0;
}

QString titleUsage() {
    return QStringLiteral("Usage: fennick-cli title MAP [--mod KEY] [options]\n"
                          "\n"
                          "Prints the title of MAP as the program shows it: from the mod\n"
                          "folder's maps.lst, else from the arena scripts of the Quake III\n"
                          "archives (base folder, then the mod's). A map without a title\n"
                          "prints its own name.\n"
                          "\n") +
           kMapOptionsHelp;
}

int titleMain(const QStringList& arguments, CliStreams& streams) {
    int status = 0;
    const auto given = mapArguments(arguments, streams, {}, &titleUsage, status);
    if (!given)
        return status;
    CliSession session(given->value(programFolderOption()), nullptr);
    chooseGameAndMod(session, *given);
    echoConsoleTo(session.program(), streams.errors);
    streams.output << session.program().mapTitles.GetMapTitle(given->positional[0]) << '\n';
    streams.output.flush();
    return 0;
}

QString levelshotUsage() {
    return QStringLiteral("Usage: fennick-cli levelshot MAP --png FILE [--mod KEY] [options]\n"
                          "\n"
                          "Finds the level shot of MAP as the program does (in temp/, else in the\n"
                          "Quake III archives of the base folder, then of the mod) and writes the\n"
                          "picture, at its own size, to FILE as PNG.\n"
                          "\n"
                          "  --png FILE            where to write the picture (required)\n") +
           kMapOptionsHelp +
           QStringLiteral("\nExit status: 0, or 1 when no level shot is found.\n");
}

int levelshotMain(const QStringList& arguments, CliStreams& streams) {
    int status = 0;
    const auto given = mapArguments(arguments, streams, {{kPng, true}}, &levelshotUsage, status);
    if (!given)
        return status;
    if (!given->has(kPng))
        return wrongCommandLine(streams, QStringLiteral("levelshot needs --png FILE"));
    CliSession session(given->value(programFolderOption()), nullptr);
    chooseGameAndMod(session, *given);
    echoConsoleTo(session.program(), streams.errors);
    const QString map = given->positional[0];
    const Levelshot shot = session.program().levelShots.findLevelshot(map);
    if (shot.outcome != Levelshot::Outcome::Found) {
        streams.errors << "fennick-cli: no level shot found for " << map << '\n';
        return 1;
    }
    QImage area(shot.picture.size(), QImage::Format_RGB32);
    drawLevelshot(area, shot.picture);
    QString error;
    if (!writePng(area, given->value(kPng), &error)) {
        streams.errors << "fennick-cli: cannot write " << given->value(kPng) << " (" << error
                       << ")\n";
        return 1;
    }
    return 0;
}

} // namespace fennick::cli
