#pragma once

#include "compile/compile_options.h"
#include "compile/compile_paths.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace fennick {

class ConsoleLog;
namespace platform {
class ProcessLauncher;
class SystemLookup;
} // namespace platform

// "Compile!" and the wait behind it: writes "FK_Compile.bat" into the
// program folder, starts it and watches for the completion marker
// "completed.tmp" that its last line writes. The batch is a process of its
// own; the marker is all that ties it to the program. The wait is a timer
// that looks for the marker, so it costs nothing while the tools work;
// cancelling ends the wait and leaves the batch running.
class MapCompiler : public QObject {
    Q_OBJECT
public:
    // How often the wait looks for the marker.
    static constexpr int kPollMilliseconds = 100;

    MapCompiler(QString programFolder, const platform::ProcessLauncher& processes,
                const platform::SystemLookup& system, ConsoleLog& console,
                QObject* parent = nullptr);

    QString batchPath() const;
    QString markerPath() const;

    // Whether the batch runs in a terminal window when the desktop offers
    // one (the desktop program); otherwise it runs without a window and its
    // output goes to the program's standard error.
    void setShowWindow(bool show) { showWindow_ = show; }

    // Deletes a marker left by an earlier compile, writes the batch for the
    // paths and options, starts it and begins the wait. Notes about what
    // the batch leaves out go to the console. On failure nothing runs and
    // the text says why.
    std::optional<QString> start(const CompilePaths& paths, const CompileOptions& options);

    bool isWaiting() const { return timer_.isActive(); }
    // Ends the wait (finished(false)); the batch itself goes on.
    void cancel();

    // Waits in an event loop of its own until the wait ends, for callers
    // without a window. True when the batch completed.
    bool waitForEnd();

Q_SIGNALS:
    // The wait ended: completed when the marker appeared, else cancelled.
    void finished(bool completed);

private:
    std::optional<QString> removeOldMarker() const;
    void look();

    const QString programFolder_;
    const platform::ProcessLauncher& processes_;
    const platform::SystemLookup& system_;
    ConsoleLog& console_;
    bool showWindow_ = false;
    QTimer timer_;
};

} // namespace fennick
