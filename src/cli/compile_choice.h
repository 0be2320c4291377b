#pragma once

#include "compile/map_compile_step.h"

namespace fennick {
class ConsoleLog;
}

namespace fennick::cli {

struct RunOptions;

// The compile dialog's choice made by the command line: --compile LEVEL
// (with --aas) compiles and waits until the batch has run, --no-compile
// goes on without compiling; with neither the launch stops, since a
// compile that may take long is not started unasked. Every step is
// reported on the console.
MapCompileStep::Chooser compileChooser(const RunOptions& options, ConsoleLog& console);

} // namespace fennick::cli
