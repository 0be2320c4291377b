#include "app/widgets/strip_hit_areas.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(StripHitAreas, BoundsAreExclusiveOnEverySide) {
    struct Case {
        QPoint point;
        StripArea expected;
    };
    const Case cases[] = {
        {{76, 18}, StripArea::Quake1Icon},
        {{89, 33}, StripArea::Quake1Icon},
        {{75, 20}, StripArea::None},
        {{80, 17}, StripArea::None},
        {{80, 34}, StripArea::None},
        {{90, 20}, StripArea::None},
        {{91, 20}, StripArea::Quake2Icon},
        {{105, 20}, StripArea::Quake2Icon},
        {{106, 20}, StripArea::None},
        {{107, 20}, StripArea::Quake3Icon},
        {{124, 33}, StripArea::Quake3Icon},
        {{125, 20}, StripArea::None},
        {{131, 18}, StripArea::Setup},
        {{159, 33}, StripArea::Setup},
        {{160, 20}, StripArea::None},
        {{130, 20}, StripArea::None},
        {{21, 18}, StripArea::ExecutablePath},
        {{59, 49}, StripArea::ExecutablePath},
        {{40, 50}, StripArea::None},
        {{60, 30}, StripArea::None},
        {{1, 1}, StripArea::Corner},
        {{9, 9}, StripArea::Corner},
        {{0, 5}, StripArea::None},
        {{5, 10}, StripArea::None},
        {{300, 20}, StripArea::None},
        {{-5, -5}, StripArea::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stripAreaAt(c.point), c.expected) << c.point.x() << "," << c.point.y();
}

} // namespace
} // namespace fennick
