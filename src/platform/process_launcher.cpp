#include "platform/process_launcher.h"

#include "platform/batch_script.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <QProcess>

namespace fennick::platform {

std::optional<QString> ProcessLauncher::whyNotStartable(const QString& executable) {
    if (executable.isEmpty())
        return QStringLiteral("no game executable is set");
    const std::optional<QString> found = resolvePath(executable);
    if (!found)
        return executable + QStringLiteral(" does not exist");
    const QFileInfo info(*found);
    if (!info.isFile())
        return *found + QStringLiteral(" is not a file");
    if (!info.isExecutable())
        return *found + QStringLiteral(" is not an executable file");
    return std::nullopt;
}

ProcessLauncher::Result ProcessLauncher::startDetached(const QString& executable,
                                                       const QStringList& arguments,
                                                       const QString& workingDirectory) const {
    if (std::optional<QString> why = whyNotStartable(executable))
        return {false, *why};
    const QString program = resolvePath(executable).value_or(executable);
    QString folder;
    if (!workingDirectory.isEmpty()) {
        const std::optional<QString> dir = resolvePath(workingDirectory);
        if (!dir || !QFileInfo(*dir).isDir())
            return {false, QStringLiteral("the folder ") + workingDirectory +
                               QStringLiteral(" does not exist")};
        folder = *dir;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(folder);
    if (!process.startDetached())
        return {false, program + QStringLiteral(" could not be started: ") + process.errorString()};
    return {true, {}};
}

ProcessLauncher::Result ProcessLauncher::startBatch(const QString& batchPath,
                                                    const QString& terminal,
                                                    const QString& logPath) const {
    const BatchCommand command = batchCommand(batchPath, terminal, logPath);
    const QString folder = parentFolderOf(batchPath);
#ifdef Q_OS_WIN
    // The interpreter is found by the system, not by a file test here.
    QProcess process;
    process.setProgram(command.program);
    process.setNativeArguments(command.nativeArguments);
    process.setWorkingDirectory(folder);
    if (!process.startDetached())
        return {false, command.program + QStringLiteral(" could not be started: ") +
                           process.errorString()};
    return {true, {}};
#else
    return startDetached(command.program, command.arguments, folder);
#endif
}

} // namespace fennick::platform
