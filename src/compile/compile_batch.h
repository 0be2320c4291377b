#pragma once

#include "compile/compile_options.h"
#include "compile/compile_paths.h"

#include <QString>
#include <QStringList>

namespace fennick {

// The lines of "FK_Compile.bat", without their line ends: q3map on the map
// file, the q3map passes of the chosen level on the bsp file, bspc on the
// bsp file for the bots' ".aas" file, and last the line that writes the
// completion marker. A tool line is the quoted tool, the options with a
// blank on either side and the quoted file.
struct CompileBatch {
    QStringList lines;
    // Set when a path cannot be written into a batch line; no lines then.
    QString error;
    // What the batch leaves out and why (no bspc beside q3map).
    QStringList notes;
};

CompileBatch compileBatchLines(const CompilePaths& paths, const CompileOptions& options,
                               const QString& markerPath);

} // namespace fennick
