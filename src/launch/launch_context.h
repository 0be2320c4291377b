#pragma once

#include "console/cvar_store.h"
#include "console/interpreter.h"
#include "core/core_services.h"

namespace fennick {

// What every model of the launch works with: the core services, the cvar
// store the command line is built from, and the interpreter the settings
// files run through. Each model takes its neighbours of the launch (the
// configuration files, the mod list, ...) beside it.
struct LaunchContext : CoreServices {
    CvarStore& cvars;
    Interpreter& interpreter;
};

} // namespace fennick
