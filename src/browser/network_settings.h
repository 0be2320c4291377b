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
    // by default those of the edition (see defaultsFor). Every one is
    // asked, and an address two of them list is queued once.
    QStringList masters;
    // Where the LAN status broadcasts go ("broadcast").
    QString broadcast = QStringLiteral("255.255.255.255");
    // The master request: "getservers " + protocol + keywords ("protocol",
    // "keywords"); masters leave out empty and full servers unless the
    // keywords ask for them.
    int protocol = 0;
    QString keywords = QStringLiteral("empty full");

    // FF FF FF FF "getservers 68 empty full"; without keywords nothing
    // follows the protocol number.
    QByteArray masterRequest() const;

    // The defaults for a Quake III directory whose base data folder is
    // `quake3DataFolder`: the masters and protocol of that edition in the
    // table of games, so an OpenArena installation ("baseoa") asks
    // OpenArena's master for its protocol and Get List finds OpenArena
    // servers; anything else asks those of Quake III Arena itself.
    static NetworkSettings defaultsFor(const QString& quake3DataFolder);

    // The file's values over those defaults.
    static NetworkSettings load(const QString& iniPath, const QString& quake3DataFolder = {});
};

struct CoreServices;

// The settings the program's browser uses: its "fennick.ini" over the
// defaults of its Quake III directory.
NetworkSettings networkSettingsOf(const CoreServices& core);

} // namespace fennick
