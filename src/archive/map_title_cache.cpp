#include "archive/map_title_cache.h"

namespace fennick {

std::optional<QString> MapTitleCache::find(const QString& map) const {
    std::optional<QString> title;
    for (const Slot& slot : slots_)
        if (slot.map == map && !slot.title.isEmpty() && slot.title != slot.map)
            title = slot.title;
    return title;
}

void MapTitleCache::store(const QString& map, const QString& title) {
    slots_[std::size_t(next_)] = {map, title};
    next_ = (next_ + 1) % kSlots;
}

} // namespace fennick
