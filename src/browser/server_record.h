#pragma once

#include <QString>

namespace fennick {

// What the browser knows of one server in one group. A record is
// identified by its address and group together; the same address may be
// stored once in each group.
struct ServerRecord {
    QString hostname; // empty until the server has answered
    QString ip;       // "a.b.c.d:port"
    QString group;    // "Quake 3 Arena\Internet": the game node's text, "\", the group's
    qint16 timelimit = 0;
    qint16 fraglimit = 0;
    qint16 capturelimit = 0;
    QString gametype;
    qint16 players = 0;
    qint16 maxclients = 0;
    QString playernames; // each player entry followed by a backslash
    qint16 ping = 0;     // 0 to 999; 999 also for a server that did not answer
    QString motd;
    QString mod;
    QString map;
    double lastupdate = 0; // time of day in seconds of the last parsed reply
    QString password;      // typed by the user, never taken from a reply
    double addtime = 0;    // day count when put into a Recent group; 0 for never
    bool needpass = false; // the last reply said joining needs a password (not kept in the file)

    bool operator==(const ServerRecord&) const = default;
};

// The numeric value of a reply text as a 16-bit field: its leading number
// rounded to the nearest whole number (halves to the even one), held to
// -32768..32767 when it lies outside.
qint16 toInt16Field(const QString& text);

// A ping in milliseconds from the seconds a reply took: truncated, and
// 999 for anything longer.
qint16 pingOf(double seconds);

} // namespace fennick
