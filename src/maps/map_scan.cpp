#include "maps/map_scan.h"

#include "archive/archive_snapshot.h"
#include "archive/content_folders.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

const QString kBspPattern = QStringLiteral("*.bsp");
const QString kBase = QStringLiteral("baseq3");

void addArchiveMaps(const QString& folder, const QString& mod, ArchiveSnapshot& snapshot,
                    QVector<ScannedMap>& maps) {
    if (folder.isEmpty())
        return;
    for (const QString& archive : snapshot.archivesOf(folder)) {
        const QString pak = platform::fileNameOf(archive);
        for (const QString& name : mapNamesInListing(snapshot.listing(archive, kBspPattern)))
            maps.append({name, mod, pak});
    }
}

void addMapFiles(const QString& quake3Directory, QVector<ScannedMap>& maps) {
    if (quake3Directory.isEmpty())
        return;
    const std::optional<QString> folder =
        platform::resolvePath(platform::joinPath(quake3Directory, QStringLiteral("baseq3\\maps")));
    if (!folder || !platform::folderExists(*folder))
        return;
    for (const QString& file : platform::listFiles(*folder, QStringLiteral("*.map")))
        maps.append({file, kBase, *folder});
}

} // namespace

QStringList mapNamesInListing(const QString& listing) {
    static const QString kBsp = QStringLiteral(".bsp");
    QStringList names;
    qsizetype from = 0;
    qsizetype hit;
    while ((hit = listing.indexOf(kBsp, from, Qt::CaseInsensitive)) >= 0) {
        qsizetype start = hit;
        while (start > 0 && listing[start - 1] != QLatin1Char('/') &&
               listing[start - 1] != QLatin1Char('\n') && listing[start - 1] != QLatin1Char('\r'))
            --start;
        names.append(listing.mid(start, hit - start));
        from = hit + kBsp.size();
    }
    return names;
}

ScanPlan planScan(const QString& group, const ScanFolders& folders, ArchiveSnapshot& snapshot) {
    ScanPlan plan;
    if (group == QLatin1String("Quake 3 Arena\\All")) {
        plan.scans = true;
        addArchiveMaps(quake3BaseFolder(folders.quake3Directory), kBase, snapshot, plan.maps);
    } else if (group == QLatin1String("Quake 3 Arena\\Mod")) {
        plan.scans = true;
        if (!folders.quake3Directory.isEmpty() && !folders.modKey.isEmpty())
            addArchiveMaps(platform::joinPath(folders.quake3Directory, folders.modKey),
                           folders.modKey, snapshot, plan.maps);
    } else if (group == QLatin1String("Quake 3 Arena\\Map")) {
        plan.scans = true;
        addMapFiles(folders.quake3Directory, plan.maps);
    }
    return plan;
}

} // namespace fennick
