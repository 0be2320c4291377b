#include "platform/runtime_folder.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fennick::platform {

namespace {

constexpr const char* kVariable = "XDG_RUNTIME_DIR";

#ifndef Q_OS_WIN
// The folder Qt itself falls back to: "runtime-" and the user's name in
// the temporary folder.
QString fallbackFolder() {
    const passwd* user = getpwuid(geteuid());
    const QString name =
        user && user->pw_name ? QString::fromLocal8Bit(user->pw_name) : QString::number(geteuid());
    return QDir::tempPath() + QStringLiteral("/runtime-") + name;
}

// The folder exists (made here when missing), is a real folder owned by
// the user, and only the user may enter it.
bool privateFolder(const QByteArray& path) {
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid())
        return false;
    return (info.st_mode & 0777) == 0700 || chmod(path.constData(), 0700) == 0;
}
#endif

} // namespace

bool provideRuntimeFolder() {
#ifdef Q_OS_WIN
    return false;
#else
    if (!qEnvironmentVariableIsEmpty(kVariable))
        return false;
    const QByteArray folder = QFile::encodeName(fallbackFolder());
    if (!privateFolder(folder))
        return false;
    return qputenv(kVariable, folder);
#endif
}

void forgetRuntimeFolder(bool provided) {
    if (provided)
        qunsetenv(kVariable);
}

} // namespace fennick::platform
