#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

class ArchiveSnapshot;

// The map names a member report shows: at each ".bsp" (any letter case),
// the text back to the "/" before it on the same line, or to the line's
// start when there is none. A member path longer than the report's 50
// columns shows no ".bsp" and gives nothing.
QStringList mapNamesInListing(const QString& listing);
// The same for the path part of one member's line (zipReportPath): a scan
// finds the names straight from the archive's directory, without writing
// the report, and gets the names its lines would give.
void addMapNamesInLine(QStringView line, QStringList& names);

// One map a scan adds, in the order the scan adds them.
struct ScannedMap {
    QString name;
    QString mod;
    QString pak; // the archive's file name, or a .map file's folder
};

// Where a scan of a Quake III group looks.
struct ScanFolders {
    QString quake3Directory; // from the setup; empty when none is set
    QString modKey;          // the chosen mod's folder name; empty for none
};

// What a scan of a group finds, in order: "Quake 3 Arena\All" lists the
// maps of the base folder's archives, "Quake 3 Arena\Mod" those of the
// chosen mod's folder, "Quake 3 Arena\Map" the ".map" files of
// "baseq3\maps". `scans` is false for every other group. Archives are read
// through the snapshot, each once.
struct ScanPlan {
    bool scans = false;
    QVector<ScannedMap> maps;
};
ScanPlan planScan(const QString& group, const ScanFolders& folders, ArchiveSnapshot& snapshot);

} // namespace fennick
