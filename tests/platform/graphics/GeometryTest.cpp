#include <gtest/gtest.h>

#include "platform/graphics/Geometry.h"

namespace rt {
namespace {

TEST(GeometryTest, RectangleHelpers) {
    EXPECT_EQ(Bounds(10, 20, 30, 40), Rect(10, 20, 40, 60));
    const TRect r = Rect(0, 0, 10, 5);
    EXPECT_TRUE(PtInRect(r, {0, 0}));
    EXPECT_FALSE(PtInRect(r, {10, 4})) << "the right edge is outside";
    EXPECT_FALSE(PtInRect(r, {9, 5})) << "the bottom edge is outside";
    TRect moved = r;
    OffsetRect(moved, 3, -1);
    InflateRect(moved, 1, 2);
    EXPECT_EQ(moved, Rect(2, -3, 14, 6));
    TRect common;
    EXPECT_TRUE(IntersectRect(common, r, Rect(5, 2, 20, 20)));
    EXPECT_EQ(common, Rect(5, 2, 10, 5));
    common = Rect(1, 1, 2, 2);
    EXPECT_FALSE(IntersectRect(common, r, Rect(10, 0, 20, 5))) << "touching edges do not overlap";
    EXPECT_EQ(common, TRect{});
    TRect both;
    EXPECT_TRUE(UnionRect(both, r, Rect(5, 5, 5, 5)));
    EXPECT_EQ(both, r) << "an empty rectangle adds nothing";
    UnionRect(both, r, Rect(-2, 3, 4, 8));
    EXPECT_EQ(both, Rect(-2, 0, 10, 8));
}

}  // namespace
}  // namespace rt
