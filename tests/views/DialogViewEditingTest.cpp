// What the user's clicks, drags and keys do to the model in the window view.
#include <gtest/gtest.h>

#include "model/ShellServices.h"
#include "tests/support/GlobalState.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/FakeDialogViewHost.h"
#include "views/window/DialogView.h"

namespace {

constexpr int kPushButton = 8;
constexpr int kSelect = 99;

class DialogViewEditingTest : public ProjectTest {
protected:
    // The dialog lies at (30, 60, 230, 160) in the view.
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 200, 100});

    void SetUp() override {
        SetUndoStepHook([this](const std::string& name) { undoSteps.push_back(name); });
        SetTagGenerator(nullptr);
        view.SetDisplayedWindow(dialog, CDialogView::kShowTransitions);
    }
    void Drag(ViewPoint from, ViewPoint to, bool ctrl = false) {
        view.OnLeftButtonDown(from, ctrl);
        view.OnDragTo(to);
        view.OnLeftButtonUp(to);
    }
    void Click(ViewPoint at, bool ctrl = false) {
        view.OnLeftButtonDown(at, ctrl);
        view.OnLeftButtonUp(at);
    }
    CWindowKav* Find(const std::string& name) { return app.GetWindowList().FindByName(name, nullptr); }
    CWindowKav* DrawButton(ViewPoint from, ViewPoint to) {
        host.tool = kPushButton;
        const std::size_t before = host.newWindows.size();
        Drag(from, to);
        return host.newWindows.size() > before ? host.newWindows.back() : nullptr;
    }
    std::vector<std::string> Messages() const { return TestInteraction().Texts(); }

    FakeDialogViewHost host;
    CDialogView view{host};
    std::vector<std::string> undoSteps;
};

}  // namespace

TEST_F(DialogViewEditingTest, DrawingWithThePaletteCreatesANamedControlInTheBand) {
    CWindowKav* button = DrawButton({50, 70}, {100, 95});
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetName(), "Button1");
    EXPECT_EQ(button->GetCaption(), "Button1");
    EXPECT_EQ(button->GetStyle(), 0x10010000u);
    EXPECT_EQ(button->GetRect(), (WindowRect{20, 10, 70, 35}));
    EXPECT_EQ(button->GetParent(), dialog);
    EXPECT_EQ(button->GetFile(), project.Main());
    EXPECT_EQ(Find("Button1"), button);
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});
    EXPECT_EQ(host.paletteResets, 1);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Window"});

    EXPECT_EQ(DrawButton({50, 120}, {100, 150})->GetName(), "Button2");
    ASSERT_TRUE(app.GetWindowList().DeleteWindow("Button1", project.Main()));
    EXPECT_EQ(DrawButton({120, 70}, {200, 95})->GetName(), "Button1");

    host.tool = kWndLink;
    Drag({150, 120}, {200, 140});
    CWindowKav* link = Find("Link1");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetCaption(), "Link");
    EXPECT_EQ(static_cast<CLinkKav*>(link)->GetInitialValue(), "http://");

    // A click that does not drag draws nothing, nor does a band begun outside the window.
    EXPECT_EQ(DrawButton({60, 130}, {60, 130}), nullptr);
    EXPECT_EQ(DrawButton({10, 10}, {60, 80}), nullptr);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DialogViewEditingTest, WithoutAShownWindowTheBandBecomesANewWindowOfAPossibleSize) {
    view.SetDisplayedWindow(nullptr, CDialogView::kShowTransitions);
    host.tool = kWndDialogBox;
    Drag({10, 10}, {60, 30});  // 50 x 20: smaller than a window with a title bar can be
    EXPECT_EQ(Messages(), std::vector<std::string>{"Can't create a window of this size! [W0279]"});
    EXPECT_EQ(Find("Dialog2"), nullptr);

    host.tool = kWndDialogBox;
    Drag({10, 10}, {310, 210});
    CWindowKav* created = Find("Dialog2");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetRect(), (WindowRect{0, 0, 300, 200}));
    EXPECT_EQ(created->GetParent(), nullptr);
    EXPECT_EQ(view.GetDisplayedWindow(), created);
    EXPECT_EQ(host.title, "Dialog Box Dialog2");
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Window"});
}

TEST_F(DialogViewEditingTest, AControlThatTheParentRefusesIsDeleted) {
    CWindowKav* menu = AddControl(project, "Menu1", kWndMenu, nullptr, {0, 0, 200, 30});
    view.SetDisplayedWindow(menu, CDialogView::kShowTransitions);
    EXPECT_EQ(DrawButton({40, 65}, {90, 85}), nullptr);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back(), "Cannot add a new child to the parent! [W0277]");
    EXPECT_EQ(TestInteraction().messages.back().caption, "Invalid Window");
    EXPECT_EQ(Find("Button1"), nullptr);
    EXPECT_TRUE(menu->GetChildren().empty());
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(DialogViewEditingTest, ArrowKeysNudgeByTwoWithinTheParent) {
    struct Case {
        WindowRect from;
        int dx, dy;
        WindowRect to;
    };
    const Case cases[] = {
        {{1, 10, 21, 20}, -1, 0, {1, 10, 21, 20}},      {{2, 10, 22, 20}, -1, 0, {0, 10, 20, 20}},
        {{10, 1, 30, 11}, 0, -1, {10, 1, 30, 11}},      {{10, 2, 30, 12}, 0, -1, {10, 0, 30, 10}},
        {{178, 10, 198, 20}, 1, 0, {180, 10, 200, 20}}, {{179, 10, 199, 20}, 1, 0, {179, 10, 199, 20}},
        {{10, 88, 30, 98}, 0, 1, {10, 90, 30, 100}},    {{10, 89, 30, 99}, 0, 1, {10, 89, 30, 99}},
    };
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {});
    const std::vector<CWindowKav*> selection{button};
    for (const Case& c : cases) {
        button->SetRect(c.from);
        view.SetSelection(&selection);
        undoSteps.clear();
        EXPECT_TRUE(view.OnArrowKey(c.dx, c.dy));
        EXPECT_EQ(button->GetRect(), c.to) << c.from.left << "," << c.from.top << " by " << c.dx << "," << c.dy;
        const bool moved = !(c.from == c.to);
        EXPECT_EQ(undoSteps, moved ? std::vector<std::string>{"Stepwise Move Window Button1"} : std::vector<std::string>{});
    }
}

TEST_F(DialogViewEditingTest, ANudgedControlTakesItsArrowsAlong) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    CWindowKav* other = AddControl(project, "Button2", kWndPushButton, dialog, {100, 20, 150, 40});
    project.AddTransition(button, "Button1_T1")->SetDestWindow(other);
    CountingSurface surface;
    view.Paint(surface, false);
    ASSERT_EQ(view.Arrows().GetArrows().front()->shape.GetStart(), (ViewPoint{90, 90}));
    const std::vector<CWindowKav*> selection{button};
    view.SetSelection(&selection);
    ASSERT_TRUE(view.OnArrowKey(0, 1));
    view.Paint(surface, false);
    EXPECT_EQ(view.Arrows().GetArrows().front()->shape.GetStart(), (ViewPoint{90, 92}));
}

TEST_F(DialogViewEditingTest, ResizingChecksTheChildrenAndRecordsTheStep) {
    // The group lies at (40, 70, 140, 150); its bottom right handle just outside that corner.
    CWindowKav* group = AddControl(project, "Group1", kWndGroupBox, dialog, {10, 10, 110, 90});
    CWindowKav* check = AddControl(project, "Checkbox1", kWndCheckBox, group, {5, 15, 80, 60});
    const std::vector<CWindowKav*> selection{group};
    view.SetSelection(&selection);
    Drag({142, 152}, {102, 122});
    EXPECT_EQ(Messages(), std::vector<std::string>{"The window is too small for its children! [W0280]"});
    EXPECT_EQ(group->GetRect(), (WindowRect{10, 10, 110, 90}));
    EXPECT_TRUE(undoSteps.empty());

    Drag({142, 152}, {162, 162});
    EXPECT_EQ(group->GetRect(), (WindowRect{10, 10, 130, 100}));
    EXPECT_EQ(check->GetRect(), (WindowRect{5, 15, 80, 60}));
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Resize Window"});
    EXPECT_EQ(host.refreshes, 1);

    // Dragged beyond its parent, the tracker stops at the parent's edge (230, 160).
    Drag({162, 162}, {400, 400});
    EXPECT_EQ(group->GetRect(), (WindowRect{10, 10, 200, 100}));
}

TEST_F(DialogViewEditingTest, TheShownWindowResizesOnlyFromItsBottomRightAndHoldsItsChildren) {
    AddControl(project, "Button1", kWndPushButton, dialog, {10, 10, 150, 80});
    Click({220, 150});  // on the window, on no control
    ASSERT_EQ(view.GetSelection(), std::vector<CWindowKav*>{dialog});
    Drag({232, 162}, {282, 182});
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 250, 120}));
    Drag({282, 182}, {100, 100});  // held at the button's right and bottom
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 150, 80}));
    Drag({28, 58}, {10, 10});  // its top left corner stays
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 150, 80}));
}

TEST_F(DialogViewEditingTest, PressingOnAControlAndDraggingMovesItWithinItsParent) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    Drag({60, 80}, {70, 90});
    EXPECT_EQ(button->GetRect(), (WindowRect{30, 20, 80, 45}));
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Move Window"});
    Drag({70, 90}, {0, 90});  // stops at the dialog's left edge
    EXPECT_EQ(button->GetRect(), (WindowRect{0, 20, 50, 45}));

    undoSteps.clear();
    Click({45, 90});  // a click on the selected control changes nothing
    EXPECT_TRUE(undoSteps.empty());
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});
}

TEST_F(DialogViewEditingTest, MovingAControlWithItsSelectedParentMovesTheParentOnly) {
    CWindowKav* group = AddControl(project, "Group1", kWndGroupBox, dialog, {10, 10, 110, 90});
    CWindowKav* check = AddControl(project, "Checkbox1", kWndCheckBox, group, {5, 15, 80, 60});
    view.SetDisplayedWindow(dialog, CDialogView::kShowTransitions | CDialogView::kShowGrandchildren);
    Click({50, 75});                // the group
    Click({60, 100}, true);         // Ctrl adds the check box
    ASSERT_EQ(view.GetSelection(), (std::vector<CWindowKav*>{group, check}));
    Drag({90, 100}, {100, 105});
    EXPECT_EQ(group->GetRect(), (WindowRect{20, 15, 120, 95}));
    EXPECT_EQ(check->GetRect(), (WindowRect{5, 15, 80, 60}));
}

TEST_F(DialogViewEditingTest, ARubberBandSelectsTheControlsWhollyInsideIt) {
    CWindowKav* first = AddControl(project, "Button1", kWndPushButton, dialog, {10, 10, 50, 30});
    AddControl(project, "Button2", kWndPushButton, dialog, {60, 10, 120, 30});
    Drag({35, 65}, {100, 100});
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{first});
    Click({200, 140});  // no band: the window itself
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{dialog});
    EXPECT_EQ(view.GetSelectedObject(), nullptr);
    EXPECT_TRUE(view.GetSelectedControls().empty());
}

TEST_F(DialogViewEditingTest, AReadOnlyWindowSelectsButChangesNothing) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    project.Main()->SetReadOnly(true);
    view.SetDisplayedWindow(dialog, CDialogView::kShowTransitions);
    EXPECT_EQ(DrawButton({120, 120}, {180, 150}), nullptr);  // drawing
    host.tool = kSelect;
    Drag({60, 80}, {90, 100});  // moving
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});
    Drag({102, 97}, {150, 130});  // resizing at the bottom right handle
    EXPECT_FALSE(view.OnArrowKey(1, 0));  // nudging
    EXPECT_EQ(button->GetRect(), (WindowRect{20, 10, 70, 35}));
    EXPECT_EQ(Find("Button2"), nullptr);
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(DialogViewEditingTest, PickModeReportsTheClickedObjectAndFramesIt) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    view.SetPickMode(true);
    Click({60, 80});
    Click({100, 35});  // the title strip picks the window
    Click({250, 200});  // nothing there
    EXPECT_EQ(host.picked, (std::vector<CWindowKav*>{button, dialog}));
    EXPECT_EQ(view.GetPickedObject(), dialog);
    CountingSurface surface;
    int frames = 0;
    for (const DrawPrimitive& primitive : view.Paint(surface, false)) frames += std::holds_alternative<draw::Frame>(primitive);
    EXPECT_EQ(frames, 2);
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(DialogViewEditingTest, TheFramesPickOperationsDecideWhatAClickReports) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    const ViewPoint onButton{60, 80}, empty{300, 300};
    view.SelectObject(button);
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});

    view.StartTransitionPick();
    EXPECT_TRUE(view.GetSelection().empty());
    EXPECT_EQ(view.CursorAt(empty), DialogCursor::Pick);
    Click(onButton);
    EXPECT_EQ(host.picked, std::vector<CWindowKav*>{button});

    view.EndPickOperation(false);
    EXPECT_EQ(view.GetPickedObject(), nullptr);
    EXPECT_EQ(view.CursorAt(empty), DialogCursor::Default);
    Click(onButton);
    EXPECT_EQ(host.picked.size(), 1u);
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});

    // A step waiting for an object: a click on a control is reported and moves nothing.
    view.StartReportingClicks();
    EXPECT_TRUE(view.GetSelection().empty());
    Drag(onButton, {90, 100});
    EXPECT_EQ(host.picked, (std::vector<CWindowKav*>{button, button}));
    EXPECT_EQ(button->GetRect(), (WindowRect{20, 10, 70, 35}));

    // Ended with a drawing tool chosen: the pick cursor stays, clicks are the user's again.
    view.EndPickOperation(true);
    EXPECT_TRUE(view.GetSelection().empty());
    EXPECT_EQ(view.CursorAt(empty), DialogCursor::Pick);
    Click(onButton);
    EXPECT_EQ(host.picked.size(), 2u);
    view.SelectObject(nullptr);
    EXPECT_TRUE(view.GetSelection().empty());
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(DialogViewEditingTest, ArrowsAndOutsideBoxesAreClickedAndOpened) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {10, 20, 60, 40});
    CWindowKav* outside = project.AddWindow("Outside1");
    CTransitionKav* transition = project.AddTransition(button, "Button1_T1");
    transition->SetDestWindow(outside);
    CountingSurface surface;
    view.Paint(surface, false);
    // The arrow runs from the button's right edge (90, 90) to the box at (215, 195, 230, 210).
    view.SetReportClicks(true);
    const TransitionArrow& arrow = *view.Arrows().GetArrows().front();
    const ViewPoint start = arrow.shape.GetStart(), end = arrow.shape.GetEnd();
    Click({(start.x + end.x) / 2, (start.y + end.y) / 2});
    EXPECT_EQ(host.transitions, std::vector<CTransitionKav*>{transition});
    EXPECT_EQ(view.GetSelectedTransition(), transition);
    EXPECT_TRUE(view.CanEditTransition());
    view.OnDoubleClick();
    EXPECT_EQ(host.transitions.size(), 2u);

    view.SetReportClicks(false);
    Click({300, 200});  // the box's name
    EXPECT_EQ(view.GetClickedBoxName(), "Outside1");
    EXPECT_EQ(view.GetSelectedTransition(), nullptr);
    view.OnDoubleClick();
    EXPECT_EQ(host.opened, std::vector<CWindowKav*>{outside});

    Click({50, 90});  // the button; a double click opens it
    view.OnDoubleClick();
    EXPECT_EQ(host.opened, (std::vector<CWindowKav*>{outside, button}));
}

TEST_F(DialogViewEditingTest, TheContextMenuActsOnWhatLiesUnderTheClick) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    view.PrepareContextMenu(ViewPoint{10, 10});  // outside the window
    EXPECT_TRUE(view.GetSelection().empty());
    view.PrepareContextMenu(ViewPoint{60, 80});
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{button});
    view.OnContextCommand(32781);
    view.OnContextCommand(CDialogView::kEditTransitionCommand);  // no transition selected
    EXPECT_EQ(host.commands, std::vector<int>{32781});
    EXPECT_TRUE(host.transitions.empty());
    const auto& menu = CDialogView::ContextMenu();
    EXPECT_EQ(menu.front().command, 32781);
    EXPECT_EQ(menu.back().command, CDialogView::kPrintCommand);
}

TEST_F(DialogViewEditingTest, AfterUndoTheViewFindsItsObjectsByIdentifierOrCloses) {
    CWindowKav* button = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    const std::vector<CWindowKav*> selection{button};
    view.SetSelection(&selection);
    const std::string id = button->GetInternalID();
    // Undo replaces the objects: the old button is deleted, one with its identifier comes back.
    ASSERT_TRUE(app.GetWindowList().DeleteWindow("Button1", project.Main()));
    CWindowKav* restored = AddControl(project, "Button1", kWndPushButton, dialog, {20, 10, 70, 35});
    restored->SetInternalID(id);
    view.RebindObjects();
    EXPECT_EQ(view.GetSelection(), std::vector<CWindowKav*>{restored});
    EXPECT_FALSE(host.closed);

    ASSERT_TRUE(app.GetWindowList().DeleteWindow("Dialog1", project.Main()));
    view.RebindObjects();
    EXPECT_TRUE(host.closed);
    EXPECT_EQ(view.GetDisplayedWindow(), nullptr);
    EXPECT_TRUE(view.GetSelection().empty());
}
