#include "launch/mod_description.h"

#include "core/game_facts.h"
#include "common/record_reader.h"
#include "core/game_facts.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <optional>

namespace fennick {

namespace {

// Fields of a "mods.lst" record: game, key, description and two more that
// the program does not use.
constexpr int kModsFields = 5;

// A key names one folder. Keys also come from servers' replies, so one
// that would climb out of the game directory is not looked up on disk.
bool isFolderName(const QString& key) {
    return !key.isEmpty() && key != QLatin1String(".") && key != QLatin1String("..") &&
           !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'));
}

// The first line of the Quake III mod's own description file; an empty
// file gives an empty name, as the mod's author left it.
std::optional<QString> descriptionFile(const CoreServices& core, const QString& key) {
    if (core.game.currentGame != kQuake3 || !isFolderName(key) ||
        core.settings.quake3Dir().isEmpty())
        return std::nullopt;
    const QString path =
        platform::joinPath(core.settings.quake3Dir(), key + QStringLiteral("\\description.txt"));
    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines)
        return std::nullopt;
    return lines->isEmpty() ? QString() : lines->first();
}

std::optional<QString> modsListEntry(const CoreServices& core, const QString& key) {
    const std::optional<QString> text =
        platform::readText(core.programPath(QStringLiteral("mods.lst")));
    if (!text)
        return std::nullopt;
    RecordReader reader(*text);
    while (const std::optional<QStringList> record = reader.nextRecord(kModsFields)) {
        if (record->at(0) == core.game.currentGame && record->at(1) == key)
            return record->at(2);
    }
    return std::nullopt;
}

} // namespace

QString ModDescription(const CoreServices& core, const QString& key) {
    if (std::optional<QString> found = descriptionFile(core, key))
        return *found;
    if (std::optional<QString> found = modsListEntry(core, key))
        return *found;
    return key;
}

} // namespace fennick
