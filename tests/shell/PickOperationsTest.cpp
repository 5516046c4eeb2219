// The frame's multi-click operations: New Transition and its picks, redirecting, assigning an
// object to a step, Connect Steps, a window building block, and the view mode switches.
#include <gtest/gtest.h>

#include "model/FileKav.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/TaskStep.h"
#include "model/windows/WindowTypes.h"
#include "shell/CommandIds.h"
#include "CommandFixture.h"

namespace {

class PickOperationsTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        // New transitions go through the step editor; here it confirms each at once.
        frame_.Services().editors.editStep = [this](CStepKav&, bool isNew, CTaskKav*) {
            editedNew.push_back(isNew);
            return 1;
        };
    }

    std::vector<bool> editedNew;
};

}  // namespace

TEST_F(PickOperationsTest, ShowCoverageSwitchesTransitionsOffAndAgainBothOff) {
    frame_.OnCreate();
    ASSERT_EQ(frame_.GetViewMode(), 25);
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, Task("CalculatePremiums"));

    EXPECT_EQ(frame_.GetCommandState(command::kShowTransitions), (CommandState{true, true}));
    frame_.OnCommand(command::kShowCoverage);
    EXPECT_EQ(frame_.GetViewMode(), 28);
    EXPECT_EQ(frame_.GetCommandState(command::kShowCoverage), (CommandState{true, true}));
    EXPECT_EQ(frame_.GetCommandState(command::kShowTransitions), (CommandState{true, false}));
    frame_.OnCommand(command::kShowCoverage);
    EXPECT_EQ(frame_.GetViewMode(), 24);
    // Window and menu views take the pair; the flows take step info and direction.
    EXPECT_EQ(windowView.viewModes, (std::vector<int>{28, 24}));
    EXPECT_TRUE(flow.viewModes.empty());
    frame_.OnCommand(command::kVerticalDiagrams);
    EXPECT_EQ(flow.viewModes, std::vector<int>{56});
    frame_.OnCommand(command::kShowGrandchildren);
    EXPECT_EQ(windowView.viewModes.back(), 48);
    EXPECT_EQ(windowView.refreshes, 1);

    // Neither shown: no new transitions.
    window_.activeView = &windowView;
    EXPECT_FALSE(frame_.GetCommandState(command::kNewTransition).enabled);
}

TEST_F(PickOperationsTest, NewTransitionGivenTwiceEndsThePickWithAnEmptyStatus) {
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    FakeView& menuView = ActiveView(PaneKind::MenuView, nullptr);
    window_.activeView = &windowView;
    ASSERT_TRUE(frame_.GetCommandState(command::kNewTransition).enabled);
    frame_.OnCommand(command::kNewTransition);
    EXPECT_EQ(frame_.GetPickMode(), 1);
    EXPECT_EQ(window_.status, "Select a Start Window");
    EXPECT_EQ(windowView.transitionPicks, 1);
    EXPECT_EQ(menuView.transitionPicks, 1);
    EXPECT_EQ(frame_.GetCommandState(command::kNewTransition), (CommandState{true, true}));
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);

    frame_.OnCommand(command::kNewTransition);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(window_.status, "");
    EXPECT_EQ(windowView.pickEnds.size(), 1u);
}

TEST_F(PickOperationsTest, APickedStartAndDestinationMakeATransitionThroughTheEditor) {
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    frame_.OnCommand(command::kNewTransition);
    // A window that may not be changed is no start; the user may pick another.
    CFileKav readOnlyFile("Lib", "Lib.xml", "/Lib.xml", true);
    std::unique_ptr<CWindowKav> locked(CreateWindowOfType(kWndPushButton, {.id = "Locked"}));
    locked->SetFile(&readOnlyFile);
    frame_.OnObjectPicked(locked.get());
    EXPECT_EQ(Shown(), std::vector<std::string>{"You cannot draw new transitions in a read-only window! [W0367]"});
    EXPECT_EQ(MessageCaption(0), "Window is Read-Only");
    EXPECT_EQ(frame_.GetPickMode(), 1);

    CWindowKav* start = Window("Age");
    frame_.OnObjectPicked(start);
    EXPECT_EQ(frame_.GetPickMode(), 2);
    EXPECT_EQ(window_.status, "Select a Destination Window");
    frame_.OnObjectPicked(Window("Error"));
    ASSERT_EQ(start->GetTransitions().size(), 1u);
    CTransitionKav* made = start->GetTransitions()[0];
    EXPECT_EQ(made->GetName(), "Age_T1");
    EXPECT_EQ(made->GetStartWindow(), start);
    EXPECT_EQ(made->GetDestWindow(), Window("Error"));
    EXPECT_EQ(editedNew, std::vector<bool>{true});
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Transition");
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(windowView.selectedTransitions, std::vector<CTransitionKav*>{made});

    // A cancelled editor leaves nothing behind.
    frame_.Services().editors.editStep = [](CStepKav&, bool, CTaskKav*) { return 0; };
    frame_.OnCommand(command::kNewTransition);
    frame_.OnObjectPicked(start);
    frame_.OnObjectPicked(Window("Insurance"));
    EXPECT_EQ(start->GetTransitions().size(), 1u);
}

TEST_F(PickOperationsTest, AMenuItemIsAStartButNeverADestination) {
    FakeView& menuView = ActiveView(PaneKind::MenuView, nullptr);
    std::unique_ptr<CWindowKav> item(CreateWindowOfType(kWndMenuItem, {.id = "File"}));
    item->SetFile(Project().GetMainFile());
    const struct {
        int startMode;
        const char* warning;
    } cases[] = {{2, "Menu items can only be the start state of a transition! [W0402]"},
                 {3, "Menu items can only be the start state of a transition! [W0403]"}};
    for (const auto& c : cases) {
        TestInteraction().messages.clear();
        frame_.Pick().mode = 1;
        if (c.startMode == 2) frame_.OnObjectPicked(Window("Age"));
        else frame_.OnMenuItemPicked(item.get());
        ASSERT_EQ(frame_.GetPickMode(), c.startMode);
        frame_.OnMenuItemPicked(item.get());
        EXPECT_EQ(Shown(), std::vector<std::string>{c.warning});
        EXPECT_EQ(MessageCaption(0), "Invalid destination state");
        EXPECT_EQ(frame_.GetPickMode(), 0);
    }
    EXPECT_EQ(frame_.Pick().startView, nullptr);

    // From anything but a menu view the message is refused and the pick ends.
    TestInteraction().messages.clear();
    frame_.Pick().mode = 1;
    window_.activeView = nullptr;
    frame_.OnMenuItemPicked(item.get());
    EXPECT_EQ(Shown(), std::vector<std::string>{"Fatal Error: Message WM_SELECT_MENUITEM sent by invalid window! [F0031]"});
    EXPECT_EQ(MessageCaption(0), "Fatal Error");
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(menuView.transitionPicks, 0);
}

// The menu view is open, but the pick comes while another kind of pane is active: neither a
// start nor a destination warning, the pick ends.
TEST_F(PickOperationsTest, AMenuItemPickFromAnotherKindOfPaneIsRefused) {
    FakeView& menuView = ActiveView(PaneKind::MenuView, nullptr);
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, Task("CalculatePremiums"));
    std::unique_ptr<CWindowKav> item(CreateWindowOfType(kWndMenuItem, {.id = "File"}));
    item->SetFile(Project().GetMainFile());
    const std::size_t ageTransitions = Window("Age")->GetTransitions().size();
    const struct {
        const char* pane;
        FrameView* active;
        bool windowsTreeFocused;
    } panes[] = {{"window view", &windowView, false}, {"flow view", &flow, false}, {"windows tree", &menuView, true}};
    for (const auto& p : panes) {
        for (int mode : {1, 2}) {
            SCOPED_TRACE(std::string(p.pane) + ", mode " + std::to_string(mode));
            TestInteraction().messages.clear();
            window_.activeView = &windowView;
            windows_.focused = false;
            frame_.Pick().mode = 1;
            if (mode == 2) frame_.OnObjectPicked(Window("Age"));
            ASSERT_EQ(frame_.GetPickMode(), mode);
            window_.activeView = p.active;
            windows_.focused = p.windowsTreeFocused;
            frame_.OnMenuItemPicked(item.get());
            EXPECT_EQ(Shown(),
                      std::vector<std::string>{"Fatal Error: Message WM_SELECT_MENUITEM sent by invalid window! [F0031]"});
            EXPECT_EQ(frame_.GetPickMode(), 0);
        }
    }
    EXPECT_EQ(Window("Age")->GetTransitions().size(), ageTransitions);
    EXPECT_TRUE(editedNew.empty());
}

TEST_F(PickOperationsTest, RedirectingNamesTheTransitionAnewAtItsNewStartAndRefusesACorruptOne) {
    CWindowKav* oldStart = Window("Calculate");
    CWindowKav* newStart = Window("Age");
    CTransitionKav* transition = Transition("Calculate", "Calculate");
    // "Age_T1" is taken: the first free number follows.
    newStart->GetTransitions().Add(
        new CTransitionKav("Age_T1", "", "", "", "", "", newStart, newStart, 0, nullptr, 2, "", 0));
    ASSERT_EQ(frame_.RedirectTransition(transition, newStart, Window("Error")), 1);
    EXPECT_EQ(transition->GetName(), "Age_T2");
    EXPECT_EQ(transition->GetStartWindow(), newStart);
    EXPECT_EQ(transition->GetDestWindow(), Window("Error"));
    EXPECT_FALSE(oldStart->GetTransitions().Contains(transition));
    EXPECT_TRUE(newStart->GetTransitions().Contains(transition));
    // The step that performs it follows its windows.
    const CTaskStep* step = Task("EnterClientAndCalculate")->FindStepByID("S_Calculate");
    EXPECT_EQ(step->GetStartWindow(), newStart);
    EXPECT_EQ(step->GetDestWindow(), Window("Error"));
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Redirect Transition");
    EXPECT_EQ(windows_.updatedWindows, (std::vector<CWindowKav*>{oldStart, newStart}));

    // One that its start window does not hold.
    CTransitionKav stray("Stray", "", "", "", "", "", oldStart, newStart, 0, nullptr, 2, "", 0);
    const std::string before = ProjectText();
    EXPECT_EQ(frame_.RedirectTransition(&stray, Window("Insurance"), oldStart), 0);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Fatal Error: Transition structure corrupted! [F0041]"});
    EXPECT_EQ(stray.GetName(), "Stray");
    EXPECT_EQ(stray.GetStartWindow(), oldStart);
    EXPECT_EQ(stray.GetDestWindow(), newStart);
    EXPECT_EQ(ProjectText(), before);
}

TEST_F(PickOperationsTest, RedirectTransitionPicksTheNewEndsOfTheSelectedTransition) {
    FakeView& view = ActiveView(PaneKind::WindowView, Window("Insurance"));
    CTransitionKav* transition = Transition("Calculate", "Calculate");
    EXPECT_FALSE(frame_.GetCommandState(command::kRedirectTransition).enabled);
    view.selectedTransition = transition;
    frame_.OnCommand(command::kRedirectTransition);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Please select the new start and destination window of the selected "
                                                "transition [I0007]"});
    EXPECT_EQ(frame_.GetPickMode(), 1);
    frame_.OnObjectPicked(Window("EnginePower"));
    frame_.OnObjectPicked(Window("Error"));
    EXPECT_EQ(transition->GetStartWindow(), Window("EnginePower"));
    EXPECT_EQ(transition->GetName(), "EnginePower_T1");
    EXPECT_TRUE(editedNew.empty());
    EXPECT_EQ(frame_.GetPickMode(), 0);
}

TEST_F(PickOperationsTest, AssignObjectToStepHandsThePickedObjectToTheWaitingView) {
    CTaskKav* task = Task("CalculatePremiums");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, task);
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    window_.activeView = &flow;
    flow.startStep = task->GetStartStep();
    flow.selectedSteps = {task->GetStartStep()};
    EXPECT_FALSE(frame_.GetCommandState(command::kAssignObject).enabled);
    flow.selectedSteps = {task->FindStepByID("S_Close")};
    frame_.OnCommand(32862);  // the palette's push button
    frame_.OnCommand(command::kAssignObject);
    EXPECT_EQ(frame_.GetPickMode(), 6);
    EXPECT_EQ(window_.status, "Select a Window, Building Block or Transition");
    EXPECT_EQ(frame_.GetDrawingTool(), 99);
    EXPECT_FALSE(window_.IsBarShown(FrameBar::WindowPalette));
    EXPECT_EQ(flow.assignModes, std::vector<bool>{true});
    EXPECT_EQ(windows_.pickModes, std::vector<bool>{true});
    EXPECT_EQ(tasks_.pickModes, std::vector<bool>{true});
    EXPECT_EQ(windowView.transitionClickReports, 1);
    EXPECT_EQ(frame_.GetCommandState(command::kAssignObject), (CommandState{true, true}));

    // A use case task is no building block; a folder is passed over; a block is taken.
    frame_.OnTaskPicked(Task("RefuseYoungClient"), false);
    EXPECT_EQ(Shown(), std::vector<std::string>{"You cannot use a use case task as building block! [W0937]"});
    EXPECT_EQ(MessageCaption(0), "Invalid Selection");
    frame_.OnTaskPicked(Project().GetRootTask(), false);
    EXPECT_EQ(frame_.GetPickMode(), 6);
    CTaskKav* block = Task("EnterClientAndCalculate");
    frame_.OnTaskPicked(block, false);
    EXPECT_EQ(flow.assigned, std::vector<const void*>{block});
    EXPECT_EQ(flow.activations, 1);
    EXPECT_EQ(frame_.GetPickMode(), 0);

    // A transition clicked in a window view while a test case view waits.
    CTestCase testCase(1, 0, nullptr, nullptr, nullptr, 0);
    FakeView& testCaseView = ActiveView(PaneKind::TestCaseView, &testCase);
    CTestStep step("S", "", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr, nullptr, "");
    testCaseView.selectedSteps = {&step};
    frame_.OnCommand(command::kAssignObject);
    ASSERT_EQ(frame_.GetPickMode(), 7);
    EXPECT_EQ(window_.status, "Select a Window or Transition");
    TestInteraction().messages.clear();
    frame_.OnTaskPicked(block, false);
    EXPECT_EQ(Shown(), std::vector<std::string>{"You cannot assign a task to a test step. Please select a window or "
                                                "transition instead! [W0719]"});
    EXPECT_EQ(frame_.GetPickMode(), 7);
    window_.activeView = &windowView;
    CTransitionKav* transition = Transition("Calculate", "Calculate");
    frame_.OnTransitionSelected(transition);
    EXPECT_EQ(testCaseView.assigned, std::vector<const void*>{transition});
    EXPECT_EQ(frame_.GetPickMode(), 0);
}

TEST_F(PickOperationsTest, ATransitionClickedOutsidePickOperationsOpensItsEditorWhileTransitionsShow) {
    FakeView& windowView = ActiveView(PaneKind::WindowView, Window("Insurance"));
    CTransitionKav* transition = Transition("Calculate", "Calculate");
    frame_.OnTransitionSelected(transition);
    EXPECT_EQ(editedNew, std::vector<bool>{false});
    EXPECT_EQ(windowView.selectedTransitions, std::vector<CTransitionKav*>{transition});
    frame_.Pick().mode = 2;
    frame_.OnTransitionSelected(transition);
    frame_.Pick().mode = 0;
    frame_.OnTransitionSelected(nullptr);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Fatal Error: Invalid transition selection! [F0112]"});
    window_.activeView = nullptr;
    frame_.OnTransitionSelected(transition);
    EXPECT_EQ(Shown().back(), "Fatal Error: Message WM_SELECT_TRANS sent by invalid window! [F0034]");
    EXPECT_EQ(editedNew.size(), 1u);
}

TEST_F(PickOperationsTest, ConnectStepsAdvancesOnTheViewsPicksAndGivenAgainCancels) {
    CTaskKav* task = Task("CalculatePremiums");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, task);
    ASSERT_TRUE(frame_.GetCommandState(command::kConnectSteps).enabled);
    frame_.OnCommand(command::kConnectSteps);
    EXPECT_EQ(frame_.GetPickMode(), 4);
    EXPECT_EQ(window_.status, "Select a Start Step");
    EXPECT_EQ(flow.stepPickModes, std::vector<int>{4});
    EXPECT_EQ(frame_.GetCommandState(command::kConnectSteps), (CommandState{true, true}));
    // The view sends itself with each pick.
    frame_.OnStepPicked(&flow);
    EXPECT_EQ(frame_.GetPickMode(), 5);
    frame_.OnStepPicked(&flow);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(flow.stepPickModes, (std::vector<int>{4, 5, 0}));

    frame_.OnCommand(command::kConnectSteps);
    frame_.OnCommand(command::kConnectSteps);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(window_.status, "");
}

TEST_F(PickOperationsTest, AGuiBuildingBlockPickedForControlsMakesABlockWithAStepPerControl) {
    Project().SetOutputFormat(3);
    CWindowKav* dialog = Window("Insurance");
    FakeView& view = ActiveView(PaneKind::WindowView, dialog);
    view.selectedControls = {Window("Age"), Window("Car")};
    ASSERT_TRUE(frame_.GetCommandState(command::kCreateWindowBuildingBlock).enabled);
    frame_.OnCommand(command::kCreateWindowBuildingBlock);
    EXPECT_EQ(frame_.GetPickMode(), 8);
    EXPECT_EQ(window_.status, "Select a Building Block");
    EXPECT_EQ(window_.selectedPages.back(), WorkspacePageIndex::Tasks);
    EXPECT_EQ(tasks_.pickModes, std::vector<bool>{true});

    // A block not made for GUI tests is refused, and the pick goes on.
    CTaskKav* block = Task("EnterClientAndCalculate");
    frame_.OnTaskPicked(block, false);
    EXPECT_EQ(Shown(), std::vector<std::string>{"You need to choose a building block that is designed for GUI "
                                                "testing! [W1150]"});
    EXPECT_EQ(frame_.GetPickMode(), 8);

    // A long name is cut to 95 characters, then made unique.
    const std::string longName = "G_GUI_" + std::string(90, 'x');
    block->SetName(longName);
    const std::string cut = (longName + "__Insurance").substr(0, 95);
    auto* clash = new CTaskKav(cut, kTaskBuildingBlock);
    clash->SetFile(Project().GetMainFile());
    Project().GetTasks().Add(clash);
    frame_.OnTaskPicked(block, false);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    CTaskKav* made = Project().GetTasks().back();
    EXPECT_EQ(made->GetName(), cut + "1");
    EXPECT_EQ(made->GetType(), kTaskBuildingBlock);
    EXPECT_EQ(made->GetParent(), Project().GetRootTask());
    EXPECT_EQ(made->GetDescription(),
              "This is a generated building block that repeats the step '" + longName + "' for each selected window.");
    // Start, then one step calling the block per control, in a chain.
    ASSERT_EQ(made->GetSteps().size(), 3u);
    EXPECT_EQ(made->GetStartStep(), made->GetSteps()[0]);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(made->GetSteps()[i]->GetSubTask(), block);
        EXPECT_EQ(made->GetSteps()[i - 1]->GetSuccessors(), std::vector<CTaskStep*>{made->GetSteps()[i]});
    }
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Create Building Block");
    ASSERT_FALSE(window_.opened.empty());
    EXPECT_EQ(window_.opened.back()->ShownObject(), made);
}

TEST_F(PickOperationsTest, CtrlClickOnABuildingBlockCallsItFromANewStepOfTheActiveFlow) {
    CTaskKav* task = Task("CalculatePremiums");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, task);
    CTaskKav* block = Task("EnterClientAndCalculate");
    frame_.OnTaskPicked(block, true);  // nothing selected in the flow
    flow.selectedSteps = {task->FindStepByID("S_Close")};
    frame_.OnTaskPicked(block, false);  // without Ctrl
    frame_.OnTaskPicked(Task("RefuseYoungClient"), true);
    EXPECT_EQ(flow.insertions, 0);
    frame_.OnTaskPicked(block, true);
    EXPECT_EQ(flow.insertions, 1);
    EXPECT_EQ(flow.assigned, std::vector<const void*>{block});
    // A refused insertion assigns nothing.
    flow.insertAccepted = false;
    frame_.OnTaskPicked(block, true);
    EXPECT_EQ(flow.assigned.size(), 1u);
}
