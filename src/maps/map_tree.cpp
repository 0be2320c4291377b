#include "maps/map_tree.h"

namespace fennick {

namespace {

const QString kRecent = QStringLiteral("Recent");
const QString kAll = QStringLiteral("All");

} // namespace

bool isScannedGroupName(const QString& name) {
    return name == kAll || name == QLatin1String("Mod") || name == QLatin1String("Map");
}

MapTree::MapTree() {
    add(QStringLiteral("Q1"), QStringLiteral("Quake 1"), {}, Quake1);
    add(QStringLiteral("Q1R"), kRecent, QStringLiteral("Q1"), Group);
    add(QStringLiteral("Q1A"), kAll, QStringLiteral("Q1"), Group);
    add(QStringLiteral("Q2"), QStringLiteral("Quake 2"), {}, Quake2);
    add(QStringLiteral("Q2R"), kRecent, QStringLiteral("Q2"), Group);
    add(QStringLiteral("Q2A"), kAll, QStringLiteral("Q2"), Group);
    add(QStringLiteral("Q3"), QStringLiteral("Quake 3 Arena"), {}, Quake3);
    add(QStringLiteral("Q3R"), kRecent, QStringLiteral("Q3"), Group);
    add(QStringLiteral("Q3A"), kAll, QStringLiteral("Q3"), Group);
}

void MapTree::addModGroup() {
    if (nodeWithKey(QStringLiteral("Q3M")) < 0)
        add(QStringLiteral("Q3M"), QStringLiteral("Mod"), QStringLiteral("Q3"), Group);
}

void MapTree::addMapFileGroup() {
    if (nodeWithKey(QStringLiteral("Q3MAP")) < 0)
        add(QStringLiteral("Q3MAP"), QStringLiteral("Map"), QStringLiteral("Q3"), Group);
}

} // namespace fennick
