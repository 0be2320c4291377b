#include "buttons/fast_info.h"

namespace fennick {

void FastInfo::clear() {
    entries_.clear();
}

void FastInfo::addEntry(const CvarRecord& record) {
    entries_.append(record);
}

void FastInfo::redraw() {
    ++redrawCount_;
}

} // namespace fennick
