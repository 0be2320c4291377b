#pragma once

#include "platform/system_lookup.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace fennick::test {

// Sets an environment variable for the life of the object and puts back
// what was there before (or removes it).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QString& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

// A stand-in for a game engine: a shell script at `path` that records its
// working folder and then its arguments, one per line, into `record`.
// Never a real engine: nothing else runs.
void writeFakeEngine(const QString& path, const QString& record);

// The lines a fake engine recorded, once it has (waiting up to ten
// seconds); empty when it never ran.
QStringList recordedRun(const QString& record);

// The machine as the tests want it: the home folder and system game roots
// are temporary folders, and chosen folders count as system-wide (never
// written into). PATH is the real look-up, so tests set PATH themselves.
class FakeSystemLookup : public platform::SystemLookup {
public:
    QString home;
    QStringList roots;
    QStringList systemWide;
    QString architecture = QStringLiteral("x86_64");

    QString homeFolder() const override { return home; }
    QString machineArchitecture() const override { return architecture; }
    QStringList systemGameRoots() const override { return roots; }
    bool canWriteInto(const QString& folder) const override;
};

} // namespace fennick::test
