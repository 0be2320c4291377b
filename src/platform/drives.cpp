#include "platform/drives.h"

#include "platform/file_system.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace fennick::platform {

#ifdef Q_OS_WIN

QStringList fixedDrives() {
    // The system fills the buffer with "C:\<NUL>D:\<NUL>...<NUL>"; a drive
    // letter is the character before each colon.
    wchar_t buffer[256] = {};
    const DWORD filled = GetLogicalDriveStringsW(255, buffer);
    const qsizetype length = filled > 255 ? 0 : static_cast<qsizetype>(filled);
    QStringList drives;
    for (qsizetype i = 1; i < length; ++i) {
        if (buffer[i] != L':')
            continue;
        const QString root = QString(QChar(buffer[i - 1])) + QStringLiteral(":\\");
        if (GetDriveTypeW(root.toStdWString().c_str()) == DRIVE_FIXED)
            drives.append(root);
    }
    return drives;
}

QString defaultGameRoot(const QStringList& drives) {
    (void)drives;
    return QStringLiteral("c:\\");
}

#else

QStringList fixedDrives() {
    return {QDir::homePath(), QStringLiteral("/")};
}

QString defaultGameRoot(const QStringList& drives) {
    return drives.isEmpty() ? QDir::homePath() : drives.first();
}

#endif

QString folderOnDrive(const QString& drive, const QString& relative) {
    const QString joined = joinPath(drive, relative);
    return resolvePath(joined).value_or(joined);
}

} // namespace fennick::platform
