#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

// The engines that run the games natively, by the names their programs go
// by; the engines themselves are the editions' rows of the table of games
// (core/game_facts.h).

// The well-known engines for a game and its base data folder, in the order
// they are looked for. Quake III's "baseoa" folder (OpenArena) gets the
// engines that start OpenArena; "baseq3" those that start Quake III Arena.
QStringList knownEngineNames(const QString& game, const QString& dataFolder);

// Every file name a well-known engine of the game goes by on a machine of
// the given processor architecture (as QSysInfo names it: "x86_64",
// "i386", "arm64"), in the order they are looked for: the bare names
// first, then, engine by engine, the names the engines' own release
// archives give their programs for that architecture ("ioquake3.x86_64",
// "quake3e.x64", "openarena.i386", "darkplaces-linux-x86_64-sdl"). A
// dedicated server is never among them. An unknown architecture gets the
// bare names only.
QStringList engineFileNames(const QString& game, const QString& dataFolder,
                            const QString& architecture);

// The per-user folder (below the home folder) of an engine, known by its
// file name ignoring letter case; a name with a suffix after a dot
// ("ioquake3.x86_64") counts as the engine before it. Empty when unknown.
QString engineHomeFolder(const QString& engineFileName);

} // namespace fennick
