#pragma once

#include "app/program.h"
#include "core/game_facts.h"
#include "maps/map_browser.h"
#include "support/temp_program.h"
#include "support/zip_writer.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace fennick::test {

// A user interface whose yield runs what the test asks, as clicks arriving
// while a scan runs would.
class HookUi : public UiHost {
public:
    void yieldOnce() override {
        ++yields;
        if (onYield)
            onYield();
    }
    std::function<void()> onYield;
    int yields = 0;
};

// A program folder with a Quake III installation in "q3" (base folder
// spelled "BaseQ3" on disk), Quake III current without a mod, and the map
// browser's model.
class MapsFixture : public ::testing::Test {
protected:
    MapsFixture() {
        write("q3/quake3.exe", {});
        QDir().mkpath(path("q3/BaseQ3"));
        program->settings.setQuake3Dir(path("q3"));
        choose(kQuake3, kQuake3);
    }
    void choose(const QString& game, const QString& modKey) {
        program->game.currentGame = game;
        program->game.gameDirectory = path("q3");
        program->game.currentModKey = modKey;
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QString write(const QString& relative, const QByteArray& bytes) {
        const QString full = path(relative);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile file(full);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return full;
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString pk3(const QString& relative, const QVector<ZipEntry>& entries) {
        return writeZip(path(QStringLiteral("q3/") + relative), entries);
    }
    static ZipEntry arenas(const QStringList& maps) {
        QByteArray text;
        for (const QString& map : maps)
            text += "{\r\nmap \"" + map.toUtf8() + "\"\r\nlongname \"Title of " + map.toUtf8() +
                    "\"\r\n}\r\n";
        return member("scripts/arenas.txt", text);
    }
    // The records of a group in list order, as "name pak fullname".
    QStringList group(const QString& path) const {
        QStringList records;
        for (int slot = 1; slot <= browser.list().count(); ++slot)
            if (browser.list().at(slot).group == path) {
                const MapRecord& r = browser.list().at(slot);
                records.append(r.name + QLatin1Char(' ') + r.pak + QLatin1Char(' ') + r.fullname);
            }
        return records;
    }
    QStringList console() {
        QStringList lines = program->console.lines().mid(consoleRead_);
        consoleRead_ = program->console.lines().size();
        return lines;
    }

    QTemporaryDir dir;
    platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    HookUi ui;
    std::unique_ptr<Program> program = makeTestProgram(dir.path(), clock, ui);
    MapBrowser browser{program->browserServices()};

private:
    qsizetype consoleRead_ = 0;
};

} // namespace fennick::test
