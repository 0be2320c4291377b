#pragma once

#include "compile/compile_request.h"
#include "compile/map_compiler.h"
#include "core/core_services.h"

#include <functional>

namespace fennick {

class CvarStore;

// The start button's Quake III step, before the launch writes anything: a
// map chosen in its uncompiled form ("map" or "devmap" ending in ".map",
// with fenkit_mapfile holding its folder) is offered for compiling. When it
// was compiled, or the player chose not to, the map cvar is set to the
// compiled map's name (without ".map", scope -1, kind "map"); a compile
// that failed or was cancelled stops the launch, with a console and status
// line. Then the mod's "description.txt" is written when the setup asks
// for it.
class MapCompileStep {
public:
    // Asks how to compile one map and does it: the compile dialog in the
    // desktop program, the command-line options in fennick-cli.
    using Chooser = std::function<CompileOutcome(const CompileRequest&, MapCompiler&)>;

    // `modDescription` gives the main window's description field, which
    // goes into the mod's "description.txt".
    MapCompileStep(const CoreServices& core, CvarStore& cvars,
                   std::function<QString()> modDescription);

    // False when the launch is to stop. Without a chooser a map is not
    // compiled, only renamed.
    bool run();

    Chooser chooser;
    MapCompiler compiler;

private:
    bool offerMap(const QString& cvar);
    void refuse(const QString& text);

    CoreServices core_;
    CvarStore& cvars_;
    std::function<QString()> modDescription_;
};

} // namespace fennick
