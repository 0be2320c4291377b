#include "platform/desktop_services.h"

#include "platform/text_file.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace fennick::platform {

namespace {

// The escapes of a desktop entry's string values ("\s" for a space, "\\"
// for a backslash, ...). Quoting inside the Exec line is a second level,
// undone when the line is split into arguments.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += QLatin1Char('\\') + QString(next);
            break;
        }
    }
    return out;
}

// Splits an Exec line at blanks; double quotes group, and inside them a
// backslash takes the next character literally.
QStringList splitExec(const QString& exec) {
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool inToken = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec[++i];
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            inQuotes = inToken = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inToken)
                args.append(current);
            current.clear();
            inToken = false;
        } else {
            current += c;
            inToken = true;
        }
    }
    if (inToken)
        args.append(current);
    return args;
}

bool isFileCode(QChar c) {
    return c == QLatin1Char('f') || c == QLatin1Char('F') || c == QLatin1Char('u') ||
           c == QLatin1Char('U');
}

// Fills in the field codes of one argument: the file codes become the
// path, "%%" a percent sign, and every other code (icon, name, location)
// is dropped.
QString expandArgument(const QString& arg, const QString& path, bool& usedFile) {
    QString out;
    for (qsizetype i = 0; i < arg.size(); ++i) {
        if (arg[i] != QLatin1Char('%') || i + 1 >= arg.size()) {
            out += arg[i];
            continue;
        }
        const QChar code = arg[++i];
        if (code == QLatin1Char('%')) {
            out += QLatin1Char('%');
        } else if (isFileCode(code)) {
            out += path;
            usedFile = true;
        }
    }
    return out;
}

} // namespace

DesktopEntry parseDesktopEntry(const QString& text) {
    DesktopEntry entry;
    bool inMainGroup = false;
    for (const QString& raw : splitLines(text)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Exec"))
            entry.exec = unescapeValue(value);
        else if (key == QLatin1String("Terminal"))
            entry.terminal = value == QLatin1String("true");
    }
    return entry;
}

std::optional<QStringList> expandDesktopExec(const QString& exec, const QString& path) {
    QStringList command;
    bool usedFile = false;
    for (const QString& arg : splitExec(exec)) {
        const QString expanded = expandArgument(arg, path, usedFile);
        // An argument that was nothing but a dropped code disappears.
        if (!expanded.isEmpty() || !arg.contains(QLatin1Char('%')))
            command.append(expanded);
    }
    if (command.isEmpty() || command.first().isEmpty())
        return std::nullopt;
    if (!usedFile)
        command.append(path);
    return command;
}

SystemDesktopServices::SystemDesktopServices(QObject* parent) : QObject(parent) {}

void SystemDesktopServices::openWithDefaultProgram(const QString& path) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)) && errorSink_)
        errorSink_(QStringLiteral("Could not open ") + path);
}

void SystemDesktopServices::openInTextEditor(const QString& path) {
#if defined(Q_OS_WIN)
    if (!QProcess::startDetached(QStringLiteral("notepad.exe"), {path}))
        openWithDefaultProgram(path);
#elif defined(Q_OS_MACOS)
    if (!QProcess::startDetached(QStringLiteral("open"), {QStringLiteral("-t"), path}))
        openWithDefaultProgram(path);
#else
    askDefaultEditor(path);
#endif
}

// Asks the desktop which application handles plain text; the answer
// arrives later and starts that editor, or falls back to the default
// program of the file when there is no usable answer.
void SystemDesktopServices::askDefaultEditor(const QString& path) {
    auto* query = new QProcess(this);
    connect(query, &QProcess::finished, this,
            [this, query, path](int exitCode, QProcess::ExitStatus status) {
                QString id;
                if (status == QProcess::NormalExit && exitCode == 0)
                    id = QString::fromLocal8Bit(query->readAllStandardOutput())
                             .section(QLatin1Char('\n'), 0, 0)
                             .trimmed();
                query->deleteLater();
                startEditor(id, path);
            });
    connect(query, &QProcess::errorOccurred, this,
            [this, query, path](QProcess::ProcessError error) {
                // Only a failed start ends without a finished signal.
                if (error != QProcess::FailedToStart)
                    return;
                query->deleteLater();
                openWithDefaultProgram(path);
            });
    query->start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                              QStringLiteral("text/plain")});
}

void SystemDesktopServices::startEditor(const QString& desktopId, const QString& path) {
    const QString file =
        desktopId.isEmpty()
            ? QString()
            : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    const std::optional<QString> text = file.isEmpty() ? std::nullopt : readText(file);
    if (text) {
        // An editor that needs a terminal is of no use from a window.
        const DesktopEntry entry = parseDesktopEntry(*text);
        const std::optional<QStringList> command =
            entry.terminal ? std::nullopt : expandDesktopExec(entry.exec, path);
        if (command && QProcess::startDetached(command->first(), command->mid(1)))
            return;
    }
    openWithDefaultProgram(path);
}

} // namespace fennick::platform
