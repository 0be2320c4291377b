#pragma once

#include <QHash>
#include <QString>
#include <QVector>

namespace fennick {

// The growable record lists of the browsers: records in slots counted from
// 1 in insertion order, each identified by a key (its group and address or
// name). Removing a record moves the last one into its slot, so order is
// not kept across removals. An index by key keeps look-ups quick for lists
// of thousands of records; a full list stores no more.
template <typename Record, QString (*KeyOf)(const Record&), int MaxRecords> class SlotList {
public:
    static constexpr int kMaxRecords = MaxRecords;

    int count() const { return int(records_.size()); }
    // The record in slot 1 to count().
    const Record& at(int slot) const { return records_[slot - 1]; }
    // Every record, slot 1 first.
    const QVector<Record>& records() const { return records_; }

    // The slot of the record with this key, or 0.
    int findKey(const QString& key) const { return slots_.value(key, 0); }
    // Overwrites the record of the same key, or appends it. Returns the
    // slot, 0 when the list is full.
    int store(const Record& record) {
        const QString key = KeyOf(record);
        if (const int slot = findKey(key)) {
            records_[slot - 1] = record;
            return slot;
        }
        if (records_.size() >= MaxRecords)
            return 0;
        records_.append(record);
        slots_.insert(key, count());
        return count();
    }
    // Removes the record in a slot: the last record takes its place.
    void removeSlot(int slot) {
        if (slot < 1 || slot > count())
            return;
        slots_.remove(KeyOf(at(slot)));
        if (slot != count()) {
            records_[slot - 1] = records_.constLast();
            slots_.insert(KeyOf(at(slot)), slot);
        }
        records_.removeLast();
    }
    // The records of a group, slot 1 first.
    QVector<Record> groupRecords(const QString& group) const {
        QVector<Record> found;
        for (const Record& record : records_)
            if (record.group == group)
                found.append(record);
        return found;
    }
    // Removes every record of a group.
    void removeGroup(const QString& group) {
        for (int slot = 1; slot <= count();) {
            if (at(slot).group == group)
                removeSlot(slot);
            else
                ++slot;
        }
    }
    void clear() {
        records_.clear();
        slots_.clear();
    }
    // Room for this many records, so a scan that adds thousands does not
    // grow the list step by step.
    void reserve(int records) {
        records_.reserve(records);
        slots_.reserve(records);
    }

    // Two texts joined into one key; no text of a record holds the joint.
    static QString joinKey(const QString& first, const QString& second) {
        return first + QChar(0) + second;
    }

private:
    QVector<Record> records_;
    QHash<QString, int> slots_;
};

} // namespace fennick
