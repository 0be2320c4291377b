#include "maps/map_scan.h"

#include "archive/archive_snapshot.h"
#include "archive/content_folders.h"
#include "archive/member_pattern.h"
#include "archive/zip_directory.h"
#include "archive/zip_listing.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

const QString kBspPattern = QStringLiteral("*.bsp");
const QString kBase = QStringLiteral("baseq3");

void addArchiveMaps(const QString& folder, const QString& mod, ArchiveSnapshot& snapshot,
                    QVector<ScannedMap>& maps) {
    if (folder.isEmpty())
        return;
    const MemberPattern bsp(kBspPattern);
    QStringList names;
    for (const QString& archive : snapshot.archivesOf(folder)) {
        const ZipDirectory* directory = snapshot.directory(archive);
        if (!directory)
            continue;
        const QString pak = platform::fileNameOf(archive);
        names.clear();
        for (const ZipMember& member : directory->members())
            if (bsp.matches(member.path))
                addMapNamesInLine(zipReportPath(member.path), names);
        for (const QString& name : std::as_const(names))
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

void addMapNamesInLine(QStringView line, QStringList& names) {
    static const QString kBsp = QStringLiteral(".bsp");
    qsizetype from = 0;
    qsizetype hit;
    while ((hit = line.indexOf(kBsp, from, Qt::CaseInsensitive)) >= 0) {
        qsizetype start = hit;
        while (start > 0 && line[start - 1] != QLatin1Char('/') &&
               line[start - 1] != QLatin1Char('\n') && line[start - 1] != QLatin1Char('\r'))
            --start;
        names.append(line.sliced(start, hit - start).toString());
        from = hit + kBsp.size();
    }
}

// A ".bsp" never reaches past the path part of its line (sizes, dates and
// times hold none of its letters), so the lines are searched one by one.
QStringList mapNamesInListing(const QString& listing) {
    QStringList names;
    for (const QStringView line : QStringView(listing).tokenize(u'\n'))
        addMapNamesInLine(line, names);
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
