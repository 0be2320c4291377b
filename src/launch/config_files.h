#pragma once

#include <QSet>
#include <QString>

namespace fennick {

class Program;

// The settings files of the "config" folder: configurations (".fkc"),
// general files ("_general.cfg") and player profiles (".fkp"), all of them
// command scripts run through the interpreter.
class ConfigFiles {
public:
    explicit ConfigFiles(Program& program);

    // Executes a settings file line by line, echo off; the ten header lines
    // of a ".fkc" file are skipped. A missing file does nothing at all.
    void LoadConfigFile(const QString& path);

private:
    Program& program_;
    // Files being executed right now: a profile that names itself (or two
    // that name each other) is not run again while it runs.
    QSet<QString> running_;
};

} // namespace fennick
