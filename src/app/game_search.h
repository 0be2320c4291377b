#pragma once

#include <QStringList>

namespace fennick {

class ProgramSettings;

// The first-start search for installed games. For each drive in order, the
// usual install folders of Quake, Quake II and Quake III Arena are tried
// while that game's executable is still unknown; trying a folder assigns it
// to the game's directory field, which validates it. After each drive's
// Quake III folders, a valid q3map next to a found Quake III turns on the
// listing of uncompiled maps.
void SearchGameDirectories(ProgramSettings& settings, const QStringList& drives);

} // namespace fennick
