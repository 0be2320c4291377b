#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fennick {

// The server browser's addresses, from the "[network]" section of
// "fennick.ini" in the program folder. A missing file or key means the
// default; tests and tools point both addresses at loopback.
struct NetworkSettings {
    // The Quake III master servers asked by "Get List", "host:port" each
    // ("master" in the file: one address, or several separated by commas).
    QStringList masters{QStringLiteral("master.quake3arena.com:27950")};
    // Where the LAN status broadcasts go ("broadcast").
    QString broadcast = QStringLiteral("255.255.255.255");
    // The master request: "getservers " + protocol + keywords ("protocol",
    // "keywords"). 68 is the last Quake III Arena release; masters leave out
    // empty and full servers unless the keywords ask for them.
    int protocol = 68;
    QString keywords = QStringLiteral("empty full");

    // FF FF FF FF "getservers 68 empty full"; without keywords nothing
    // follows the protocol number.
    QByteArray masterRequest() const;

    static NetworkSettings load(const QString& iniPath);
};

} // namespace fennick
