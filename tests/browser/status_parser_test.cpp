#include "browser/query_protocol.h"
#include "browser/status_parser.h"
#include "console/enum_table.h"
#include "support/qt_print.h"

#include <QRandomGenerator>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

QString q3Reply(const QString& players, const QString& keys = {}) {
    return QStringLiteral("\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Srv\\g_gametype\\4"
                          "\\dmflags\\0") +
           keys + QLatin1Char('\n') + players;
}

QStringList entries(const QString& players) {
    return playerEntries(q3Reply(players)).value_or(QStringList{QStringLiteral("<none>")});
}

TEST(StatusParser, PlayersAreListedByFallingScore) {
    struct Case {
        const char* players;
        QStringList expected;
    };
    const Case cases[] = {
        {"5 40 \"Bob\"\n12 50 \"Alice\"\n-3 80 \"Eve\"\n0 999 \"Zed\"\n",
         {"012  Alice", "005  Bob", "000  Zed", "-003  Eve"}},
        {"-10 1 \"a\"\n-1 1 \"b\"\n", {"-001  b", "-010  a"}},
        // Equal scores: the non-negative list is read backwards, the
        // negative one forwards.
        {"3 1 \"Ann\"\n3 1 \"Bea\"\n-2 1 \"Cid\"\n-2 1 \"Dan\"\n",
         {"003  Bea", "003  Ann", "-002  Cid", "-002  Dan"}},
        // Scores sort as text: 1000 comes before 999 ascending.
        {"999 1 \"x\"\n1000 1 \"y\"\n", {"999  x", "1000  y"}},
        // Spaces in names stay; every quote goes.
        {"7 30 \"Big \"Bad\" Wolf\"\n", {"007  Big Bad Wolf"}},
        // A last line without its line end still counts.
        {"1 10 \"first\"\n2 20 \"last\"", {"002  last", "001  first"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entries(QString::fromLatin1(c.players)), c.expected) << c.players;
}

TEST(StatusParser, RepliesFillTheGamesKeys) {
    EnumTable enums;
    enums.loadText(QStringLiteral("\"quake3\",\"g_gametype\",\"CTF\",\"4\""));
    const StatusContext context{&enums, QStringLiteral("quake3"), 4321.5};

    ServerRecord q3;
    q3.group = QStringLiteral("Quake 3 Arena\\Recent");
    q3.players = 9;
    ParseStatus(q3,
                q3Reply(QStringLiteral("1 2 \"p\"\n"),
                        QStringLiteral("\\mapname\\q3dm17\\timelimit\\20.5\\fraglimit\\99999"
                                       "\\capturelimit\\-40000\\sv_maxclients\\16\\gamename\\osp"
                                       "\\sv_motd\\hi\\g_needpass\\1")),
                context);
    EXPECT_EQ(q3.hostname, QStringLiteral("Srv"));
    EXPECT_EQ(q3.gametype, QStringLiteral("CTF"));
    EXPECT_EQ(q3.map, QStringLiteral("q3dm17"));
    EXPECT_EQ(q3.mod, QStringLiteral("osp"));
    EXPECT_EQ(q3.motd, QStringLiteral("hi"));
    EXPECT_EQ(q3.maxclients, 16);
    EXPECT_EQ(q3.timelimit, 20);    // half to even
    EXPECT_EQ(q3.fraglimit, 32767); // held to 16 bits
    EXPECT_EQ(q3.capturelimit, -32768);
    EXPECT_EQ(q3.players, 1);
    EXPECT_EQ(q3.playernames, QStringLiteral("001  p\\"));
    EXPECT_EQ(q3.lastupdate, 4321.5);
    EXPECT_TRUE(q3.needpass);

    // Another game's enumerations do not apply: the bare number shows.
    ParseStatus(q3, q3Reply({}), {&enums, QStringLiteral("quake2"), 0});
    EXPECT_EQ(q3.gametype, QStringLiteral("4"));
    EXPECT_FALSE(q3.needpass);

    ServerRecord q2;
    q2.group = QStringLiteral("Quake 2\\LAN Network");
    q2.gametype = QStringLiteral("old");
    struct Mode {
        const char* keys;
        const char* gametype;
        bool needpass; // bit 1 of "needpass": a player password
    };
    for (const Mode& m : {Mode{"\\deathmatch\\0\\coop\\1\\needpass\\3", "Cooperative", true},
                          Mode{"\\deathmatch\\1\\coop\\1\\needpass\\2", "Deathmatch", false},
                          Mode{"\\deathmatch\\0", "Deathmatch", false}}) {
        ParseStatus(q2, QStringLiteral("\\hostname\\two\\maxclients\\8") + QLatin1String(m.keys),
                    context);
        EXPECT_EQ(q2.gametype, QLatin1String(m.gametype)) << m.keys;
        EXPECT_EQ(q2.needpass, m.needpass) << m.keys;
    }
    EXPECT_EQ(q2.hostname, QStringLiteral("two"));
    EXPECT_EQ(q2.maxclients, 8);
    EXPECT_EQ(q2.players, 0); // no "\dmflags": the players stay as they were

    ServerRecord q1;
    q1.group = QStringLiteral("Quake 1\\Recent");
    ParseStatus(q1, q3Reply(QStringLiteral("1 2 \"p\"\n")), context);
    EXPECT_EQ(q1.hostname, QString());
    EXPECT_EQ(q1.lastupdate, 4321.5);
}

TEST(StatusParser, PingsAreWholeMillisecondsUpTo999) {
    EXPECT_EQ(pingOf(0.0427), 42);
    EXPECT_EQ(pingOf(0.999), 999);
    EXPECT_EQ(pingOf(1.2), 999);
    EXPECT_EQ(pingOf(-1), 0);
}

TEST(StatusParser, HostileRepliesNeverCrashOrHang) {
    ServerRecord record;
    record.group = QStringLiteral("Quake 3 Arena\\Internet");
    QRandomGenerator random(7);
    QStringList replies = {QString(),
                           QStringLiteral("\\dmflags"),
                           QStringLiteral("\\dmflags\n"),
                           QStringLiteral("\\dmflags\n \n \n"),
                           QStringLiteral("\\dmflags\n1"),
                           QStringLiteral("\\dmflags\n1 2"),
                           QStringLiteral("\\dmflags\n^ ^ ^\n")};
    replies.append(q3Reply(QStringLiteral("1 1 \"x\"\n").repeated(9000))); // 90 KB
    for (int i = 0; i < 200; ++i) {
        QByteArray bytes(int(random.bounded(2000)), '\0');
        for (char& byte : bytes)
            byte = char(random.bounded(256));
        replies.append(QStringLiteral("\\dmflags\n") + QString::fromLatin1(bytes));
    }
    for (const QString& reply : replies)
        ParseStatus(record, reply, {});
    EXPECT_LE(record.playernames.size(), kMaxReplyBytes + 4096);
}

TEST(QueryProtocol, RequestsAndPortsPerGame) {
    struct Case {
        const char* address;
        const char* game;
        bool master;
        const char* host;
        int port;
        QByteArray request;
    };
    const QByteArray oob(4, '\xff');
    const Case cases[] = {
        {"1.2.3.4", "Quake 3 Arena\\Recent", false, "1.2.3.4", 27960, oob + "getstatus"},
        {"1.2.3.4", "Quake 3 Arena - Internet", true, "1.2.3.4", 27950, oob + "getservers 45"},
        {"1.2.3.4:27000", "Quake 3", false, "1.2.3.4", 27000, oob + "getstatus"},
        {"1.2.3.4:27000", "Quake 3", true, "1.2.3.4", 27000, oob + "getservers 45"},
        {"h.example", "Quake 2\\LAN Network", false, "h.example", 27910, oob + "status"},
        {"h", "Quake 2", true, "h", 27900, "query"},
        {"h", "Quake 1\\Recent", false, "h", 26000, {}},
        {"h", "QuakeWorld", false, "h", 27500, oob + "status"},
        {"h", "QuakeWorld", true, "h", 27000, "c"},
    };
    for (const Case& c : cases) {
        const auto target =
            queryTargetOf(QLatin1String(c.address), QLatin1String(c.game), c.master);
        ASSERT_TRUE(target) << c.game;
        EXPECT_EQ(target->host, QLatin1String(c.host));
        EXPECT_EQ(target->port, c.port) << c.address << " " << c.game;
        EXPECT_EQ(target->request, c.request) << c.game;
    }
    EXPECT_EQ(queryTargetOf(QStringLiteral("h"), QStringLiteral("Doom"), false), std::nullopt);
    EXPECT_EQ(QByteArray(oob + "getservers 45").size(), 17);
}

} // namespace
} // namespace fennick
