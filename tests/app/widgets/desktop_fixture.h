#pragma once

#include "app/program.h"
#include "app/widgets/desktop_ui.h"
#include "platform/clock.h"
#include "support/temp_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace fennick::test {

// A Program over a temporary folder that talks to real windows through the
// desktop host, with a clock that stands still until a test moves it.
class DesktopFixture {
public:
    DesktopFixture() { program = makeTestProgram(folder.path(), clock, ui); }

    // An empty file below the temporary folder, creating its folders.
    QString touch(const QString& relative) {
        const QString full = folder.filePath(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        (void)file.open(QIODevice::WriteOnly);
        return full;
    }

    QString path(const QString& relative) const { return folder.filePath(relative); }

    QTemporaryDir folder;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    DesktopUi ui;
    std::unique_ptr<Program> program;
};

} // namespace fennick::test
