#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fennick::platform {

class SystemLookup;

// The program's own batch files ("FK_Compile.bat"): lines ended by CR LF,
// each a command that runs a tool on double-quoted paths. On Windows the
// command interpreter runs the file. Elsewhere its lines are shell
// commands once the carriage returns are dropped, so /bin/sh runs the text
// without them; a plain "sh FK_Compile.bat" would hand every tool an
// argument ending in a carriage return.

// A program and its arguments, kept apart. On Windows the command line is
// given whole (the interpreter parses it itself).
struct BatchCommand {
    QString program;
    QStringList arguments;
    QString nativeArguments;
};

// The text in double quotes, as a batch line of this system takes it: the
// shell's "$", "`", "\" and '"' get a backslash before them, the Windows
// interpreter's "%" is doubled. Nothing for a text that no quoting carries
// on one line: line breaks and NUL everywhere, a double quote on Windows
// (where no file name holds one).
std::optional<QString> batchQuoted(const QString& text);

// How the batch file is run: by the command interpreter on Windows;
// elsewhere by /bin/sh reading the file with its carriage returns dropped,
// inside the terminal program when one is given (its "-e" takes a program
// and its arguments), else without a window. The tools' output goes to the
// log file, and in a terminal window also to the window.
BatchCommand batchCommand(const QString& batchPath, const QString& terminal,
                          const QString& logPath);

// The terminal program the desktop offers for a batch window: the first of
// "x-terminal-emulator" (the desktop's choice on Debian) and "xterm" found
// on PATH; empty when there is none, and always on Windows, whose
// interpreter opens a console window of its own.
QString findTerminal(const SystemLookup& system);

} // namespace fennick::platform
