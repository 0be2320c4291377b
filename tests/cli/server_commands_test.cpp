#include "browser/fake_server.h"
#include "cli/server_commands.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fennick::cli {
namespace {

struct CommandRun {
    int status = -1;
    QJsonArray servers;
    QString errors;
};

CommandRun run(int (*command)(const QStringList&, CliStreams&), const QStringList& arguments) {
    QString in, out, err;
    QTextStream input(&in), output(&out), errors(&err);
    CliStreams streams{input, output, errors};
    CommandRun result;
    result.status = command(arguments, streams);
    output.flush();
    errors.flush();
    result.servers = QJsonDocument::fromJson(out.toUtf8()).object().value("servers").toArray();
    result.errors = err;
    return result;
}

TEST(ServerCommands, QueryPrintsOneRecordPerAddressInArgumentOrder) {
    test::FakeServer q2([](const QByteArray& request) {
        return request == QByteArray("\xff\xff\xff\xffstatus")
                   ? QByteArray("\xff\xff\xff\xffprint\n\\hostname\\Q2 box\\deathmatch\\1"
                                "\\maxclients\\8\\mapname\\q2dm1\\dmflags\\16\n"
                                "4 20 \"one\"\n9 30 \"two\"\n")
                   : QByteArray();
    });
    test::FakeServer silent;
    ASSERT_TRUE(q2.bound() && silent.bound());
    QTemporaryDir folder;
    const CommandRun result =
        run(&queryMain, {"--program-folder", folder.path(), "--group", "Quake 2\\LAN Network",
                         "--timeout-ms", "400", silent.address(), q2.address()});
    EXPECT_EQ(result.status, 0);
    ASSERT_EQ(result.servers.size(), 2);
    const QJsonObject none = result.servers[0].toObject();
    EXPECT_EQ(none.value("ip").toString(), silent.address());
    EXPECT_EQ(none.value("ping").toInt(), 999);
    EXPECT_EQ(none.value("hostname").toString(), QString());
    const QJsonObject box = result.servers[1].toObject();
    EXPECT_EQ(box.value("hostname").toString(), QStringLiteral("Q2 box"));
    EXPECT_EQ(box.value("group").toString(), QStringLiteral("Quake 2\\LAN Network"));
    EXPECT_EQ(box.value("gametype").toString(), QStringLiteral("Deathmatch"));
    EXPECT_EQ(box.value("playernames").toString(), QStringLiteral("009  two\\004  one\\"));
    EXPECT_LT(box.value("ping").toInt(), 999);
    EXPECT_EQ(box.keys().size(), 17);

    EXPECT_EQ(run(&queryMain, {}).status, 2);
    EXPECT_EQ(run(&queryMain, {"--timeout-ms", "soon", "1.2.3.4"}).status, 2);
}

TEST(ServerCommands, ServersPrintsAndSavesTheListFile) {
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath("servers.lst"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"1.1.1.1:1\",\"Quake 3 Arena\\Recent\",\"old\",1,\"\",\"\",1000\r\n"
               "\"2.2.2.2:2\",\"Quake 3 Arena\\Mine\",\"kept\",2,\"hi\",\"pw\",0\r\n");
    file.close();
    const CommandRun listed = run(&serversMain, {"--program-folder", folder.path()});
    ASSERT_EQ(listed.servers.size(), 2);
    EXPECT_EQ(listed.servers[1].toObject().value("password").toString(), QStringLiteral("pw"));

    EXPECT_EQ(run(&serversMain, {"--program-folder", folder.path(), "--save"}).status, 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\"2.2.2.2:2\",\"Quake 3 Arena\\Mine\",\"kept\",2,\"hi\","
                                         "\"pw\",0\r\n"));
}

TEST(ServerCommands, MasterListsAndRefreshUpdatesAStoredGroup) {
    test::FakeServer master([](const QByteArray&) {
        // Two entries (the first with both port bytes 92), then the end.
        return QByteArray("\xff\xff\xff\xffgetserversResponse") +
               QByteArray::fromHex("5c7f0000015c5c"
                                   "5c0a0000010001") +
               "\\EOT";
    });
    test::FakeServer alive([](const QByteArray&) {
        return QByteArray("\xff\xff\xff\xff\n\\sv_hostname\\Fresh\\g_gametype\\3\\dmflags\\0\n"
                          "1 2 \"a\"\n");
    });
    test::FakeServer silent;
    ASSERT_TRUE(master.bound() && alive.bound() && silent.bound());
    QTemporaryDir folder;
    QString out, err, in;
    {
        QTextStream input(&in), output(&out), errors(&err);
        CliStreams streams{input, output, errors};
        EXPECT_EQ(masterMain({"--program-folder", folder.path(), "--master", master.address(),
                              "--timeout-ms", "300"},
                             streams),
                  0);
    }
    EXPECT_EQ(out, QStringLiteral("127.0.0.1:23644\n10.0.0.1:1\n"));

    QFile file(QDir(folder.path()).filePath("servers.lst"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("\"%1\",\"Quake 3 Arena\\Internet\",\"\",0,\"\",\"\",0\r\n"
                              "\"%2\",\"Quake 3 Arena\\Internet\",\"\",0,\"\",\"\",0\r\n")
                   .arg(alive.address(), silent.address())
                   .toUtf8());
    file.close();
    // Without a current game the game types are those of the group's game.
    QFile enums(QDir(folder.path()).filePath("enums.lst"));
    ASSERT_TRUE(enums.open(QIODevice::WriteOnly));
    enums.write("\"quake1\", \"g_gametype\", \"Wrong\", \"3\"\r\n"
                "\"quake3\", \"g_gametype\", \"Team Deathmatch\", \"3\"\r\n");
    enums.close();
    const CommandRun refreshed =
        run(&refreshMain, {"--program-folder", folder.path(), "Quake 3 Arena\\Internet", "--save"});
    EXPECT_EQ(refreshed.status, 0);
    ASSERT_EQ(refreshed.servers.size(), 1); // the silent one left the Internet group
    EXPECT_EQ(refreshed.servers[0].toObject().value("hostname").toString(),
              QStringLiteral("Fresh"));
    EXPECT_EQ(refreshed.servers[0].toObject().value("gametype").toString(),
              QStringLiteral("Team Deathmatch"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Fresh"));
    EXPECT_EQ(run(&refreshMain, {"--program-folder", folder.path(), "Quake 2\\Nowhere"}).status, 1);
}

TEST(ServerCommands, ServersAndRefreshPrintOnlyWhatPassesTheFilters) {
    const auto answering = [](const char* keys, const char* players = "") {
        return [keys, players](const QByteArray&) {
            return QByteArray("\xff\xff\xff\xff\n") + keys + "\\dmflags\\0\n" + players;
        };
    };
    test::FakeServer alpha(answering("\\sv_hostname\\Alpha\\g_gametype\\4\\gamename\\cpma"
                                     "\\g_needpass\\1\\sv_maxclients\\8",
                                     "5 20 \"^1Al^7ice\"\n")),
        bravo(answering("\\sv_hostname\\Bravo\\g_gametype\\0\\gamename\\baseq3"
                        "\\sv_maxclients\\8")),
        charlie(answering("\\sv_hostname\\Charlie\\g_gametype\\0\\gamename\\baseq3"
                          "\\sv_maxclients\\2",
                          "1 5 \"bob\"\n2 5 \"zed\"\n"));
    ASSERT_TRUE(alpha.bound() && bravo.bound() && charlie.bound());
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath("servers.lst"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("\"%1\",\"Quake 3 Arena\\Mates\",\"\",50,\"\",\"\",0\r\n"
                              "\"%2\",\"Quake 3 Arena\\Mates\",\"\",80,\"\",\"\",0\r\n"
                              "\"%3\",\"Quake 3 Arena\\Mates\",\"\",999,\"\",\"\",0\r\n"
                              "\"9.9.9.9:1\",\"Quake 2\\Recent\",\"\",10,\"\",\"\",0\r\n")
                   .arg(alpha.address(), bravo.address(), charlie.address())
                   .toUtf8());
    file.close();
    const QString group = QStringLiteral("Quake 3 Arena\\Mates");
    const auto names = [](const CommandRun& result) {
        QStringList list;
        for (const QJsonValue& server : result.servers)
            list.append(server.toObject().value("hostname").toString());
        return list.join(' ');
    };
    const struct {
        QStringList options;
        const char* names;
    } cases[] = {
        {{}, "Alpha Bravo Charlie"},
        {{"--hide-empty"}, "Alpha Charlie"},
        {{"--hide-full"}, "Alpha Bravo"},
        {{"--gametype", "4"}, "Alpha"},
        {{"--mod", "BASEQ3", "--hide-full"}, "Bravo"},
        {{"--hide-passworded"}, "Bravo Charlie"},
        {{"--player", "ALICE"}, "Alpha"},
        {{"--max-ping", "0"}, "Alpha Bravo Charlie"},
    };
    for (const auto& c : cases) {
        const CommandRun result =
            run(&refreshMain, QStringList{"--program-folder", folder.path(), group} + c.options);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(names(result), QLatin1String(c.names)) << c.options.join(' ').toStdString();
    }
    // From the file alone: its pings, and a group's records only.
    EXPECT_EQ(
        run(&serversMain, {"--program-folder", folder.path(), "--max-ping", "80"}).servers.size(),
        3);
    EXPECT_EQ(run(&serversMain, {"--program-folder", folder.path(), group, "--max-ping", "80"})
                  .servers.size(),
              2);
    EXPECT_EQ(run(&serversMain, {"--max-ping", "fast"}).status, 2);
}

} // namespace
} // namespace fennick::cli
