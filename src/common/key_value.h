#pragma once

#include <QString>

namespace fennick {

// Reads a backslash key/value text ("\caption\Hello\cvar\r_mode"): finds the
// first "\" + key anywhere in the text, compared without regard to case, and
// returns what follows the next backslash up to the next "\" or line feed.
// A missing key gives the empty text. Like the games' own readers this is a
// plain substring search, so "cvar" also matches the start of "cvarx".
QString GetKeyValue(const QString& text, const QString& key);

} // namespace fennick
