#pragma once

#include "compile/compile_paths.h"

#include <QString>

namespace fennick {

// One uncompiled map the start button found: the map cvar ("map" or
// "devmap"), its value ("mymap.map") and the paths of its compile.
struct CompileRequest {
    QString cvar;
    QString map;
    CompilePaths paths;
};

// How the question about one map ended.
enum class CompileOutcome {
    Compiled,    // the batch ran to its end
    NotCompiled, // "Don't compile", or the dialog closed before a compile
    Cancelled,   // the wait was cancelled; the batch may still be running
    Abandoned,   // the launch is to stop (the program is closing, an error)
};

} // namespace fennick
