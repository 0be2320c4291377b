#include "platform/file_system.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fennick::platform {

namespace {

bool isSeparator(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

QStringList sortedIgnoringCase(QStringList names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b) < 0;
    });
    return names;
}

// Finds `name` inside `folder`, exact spelling first, then ignoring case.
std::optional<QString> findEntry(const QString& folder, const QString& name) {
    auto inFolder = [&folder](const QString& entry) {
        if (folder.isEmpty())
            return entry;
        return folder.endsWith(QLatin1Char('/')) ? folder + entry
                                                 : folder + QLatin1Char('/') + entry;
    };
    const QString exact = inFolder(name);
    if (QFileInfo::exists(exact))
        return exact;
    // The first match in the sorted listing: the matches are equal ignoring
    // case, so the sort orders them by their exact spelling. The listing
    // itself need not be sorted for that, and only the names are read.
    QDirIterator entries(folder.isEmpty() ? QStringLiteral(".") : folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    std::optional<QString> first;
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        if (entry.compare(name, Qt::CaseInsensitive) == 0 &&
            (!first || QString::compare(entry, *first) < 0))
            first = entry;
    }
    if (!first)
        return std::nullopt;
    return inFolder(*first);
}

QRegularExpression wildcardsToRegex(const QString& patterns) {
    QStringList parts;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty())
            parts.append(QRegularExpression::wildcardToRegularExpression(
                trimmed, QRegularExpression::UnanchoredWildcardConversion));
    }
    if (parts.isEmpty())
        return QRegularExpression(QStringLiteral("^$"));
    return QRegularExpression(QStringLiteral("^(?:") + parts.join(QLatin1Char('|')) +
                                  QStringLiteral(")$"),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

QString nativePath(const QString& path) {
    QString out = path;
    for (QChar& c : out) {
        if (isSeparator(c))
            c = QDir::separator();
    }
    return out;
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return nativePath(name);
    QString base = nativePath(folder);
    if (!base.endsWith(QDir::separator()))
        base += QDir::separator();
    QString rest = nativePath(name);
    while (rest.startsWith(QDir::separator()))
        rest.remove(0, 1);
    return base + rest;
}

std::optional<QString> resolvePath(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    QStringList parts;
    QString current;
    for (QChar c : path) {
        if (isSeparator(c)) {
            parts.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    parts.append(current);

    QString resolved;
    qsizetype i = 0;
    if (parts.first().isEmpty()) {
        resolved = QStringLiteral("/");
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            resolved = resolved.isEmpty() ? QStringLiteral("..") : resolved + QStringLiteral("/..");
            continue;
        }
        std::optional<QString> entry = findEntry(resolved, part);
        if (!entry)
            return std::nullopt;
        resolved = *entry;
    }
    if (resolved.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(resolved);
}

bool fileExists(const QString& path) {
    const std::optional<QString> found = resolvePath(path);
    return found && QFileInfo(*found).isFile();
}

bool folderExists(const QString& path) {
    const std::optional<QString> found = resolvePath(path);
    return found && QFileInfo(*found).isDir();
}

bool isPlainFile(const QString& path, QString* why) {
    std::error_code failure;
    const auto status =
        std::filesystem::status(std::filesystem::path(path.toStdU16String()), failure);
    if (std::filesystem::is_regular_file(status))
        return true;
    if (why)
        *why = std::filesystem::exists(status) ? QStringLiteral("not a plain file")
                                               : QStringLiteral("no such file");
    return false;
}

QStringList listFiles(const QString& folder, const QString& patterns) {
    const std::optional<QString> found = resolvePath(folder);
    if (!found)
        return {};
    const QRegularExpression match = wildcardsToRegex(patterns);
    QStringList names;
    const QStringList entries = QDir(*found).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (match.match(entry).hasMatch())
            names.append(entry);
    }
    return sortedIgnoringCase(names);
}

QStringList listFolders(const QString& folder) {
    const std::optional<QString> found = resolvePath(folder);
    if (!found)
        return {};
    return sortedIgnoringCase(QDir(*found).entryList(QDir::Dirs | QDir::NoDotAndDotDot));
}

bool makeFolder(const QString& path, QString* error) {
    const QString native = nativePath(path);
    if (QDir().mkpath(native) && QFileInfo(native).isDir())
        return true;
    if (error)
        *error = QStringLiteral("cannot create folder %1").arg(native);
    return false;
}

QString fileNameOf(const QString& path) {
    qsizetype i = path.size();
    while (i > 0 && !isSeparator(path[i - 1]))
        --i;
    return path.mid(i);
}

QString parentFolderOf(const QString& path) {
    qsizetype i = path.size();
    while (i > 0 && !isSeparator(path[i - 1]))
        --i;
    // The separator goes too, unless it is the root folder itself.
    return i > 1 ? path.left(i - 1) : path.left(i);
}

} // namespace fennick::platform
