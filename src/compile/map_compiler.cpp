#include "compile/map_compiler.h"

#include "compile/compile_batch.h"
#include "core/console_log.h"
#include "platform/batch_script.h"
#include "platform/file_system.h"
#include "platform/process_launcher.h"
#include "platform/text_file.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

QString MapCompiler::logPath() const {
    return platform::joinPath(programFolder_, QStringLiteral("FK_Compile.log"));
}

std::optional<MapCompiler::Stamp> MapCompiler::stampOf(const QString& path) {
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found)
        return std::nullopt;
    const QFileInfo info(*found);
    return Stamp{info.lastModified(), info.size()};
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
    bspFile_ = paths.bspFile;
    bspBefore_ = stampOf(bspFile_);
    failure_.clear();
    logTail_.clear();
    const platform::ProcessLauncher::Result started =
        processes_.startBatch(batchPath(), terminal, logPath());
    if (!started.started)
        return started.error;
    timer_.start();
    return std::nullopt;
}

void MapCompiler::look() {
    if (!platform::fileExists(markerPath()))
        return;
    timer_.stop();
    const std::optional<Stamp> now = stampOf(bspFile_);
    if (now && now != bspBefore_) {
        Q_EMIT finished(CompileEnd::Completed);
        return;
    }
    reportFailure();
    Q_EMIT finished(CompileEnd::Failed);
}

void MapCompiler::reportFailure() {
    failure_ = QStringLiteral("no new %1 was written").arg(platform::fileNameOf(bspFile_));
    const QStringList lines = platform::readTextLines(logPath()).value_or(QStringList());
    logTail_ = lines.mid(std::max<qsizetype>(0, lines.size() - kTailLines));
    console_.ConsolePrint(
        QStringLiteral("The compile failed: ") + failure_ +
        QStringLiteral(". The tools' output is in ") + logPath() +
        (logTail_.isEmpty() ? QStringLiteral(" (empty).") : QStringLiteral("; it ends:")));
    for (const QString& line : logTail_)
        console_.ConsolePrint(QStringLiteral("  ") + line);
}

void MapCompiler::cancel() {
    if (!isWaiting())
        return;
    timer_.stop();
    Q_EMIT finished(CompileEnd::Cancelled);
}

CompileEnd MapCompiler::waitForEnd() {
    if (!isWaiting())
        return CompileEnd::Cancelled;
    QEventLoop loop;
    CompileEnd end = CompileEnd::Cancelled;
    connect(this, &MapCompiler::finished, &loop, [&](CompileEnd how) {
        end = how;
        loop.quit();
    });
    loop.exec();
    return end;
}

} // namespace fennick
