#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

class Program;

// "config.cfg" in the program folder: the program settings in nine lines,
// texts in double quotes and whole numbers bare:
//   "Quake dir",0 / "Quake II dir",0 / "Quake III dir",0 / "usage count" /
//   "server count" / "refresh seconds" / "OpenGL mode" / 0|1,"q3map path" /
//   0|1
// The usage count and the two server-browser numbers are written as texts,
// since they are kept as texts (a cvar and two edit fields).

// Reads "config.cfg" into the program settings; directory and q3map fields
// validate as they are assigned. With `countUse` the usage count read from
// the file goes up by one, is stored in `fenkit_timesused` and reported on
// the console; without it (the command-line tool) nothing is counted. A
// short or malformed file stops the reading quietly and keeps what was read.
// False when the file is missing or cannot be read; only the second is
// reported on the console.
bool LoadProgramSettings(Program& program, bool countUse);

// The nine lines of "config.cfg" for the current settings.
QStringList programSettingsLines(const Program& program);

// Replaces "config.cfg" with the current settings (all or nothing). False
// with the reason in `error` when the file could not be written.
bool SaveProgramSettings(const Program& program, QString* error = nullptr);

// Splits one line of "config.cfg" into its fields. A text in double quotes
// runs to the quote that ends the field (the one followed by a comma or the
// line end), so a folder name holding a quote or a comma survives.
QStringList settingsLineFields(const QString& line);

} // namespace fennick
