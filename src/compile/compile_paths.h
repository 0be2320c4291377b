#pragma once

#include <QString>

namespace fennick {

// Where bspc, the bots' navigation compiler, is found: beside q3map.
struct BspcPath {
    QString path; // empty when the q3map path gives none
    QString why;  // then: why not, in words for the console
};

// The q3map path with its name "q3map.exe" (any letter case) turned into
// "bspc.exe", and a native "q3map" into "bspc". Any other q3map program
// (a native "q3map2", say) takes bspc from its own folder by bspc's native
// name. A path too short to hold the name "q3map.exe" that is neither
// gives none.
BspcPath bspcPathFor(const QString& q3mapPath);

// The files and tools of one map compile.
struct CompilePaths {
    QString mapFile; // the map's folder joined with its file name
    QString bspFile; // the map file with "bsp" for its last three letters
    QString q3map;
    BspcPath bspc;
};

// The paths for the map `mapName` ("mymap.map") in `mapFolder` (the value
// of fenkit_mapfile) and the q3map of the setup. A file or tool that
// exists under another letter case is named as it is spelt on disk.
CompilePaths compilePaths(const QString& mapFolder, const QString& mapName,
                          const QString& q3mapPath);

} // namespace fennick
