#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTest>

namespace fennick::test {

// Stand-ins for q3map and bspc (never the real tools): shell scripts that
// append one line per run to `record`, their name and then every argument
// in brackets, and wait while the file `hold` exists, so a test decides
// when a compile ends. q3map given a ".map" file writes its ".bsp", unless
// the file `fail` exists: then it prints an error and writes nothing.
class FakeTools {
public:
    explicit FakeTools(const QString& folder) : folder_(folder) {
        write(q3map(), QStringLiteral("q3map"));
        write(bspc(), QStringLiteral("bspc"));
    }

    QString q3map() const { return folder_ + QStringLiteral("/q3map.exe"); }
    QString bspc() const { return folder_ + QStringLiteral("/bspc.exe"); }
    QString record() const { return folder_ + QStringLiteral("/calls.txt"); }
    QString holdFile() const { return folder_ + QStringLiteral("/hold"); }
    QString failFile() const { return folder_ + QStringLiteral("/fail"); }

    void hold() const { QFile(holdFile()).open(QIODevice::WriteOnly); }
    void release() const { QFile::remove(holdFile()); }
    void fail(bool failing) const {
        if (failing)
            QFile(failFile()).open(QIODevice::WriteOnly);
        else
            QFile::remove(failFile());
    }

    // The calls so far, one line each.
    QStringList calls() const {
        QFile file(record());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Writes a program that runs the given shell lines.
    static void writeScript(const QString& path, const QByteArray& body) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        file.write("#!/bin/sh\n" + body);
        file.close();
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }

private:
    void write(const QString& path, const QString& name) const {
        writeScript(path, "line='" + name.toUtf8() +
                              "'\n"
                              "for a in \"$@\"; do line=\"$line [$a]\"; done\n"
                              "printf '%s\\n' \"$line\" >> '" +
                              record().toUtf8() +
                              "'\n"
                              "while [ -e '" +
                              holdFile().toUtf8() +
                              "' ]; do sleep 0.05; done\n"
                              "for a in \"$@\"; do last=$a; done\n"
                              "if [ -e '" +
                              failFile().toUtf8() + "' ]; then echo \"" + name.toUtf8() +
                              ": ERROR: cannot read $last\" >&2; exit 1; fi\n"
                              "case \"$last\" in *.map) mkdir -p \"${last%/*}\"; "
                              "echo written > \"${last%.map}.bsp\";; esac\n");
    }

    QString folder_;
};

} // namespace fennick::test
