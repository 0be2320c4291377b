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
    // ("master" in the file: one address, or several separated by commas):
    // by default the two that today's engines ask. Every one is asked, and
    // an address two of them list is queued once.
    QStringList masters{QStringLiteral("master.quake3arena.com:27950"),
                        QStringLiteral("master.ioquake3.org:27950")};
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

    // The defaults for a Quake III directory whose base data folder is
    // `quake3DataFolder`: an OpenArena installation ("baseoa") asks
    // OpenArena's master for its protocol, 71, so Get List finds OpenArena
    // servers; anything else asks the Quake III masters for protocol 68.
    static NetworkSettings defaultsFor(const QString& quake3DataFolder);

    // The file's values over those defaults.
    static NetworkSettings load(const QString& iniPath, const QString& quake3DataFolder = {});
};

struct CoreServices;

// The settings the program's browser uses: its "fennick.ini" over the
// defaults of its Quake III directory.
NetworkSettings networkSettingsOf(const CoreServices& core);

} // namespace fennick
