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

// How the question about one map ended. Only a compiled map, or one the
// player chose not to compile, is launched.
enum class CompileOutcome {
    Compiled,    // the batch ran to its end and wrote a new .bsp
    NotCompiled, // "Don't compile"
    Cancelled,   // "Cancel" or the close box; the batch may still be running
    Failed,      // the batch ended without a new .bsp
    Abandoned,   // the launch is to stop (the program is closing, an error)
};

} // namespace fennick
