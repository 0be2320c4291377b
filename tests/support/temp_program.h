#pragma once

#include "app/program.h"
#include "core/headless_ui.h"
#include "platform/clock.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace fennick::test {

// A Program as the tests build it: the given folder, clock and user
// interface, and a fixed random seed; the machine's look-ups are the real
// ones unless a stand-in is given.
std::unique_ptr<Program> makeTestProgram(const QString& folder, platform::Clock& clock, UiHost& ui,
                                         platform::SystemLookup* system = nullptr);

// A fresh Program over a temporary program folder, with a manual clock,
// a headless user interface and a fixed random seed.
class TempProgram {
public:
    TempProgram();

    // Writes a file below the program folder ("config/q3_general.cfg"),
    // creating folders; lines end in CR LF unless raw bytes are given.
    QString writeFile(const QString& relative, const QStringList& lines);
    QString writeBytes(const QString& relative, const QByteArray& bytes);
    QByteArray readBytes(const QString& relative) const;
    QString path(const QString& relative) const;

    // Builds the Program (after the files it loads at start are written).
    Program& program();
    // Console lines printed since the last call.
    QStringList takeConsole();

    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    HeadlessUi ui;
    // The machine's look-ups the Program gets; set before program().
    platform::SystemLookup* system = nullptr;

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
    qsizetype consoleRead_ = 0;
};

} // namespace fennick::test
