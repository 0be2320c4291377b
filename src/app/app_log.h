#pragma once

#include <QDateTime>
#include <QString>

namespace fennick {

class Program;

// The first line of a log entry: "--- ", the date in the system's short
// format, " --- ", the time in the system's short format, " - --\"".
QString logEntryHeader(const QDateTime& when);

// Appends one entry (header line, then the message) to "fenkit.log" in the
// program folder, then prints the message to the console. When the log
// cannot be written the console says so and the work goes on; the result
// tells whether the entry reached the file.
bool AppendLog(Program& program, const QString& message);

} // namespace fennick
