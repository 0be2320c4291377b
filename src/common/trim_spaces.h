#pragma once

#include <QString>

namespace fennick {

// The text without the spaces at its start and end. Only the space itself
// is trimmed: tabs and line breaks stay, as the console's word splitting
// keeps them.
QString trimSpaces(const QString& text);

} // namespace fennick
