#pragma once

#include <QTextStream>

namespace fennick {
class Program;
}

namespace fennick::cli {

struct RunOptions;

// Before the -e lines: chooses the mod (--mod, else the plain game or the mod
// already chosen) and loads the general file with the mod's first
// configuration, or the one --config names. Nothing happens unless --mod,
// --config, --write or --launch asks for it, so a bare run keeps an empty
// store. False, with a message on `errors`, when no game is chosen.
bool loadModAndConfiguration(Program& program, const RunOptions& options, QTextStream& errors);

// After the lines: writes (--write) or launches (--launch), then prints the
// command line and script lines (--preview) as they were written. Returns
// the exit status: 1 when writing or starting failed.
int finishLaunch(Program& program, const RunOptions& options, QTextStream& output);

} // namespace fennick::cli
