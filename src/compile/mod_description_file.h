#pragma once

#include <QString>

namespace fennick {

class ConsoleLog;
struct GameState;
class ProgramSettings;

// The start button's other Quake III step: with the setup's
// "Autocreate description.txt (Quake 3)" on, the description field of the
// main window goes into the mod folder's "description.txt" as its only
// line, when it differs from the folder name (ignoring case). Nothing is
// written when the folder does not exist (the plain game has none) or the
// description is blank; a failed write is reported on the console.
void writeModDescription(const GameState& game, const ProgramSettings& settings,
                         ConsoleLog& console, const QString& description);

} // namespace fennick
