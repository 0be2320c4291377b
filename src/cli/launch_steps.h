#pragma once

#include <QTextStream>

namespace fennick {
class Program;
}

namespace fennick::cli {

struct RunOptions;

// Before the -e lines: chooses the mod (--mod: its folder, the game
// identifier or the text the mod list shows) through the main window's mod
// panel, which loads the general file and the mod's first configuration,
// then the configuration --config names. The game switch has already chosen
// the plain game; without --mod, --config, --write or --launch nothing more
// happens. False, with a message on `errors`, when no game is chosen or the
// mod is not in the game's list.
bool loadModAndConfiguration(Program& program, const RunOptions& options, QTextStream& errors);

// After the lines: writes (--write) or launches (--launch; a map chosen in
// its uncompiled form is compiled first as --compile says), then prints the
// command line and script lines (--preview) as they were written. Returns
// the exit status: 1 when writing or starting failed.
int finishLaunch(Program& program, const RunOptions& options, QTextStream& output);

} // namespace fennick::cli
