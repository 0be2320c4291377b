#pragma once

#include "common/group_tree.h"

namespace fennick {

// The map browser's tree as the window opens: each game with its Recent and
// All groups. The Quake III "Mod" and "Map" groups are added later, when
// the window opens for Quake III with a mod chosen or with uncompiled maps
// shown (addModGroup, addMapFileGroup).
class MapTree : public GroupTree {
public:
    // The pictures of the window's image list.
    enum Image { UserGroup = 1, Group = 3, Quake1 = 6, Quake2 = 7, Quake3 = 8 };

    MapTree();
    void addModGroup();
    void addMapFileGroup();
};

// The groups a scan fills: "All", "Mod" and "Map".
bool isScannedGroupName(const QString& name);

} // namespace fennick
