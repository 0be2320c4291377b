#pragma once

#include "archive/map_title_cache.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace fennick {

class ArchiveSnapshot;
class ContentSource;

// The human-readable titles of maps ("Arena Gate" for q3dm1), for the map
// browser, the fast-info panel's "%m" and the other places that show one.
class MapTitles {
public:
    explicit MapTitles(ContentSource& content) : content_(content) {}

    // The map's title, looked up in the cache of recent titles, then in the
    // "maps.lst" of the current mod folder, then (for Quake III) in the arena
    // scripts of the base folder's archives and of the chosen mod's. The
    // map name itself when none is found; the empty text for an empty name.
    // Never fails: unreadable files and archives are skipped.
    QString GetMapTitle(const QString& map);

    // The title for the places that ask again and again (the fast-info
    // panel's "%m" on every cvar change, the browsers' info panels). The
    // answer for the last map asked is kept for the current game and mod:
    // a map with no title would otherwise be searched for in every archive
    // each time.
    QString shownTitle(const QString& map);

    // While a snapshot is attached, the look-ups read the mod folder's
    // "maps.lst" and the arena scripts from it instead of extracting the
    // scripts again for every map: same titles, same cache, same console
    // reports. A map scan attaches one for its run; null detaches. The
    // base and mod folders are looked up once for the run.
    void attachSnapshot(ArchiveSnapshot* snapshot);
    ArchiveSnapshot* snapshot() const { return snapshot_; }

private:
    struct Folders {
        QString base;
        QString mod;
    };
    // The base and mod folders: those of the attached snapshot's run, or
    // looked up now.
    Folders folders() const;
    std::optional<QString> fromSnapshot(const QString& folder, const QString& map);

    std::optional<QString> fromMapsList(const QString& folder, const QString& map) const;
    std::optional<QString> fromArenas(const QString& folder, const QString& map);

    ContentSource& content_;
    MapTitleCache cache_;
    ArchiveSnapshot* snapshot_ = nullptr;
    std::optional<Folders> folders_; // found when a snapshot was attached
    struct LastTitle {
        QString key; // game, mod and map
        QString title;
    };
    LastTitle lastShown_;
};

// The title "maps.lst" gives a map: of the lines (trimmed of blanks) longer
// than 15 characters that begin with the map name (case-sensitive) and hold
// a double quote, the last one wins, its title being the text between its
// first two double quotes. A line without a second double quote gives
// nothing and leaves an earlier title standing.
std::optional<QString> titleInMapsList(const QStringList& lines, const QString& map);

// What an arena script says about a map: whether a line names it (ignoring
// case), and the title of the first "longname" line after that one.
struct ArenaEntry {
    bool named = false;
    std::optional<QString> title;
};
ArenaEntry titleInArenaScript(const QStringList& lines, const QString& map);

// The title a "longname" line gives: the rest of the line from its first
// double quote on, without any double quotes; nothing when it holds none.
std::optional<QString> arenaLongName(const QString& line);

} // namespace fennick
