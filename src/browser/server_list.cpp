#include "browser/server_list.h"

namespace fennick {

QString serverKeyOf(const ServerRecord& record) {
    return ServerList::joinKey(record.group, record.ip);
}

} // namespace fennick
