#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <span>

// What differs between the games, in one table: a row per game. Code that
// treats the games differently looks the difference up here, or branches
// on a fact of the row where the behaviour itself differs.
namespace fennick {

// The three games by identifier ("quake1", "quake2", "quake3").
inline const QString kQuake1 = QStringLiteral("quake1");
inline const QString kQuake2 = QStringLiteral("quake2");
inline const QString kQuake3 = QStringLiteral("quake3");

// An engine that runs a game natively (on Linux and other systems without
// the Windows executables), named as distributions and the engine's own
// releases name its program.
struct NativeEngine {
    const char* fileName;
    // Below the user's home folder, where the engine keeps the user's files
    // (".q3a" for ioquake3) and searches them mod by mod as it searches the
    // game folder; empty when not known.
    const char* homeFolder;
    // Release names of another form than "name.architecture",
    // space-separated, "%1" standing for the engine's word for the machine.
    const char* extraForms = nullptr;
};

// One kind of installation of a game, told apart by its base data folder:
// the game's own, or a variant built on the same engine (OpenArena's
// "baseoa" for Quake III).
struct GameEdition {
    QString name;       // "Quake III Arena", "OpenArena"
    QString dataFolder; // "baseq3", "baseoa"
    // The well-known engines, in the order they are looked for.
    QVector<NativeEngine> engines;
    // The master servers Get List asks by default ("host:port") and the
    // protocol number it asks them for; none without an Internet group.
    QStringList masters;
    int masterProtocol = 0;
};

// How a game's servers are asked for their state. Each request is one
// datagram of exactly these bytes (four bytes FF before an out-of-band
// text), with no terminating zero or line end; empty: nothing is sent.
struct QueryFacts {
    // The keys a status reply carries; None: replies are not read.
    enum class Replies { None, Quake2, Quake3 };
    Replies replies = Replies::None;
    quint16 statusPort = 0; // when an address carries no port of its own
    quint16 masterPort = 0;
    QByteArray statusRequest;
    QByteArray masterRequest;
    // Where Get List broadcasts the status request on the local network,
    // in this order; none: the game has no LAN Network group.
    QVector<quint16> lanPorts;
};

// The renderer choice the main window's renderer picture offers.
enum class RendererChoice { None, SoftwareOrOpenGl, OpenGlOnly };

// One numbered video mode of a game's engine.
struct VideoMode {
    int number;
    int width;
    int height;
    QString size; // "640x480"
};

struct GameFacts {
    int slot = -1;       // the row's place in the table; -1: no game
    QString id;          // "quake3"
    QString prefix;      // "q3": settings files and player profiles
    QString displayName; // "Quake 3 Arena": tree nodes and group paths
    // "Quake 3": what a group path or a caption starts with, which tells
    // the browsers the game.
    QString shortName;
    QString infoBackground; // the fast-info panel's picture, "InfoBackQ3.gif"
    // The Windows executables, in order of preference; the game's own
    // program last.
    QStringList windowsExecutables;
    // The game's own edition first, then the variants.
    QVector<GameEdition> editions;
    // Where the first start looks for the game: below each drive (the first
    // is also the default folder), below the home folder and below each
    // system game root.
    QStringList driveFolders;
    QStringList homeFolders;
    QStringList systemFolders;
    QueryFacts query;
    // The command line's arguments before a mod's folder name: "-game"
    // (Quake's start-up option), "+set game", "+set fs_game".
    QStringList modArguments;
    // Quake has no "set" command: it sets a cvar by its name alone.
    bool setsByName = false;
    RendererChoice renderer = RendererChoice::None;
    // The engine's mode numbers and sizes, in mode order.
    QVector<VideoMode> videoModes;

    // The game's own base data folder: "id1", "baseq2", "baseq3"; empty for
    // no game.
    QString dataFolder() const;
    // The edition with this base data folder, or null.
    const GameEdition* edition(const QString& dataFolder) const;
    bool hasMasters() const { return !editions.isEmpty() && !editions.first().masters.isEmpty(); }
};

constexpr int kGameCount = 3;

// Every game, in the table's order: Quake, Quake II, Quake III Arena.
std::span<const GameFacts> allGames();

// The row of a game identifier; an empty row (slot -1, empty texts, no
// ports) for anything else.
const GameFacts& gameFacts(const QString& id);

// The game a group path or caption starts with ("Quake 3 Arena\Internet",
// "Quake 2 - Recent"), compared case-sensitively; null for none.
const GameFacts* gameOfText(const QString& text);

bool isGameId(const QString& text);

// The base data folder of a game installed in `directory`: the game's own,
// or a variant's when the directory has that folder and not the game's own
// ("baseoa" for OpenArena). Empty for an unknown game. Everything that
// needs the game's base folder asks here: the start-up script of the plain
// game, the mod list (which does not list it as a mod), the readers of the
// game's archives and the validation of the directory.
QString baseDataFolder(const QString& game, const QString& directory);

} // namespace fennick
