#include "core/game_facts.h"

#include "platform/file_system.h"

#include <array>

namespace fennick {

namespace {

// A game's video modes from their sizes, each numbered by its place.
QVector<VideoMode> modesOf(const char* sizes) {
    QVector<VideoMode> modes;
    for (const QString& size : QString::fromLatin1(sizes).split(QLatin1Char(' '))) {
        const qsizetype x = size.indexOf(QLatin1Char('x'));
        modes.append({int(modes.size()), size.left(x).toInt(), size.mid(x + 1).toInt(), size});
    }
    return modes;
}

QByteArray outOfBand(const char* text) {
    return QByteArray(4, '\xff') + QByteArray(text);
}

// The rows of the table, one a game. The native engines are named as
// Debian installs their programs ("/usr/games/quakespasm",
// "/usr/games/openarena", "/usr/lib/yamagi-quake2/quake2") and as the
// game-data-packager wrappers look for them ("yquake2", "ioquake3"), the
// wrappers themselves ("quake", "quake2", "quake3", which start the engine
// chosen for the game), and other well-known engines. Each wrapper shares
// the per-user folder of the engine it starts by default. DarkPlaces'
// releases spell their names their own way.
GameFacts quakeRow() {
    return {
        .slot = 0,
        .id = kQuake1,
        .prefix = QStringLiteral("q1"),
        .displayName = QStringLiteral("Quake 1"),
        .shortName = QStringLiteral("Quake 1"),
        .infoBackground = QStringLiteral("InfoBackQ1.gif"),
        .windowsExecutables = {QStringLiteral("vquake.exe"), QStringLiteral("glquake.exe"),
                               QStringLiteral("winquake.exe"), QStringLiteral("quake.exe")},
        .editions = {{QStringLiteral("Quake"),
                      QStringLiteral("id1"),
                      {{"quakespasm", ".quakespasm"},
                       {"vkquake", ""},
                       {"ironwail", ""},
                       {"darkplaces", "", "darkplaces-linux-%1-sdl darkplaces-linux-%1-glx"},
                       {"quake", ""}},
                      {},
                      0}},
        .driveFolders = {QStringLiteral("quake"), QStringLiteral("Program Files\\quake"),
                         QStringLiteral("games\\quake")},
        .homeFolders = {},
        .systemFolders = {QStringLiteral("quake")},
        .query = {QueryFacts::Replies::None, 26000, 26000, {}, {}, {}},
        .modArguments = {QStringLiteral("-game")},
        .setsByName = true,
        .renderer = RendererChoice::None,
        // Quake has no mode cvar Fennick sets; its sizes are the classic ones.
        .videoModes = modesOf("320x200 400x300 512x384 640x480 800x600 960x720 1024x768 "
                              "1152x864 1280x960 1600x1200"),
    };
}

GameFacts quake2Row() {
    return {
        .slot = 1,
        .id = kQuake2,
        .prefix = QStringLiteral("q2"),
        .displayName = QStringLiteral("Quake 2"),
        .shortName = QStringLiteral("Quake 2"),
        .infoBackground = QStringLiteral("InfoBackQ2.gif"),
        .windowsExecutables = {QStringLiteral("quake2.exe")},
        .editions = {{QStringLiteral("Quake II"),
                      QStringLiteral("baseq2"),
                      {{"yquake2", ".yq2"}, {"q2pro", ""}, {"quake2", ".yq2"}},
                      {},
                      0}},
        .driveFolders = {QStringLiteral("quake2"), QStringLiteral("Program Files\\quake2"),
                         QStringLiteral("games\\quake2")},
        .homeFolders = {},
        .systemFolders = {QStringLiteral("quake2")},
        .query = {QueryFacts::Replies::Quake2,
                  27910,
                  27900,
                  outOfBand("status"),
                  QByteArray("query"),
                  {27910}},
        .modArguments = {QStringLiteral("+set"), QStringLiteral("game")},
        .setsByName = false,
        .renderer = RendererChoice::SoftwareOrOpenGl,
        // "gl_mode" and "sw_mode".
        .videoModes = modesOf("320x240 400x300 512x384 640x480 800x600 960x720 1024x768 "
                              "1152x864 1280x960 1600x1200"),
    };
}

GameFacts quake3Row() {
    return {
        .slot = 2,
        .id = kQuake3,
        .prefix = QStringLiteral("q3"),
        .displayName = QStringLiteral("Quake 3 Arena"),
        .shortName = QStringLiteral("Quake 3"),
        .infoBackground = QStringLiteral("InfoBackQ3.gif"),
        .windowsExecutables = {QStringLiteral("quake3.exe")},
        // 68 is the last Quake III Arena release, 71 OpenArena's.
        .editions = {{QStringLiteral("Quake III Arena"),
                      QStringLiteral("baseq3"),
                      {{"ioquake3", ".q3a"}, {"quake3e", ""}, {"quake3", ".q3a"}},
                      {QStringLiteral("master.quake3arena.com:27950"),
                       QStringLiteral("master.ioquake3.org:27950")},
                      68},
                     {QStringLiteral("OpenArena"),
                      QStringLiteral("baseoa"),
                      {{"openarena", ".openarena"}},
                      {QStringLiteral("dpmaster.deathmask.net:27950")},
                      71}},
        .driveFolders = {QStringLiteral("quake iii arena"),
                         QStringLiteral("Program Files\\quake iii arena"),
                         QStringLiteral("games\\quake iii arena"),
                         QStringLiteral("Program Files\\quake3"), QStringLiteral("games\\quake3")},
        .homeFolders = {QStringLiteral("quake3"), QStringLiteral("openarena"),
                        QStringLiteral("games\\openarena")},
        .systemFolders = {QStringLiteral("quake3"), QStringLiteral("openarena")},
        .query = {QueryFacts::Replies::Quake3,
                  27960,
                  27950,
                  outOfBand("getstatus"),
                  outOfBand("getservers 45"),
                  {27960, 27961, 27962, 27963, 27964}},
        .modArguments = {QStringLiteral("+set"), QStringLiteral("fs_game")},
        .setsByName = false,
        .renderer = RendererChoice::OpenGlOnly,
        // "r_mode" (ioquake3 and the original engine alike; its -1 and -2, a
        // custom size and the desktop's, are no entries of the list).
        .videoModes = modesOf("320x240 400x300 512x384 640x480 800x600 960x720 1024x768 "
                              "1152x864 1280x1024 1600x1200 2048x1536 856x480"),
    };
}

const std::array<GameFacts, kGameCount>& table() {
    static const std::array<GameFacts, kGameCount> games{quakeRow(), quake2Row(), quake3Row()};
    return games;
}

} // namespace

QString GameFacts::dataFolder() const {
    return editions.isEmpty() ? QString() : editions.first().dataFolder;
}

const GameEdition* GameFacts::edition(const QString& folder) const {
    for (const GameEdition& edition : editions)
        if (edition.dataFolder == folder)
            return &edition;
    return nullptr;
}

std::span<const GameFacts> allGames() {
    return table();
}

const GameFacts& gameFacts(const QString& id) {
    static const GameFacts none;
    for (const GameFacts& game : table())
        if (game.id == id)
            return game;
    return none;
}

const GameFacts* gameOfText(const QString& text) {
    for (const GameFacts& game : table())
        if (text.startsWith(game.shortName))
            return &game;
    return nullptr;
}

bool isGameId(const QString& text) {
    return gameFacts(text).slot >= 0;
}

QString baseDataFolder(const QString& game, const QString& directory) {
    const GameFacts& facts = gameFacts(game);
    const QString own = facts.dataFolder();
    if (directory.isEmpty() || platform::folderExists(platform::joinPath(directory, own)))
        return own;
    for (qsizetype i = 1; i < facts.editions.size(); ++i) {
        const QString& variant = facts.editions[i].dataFolder;
        if (platform::folderExists(platform::joinPath(directory, variant)))
            return variant;
    }
    return own;
}

} // namespace fennick
