#include "cli/server_commands.h"

#include "browser/server_browser.h"
#include "browser/status_query.h"
#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/filter_options.h"
#include "cli/option_parser.h"
#include "cli/server_json.h"
#include "core/program_folder.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <memory>

namespace fennick::cli {

namespace {

// Sends every query at once and waits, without spinning, until all have
// answered or the time is up. Unanswered records keep ping 999.
QVector<ServerRecord> queryAll(Program& program, const QStringList& addresses, const QString& group,
                               int timeoutMs) {
    QVector<ServerRecord> records(addresses.size());
    std::vector<std::unique_ptr<StatusQuery>> queries;
    QEventLoop loop;
    int waiting = 0;
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        records[i].ip = addresses[i];
        records[i].group = group;
        records[i].ping = 999;
        auto query = std::make_unique<StatusQuery>(program.clock, [&program] {
            return StatusContext{&program.enums, {}, program.clock.secondsSinceMidnight(), true};
        });
        QObject::connect(query.get(), &StatusQuery::answered, &loop,
                         [&, i](const ServerRecord& record) {
                             records[i] = record;
                             if (--waiting == 0)
                                 loop.quit();
                         });
        if (query->send(addresses[i], group) == ServerSocket::SendResult::Sent)
            ++waiting;
        queries.push_back(std::move(query));
    }
    if (waiting > 0) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return records;
}

} // namespace

QString queryUsage() {
    return QStringLiteral(
               "Usage: fennick-cli query [--group PATH] [--timeout-ms MS] ADDRESS...\n"
               "\n"
               "Sends each ADDRESS (host or host:port) the status request of the game the\n"
               "group path names, all at once, and prints {\"servers\": [...]} with one\n"
               "record per address, in argument order. A server that does not answer in\n"
               "time has ping 999 and an empty hostname.\n"
               "\n"
               "  --group PATH          group path (default \"Quake 3 Arena\\Recent\"); its\n"
               "                        leading text names the game\n"
               "  --timeout-ms MS       how long to wait for replies (default 1000)\n") +
           programFolderHelp(QStringLiteral("enums.lst"));
}

int queryMain(const QStringList& arguments, CliStreams& streams) {
    const CommandArguments parsed = parseCommand(arguments,
                                                 {{QStringLiteral("--group"), true},
                                                  {QStringLiteral("--timeout-ms"), true},
                                                  {programFolderOption(), true}},
                                                 true, queryUsage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& options = std::get<ParsedOptions>(parsed);
    if (options.positional.isEmpty())
        return wrongCommandLine(streams, QStringLiteral("query needs at least one address"));
    const auto timeout = numberOption(
        QStringLiteral("--timeout-ms"),
        options.value(QStringLiteral("--timeout-ms"), QStringLiteral("1000")), 0, 600000);
    if (const auto* error = std::get_if<ParseError>(&timeout))
        return wrongCommandLine(streams, error->message);
    const QString group =
        options.value(QStringLiteral("--group"), QStringLiteral("Quake 3 Arena\\Recent"));

    CliSession session(options.value(programFolderOption()), nullptr);
    QJsonArray servers;
    for (const ServerRecord& record :
         queryAll(session.program(), options.positional, group, std::get<int>(timeout)))
        servers.append(serverJson(record));
    printServers(streams, servers);
    return 0;
}

QString serversUsage() {
    return QStringLiteral(
               "Usage: fennick-cli servers [GROUP] [filters] [--save] [--program-folder DIR]\n"
               "\n"
               "Prints the records of the program folder's servers.lst as\n"
               "{\"servers\": [...]}, as the server browser reads them: those of the group\n"
               "GROUP (for example \"Quake 3 Arena\\Recent\") when given, else all, and of\n"
               "those only the ones that pass the filters.\n"
               "\n"
               "  --save                write the whole list back as the browser does when it\n"
               "                        closes (Recent entries older than four days are\n"
               "                        dropped)\n") +
           filterOptionsHelp() + programFolderHelp(QStringLiteral("servers.lst"));
}

int serversMain(const QStringList& arguments, CliStreams& streams) {
    const CommandArguments parsed = parseCommand(
        arguments,
        QVector<OptionSpec>{{QStringLiteral("--save"), false}, {programFolderOption(), true}} +
            filterOptionSpecs(),
        true, serversUsage, streams);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ParsedOptions& options = std::get<ParsedOptions>(parsed);
    if (options.positional.size() > 1)
        return wrongCommandLine(streams, QStringLiteral("servers takes at most one group path"));
    const auto filter = filterOf(options);
    if (const auto* error = std::get_if<ParseError>(&filter))
        return wrongCommandLine(streams, error->message);
    CliSession session(options.value(programFolderOption()), nullptr);
    ServerBrowser browser(session.program().browserServices());
    browser.nameTypesByGroupGame();
    browser.LoadServers();
    QJsonArray servers;
    for (int slot = 1; slot <= browser.list().count(); ++slot) {
        const ServerRecord& record = browser.list().at(slot);
        if ((options.positional.isEmpty() || record.group == options.positional.first()) &&
            std::get<ServerFilter>(filter).passes(record))
            servers.append(serverJson(record));
    }
    printServers(streams, servers);
    if (options.has(QStringLiteral("--save")) && !browser.SaveServers()) {
        streams.errors << "fennick-cli: cannot write " << browser.serversPath() << '\n';
        return 1;
    }
    return 0;
}

} // namespace fennick::cli
