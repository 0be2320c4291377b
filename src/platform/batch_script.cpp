#include "platform/batch_script.h"

#include "platform/file_system.h"
#include "platform/system_lookup.h"

namespace fennick::platform {

namespace {

// Reads the batch file, drops every carriage return and runs the rest as
// one script. The file comes as "$1" and the log as "$2", so their paths
// need no quoting here; "eval" keeps the tools' standard input on the
// terminal, where a script piped into a shell would share it with them.
const char kStripAndRun[] = "eval \"$(tr -d '\\r' < \"$1\")\"";
// Without a window the output goes straight into the log, complete by the
// time the batch's last line writes its marker.
const char kIntoLog[] = "exec >\"$2\" 2>&1; ";
// In a window it is shown there and copied into the log.
const char kShownAndLogged[] = " 2>&1 | tee \"$2\"";

bool breaksTheLine(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0);
}

} // namespace

std::optional<QString> batchQuoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (breaksTheLine(c))
            return std::nullopt;
#ifdef Q_OS_WIN
        if (c == QLatin1Char('"'))
            return std::nullopt;
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
#else
        if (c == QLatin1Char('$') || c == QLatin1Char('`') || c == QLatin1Char('\\') ||
            c == QLatin1Char('"'))
            quoted += QLatin1Char('\\');
#endif
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

BatchCommand batchCommand(const QString& batchPath, const QString& terminal,
                          const QString& logPath) {
#ifdef Q_OS_WIN
    (void)terminal;
    // "/s" makes the interpreter drop only the outer pair of quotes.
    return {QStringLiteral("cmd.exe"),
            {},
            QStringLiteral("/s /c \"\"%1\" > \"%2\" 2>&1\"")
                .arg(nativePath(batchPath), nativePath(logPath))};
#else
    const QString script = QLatin1String(kStripAndRun);
    const QString name = QStringLiteral("fennick-batch");
    if (terminal.isEmpty())
        return {QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QLatin1String(kIntoLog) + script, name, batchPath, logPath},
                {}};
    return {terminal,
            {QStringLiteral("-e"), QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             script + QLatin1String(kShownAndLogged), name, batchPath, logPath},
            {}};
#endif
}

QString findTerminal(const SystemLookup& system) {
#ifdef Q_OS_WIN
    (void)system;
    return {};
#else
    for (const char* name : {"x-terminal-emulator", "xterm"}) {
        const QString found = system.findOnPath(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
#endif
}

} // namespace fennick::platform
