#include "browser/server_list.h"

namespace fennick {

QString ServerList::keyOf(const QString& ip, const QString& group) {
    return group + QChar(0) + ip;
}

int ServerList::find(const QString& ip, const QString& group) const {
    return slots_.value(keyOf(ip, group), 0);
}

int ServerList::store(const ServerRecord& record) {
    if (const int slot = find(record.ip, record.group)) {
        at(slot) = record;
        return slot;
    }
    if (records_.size() >= kMaxRecords)
        return 0;
    records_.append(record);
    slots_.insert(keyOf(record.ip, record.group), count());
    return count();
}

void ServerList::removeSlot(int slot) {
    if (slot < 1 || slot > count())
        return;
    slots_.remove(keyOf(at(slot).ip, at(slot).group));
    if (slot != count()) {
        at(slot) = records_.constLast();
        slots_.insert(keyOf(at(slot).ip, at(slot).group), slot);
    }
    records_.removeLast();
}

void ServerList::clear() {
    records_.clear();
    slots_.clear();
}

} // namespace fennick
