#include "archive/content_source.h"

#include "archive/content_folders.h"
#include "core/console_log.h"
#include "core/game_facts.h"
#include "core/game_state.h"
#include "core/launch_rules.h"
#include "core/program_settings.h"
#include "core/ui_host.h"
#include "platform/file_system.h"

#include <QFile>

namespace fennick {

ContentSource::ContentSource(const ProgramSettings& settings, const GameState& game,
                             ConsoleLog& console, UiHost& ui, platform::Clock& clock,
                             QString tempFolder)
    : console(console), clock(clock), settings_(settings), game_(game), ui_(ui),
      tempFolder_(std::move(tempFolder)) {}

QString ContentSource::quake3Directory() const {
    return settings_.quake3Dir();
}

QString ContentSource::baseFolder() const {
    return quake3BaseFolder(settings_.quake3Dir());
}

bool ContentSource::quake3IsCurrent() const {
    return game_.currentGame == kQuake3;
}

// A key that could reach outside the game directory is no mod folder.
QString ContentSource::modKey() const {
    const QString& key = game_.currentModKey;
    return isPlainGameKey(key) || !isSafeNamePart(key) ? QString() : key;
}

QString ContentSource::currentModFolder() const {
    if (game_.gameDirectory.isEmpty())
        return {}; // no game folder: nothing to look in
    const QString key = modKey();
    return key.isEmpty() ? game_.gameDirectory : platform::joinPath(game_.gameDirectory, key);
}

QString ContentSource::tempFile(const QString& name) const {
    return platform::joinPath(tempFolder_, name);
}

bool ContentSource::tempFileExists(const QString& name) const {
    return platform::fileExists(tempFile(name));
}

void ContentSource::removeTempFile(const QString& name) const {
    if (const std::optional<QString> found = platform::resolvePath(tempFile(name)))
        QFile::remove(*found);
}

void ContentSource::extract(const QString& archive, const QString& pattern) {
    const ExtractResult result = UnzipFiles(archive, tempFolder_, pattern, limits);
    if (!result.readable)
        reportOnce(QStringLiteral("Could not read %1 (%2)")
                       .arg(platform::nativePath(archive), result.error));
    for (const QString& problem : result.problems)
        reportOnce(problem);
}

// The readers ask the same archives again and again (a title per map shown),
// so each problem is printed the first time only.
void ContentSource::reportOnce(const QString& line) {
    if (reported_.contains(line))
        return;
    reported_.insert(line);
    console.ConsolePrint(line);
}

void ContentSource::yieldOnce() {
    ui_.yieldOnce();
}

} // namespace fennick
