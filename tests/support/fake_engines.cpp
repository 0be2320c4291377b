#include "support/fake_engines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace fennick::test {

ScopedEnvironment::ScopedEnvironment(const char* name, const QString& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name))
        previous_ = qgetenv(name);
    qputenv(name, value.toUtf8());
}

ScopedEnvironment::~ScopedEnvironment() {
    if (previous_)
        qputenv(name_, *previous_);
    else
        qunsetenv(name_);
}

void writeFakeEngine(const QString& path, const QString& record) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QByteArray out = record.toUtf8();
    file.write("#!/bin/sh\n"
               "out='" +
               out +
               "'\n"
               "pwd > \"$out.part\"\n"
               "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\n"
               "command -p mv \"$out.part\" \"$out\"\n");
    file.close();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

QStringList recordedRun(const QString& record) {
    if (!QTest::qWaitFor([&] { return QFile::exists(record); }, 10000))
        return {};
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool FakeSystemLookup::canWriteInto(const QString& folder) const {
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    for (const QString& root : systemWide) {
        if (path == root || path.startsWith(root + QLatin1Char('/')))
            return false;
    }
    return platform::SystemLookup::canWriteInto(folder);
}

} // namespace fennick::test
