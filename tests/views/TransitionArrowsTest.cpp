// How the window view routes its transitions: loops, boxes outside, the sides arrows take,
// spreading along a shared edge, and the order of the arrow list.
#include <gtest/gtest.h>

#include "tests/support/WindowBuilder.h"
#include "views/window/TransitionArrows.h"

namespace {

class TransitionArrowsTest : public ProjectTest {
protected:
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 200, 100});

    const TransitionArrows& Route(int flags = 1) {
        layout.SetWindow(dialog);
        arrows.Build(layout, flags, app.GetWindowList().Snapshot());
        return arrows;
    }
    CTransitionKav* Connect(CWindowKav* from, CWindowKav* to) {
        CTransitionKav* transition = project.AddTransition(from, from->GetName() + "_T" + std::to_string(++count));
        transition->SetDestWindow(to);
        return transition;
    }
    std::vector<ViewPoint> Ends(const TransitionArrow& arrow) const {
        return {arrow.shape.GetStart(), arrow.shape.GetEnd()};
    }

    DialogLayout layout;
    TransitionArrows arrows;
    int count = 0;
};

}  // namespace

TEST_F(TransitionArrowsTest, LoopsOfOneControlNestAroundItsRightEnd) {
    // The button's view rectangle is (40, 80, 90, 100): right 90, top 80, middle 90.
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    for (int i = 0; i < 3; ++i) Connect(button, button);
    Route();
    ASSERT_EQ(arrows.GetArrows().size(), 3u);
    const std::vector<std::vector<ViewPoint>> loops = {
        {{85, 80}, {85, 70}, {105, 70}, {105, 90}},  // first
        {{82, 80}, {82, 67}, {108, 67}, {108, 93}},  // 3 left, 3 higher, 6 longer, its arrow 3 lower
        {{88, 80}, {88, 73}, {102, 73}, {102, 87}},  // 3 right, 3 lower, 6 shorter, its arrow 3 higher
    };
    for (std::size_t i = 0; i < loops.size(); ++i) {
        const TransitionArrow& arrow = *arrows.GetArrows()[i];
        ASSERT_NE(arrow.corner, nullptr);
        EXPECT_EQ(arrow.corner->GetPoints(), loops[i]) << i;
        EXPECT_EQ(Ends(arrow), (std::vector<ViewPoint>{loops[i][3], {90, loops[i][3].y}})) << i;
    }
}

TEST_F(TransitionArrowsTest, DestinationsOutsideTheWindowGetBoxesBelowIt) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    std::vector<CWindowKav*> outside;
    for (const char* name : {"Outside1", "Outside2", "Outside3"}) outside.push_back(project.AddWindow(name));
    for (CWindowKav* window : outside) Connect(button, window);
    Connect(dialog, outside[0]);  // shares the first box
    Route();
    // The anchor is (215, 175, 230, 190); each box lies 20 below the one before.
    EXPECT_EQ(arrows.GetBoxes(), (std::map<std::string, ViewRect>{{"Outside1", {215, 195, 230, 210}},
                                                                  {"Outside2", {215, 215, 230, 230}},
                                                                  {"Outside3", {215, 235, 230, 250}}}));
    EXPECT_EQ(arrows.GetArrows().size(), 4u);
}

TEST_F(TransitionArrowsTest, ArrowsAreSortedBySourceThenDestinationWithoutCase) {
    CWindowKav* upperA = AddControl(project, "A", kWndPushButton, dialog, {10, 10, 30, 20});
    CWindowKav* b = AddControl(project, "b", kWndPushButton, dialog, {10, 30, 30, 40});
    CWindowKav* lowerA = project.AddWindow("a", dialog, kWndPushButton, project.Lib());
    lowerA->SetRect({10, 50, 30, 60});
    CWindowKav* x = project.AddWindow("x"), *y = project.AddWindow("y"), *z = project.AddWindow("z");
    Connect(b, x);
    Connect(upperA, z);
    Connect(lowerA, y);
    Connect(upperA, x);
    Route();
    std::vector<std::string> order;
    for (const auto& arrow : arrows.GetArrows())
        order.push_back(arrow->source->GetName() + "->" + arrow->destination->GetName());
    EXPECT_EQ(order, (std::vector<std::string>{"A->x", "a->y", "A->z", "b->x"}));
}

TEST_F(TransitionArrowsTest, TheRoutingTakesTheSidesThatFaceEachOther) {
    CWindowKav* left = AddControl(project, "Left", kWndPushButton, dialog, {10, 20, 60, 40});
    CWindowKav* right = AddControl(project, "Right", kWndPushButton, dialog, {100, 20, 150, 40});
    CWindowKav* below = AddControl(project, "Below", kWndPushButton, dialog, {10, 70, 60, 90});
    CWindowKav* group = AddControl(project, "Group", kWndGroupBox, dialog, {100, 50, 190, 95});
    CWindowKav* inner = AddControl(project, "Inner", kWndCheckBox, group, {5, 5, 50, 20});
    layout.SetWindow(dialog);
    arrows.Build(layout, 1, {});
    struct Case {
        const char* what;
        CWindowKav* from;
        CWindowKav* to;
        std::vector<ViewPoint> ends;
        bool doubleHead;
    };
    const Case cases[] = {
        {"side by side: right edge to left edge", left, right, {{90, 90}, {130, 90}}, false},
        {"side by side backwards", right, left, {{130, 90}, {90, 90}}, false},
        {"one above the other: bottom to top", left, below, {{65, 100}, {65, 130}}, false},
        {"one below the other: top to bottom", below, left, {{65, 130}, {65, 100}}, false},
        {"up to the title strip", right, dialog, {{155, 80}, {130, 45}}, false},
        {"into a control inside a group: the group's edge, two heads", left, inner, {{90, 90}, {130, 132}}, true},
    };
    for (const Case& c : cases) {
        const auto arrow = arrows.Route(c.from, c.to, false);
        ASSERT_NE(arrow, nullptr) << c.what;
        EXPECT_EQ(Ends(*arrow), c.ends) << c.what;
        EXPECT_EQ(arrow->shape.IsDoubleHead(), c.doubleHead) << c.what;
    }
    CWindowKav* menu = project.AddWindow("Menu", dialog, kWndMenu);
    EXPECT_EQ(arrows.Route(menu, left, false), nullptr);
    EXPECT_EQ(arrows.Route(left, nullptr, false), nullptr);
}

TEST_F(TransitionArrowsTest, ArrowsIntoTheSameEdgesAreSpreadAroundTheMiddle) {
    CWindowKav* left = AddControl(project, "Left", kWndPushButton, dialog, {10, 20, 60, 40});
    CWindowKav* right = AddControl(project, "Right", kWndPushButton, dialog, {100, 20, 150, 40});
    for (int i = 0; i < 3; ++i) Connect(left, right);
    Route();
    std::vector<std::vector<ViewPoint>> ends;
    for (const auto& arrow : arrows.GetArrows()) ends.push_back(Ends(*arrow));
    // The second goes 3 below the first; the third moves both up by 3 and takes the lowest place.
    EXPECT_EQ(ends, (std::vector<std::vector<ViewPoint>>{
                        {{90, 87}, {130, 87}}, {{90, 90}, {130, 90}}, {{90, 93}, {130, 93}}}));
}

TEST_F(TransitionArrowsTest, GrandchildrenBringTheirTransitionsOnlyWhenShown) {
    CWindowKav* group = AddControl(project, "Group", kWndGroupBox, dialog, {100, 50, 190, 95});
    CWindowKav* inner = AddControl(project, "Inner", kWndCheckBox, group, {5, 5, 50, 20});
    Connect(inner, dialog);
    EXPECT_TRUE(Route(1).GetArrows().empty());
    ASSERT_EQ(Route(1 | 8).GetArrows().size(), 1u);
    EXPECT_EQ(arrows.GetArrows()[0]->source, inner);
}
