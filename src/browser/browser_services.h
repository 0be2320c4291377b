#pragma once

#include "archive/content_source.h"
#include "archive/level_shots.h"
#include "archive/map_titles.h"
#include "console/cvar_store.h"
#include "console/enum_table.h"
#include "console/interpreter.h"
#include "core/core_services.h"

namespace fennick {

// What the two browsers work with: the core services, the cvar store and
// the interpreter a connect or a chosen map goes through, the enumerations
// (game types), and the game content of the archives: the map scan's
// folders, the map titles and the level shots.
struct BrowserServices : CoreServices {
    CvarStore& cvars;
    const EnumTable& enums;
    Interpreter& interpreter;
    ContentSource& content;
    MapTitles& mapTitles;
    LevelShots& levelShots;
};

} // namespace fennick
