#pragma once

#include <QString>
#include <QTypeInfo>

namespace fennick {

// Where the launch puts a cvar.
enum Placement : qint32 {
    kPlacementAfterMap = 0,   // start-up script, after the map line
    kPlacementBeforeMap = 1,  // start-up script, before the map line
    kPlacementCommandLine = 2 // the game's command line
};

// Which settings file saves a cvar.
enum Scope : qint32 {
    kScopeTemporary = -1,
    kScopeConfiguration = 0,
    kScopeGeneral = 1,
    kScopeProfile = 2
};

struct CvarRecord {
    QString name;
    QString value;
    qint32 scope = 0;
    qint32 placement = 0;
    QString kind;
    QString info;
    qint16 mode = 0;
};

// The line that writes a record back: kind, name and value, the value
// written by appendValueWord (core/launch_rules.h); a "map" record drops its leading "map ".
QString cvarLine(const CvarRecord& record);

} // namespace fennick

// Texts and numbers only: a growing store moves its records without copying.
Q_DECLARE_TYPEINFO(fennick::CvarRecord, Q_RELOCATABLE_TYPE);
