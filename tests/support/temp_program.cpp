#include "support/temp_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fennick::test {

TempProgram::TempProgram() = default;

QString TempProgram::path(const QString& relative) const {
    return dir_.filePath(relative);
}

QString TempProgram::writeBytes(const QString& relative, const QByteArray& bytes) {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return full;
}

QString TempProgram::writeFile(const QString& relative, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return writeBytes(relative, bytes);
}

QByteArray TempProgram::readBytes(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::unique_ptr<Program> makeTestProgram(const QString& folder, platform::Clock& clock, UiHost& ui,
                                         platform::SystemLookup* system) {
    ProgramEnvironment environment;
    environment.programFolder = folder;
    environment.clock = &clock;
    environment.ui = &ui;
    environment.randomSeed = 1234;
    environment.system = system;
    return std::make_unique<Program>(environment);
}

Program& TempProgram::program() {
    if (!program_)
        program_ = makeTestProgram(dir_.path(), clock, ui, system);
    return *program_;
}

QStringList TempProgram::takeConsole() {
    const QStringList& all = program().console.lines();
    QStringList fresh = all.mid(consoleRead_);
    consoleRead_ = all.size();
    return fresh;
}

} // namespace fennick::test
