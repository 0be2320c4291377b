#pragma once

#include "common/slot_list.h"
#include "maps/map_record.h"

namespace fennick {

QString mapKeyOf(const MapRecord& record);

// The map browser's records, identified by group and name (see SlotList).
class MapList : public SlotList<MapRecord, &mapKeyOf, 200000> {
public:
    // The slot of the record with this group and name, or 0.
    int find(const QString& group, const QString& name) const {
        return findKey(joinKey(group, name));
    }
};

} // namespace fennick
