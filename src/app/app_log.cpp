#include "app/app_log.h"

#include "app/program.h"
#include "platform/text_file.h"

#include <QLocale>

namespace fennick {

QString logEntryHeader(const QDateTime& when) {
    const QLocale locale = QLocale::system();
    return QStringLiteral("--- ") + locale.toString(when.date(), QLocale::ShortFormat) +
           QStringLiteral(" --- ") + locale.toString(when.time(), QLocale::ShortFormat) +
           QStringLiteral(" - --\"");
}

bool AppendLog(Program& program, const QString& message) {
    const QString path = program.programPath(QStringLiteral("fenkit.log"));
    QString error;
    const bool written =
        platform::appendTextLines(path, {logEntryHeader(program.clock.now()), message}, &error);
    if (!written)
        program.console.ConsolePrint(
            QStringLiteral("Could not write to fenkit.log (%1)").arg(error));
    program.console.ConsolePrint(message);
    return written;
}

} // namespace fennick
