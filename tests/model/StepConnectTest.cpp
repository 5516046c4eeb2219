#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/StepConnect.h"
#include "tests/support/FlowBuilder.h"

namespace {

struct Box {
    int x, y, row, column;
};

struct Placement {
    const char* what;
    bool topToBottom;
    Box source, destination;
    ArrowPoint start, end;
};

std::unique_ptr<CTaskStep> Placed(const Box& box) {
    std::unique_ptr<CTaskStep> step(MakeStep("s"));
    step->SetX(box.x);
    step->SetY(box.y);
    step->SetRow(box.row);
    step->SetColumn(box.column);
    return step;
}

}  // namespace

TEST(StepConnect, ArrowRunsBetweenTheFacingSides) {
    // Boxes 100 wide and 40 high.
    const Placement cases[] = {
        {"same column", true, {10, 20, 0, 0}, {10, 120, 1, 0}, {60, 60}, {60, 120}},
        {"left, adjacent rows", true, {200, 20, 0, 2}, {10, 120, 1, 0}, {200, 60}, {110, 120}},
        {"left, rows apart", true, {200, 20, 0, 2}, {10, 320, 3, 0}, {225, 60}, {85, 320}},
        {"right, adjacent rows", true, {10, 20, 0, 0}, {200, 120, 1, 2}, {110, 60}, {200, 120}},
        {"right, rows apart", true, {10, 20, 0, 0}, {200, 320, 3, 2}, {85, 60}, {225, 320}},
        {"same row", false, {10, 20, 0, 0}, {200, 20, 0, 1}, {110, 40}, {200, 40}},
        {"above, adjacent columns", false, {10, 100, 2, 0}, {200, 20, 0, 1}, {110, 100}, {200, 60}},
        {"above, columns apart", false, {10, 100, 2, 0}, {400, 20, 0, 3}, {110, 110}, {400, 50}},
        {"below, adjacent columns", false, {10, 20, 0, 0}, {200, 100, 2, 1}, {110, 60}, {200, 100}},
        {"below, columns apart", false, {10, 20, 0, 0}, {400, 100, 2, 3}, {110, 50}, {400, 110}},
    };
    for (const Placement& c : cases) {
        auto source = Placed(c.source), destination = Placed(c.destination);
        CStepConnect connect(source.get(), destination.get());
        EXPECT_TRUE(connect.UpdateArrow(100, 40, c.topToBottom));
        EXPECT_EQ(connect.GetArrow().GetStart(), c.start) << c.what;
        EXPECT_EQ(connect.GetArrow().GetEnd(), c.end) << c.what;
        EXPECT_EQ(connect.GetArrow().GetHeadLength(), 8);
        EXPECT_EQ(connect.GetArrow().GetHeadWidth(), 4);
        EXPECT_FALSE(connect.GetArrow().IsDoubleHead());
    }
}

TEST(Arrow, OutlineRunsAlongTheShaftAndAroundTheHeadsAtTheEnd) {
    EXPECT_EQ(CArrow().GetOutlineCount(), 0);
    struct Case {
        const char* what;
        int x1, y1, x2, y2, length, width;
        bool doubleHead;
        std::vector<ArrowPoint> outline;
    };
    const Case cases[] = {
        {"horizontal", 0, 0, 10, 0, 3, 3, false, {{0, 0}, {7, 0}, {7, -3}, {10, 0}, {7, 3}, {7, 0}}},
        {"downwards", 0, 0, 0, 100, 8, 4, false, {{0, 0}, {0, 92}, {4, 92}, {0, 100}, {-4, 92}, {0, 92}}},
        // Points are truncated toward zero, not rounded: base (7.3, 3.7), wings (8.7, 1.0) and (6.0, 6.3).
        {"slanted", 0, 0, 10, 5, 3, 3, false, {{0, 0}, {7, 3}, {8, 0}, {10, 5}, {5, 6}, {7, 3}}},
        {"slanted backwards", 0, 0, -10, -5, 3, 3, false, {{0, 0}, {-7, -3}, {-8, 0}, {-10, -5}, {-5, -6}, {-7, -3}}},
        // Both heads sit at the end, one behind the other.
        {"double head", 0, 0, 100, 0, 8, 4, true,
         {{0, 0}, {84, 0}, {84, -4}, {92, 0}, {92, -4}, {100, 0}, {92, 4}, {92, 0}, {84, 4}, {84, 0}}},
    };
    for (const Case& c : cases) {
        CArrow arrow;
        arrow.SetGeometry(c.x1, c.y1, c.x2, c.y2, c.length, c.width, c.doubleHead);
        ASSERT_EQ(arrow.GetOutlineCount(), static_cast<int>(c.outline.size())) << c.what;
        const std::vector<ArrowPoint> outline(arrow.GetOutline().begin(),
                                              arrow.GetOutline().begin() + arrow.GetOutlineCount());
        EXPECT_EQ(outline, c.outline) << c.what;
    }

    CArrow point;  // no direction: the outline collapses onto the end
    point.SetGeometry(5, 5, 5, 5, 8, 4, false);
    EXPECT_EQ(point.GetOutline()[2], (ArrowPoint{5, 5}));
}
