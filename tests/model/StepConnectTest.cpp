#include <gtest/gtest.h>

#include <memory>

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

TEST(Arrow, OutlineTracesTheShaftAndTheHeads) {
    CArrow arrow;
    EXPECT_EQ(arrow, CArrow());
    EXPECT_EQ(arrow.GetOutlineCount(), 0);

    arrow.SetGeometry(0, 0, 0, 100, 8, 4, false);
    ASSERT_EQ(arrow.GetOutlineCount(), 6);
    const std::vector<ArrowPoint> single(arrow.GetOutline().begin(), arrow.GetOutline().begin() + 6);
    EXPECT_EQ(single, (std::vector<ArrowPoint>{{0, 0}, {0, 92}, {-4, 92}, {0, 100}, {4, 92}, {0, 92}}));

    arrow.SetGeometry(0, 0, 100, 0, 8, 4, true);
    ASSERT_EQ(arrow.GetOutlineCount(), 10);
    const std::vector<ArrowPoint> both(arrow.GetOutline().begin(), arrow.GetOutline().end());
    EXPECT_EQ(both, (std::vector<ArrowPoint>{{8, 0}, {8, -4}, {0, 0}, {8, 4}, {8, 0},
                                             {92, 0}, {92, 4}, {100, 0}, {92, -4}, {92, 0}}));

    arrow.SetGeometry(5, 5, 5, 5, 8, 4, false);  // no direction: the head collapses
    EXPECT_EQ(arrow.GetOutline()[3], (ArrowPoint{5, 5}));
}
