#pragma once

#include "archive/arena_script.h"
#include "archive/zip_directory.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <optional>

namespace fennick {

class ContentSource;

// What one pass over the game's archives has read, so that the pass reads
// each thing once: the .pk3 files of a folder, each archive's central
// directory (for its listings) and its arena script, and small text files.
// A map scan keeps one for its whole run and the title look-ups of that run
// are answered from it (MapTitles::attachSnapshot).
//
// The arena script is the one an extraction of "*renas.txt" would leave in
// "temp" as "arenas.txt", and problems are reported on the console as the
// extraction reports them. finish() leaves "temp/arenas.txt" as the look-ups
// answered here would have left it had each extracted its scripts.
class ArchiveSnapshot {
public:
    explicit ArchiveSnapshot(ContentSource& content) : content_(content) {}
    ArchiveSnapshot(const ArchiveSnapshot&) = delete;
    ArchiveSnapshot& operator=(const ArchiveSnapshot&) = delete;
    ~ArchiveSnapshot();

    struct Archive;
    // The .pk3 archives of a folder (full paths, in name order) and what
    // has been read of each. A search through every archive of a folder
    // holds on to it rather than looking each archive up by its path.
    struct Folder {
        QStringList archives;
        QVector<Archive*> read; // null until first asked for
    };
    Folder& folder(const QString& path);
    const QStringList& archivesOf(const QString& path) { return folder(path).archives; }
    // The archive's central directory; null when it cannot be read.
    const ZipDirectory* directory(const QString& archive);
    // The member report of the archive for a pattern, as ListZip gives it.
    QString listing(const QString& archive, const QString& pattern);
    // The archive's arena script; null when it has none that can be read.
    const ArenaScript* arenaScript(const QString& archive);
    // The same for the folder's archive at `index` of its list.
    const ArenaScript* arenaScript(Folder& folder, qsizetype index);
    // The lines of a text file; nothing when it cannot be read.
    const std::optional<QStringList>& textLines(const QString& path);

    // A title look-up ended on this archive's script (empty: on none).
    void leaveArenaScript(const QString& archive);
    void finish();

    static constexpr qint64 kMaxScriptBytes = 64LL * 1024 * 1024;

    // What the snapshot read of one archive.
    struct Archive {
        bool readable = false;
        ZipDirectory directory;
        bool scriptRead = false;
        std::optional<QByteArray> scriptBytes;
        std::unique_ptr<ArenaScript> script;
    };

private:
    Archive& archive(const QString& path);
    const ArenaScript* scriptOf(const QString& path, Archive& read);
    void readScript(const QString& path, Archive& archive);

    ContentSource& content_;
    QHash<QString, std::shared_ptr<Folder>> folders_;
    QHash<QString, std::shared_ptr<Archive>> archives_;
    QHash<QString, std::optional<QStringList>> texts_;
    enum class Left { Untouched, Nothing, Script };
    Left left_ = Left::Untouched;
    QString leftArchive_;
};

} // namespace fennick
