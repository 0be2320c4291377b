#pragma once

#include <QString>
#include <QTypeInfo>

namespace fennick {

// One map in one group of the map browser. A record is identified by its
// group and name, compared exactly; the same map in two groups is two
// records.
struct MapRecord {
    QString name;     // as the "map" command takes it: q3dm1, or mymap.map
    QString fullname; // the map's title
    QString mod;      // "baseq3", or the mod's folder name
    QString pak;      // the archive it was found in, or a .map file's folder
    qint16 timesplayed = 0;
    QString group;     // "Quake 3 Arena\All"
    float addtime = 0; // days since 30 December 1899; 0 for scanned maps

    bool operator==(const MapRecord&) const = default;
};

} // namespace fennick

// Texts and numbers only: a growing list moves its records without copying.
Q_DECLARE_TYPEINFO(fennick::MapRecord, Q_RELOCATABLE_TYPE);
