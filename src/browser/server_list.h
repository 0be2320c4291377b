#pragma once

#include "browser/server_record.h"
#include "common/slot_list.h"

namespace fennick {

QString serverKeyOf(const ServerRecord& record);

// Every server the browser knows, each in one group, identified by group
// and address (see SlotList). A list long enough for every real use.
class ServerList : public SlotList<ServerRecord, &serverKeyOf, 100000> {
public:
    // The slot of the record with this address and group, or 0.
    int find(const QString& ip, const QString& group) const { return findKey(joinKey(group, ip)); }
};

} // namespace fennick
