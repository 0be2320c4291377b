#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fennick::platform {

// Starts programs that run on their own: the game, a compile batch. The
// executable and its arguments are kept apart all the way to the system, so
// folders and values with spaces need no quoting.
class ProcessLauncher {
public:
    struct Result {
        bool started = false;
        QString error; // why not, in words for the console
    };

    // Why the file cannot be started, or nothing when it exists and is an
    // executable file. The look-up ignores letter case, as every file test
    // of the program does.
    static std::optional<QString> whyNotStartable(const QString& executable);

    // Starts the executable in the working folder and returns at once; the
    // program neither waits for nor watches the new process.
    Result startDetached(const QString& executable, const QStringList& arguments,
                         const QString& workingDirectory) const;

    // Starts one of the program's own batch files in its folder, as
    // batchCommand() says (platform/batch_script.h): in the terminal
    // program when one is given, else without a window (on Windows always
    // in the interpreter's own console window), its output into the log.
    Result startBatch(const QString& batchPath, const QString& terminal,
                      const QString& logPath) const;
};

} // namespace fennick::platform
