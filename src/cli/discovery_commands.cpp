#include "browser/browser_work.h"
#include "browser/server_browser.h"
#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/filter_options.h"
#include "cli/option_parser.h"
#include "cli/server_commands.h"
#include "cli/server_json.h"
#include "core/program_folder.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QTimer>

// fennick-cli's refresh, master and lan commands: the browser's own Refresh
// and Get List, run without its window.
namespace fennick::cli {

namespace {

const QVector<OptionSpec> kCommon = {{programFolderOption(), true},
                                     {QStringLiteral("--timeout-ms"), true},
                                     {QStringLiteral("--json"), false}};

// Parses the options; on a wrong command line or --help the exit status
// to return.
std::optional<int> parse(const QStringList& arguments, QVector<OptionSpec> specs, bool positional,
                         QString (*usage)(), CliStreams& streams, ParsedOptions& options) {
    specs += kCommon;
    CommandArguments parsed = parseCommand(arguments, specs, positional, usage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    options = std::move(std::get<ParsedOptions>(parsed));
    return std::nullopt;
}

std::optional<int> timeoutOf(const ParsedOptions& options, const QString& fallback,
                             CliStreams& streams, int& timeout) {
    const auto value =
        numberOption(QStringLiteral("--timeout-ms"),
                     options.value(QStringLiteral("--timeout-ms"), fallback), 0, 600000);
    if (const auto* error = std::get_if<ParseError>(&value))
        return wrongCommandLine(streams, error->message);
    timeout = std::get<int>(value);
    return std::nullopt;
}

// Waits without spinning until `done` is signalled or the time is up.
template <class Sender, class Signal>
void waitFor(const Sender* sender, Signal done, int timeoutMs) {
    QEventLoop loop;
    if (sender)
        QObject::connect(sender, done, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitMs(int timeoutMs) {
    waitFor<QObject>(nullptr, &QObject::destroyed, timeoutMs);
}

QJsonArray groupRecords(const ServerBrowser& browser, const QString& group,
                        const ServerFilter& filter = {}) {
    QJsonArray servers;
    for (int slot = 1; slot <= browser.list().count(); ++slot)
        if (browser.list().at(slot).group == group && filter.passes(browser.list().at(slot)))
            servers.append(serverJson(browser.list().at(slot)));
    return servers;
}

} // namespace

QString refreshUsage() {
    return QStringLiteral(
               "Usage: fennick-cli refresh GROUP [filters] [--save] [--program-folder DIR]\n"
               "\n"
               "Refreshes the stored group GROUP of servers.lst (for example\n"
               "\"Quake 3 Arena\\Recent\") as the browser's Refresh does, with as many\n"
               "queries at once as the setup allows, and prints the group's records that\n"
               "pass the filters as {\"servers\": [...]}. Servers of an Internet group that\n"
               "do not answer are removed.\n"
               "\n"
               "  --save                write servers.lst back afterwards (the whole group)\n") +
           filterOptionsHelp() + programFolderHelp(QStringLiteral("servers.lst"));
}

int refreshMain(const QStringList& arguments, CliStreams& streams) {
    ParsedOptions options;
    if (const auto status = parse(
            arguments, QVector<OptionSpec>{{QStringLiteral("--save"), false}} + filterOptionSpecs(),
            true, &refreshUsage, streams, options))
        return *status;
    if (options.positional.size() != 1)
        return wrongCommandLine(streams, QStringLiteral("refresh needs one group path"));
    const auto filter = filterOf(options);
    if (const auto* error = std::get_if<ParseError>(&filter))
        return wrongCommandLine(streams, error->message);
    const QString group = options.positional.first();
    CliSession session(options.value(programFolderOption()), nullptr);
    ServerBrowser browser(session.program().browserServices());
    browser.nameTypesByGroupGame();
    browser.LoadServers();
    const int node = browser.tree().nodeForGroup(group);
    if (node < 0 || browser.tree().groupPath(node) != group) {
        streams.errors << "fennick-cli: no group '" << group << "' in servers.lst\n";
        return 1;
    }
    browser.selectNode(node);
    QueryPool pool(
        setupNumber(session.program().settings.maxServers), browser.clock(),
        [&browser] { return browser.statusContext(); }, browser.yielder());
    QObject::connect(&pool, &QueryPool::answered, &browser, &ServerBrowser::AddOrUpdateServer);
    RefreshRun refresh(browser, pool, pool.size());
    if (refresh.start() && refresh.working())
        waitFor(&refresh, &RefreshRun::finished, 600000);
    printServers(streams, groupRecords(browser, group, std::get<ServerFilter>(filter)));
    if (options.has(QStringLiteral("--save")) && !browser.SaveServers())
        return 1;
    return 0;
}

QString masterUsage() {
    return QStringLiteral(
               "Usage: fennick-cli master [--master HOST:PORT]... [--protocol N] [--json]\n"
               "                          [--timeout-ms MS] [--program-folder DIR]\n"
               "\n"
               "Asks the Quake III master servers of fennick.ini (or those given) for\n"
               "their servers and prints one a.b.c.d:port per line, in reply order,\n"
               "without repeats; with --json {\"servers\": [...]}.\n"
               "\n"
               "  --master HOST:PORT    a master to ask instead of the configured ones\n"
               "                        (repeatable)\n"
               "  --protocol N          the protocol number asked for (default: fennick.ini's,\n"
               "                        else 68, or 71 when the Quake III directory holds\n"
               "                        OpenArena, whose master is then the default)\n"
               "  --timeout-ms MS       how long to collect replies (default 2000)\n") +
           programFolderHelp(QStringLiteral("fennick.ini"));
}

int masterMain(const QStringList& arguments, CliStreams& streams) {
    ParsedOptions options;
    if (const auto status = parse(
            arguments, {{QStringLiteral("--master"), true}, {QStringLiteral("--protocol"), true}},
            false, &masterUsage, streams, options))
        return *status;
    int timeout = 0;
    if (const auto status = timeoutOf(options, QStringLiteral("2000"), streams, timeout))
        return *status;
    CliSession session(options.value(programFolderOption()), nullptr);
    NetworkSettings settings = networkSettingsOf(session.program().core);
    if (options.has(QStringLiteral("--master")))
        settings.masters = options.values(QStringLiteral("--master"));
    if (options.has(QStringLiteral("--protocol"))) {
        const auto protocol = numberOption(QStringLiteral("--protocol"),
                                           options.value(QStringLiteral("--protocol")), 1, 9999);
        if (const auto* error = std::get_if<ParseError>(&protocol))
            return wrongCommandLine(streams, error->message);
        settings.protocol = std::get<int>(protocol);
    }
    ServerBrowser browser(session.program().browserServices());
    browser.nameTypesByGroupGame();
    browser.selectNode(browser.tree().nodeWithKey(QStringLiteral("Q3M")));
    Discovery discovery(browser, settings);
    discovery.getList();
    waitMs(timeout);
    QStringList addresses;
    for (const QString& entry : browser.takePending())
        addresses.append(entry.section(QStringLiteral("\\\\"), 0, 0));
    if (options.has(QStringLiteral("--json"))) {
        QJsonArray list;
        for (const QString& address : addresses)
            list.append(address);
        printServers(streams, list);
    } else {
        for (const QString& address : addresses)
            streams.output << address << '\n';
    }
    return 0;
}

QString lanUsage() {
    return QStringLiteral(
               "Usage: fennick-cli lan [--game quake3|quake2] [--timeout-ms MS]\n"
               "                       [--program-folder DIR]\n"
               "\n"
               "Sends the browser's LAN status broadcasts (to the broadcast address of\n"
               "fennick.ini) and prints the servers that answer within the time as\n"
               "{\"servers\": [...]}.\n"
               "\n"
               "  --game GAME           quake3 (ports 27960 to 27964, the default) or quake2\n"
               "                        (port 27910)\n"
               "  --timeout-ms MS       how long to collect replies (default 1000)\n") +
           programFolderHelp(QStringLiteral("fennick.ini"));
}

int lanMain(const QStringList& arguments, CliStreams& streams) {
    ParsedOptions options;
    if (const auto status = parse(arguments, {{QStringLiteral("--game"), true}}, false, &lanUsage,
                                  streams, options))
        return *status;
    int timeout = 0;
    if (const auto status = timeoutOf(options, QStringLiteral("1000"), streams, timeout))
        return *status;
    const QString game = options.value(QStringLiteral("--game"), QStringLiteral("quake3"));
    if (game != QLatin1String("quake3") && game != QLatin1String("quake2"))
        return wrongCommandLine(streams, QStringLiteral("--game takes quake3 or quake2"));
    CliSession session(options.value(programFolderOption()), nullptr);
    session.program().game.currentGame = game;
    ServerBrowser browser(session.program().browserServices());
    browser.nameTypesByGroupGame();
    const bool quake3 = game == QLatin1String("quake3");
    browser.selectNode(
        browser.tree().nodeWithKey(quake3 ? QStringLiteral("Q3L") : QStringLiteral("Q2L")));
    Discovery discovery(browser, networkSettingsOf(session.program().core));
    discovery.getList();
    waitMs(timeout);
    printServers(streams, groupRecords(browser, browser.CurrentServerGroup()));
    return 0;
}

} // namespace fennick::cli
