// Which clicks hit an arrow's shaft or a loop.
#include <gtest/gtest.h>

#include "model/Arrow.h"
#include "views/arrows/Corner.h"
#include "views/drawing/HitTest.h"

TEST(ArrowRegion, TheShaftsBandIsTwoPixelsWideAcrossItsDirection) {
    struct Case {
        const char* what;
        ViewPoint start, end;
        ViewPoint in, out;
    };
    // Points on a band's edge are the region rule's business and not tested.
    const Case cases[] = {
        {"horizontal, 2 above and below", {0, 0}, {10, 0}, {5, 1}, {5, 3}},
        {"horizontal, below", {0, 0}, {10, 0}, {5, -1}, {5, -3}},
        {"horizontal, not beyond the end", {0, 0}, {10, 0}, {9, 0}, {12, 0}},
        {"vertical, 2 left and right", {0, 0}, {0, 10}, {1, 5}, {3, 5}},
        {"vertical upwards, left", {0, 10}, {0, 0}, {-1, 5}, {-3, 5}},
        {"45 degrees down-right, 1 each way", {0, 0}, {20, 20}, {10, 10}, {13, 10}},
        {"45 degrees up-right", {0, 20}, {20, 0}, {10, 10}, {13, 10}},
        {"45 degrees down-left", {20, 0}, {0, 20}, {10, 10}, {10, 13}},
    };
    for (const Case& c : cases) {
        CArrow arrow;
        arrow.SetGeometry(c.start.x, c.start.y, c.end.x, c.end.y, 3, 3, false);
        const HitRegion region = arrow.CreateHitRegion();
        EXPECT_TRUE(RegionContains(region, c.in)) << c.what;
        EXPECT_FALSE(RegionContains(region, c.out)) << c.what;
    }
}

TEST(ArrowRegion, TheBandsOffsetsFollowTheSlope) {
    CArrow horizontal, vertical, diagonal;
    horizontal.SetGeometry(0, 0, 10, 0, 3, 3, false);
    vertical.SetGeometry(0, 0, 0, 10, 3, 3, false);
    diagonal.SetGeometry(0, 0, 10, 10, 3, 3, false);
    EXPECT_EQ(horizontal.CreateHitRegion().polygon, (std::vector<ArrowPoint>{{0, 2}, {0, -2}, {10, -2}, {10, 2}}));
    EXPECT_EQ(vertical.CreateHitRegion().polygon, (std::vector<ArrowPoint>{{-2, 0}, {2, 0}, {2, 10}, {-2, 10}}));
    EXPECT_EQ(diagonal.CreateHitRegion().polygon, (std::vector<ArrowPoint>{{-1, 1}, {1, -1}, {11, 9}, {9, 11}}));
}

TEST(ArrowRegion, ALoopIsHitAlongItsThreeSegments) {
    CCorner corner;
    for (const ViewPoint p : {ViewPoint{95, 50}, ViewPoint{95, 40}, ViewPoint{115, 40}, ViewPoint{115, 60}})
        corner.AddPoint(p.x, p.y);
    const HitRegion region = corner.CreateHitRegion();
    ASSERT_EQ(region.polygon.size(), 8u);
    for (const ViewPoint in : {ViewPoint{95, 45}, ViewPoint{105, 41}, ViewPoint{115, 50}})
        EXPECT_TRUE(RegionContains(region, in)) << in.x << "," << in.y;
    for (const ViewPoint out : {ViewPoint{105, 50}, ViewPoint{105, 35}, ViewPoint{120, 50}})
        EXPECT_FALSE(RegionContains(region, out)) << out.x << "," << out.y;

    CCorner unfinished;
    unfinished.AddPoint(1, 1);
    EXPECT_EQ(unfinished.CreateHitRegion().polygon, std::vector<ArrowPoint>(8));
    EXPECT_FALSE(RegionContains(unfinished.CreateHitRegion(), {0, 0}));
    EXPECT_THROW(unfinished.GetPoint(1), std::out_of_range);
}
