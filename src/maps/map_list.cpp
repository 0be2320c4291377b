#include "maps/map_list.h"

namespace fennick {

QString mapKeyOf(const MapRecord& record) {
    return MapList::joinKey(record.group, record.name);
}

} // namespace fennick
