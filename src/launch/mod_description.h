#pragma once

#include "core/core_services.h"

#include <QString>

namespace fennick {

// The human-readable name of a mod of the current game: the first line of
// the mod's "description.txt" (Quake III), else its description in the
// program's "mods.lst", else the key itself.
QString ModDescription(const CoreServices& core, const QString& key);

} // namespace fennick
