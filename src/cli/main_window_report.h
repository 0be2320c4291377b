#pragma once

#include <QJsonObject>
#include <QString>

namespace fennick {
class Program;
}

namespace fennick::cli {

// The main window's button area as `run --json` shows it: how many button
// lines were loaded, the selector's groups, the chosen group, the four
// buttons and the overflow list.
QJsonObject buttonsReport(const Program& program);

// The fast-info panel as it is drawn: the heading texts in order and the
// lines under them.
QJsonObject fastInfoReport(const Program& program);

// Draws the fast-info panel at its window size, through the window's own
// painter, into a PNG file. False when the file cannot be written.
bool writeFastInfoPicture(Program& program, const QString& path);

} // namespace fennick::cli
