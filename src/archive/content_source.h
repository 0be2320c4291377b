#pragma once

#include "archive/zip_extraction.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace fennick {

class ConsoleLog;
class ProgramSettings;
class UiHost;
struct GameState;
namespace platform {
class Clock;
}

// What the bot, title and level-shot readers need from the program: the
// game folders, the "temp" folder that extracted files go to, the console
// for their reports, the clock and the yield between archives.
class ContentSource {
public:
    ContentSource(const ProgramSettings& settings, const GameState& game, ConsoleLog& console,
                  UiHost& ui, platform::Clock& clock, QString tempFolder);

    // The Quake III directory of the setup; empty when none is configured.
    QString quake3Directory() const;
    QString baseFolder() const;
    bool quake3IsCurrent() const;
    const GameState& game() const { return game_; }
    // The chosen mod's folder name; empty for the plain game.
    QString modKey() const;
    // The chosen mod's folder inside the game directory, or the game
    // directory itself for the plain game.
    QString currentModFolder() const;

    // A file of the "temp" folder by name, and whether it exists (ignoring case).
    QString tempFile(const QString& name) const;
    bool tempFileExists(const QString& name) const;
    void removeTempFile(const QString& name) const;

    // Extracts the members matching `pattern` into "temp". Skipped members
    // and archives that cannot be read are reported on the console, each
    // once, however often they are asked for.
    void extract(const QString& archive, const QString& pattern);
    // Lets the user interface breathe between two archives.
    void yieldOnce();
    // Prints a problem with an archive on the console, the first time only:
    // the readers ask the same archives again and again.
    void reportOnce(const QString& line);

    ConsoleLog& console;
    platform::Clock& clock;
    ExtractLimits limits;

private:
    const ProgramSettings& settings_;
    const GameState& game_;
    UiHost& ui_;
    QString tempFolder_;
    QSet<QString> reported_;
};

} // namespace fennick
