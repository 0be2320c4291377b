#pragma once

#include <QString>

namespace fennick {

// How texts that are stored as they came are shown to the user.

// A server's text (name, players, map, message) is kept as the bytes of
// its datagram, one character per byte. Servers that send UTF-8 (as
// OpenArena's do) are shown as such when the bytes are valid UTF-8;
// anything else is shown as Latin-1, as it is kept.
QString shownServerText(const QString& stored);

// A date kept as a day count since 30 December 1899 ("Added"), as a local
// date and time in the user's short format; empty for 0 or no date.
QString shownDate(double daySerial);

} // namespace fennick
