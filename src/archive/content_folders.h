#pragma once

#include <QString>
#include <QStringList>

// Where the archive readers look for game content.
namespace fennick {

// The base data folder of Quake III: the Quake III directory followed by
// "demoq3" when that folder exists, else by "baseq3" (or "baseoa" for
// OpenArena, when there is no "baseq3") when that exists, else
// the directory itself. Every reader of Quake III content asks here.
QString quake3BaseFolder(const QString& quake3Directory);

// The .pk3 archives of a folder: full paths, in name order ignoring case.
QStringList pk3Archives(const QString& folder);

} // namespace fennick
