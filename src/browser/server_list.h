#pragma once

#include "browser/server_record.h"

#include <QHash>
#include <QVector>

namespace fennick {

// Every server the browser knows, each in one group. Slots count from 1 in
// insertion order; removing a record moves the last one into its slot, so
// order is not kept across removals. An index by (group, address) keeps
// look-ups quick for groups of thousands of servers.
class ServerList {
public:
    // A list long enough for every real use; more records are not stored.
    static constexpr int kMaxRecords = 100000;

    int count() const { return int(records_.size()); }
    // The record in slot 1 to count().
    const ServerRecord& at(int slot) const { return records_[slot - 1]; }
    ServerRecord& at(int slot) { return records_[slot - 1]; }

    // The slot of the record with this address and group, or 0.
    int find(const QString& ip, const QString& group) const;
    // Overwrites the record of the same identity, or appends it. Returns
    // the slot, 0 when the list is full.
    int store(const ServerRecord& record);
    // Removes the record in a slot: the last record takes its place.
    void removeSlot(int slot);
    void clear();

private:
    static QString keyOf(const QString& ip, const QString& group);

    QVector<ServerRecord> records_;
    QHash<QString, int> slots_;
};

} // namespace fennick
