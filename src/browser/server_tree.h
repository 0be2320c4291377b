#pragma once

#include "common/group_tree.h"

namespace fennick {

// The server browser's tree: the games with their Recent groups, the
// Quake II and Quake III "LAN Network" groups and the Quake III "Internet",
// then the user's groups as servers of new groups are stored.
class ServerTree : public GroupTree {
public:
    ServerTree(); // the fixed nodes
};

} // namespace fennick
