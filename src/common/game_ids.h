#pragma once

#include <QString>

namespace fennick {

// The three games by identifier ("quake1", "quake2", "quake3").
inline const QString kQuake1 = QStringLiteral("quake1");
inline const QString kQuake2 = QStringLiteral("quake2");
inline const QString kQuake3 = QStringLiteral("quake3");

// "q1", "q2", "q3" for the games, else the empty text.
QString gamePrefix(const QString& game);

// "Quake 1", "Quake 2", "Quake 3 Arena" for the games, else the empty text.
QString gameDisplayName(const QString& game);

// The game's own data folder: "id1", "baseq2", "baseq3"; else empty.
QString gameDataFolder(const QString& game);

// The fast-info panel's background picture in the program folder:
// "InfoBackQ1.gif", "InfoBackQ2.gif", "InfoBackQ3.gif"; else empty.
QString gameInfoBackground(const QString& game);

bool isGameId(const QString& text);

} // namespace fennick
