#include "compile/map_compiler.h"

#include "app/console_log.h"
#include "compile/compile_batch.h"
#include "platform/batch_script.h"
#include "platform/file_system.h"
#include "platform/process_launcher.h"
#include "platform/text_file.h"

#include <QEventLoop>
#include <QFile>

namespace fennick {

MapCompiler::MapCompiler(QString programFolder, const platform::ProcessLauncher& processes,
                         const platform::SystemLookup& system, ConsoleLog& console, QObject* parent)
    : QObject(parent), programFolder_(std::move(programFolder)), processes_(processes),
      system_(system), console_(console) {
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &MapCompiler::look);
}

QString MapCompiler::batchPath() const {
    return platform::joinPath(programFolder_, QStringLiteral("FK_Compile.bat"));
}

QString MapCompiler::markerPath() const {
    return platform::joinPath(programFolder_, QStringLiteral("completed.tmp"));
}

// A marker that stays would end the new wait at once, as if the new batch
// had already completed.
std::optional<QString> MapCompiler::removeOldMarker() const {
    const std::optional<QString> old = platform::resolvePath(markerPath());
    if (!old)
        return std::nullopt;
    QFile marker(*old);
    if (!marker.remove())
        return QStringLiteral("the old completion marker %1 cannot be deleted: %2")
            .arg(*old, marker.errorString());
    return std::nullopt;
}

std::optional<QString> MapCompiler::start(const CompilePaths& paths,
                                          const CompileOptions& options) {
    if (isWaiting())
        return QStringLiteral("a compile is already running");
    const CompileBatch batch = compileBatchLines(paths, options, markerPath());
    if (!batch.error.isEmpty())
        return batch.error;
    if (std::optional<QString> why = removeOldMarker())
        return why;
    QString error;
    if (!platform::writeTextLines(batchPath(), batch.lines, &error))
        return QStringLiteral("%1 cannot be written: %2").arg(batchPath(), error);
    for (const QString& note : batch.notes)
        console_.ConsolePrint(note);
    const QString terminal = showWindow_ ? platform::findTerminal(system_) : QString();
    const platform::ProcessLauncher::Result started = processes_.startBatch(batchPath(), terminal);
    if (!started.started)
        return started.error;
    timer_.start();
    return std::nullopt;
}

void MapCompiler::look() {
    if (!platform::fileExists(markerPath()))
        return;
    timer_.stop();
    Q_EMIT finished(true);
}

void MapCompiler::cancel() {
    if (!isWaiting())
        return;
    timer_.stop();
    Q_EMIT finished(false);
}

bool MapCompiler::waitForEnd() {
    if (!isWaiting())
        return false;
    QEventLoop loop;
    bool completed = false;
    connect(this, &MapCompiler::finished, &loop, [&](bool done) {
        completed = done;
        loop.quit();
    });
    loop.exec();
    return completed;
}

} // namespace fennick
