#include "cli/maps_command.h"

#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/option_parser.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "core/program_folder.h"
#include "maps/map_browser.h"
#include "maps/maps_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace fennick::cli {

namespace {

const QString kMod = QStringLiteral("--mod");
const QString kJson = QStringLiteral("--json");
const QString kQuake3Text = QStringLiteral("Quake 3 Arena");

// The node keys of the groups a scan fills.
QString scannedNodeKey(const QString& group) {
    if (group == QLatin1String("All"))
        return QStringLiteral("Q3A");
    if (group == QLatin1String("Mod"))
        return QStringLiteral("Q3M");
    if (group == QLatin1String("Map"))
        return QStringLiteral("Q3MAP");
    return {};
}

QJsonObject recordJson(const MapRecord& record) {
    return {{QStringLiteral("name"), record.name},
            {QStringLiteral("fullname"), record.fullname},
            {QStringLiteral("mod"), record.mod},
            {QStringLiteral("pak"), record.pak},
            {QStringLiteral("timesplayed"), record.timesplayed},
            {QStringLiteral("group"), record.group},
            {QStringLiteral("addtime"), double(record.addtime)}};
}

void printMaps(const QVector<MapRecord>& maps, const QStringList& console, bool json,
               QTextStream& out) {
    if (json) {
        QJsonArray records;
        for (const MapRecord& record : maps)
            records.append(recordJson(record));
        QJsonArray lines;
        for (const QString& line : console)
            lines.append(line);
        const QJsonObject report{{QStringLiteral("maps"), records},
                                 {QStringLiteral("console"), lines}};
        out << QJsonDocument(report).toJson(QJsonDocument::Indented);
    } else {
        for (const QString& line : console)
            out << line << '\n';
        for (const MapRecord& record : maps)
            out << record.name << '\t' << record.fullname << '\t' << record.pak << '\n';
    }
    out.flush();
}

} // namespace

QString mapsUsage() {
    return QStringLiteral(
               "Usage: fennick-cli maps GROUP [--mod KEY] [--json] [--program-folder DIR]\n"
               "\n"
               "Prints the maps of a map browser group of Quake III, as the map browser\n"
               "finds them. GROUP \"All\" scans the archives of the base folder, \"Mod\"\n"
               "those of the mod KEY, \"Map\" the .map files of baseq3/maps; the scan's\n"
               "console line (\"Found N maps in T sec (group ...)\") comes first. Any other\n"
               "GROUP is read from maps.lst: a name of a Quake III group (\"Recent\",\n"
               "\"Favourites\") or a whole group path (\"Quake 1\\Recent\"). Nothing is\n"
               "written.\n"
               "\n"
               "  --mod KEY             the chosen mod's folder name (needed for \"Mod\")\n"
               "  --json                print {\"maps\": [...], \"console\": [...]}, each map "
               "with\n"
               "                        name, fullname, mod, pak, timesplayed, group, addtime\n") +
           programFolderHelp(QStringLiteral("config.cfg and maps.lst")) +
           QStringLiteral(
               "\n"
               "Without --json each map is one line: name, title and archive, separated by\n"
               "tabs.\n");
}

int mapsMain(const QStringList& arguments, CliStreams& streams) {
    const CommandArguments parsed =
        parseCommand(arguments, {{programFolderOption(), true}, {kMod, true}, {kJson, false}}, true,
                     mapsUsage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& given = std::get<ParsedOptions>(parsed);
    if (given.positional.size() != 1 || given.positional[0].isEmpty())
        return wrongCommandLine(streams, QStringLiteral("expected one GROUP"));
    const QString group = given.positional[0];
    if (given.has(kMod) && !isSafeNamePart(given.value(kMod)))
        return wrongCommandLine(streams, QStringLiteral("--mod takes a mod folder name"));
    if (group == QLatin1String("Mod") && !given.has(kMod))
        return wrongCommandLine(streams, QStringLiteral("the Mod group needs --mod KEY"));

    CliSession session(given.value(programFolderOption()), nullptr);
    Program& program = session.program();
    session.chooseGame(kQuake3);
    if (given.has(kMod))
        program.game.currentModKey = given.value(kMod).toLower();
    QStringList console;
    QObject::connect(&program.console, &ConsoleLog::linePrinted,
                     [&console](const QString& line) { console.append(line); });

    MapBrowser browser(program.browserServices());
    browser.open(group == QLatin1String("Map"));
    const QString key = scannedNodeKey(group);
    const QString path = !key.isEmpty() || group.contains(QLatin1Char('\\'))
                             ? group
                             : kQuake3Text + QLatin1Char('\\') + group;
    if (!key.isEmpty()) {
        const int node = browser.tree().nodeWithKey(key);
        if (node < 0) {
            streams.errors << "fennick-cli: there is no " << group << " group for mod "
                           << given.value(kMod) << '\n';
            return 1;
        }
        browser.selectNode(node);
    }
    const QString shown = key.isEmpty() ? path : browser.displayedGroup();
    QVector<MapRecord> maps;
    for (int slot = 1; slot <= browser.list().count(); ++slot)
        if (browser.list().at(slot).group == shown)
            maps.append(browser.list().at(slot));
    printMaps(maps, console, given.has(kJson), streams.output);
    return 0;
}

} // namespace fennick::cli
