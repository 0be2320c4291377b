#pragma once

#include "common/group_tree.h"

namespace fennick {

// The map browser's tree as the window opens: each game with its Recent and
// All groups. The Quake III "Mod" and "Map" groups are added later, when
// the window opens for Quake III with a mod chosen or with uncompiled maps
// shown (addModGroup, addMapFileGroup).
class MapTree : public GroupTree {
public:
    // The pictures of the window's image list: the games' from FirstGame on,
    // in the order of the table of games.
    enum Image { UserGroup = 1, Group = 3, FirstGame = 6 };

    MapTree();
    void addModGroup();
    void addMapFileGroup();
};

// The groups a scan fills: "All", "Mod" and "Map".
bool isScannedGroupName(const QString& name);

} // namespace fennick
