// Where the task-flow view puts the steps: levels by the longest path from the start step,
// columns side by side, long connections straightened, unreachable steps in a column of their
// own; and the content and scroll size that follow.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/FlowBuilder.h"
#include "tests/views/FakeTaskflowViewHost.h"
#include "views/flow/FlowLayout.h"
#include "views/flow/TaskflowView.h"

namespace {

class FlowLayoutTest : public ::testing::Test {
protected:
    CTaskStep* Start() { return AddStep(task, "S"); }
    CTaskStep* After(const std::string& name, std::vector<CTaskStep*> predecessors) {
        return AddStepAfter(task, name, predecessors);
    }
    // Level and column of the step, laid out left to right.
    static std::pair<int, int> Place(const CTaskStep* step) { return {step->GetColumn(), step->GetRow()}; }
    FlowGrid LayOut(bool topToBottom = false) {
        return LayOutFlow(task, FlowBoxesFor(topToBottom), topToBottom);
    }

    CTaskKav task{"Flow", kTaskPlain};
};

}  // namespace

TEST_F(FlowLayoutTest, AStartStepAloneFillsAGridOfThreeByThree) {
    Start();
    FakeTaskflowViewHost host;
    CTaskflowView view(host);
    view.SetTask(&task, 0);
    view.OnInitialUpdate();
    EXPECT_EQ(view.GetGrid(), (FlowGrid{3, 3}));
    EXPECT_EQ(view.GetContentSize(), (ViewSize{325, 210}));
    EXPECT_EQ(host.scrollSize, (ViewSize{345, 230}));
    view.SetDisplayFlags(CTaskflowView::kTopToBottom);
    EXPECT_EQ(view.GetContentSize(), (ViewSize{390, 190}));
    EXPECT_EQ(host.scrollSize, (ViewSize{410, 210}));
    EXPECT_EQ(view.GetBitmapSize(), (ViewSize{412, 210}));
}

TEST_F(FlowLayoutTest, AStepStandsOnTheLevelOfItsLongestPathFromTheStart) {
    CTaskStep* s = Start();
    CTaskStep* a = After("A", {s});
    CTaskStep* b = After("B", {a, s});
    LayOut();
    EXPECT_EQ(Place(b), std::make_pair(2, 0));
    EXPECT_EQ(Place(a), std::make_pair(1, 1));  // aside, out of the way of S -> B
    EXPECT_EQ(b->GetX(), 115 * 2 + 10);
    EXPECT_EQ(b->GetY(), 10);
}

TEST_F(FlowLayoutTest, ALongConnectionInOneColumnMovesTheStepsItWouldCrossAside) {
    CTaskStep* s = Start();
    CTaskStep* a = After("A", {s});
    CTaskStep* b = After("B", {a});
    CTaskStep* c = After("C", {b, s});
    EXPECT_EQ(LayOut(), (FlowGrid{4, 3}));
    EXPECT_EQ(Place(s), std::make_pair(0, 0));
    EXPECT_EQ(Place(a), std::make_pair(1, 1));
    EXPECT_EQ(Place(b), std::make_pair(2, 1));
    EXPECT_EQ(Place(c), std::make_pair(3, 0));
}

TEST_F(FlowLayoutTest, StepsMovedAsideTakeTheirNeighboursAlongAndTheColumnsGrow) {
    CTaskStep* s = Start();
    CTaskStep* a = After("A", {s});
    CTaskStep* b = After("B", {a});
    CTaskStep* c = After("C", {b, s});
    CTaskStep* d = After("D", {s});
    LayOut();
    EXPECT_EQ(Place(c), std::make_pair(3, 0));
    EXPECT_EQ(Place(a), std::make_pair(1, 1));
    EXPECT_EQ(Place(b), std::make_pair(2, 1));
    EXPECT_EQ(Place(d), std::make_pair(1, 2));

    // Top to bottom the same grid stands transposed: the level runs down.
    LayOut(true);
    EXPECT_EQ(d->GetColumn(), 2);
    EXPECT_EQ(d->GetRow(), 1);
    EXPECT_EQ(d->GetX(), 135 * 2 + 10);
    EXPECT_EQ(d->GetY(), 70 + 10);
}

TEST_F(FlowLayoutTest, UnreachableStepsStandInOneMoreColumnAndCountInTheSize) {
    CTaskStep* s = Start();
    After("A", {s});
    After("B", {s});
    CTaskStep* x1 = AddStep(task, "X1");
    CTaskStep* x2 = AddStepAfter(task, "X2", {x1});
    CTaskStep* x3 = AddStep(task, "X3");
    CTaskStep* x4 = AddStep(task, "X4");
    EXPECT_EQ(LayOut(), (FlowGrid{4, 3}));
    EXPECT_EQ(Place(x1), std::make_pair(0, 2));
    EXPECT_EQ(Place(x2), std::make_pair(1, 2));
    EXPECT_EQ(Place(x4), std::make_pair(3, 2));
    EXPECT_EQ(x3->GetX(), 115 * 2 + 10);
    EXPECT_EQ(x3->GetY(), 75 * 2 + 10);

    FakeTaskflowViewHost host;
    CTaskflowView view(host);
    view.SetTask(&task, 0);
    view.OnInitialUpdate();
    EXPECT_EQ(view.GetContentSize(), (ViewSize{115 * 4 - 20, 75 * 3 - 15}));
    EXPECT_EQ(view.HitTest({x4->GetX() + 5, x4->GetY() + 5}).step, x4);
}

TEST_F(FlowLayoutTest, StackedDiamondsAreLaidOutByTheirLongestPaths) {
    CTaskStep* top = Start();
    for (int i = 0; i < 40; ++i) {
        const std::string n = std::to_string(i);
        CTaskStep* left = After("L" + n, {top});
        CTaskStep* right = After("R" + n, {top});
        top = After("J" + n, {left, right});
    }
    EXPECT_EQ(LayOut(), (FlowGrid{81, 3}));
    EXPECT_EQ(Place(top), std::make_pair(80, 0));
}

TEST_F(FlowLayoutTest, EveryConnectionGetsAnArrowBetweenTheBoxes) {
    CTaskStep* s = Start();
    CTaskStep* a = After("A", {s});
    CTaskStep* b = After("B", {s});
    After("C", {a, b});
    FakeTaskflowViewHost host;
    CTaskflowView view(host);
    view.SetTask(&task, 0);
    view.OnInitialUpdate();
    const auto& connections = view.GetConnections();
    ASSERT_EQ(connections.size(), 4u);
    EXPECT_EQ(connections[0]->GetSource(), s);
    EXPECT_EQ(connections[0]->GetDestination(), a);
    EXPECT_EQ(connections[1]->GetDestination(), b);
    // S to A in one column: from the middle of S's right edge to the middle of A's left edge.
    EXPECT_EQ(connections[0]->GetArrow().GetStart(), (ArrowPoint{10 + 95, 10 + 30}));
    EXPECT_EQ(connections[0]->GetArrow().GetEnd(), (ArrowPoint{125, 10 + 30}));
}
