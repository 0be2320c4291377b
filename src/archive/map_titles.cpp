#include "archive/map_titles.h"

#include "archive/archive_snapshot.h"
#include "archive/arena_script.h"
#include "archive/content_folders.h"
#include "archive/content_source.h"
#include "core/game_state.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace fennick {

namespace {

const QString kMapsList = QStringLiteral("maps.lst");
const QString kArenaScript = QStringLiteral("arenas.txt");
const QString kArenaPattern = QStringLiteral("*renas.txt");
constexpr qsizetype kShortestListLine = 16;
const QLatin1String kLongName("longname");
const QChar kQuote(u'"');

QString trimmedOfBlanks(const QString& line) {
    qsizetype start = 0, end = line.size();
    while (start < end && line[start] == QLatin1Char(' '))
        ++start;
    while (end > start && line[end - 1] == QLatin1Char(' '))
        --end;
    return line.mid(start, end - start);
}

} // namespace

std::optional<QString> arenaLongName(const QString& line) {
    const qsizetype quote = line.indexOf(kQuote);
    if (quote < 0)
        return std::nullopt;
    return line.mid(quote).remove(kQuote);
}

std::optional<QString> titleInMapsList(const QStringList& lines, const QString& map) {
    std::optional<QString> title;
    for (const QString& raw : lines) {
        const QString line = trimmedOfBlanks(raw);
        if (line.size() < kShortestListLine || !line.startsWith(map))
            continue;
        const qsizetype open = line.indexOf(kQuote);
        const qsizetype close = open < 0 ? -1 : line.indexOf(kQuote, open + 1);
        if (close > open)
            title = line.mid(open + 1, close - open - 1);
    }
    return title;
}

ArenaEntry titleInArenaScript(const QStringList& lines, const QString& map) {
    ArenaEntry entry;
    qsizetype i = 0;
    while (i < lines.size() && !lines[i].contains(map, Qt::CaseInsensitive))
        ++i;
    if (i == lines.size())
        return entry;
    entry.named = true;
    for (++i; i < lines.size(); ++i)
        if (lines[i].startsWith(kLongName)) {
            entry.title = arenaLongName(lines[i]);
            break;
        }
    return entry;
}

QString MapTitles::shownTitle(const QString& map) {
    const GameState& game = content_.game();
    const QString key =
        game.currentGame + QLatin1Char('\n') + game.currentModKey + QLatin1Char('\n') + map;
    if (lastShown_.key != key)
        lastShown_ = {key, GetMapTitle(map)};
    return lastShown_.title;
}

QString MapTitles::GetMapTitle(const QString& map) {
    if (map.isEmpty())
        return {};
    if (const std::optional<QString> cached = cache_.find(map))
        return *cached;
    const Folders where = folders();
    std::optional<QString> title = fromMapsList(where.mod, map);
    if (!title && content_.quake3IsCurrent()) {
        title = fromArenas(where.base, map);
        if (!title && !content_.modKey().isEmpty())
            title = fromArenas(where.mod, map);
    }
    if (!title)
        return map;
    cache_.store(map, *title);
    return *title;
}

void MapTitles::attachSnapshot(ArchiveSnapshot* snapshot) {
    snapshot_ = snapshot;
    folders_.reset();
    if (snapshot_)
        folders_ = Folders{content_.baseFolder(), content_.currentModFolder()};
}

MapTitles::Folders MapTitles::folders() const {
    if (folders_)
        return *folders_;
    return {content_.baseFolder(), content_.currentModFolder()};
}

std::optional<QString> MapTitles::fromMapsList(const QString& folder, const QString& map) const {
    if (folder.isEmpty())
        return std::nullopt;
    const QString path = platform::joinPath(folder, kMapsList);
    const auto lines = snapshot_ ? snapshot_->textLines(path) : platform::readTextLines(path);
    if (!lines)
        return std::nullopt;
    std::optional<QString> title = titleInMapsList(*lines, map);
    return title && !title->isEmpty() ? title : std::nullopt;
}

// The first archive whose arena script names the map ends the search, with
// or without a title; that script stays in "temp". A script that does not
// name the map is removed before the next archive, so a later archive
// without one is never answered from it.
std::optional<QString> MapTitles::fromArenas(const QString& folder, const QString& map) {
    if (snapshot_)
        return fromSnapshot(folder, map);
    for (const QString& archive : pk3Archives(folder)) {
        content_.removeTempFile(kArenaScript);
        content_.extract(archive, kArenaPattern);
        if (const auto lines = platform::readTextLines(content_.tempFile(kArenaScript))) {
            const ArenaEntry entry = titleInArenaScript(*lines, map);
            if (entry.named)
                return entry.title && !entry.title->isEmpty() ? entry.title : std::nullopt;
            content_.removeTempFile(kArenaScript);
        }
        content_.yieldOnce();
    }
    return std::nullopt;
}

// The same search over the scripts the snapshot has read, each once.
std::optional<QString> MapTitles::fromSnapshot(const QString& folder, const QString& map) {
    ArchiveSnapshot::Folder& archives = snapshot_->folder(folder);
    const ArenaQuery query(map);
    for (qsizetype i = 0; i < archives.archives.size(); ++i) {
        const ArenaScript* script = snapshot_->arenaScript(archives, i);
        if (!script)
            continue;
        const ArenaEntry entry = script->find(query);
        if (entry.named) {
            snapshot_->leaveArenaScript(archives.archives[i]);
            return entry.title && !entry.title->isEmpty() ? entry.title : std::nullopt;
        }
    }
    if (!archives.archives.isEmpty())
        snapshot_->leaveArenaScript({});
    return std::nullopt;
}

} // namespace fennick
