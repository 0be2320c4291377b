#pragma once

#include <QString>
#include <array>
#include <optional>

namespace fennick {

// The titles found most recently: 11 slots filled in a ring, so the twelfth
// title found replaces the first. A list of maps shown again costs no
// further extraction.
class MapTitleCache {
public:
    static constexpr int kSlots = 11;

    // The title stored for the map (case-sensitive name); of several, the
    // slot filled last in slot order wins. Slots whose title is empty or
    // just the map name do not count.
    std::optional<QString> find(const QString& map) const;
    // Stores the pair at the ring position and moves the position on.
    void store(const QString& map, const QString& title);

private:
    struct Slot {
        QString map;
        QString title;
    };
    std::array<Slot, kSlots> slots_;
    int next_ = 0;
};

} // namespace fennick
