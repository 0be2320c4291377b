#pragma once

#include "compile/compile_options.h"
#include "compile/compile_paths.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <optional>

namespace fennick {

class ConsoleLog;
namespace platform {
class ProcessLauncher;
class SystemLookup;
} // namespace platform

// How the wait for a compile ended.
enum class CompileEnd {
    Completed, // the batch ran to its end and the map's .bsp is new
    Failed,    // the batch ran to its end without writing a new .bsp
    Cancelled, // the wait was ended; the batch may still be running
};

// "Compile!" and the wait behind it: writes "FK_Compile.bat" into the
// program folder, starts it and watches for the completion marker
// "completed.tmp" that its last line writes. The batch is a process of its
// own; the marker is all that ties it to the program. The wait is a timer
// that looks for the marker, so it costs nothing while the tools work;
// cancelling ends the wait and leaves the batch running. The tools' output
// goes to "FK_Compile.log" beside the batch. A compile succeeded when the
// map's .bsp was written during it: a tool that failed, or a batch that
// wrote nothing, leaves the old file (or none) behind.
class MapCompiler : public QObject {
    Q_OBJECT
public:
    // How often the wait looks for the marker.
    static constexpr int kPollMilliseconds = 100;
    // How many of the log's last lines a failure shows.
    static constexpr int kTailLines = 12;

    MapCompiler(QString programFolder, const platform::ProcessLauncher& processes,
                const platform::SystemLookup& system, ConsoleLog& console,
                QObject* parent = nullptr);

    QString batchPath() const;
    QString markerPath() const;
    QString logPath() const;

    // Whether the batch runs in a terminal window when the desktop offers
    // one (the desktop program); otherwise it runs without a window.
    void setShowWindow(bool show) { showWindow_ = show; }

    // Deletes a marker left by an earlier compile, writes the batch for the
    // paths and options, starts it and begins the wait. Notes about what
    // the batch leaves out go to the console. On failure nothing runs and
    // the text says why.
    std::optional<QString> start(const CompilePaths& paths, const CompileOptions& options);

    bool isWaiting() const { return timer_.isActive(); }
    // Ends the wait (finished(Cancelled)); the batch itself goes on.
    void cancel();

    // Waits in an event loop of its own until the wait ends, for callers
    // without a window.
    CompileEnd waitForEnd();

    // After a failed compile: why, and the last lines of the tools' output.
    const QString& failure() const { return failure_; }
    const QStringList& logTail() const { return logTail_; }

Q_SIGNALS:
    // The wait ended. A failure has been reported on the console.
    void finished(fennick::CompileEnd end);

private:
    // When and how big a file was; nothing when it did not exist.
    struct Stamp {
        QDateTime modified;
        qint64 size = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> stampOf(const QString& path);

    std::optional<QString> removeOldMarker() const;
    void look();
    void reportFailure();

    const QString programFolder_;
    const platform::ProcessLauncher& processes_;
    const platform::SystemLookup& system_;
    ConsoleLog& console_;
    bool showWindow_ = false;
    QTimer timer_;
    QString bspFile_;
    std::optional<Stamp> bspBefore_;
    QString failure_;
    QStringList logTail_;
};

} // namespace fennick
