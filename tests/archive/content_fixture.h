#pragma once

#include "app/program.h"
#include "core/game_facts.h"
#include "support/temp_program.h"
#include "support/zip_writer.h"

#include <QDir>
#include <gtest/gtest.h>

namespace fennick::test {

// A program folder with a Quake III installation in "q3": its executable, a
// base folder spelled "BaseQ3" on disk, Quake III current with no mod.
class ContentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        temp.writeBytes(QStringLiteral("q3/quake3.exe"), {});
        QDir().mkpath(temp.path(QStringLiteral("q3/BaseQ3")));
        program().settings.setQuake3Dir(temp.path(QStringLiteral("q3")));
        choose(kQuake3, kQuake3);
    }
    Program& program() { return temp.program(); }
    void choose(const QString& game, const QString& modKey) {
        program().game.currentGame = game;
        program().game.gameDirectory = temp.path(QStringLiteral("q3"));
        program().game.currentModKey = modKey;
    }
    // Writes an archive below the Quake III directory ("BaseQ3/pak0.pk3").
    QString pk3(const QString& relative, const QVector<ZipEntry>& entries) {
        return writeZip(temp.path(QStringLiteral("q3/") + relative), entries);
    }
    static ZipEntry script(const QByteArray& name, const QStringList& lines) {
        return member(name, lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    }

    TempProgram temp;
};

} // namespace fennick::test
