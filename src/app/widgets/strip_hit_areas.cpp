#include "app/widgets/strip_hit_areas.h"

#include "core/game_facts.h"

#include <array>

namespace fennick {

namespace {

const std::array<StripHitArea, 6>& table() {
    static const std::array<StripHitArea, 6> areas{{
        {StripArea::Quake1Icon, 75, 90, 17, 34, QRect(75, 17, 15, 17), kQuake1},
        {StripArea::Quake2Icon, 90, 106, 17, 34, QRect(91, 17, 15, 17), kQuake2},
        {StripArea::Quake3Icon, 106, 125, 17, 34, QRect(107, 17, 19, 17), kQuake3},
        {StripArea::Setup, 130, 160, 17, 34, QRect(130, 17, 30, 17), {}},
        {StripArea::ExecutablePath, 20, 60, 17, 50, {}, {}},
        {StripArea::Corner, 0, 10, 0, 10, {}, {}},
    }};
    return areas;
}

} // namespace

StripArea stripAreaAt(QPoint point) {
    for (const StripHitArea& row : table()) {
        if (point.x() > row.xAbove && point.x() < row.xBelow && point.y() > row.yAbove &&
            point.y() < row.yBelow)
            return row.area;
    }
    return StripArea::None;
}

const StripHitArea* stripHitArea(StripArea area) {
    for (const StripHitArea& row : table()) {
        if (row.area == area)
            return &row;
    }
    return nullptr;
}

} // namespace fennick
