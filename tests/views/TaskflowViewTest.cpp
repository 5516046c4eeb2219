// The task-flow view: selecting, connecting steps for the frame, the title, finding the task
// again after undo, what it draws and the information under the pointer.
#include <gtest/gtest.h>

#include <memory>

#include "conditions/ValueTypes.h"
#include "model/ApplicationKav.h"
#include "model/TransitionKav.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/TaskflowFixture.h"

namespace {

using Mode = CTaskflowView::Mode;

class TaskflowViewTest : public TaskflowTest {};

}  // namespace

TEST_F(TaskflowViewTest, TheStartStepIsSelectedFirstAndTheTitleNamesTheTask) {
    CTaskStep* s = Start();
    Show();
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{s});
    EXPECT_EQ(view.GetMode(), Mode::kModeOneStep);
    EXPECT_EQ(host.title, "Task Flow");

    task.SetType(kTaskBuildingBlock);
    project.Main()->SetReadOnly(true);
    view.UpdateTitle();
    EXPECT_EQ(host.title, "Building Block Flow (Read-Only)");
}

TEST_F(TaskflowViewTest, ClicksSelectStepsAndConnections) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    CTaskStep* b = Add("B", {s});
    Show();
    Click(*a);
    Click(*b, true);
    EXPECT_EQ(view.GetSelectedSteps(), (std::vector<CTaskStep*>{a, b}));
    EXPECT_EQ(view.GetMode(), Mode::kModeSeveral);
    // The start step never stays in a multiple selection.
    Click(*s, true);
    EXPECT_EQ(view.GetSelectedSteps(), (std::vector<CTaskStep*>{a, b}));
    Click(*a, true);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{b});
    EXPECT_EQ(view.GetMode(), Mode::kModeOneStep);

    EXPECT_FALSE(view.OnLeftButtonDown(OnArrow(*s, *a), false));
    EXPECT_EQ(view.GetSelectedConnection()->GetDestination(), a);
    EXPECT_TRUE(view.GetSelectedSteps().empty());
    EXPECT_EQ(view.GetMode(), Mode::kModeConnection);

    EXPECT_TRUE(view.OnLeftButtonDown({1000, 1000}, false));
    EXPECT_EQ(view.GetSelectedConnection(), nullptr);
    EXPECT_EQ(view.GetMode(), Mode::kModeNone);
}

TEST_F(TaskflowViewTest, ACtrlBandAddsNoStepTwice) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    CTaskStep* b = Add("B", {a});
    Show();
    EXPECT_TRUE(view.OnLeftButtonDown({5, 300}, false));
    const ViewRect boxA = view.BoxOf(*a);
    view.OnBandTracked({boxA.right + 1, boxA.bottom + 1, boxA.left, boxA.top});
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{a});

    EXPECT_TRUE(view.OnLeftButtonDown({5, 300}, true));
    view.OnBandTracked({0, 0, view.BoxOf(*b).right, 100});
    EXPECT_EQ(view.GetSelectedSteps(), (std::vector<CTaskStep*>{a, b}));
    view.DeleteSelection();
    EXPECT_EQ(StepNames(), std::vector<std::string>{"S"});

    const std::unique_ptr<CTaskStep> elsewhere(MakeStep("Elsewhere"));
    view.SetSelectedSteps({s, s, elsewhere.get()});
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{s});
}

TEST_F(TaskflowViewTest, ModesEmptyWhatTheyDoNotUse) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    Show();
    view.SetMode(Mode::kModeConnectFirst);
    EXPECT_TRUE(view.GetSelectedSteps().empty());
    Click(*a);
    view.SetMode(Mode::kModeConnectSecond);
    EXPECT_EQ(view.GetConnectionStart(), a);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{a});
    view.SetMode(Mode::kModeOneStep);
    EXPECT_EQ(view.GetConnectionStart(), nullptr);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{a});

    view.SetAssignMode(true);
    EXPECT_FALSE(view.OnLeftButtonDown({1000, 1000}, false));
    Click(*s);
    EXPECT_EQ(view.GetClickedStep(), s);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{a});
    view.SetAssignMode(false);
    EXPECT_EQ(view.GetMode(), Mode::kModeOneStep);
}

TEST_F(TaskflowViewTest, ConnectingPicksTwoStepsAndJoinsThem) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    CTaskStep* b = Add("B", {s});
    Show();
    // As the frame does: the first pick moves on to the second, the second ends connecting.
    host.onPick = [&] { view.SetMode(view.GetMode() == Mode::kModeConnectFirst ? 5 : 0); };
    view.SetMode(Mode::kModeConnectFirst);
    EXPECT_TRUE(view.ShowsPickCursor());
    // Connections and empty space do nothing while connecting, not even on the right button.
    EXPECT_FALSE(view.OnLeftButtonDown(OnArrow(*s, *a), false));
    EXPECT_FALSE(view.OnLeftButtonDown({1000, 1000}, false));
    view.OnContextMenuAt(OnArrow(*s, *a));
    EXPECT_EQ(view.GetSelectedConnection(), nullptr);
    EXPECT_EQ(view.GetMode(), Mode::kModeConnectFirst);
    EXPECT_TRUE(host.pickedSteps.empty());

    Click(*a);
    EXPECT_EQ(host.pickedSteps, std::vector<CTaskStep*>{a});
    EXPECT_EQ(view.GetMode(), Mode::kModeConnectSecond);
    Click(*b);
    EXPECT_EQ(host.pickedSteps, (std::vector<CTaskStep*>{a, b}));
    EXPECT_EQ(SuccessorNames(*a), std::vector<std::string>{"B"});
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Task Step Connection"});
    EXPECT_EQ(host.changedTasks, std::vector<CTaskKav*>{&task});
    EXPECT_EQ(view.GetConnections().size(), 3u);
    EXPECT_EQ(b->GetColumn(), 2);
    EXPECT_EQ(view.GetMode(), Mode::kModeNone);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TaskflowViewTest, ARefusedConnectionShowsTheModelsReasonAndStillEndsThePick) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    Show();
    view.SetMode(Mode::kModeConnectFirst);
    Click(*a);
    view.SetMode(Mode::kModeConnectSecond);
    Click(*s);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("[W0588]"), std::string::npos);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Connection failed"});
    EXPECT_EQ(host.pickedSteps, (std::vector<CTaskStep*>{a, s}));
    EXPECT_TRUE(SuccessorNames(*a).empty());
    EXPECT_TRUE(undoSteps.empty());
    EXPECT_TRUE(host.changedTasks.empty());
}

TEST_F(TaskflowViewTest, DoubleClickOpensTheCalledFlowOrTheStepEditor) {
    CTaskStep* s = Start();
    CTaskStep* call = Add("Call", {s});
    CTaskStep* plain = Add("Plain", {s});
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    call->SetSubTask(block);
    Show();
    for (CTaskStep* step : {s, call, plain}) {
        Click(*step);
        view.OnDoubleClick();
    }
    EXPECT_EQ(host.openedFlows, std::vector<CTaskKav*>{block});
    EXPECT_EQ(host.editedSteps, std::vector<CTaskStep*>{plain});

    // The context menu selects what lies under the pointer; Edit Step edits it, the rest goes
    // to the frame.
    view.OnContextMenuAt(CentreOf(*call));
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{call});
    view.OnContextCommand(CTaskflowView::kEditStepCommand);
    view.OnContextCommand(32915);
    EXPECT_EQ(host.editedSteps, (std::vector<CTaskStep*>{plain, call}));
    EXPECT_EQ(host.commands, std::vector<int>{32915});
    view.OnContextMenuAt(OnArrow(*s, *plain));
    EXPECT_EQ(view.GetMode(), Mode::kModeConnection);
    view.OnContextMenuAt({1000, 1000});
    EXPECT_EQ(view.GetMode(), Mode::kModeNone);
    view.OnContextCommand(CTaskflowView::kEditStepCommand);
    EXPECT_EQ(host.editedSteps.size(), 2u);
}

TEST_F(TaskflowViewTest, UndoFindsTheTaskAndTheSelectedStepsAgainOrClosesTheView) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    CTaskStep* b = Add("B", {s});
    Show();
    Click(*a);
    Click(*b, true);
    // The restored project: the same task and steps by identifier, without B.
    CApplicationKav restored;
    CTaskKav* again = restored.GetTasks().Add(new CTaskKav("Flow", kTaskPlain));
    again->SetID(task.GetID());
    CTaskStep* startAgain = AddStep(*again, "S");
    startAgain->SetId(s->GetId());
    CTaskStep* aAgain = AddStepAfter(*again, "A", {startAgain});
    aAgain->SetId(a->GetId());
    view.RebindObjects(restored);
    EXPECT_EQ(view.GetTask(), again);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{aAgain});
    EXPECT_EQ(view.GetConnections().size(), 1u);
    EXPECT_FALSE(host.closed);

    CApplicationKav empty;
    view.RebindObjects(empty);
    EXPECT_TRUE(host.closed);
}

TEST_F(TaskflowViewTest, BoxesAreColouredByWhatTheStepDoes) {
    CWindowKav* dialog = project.AddWindow("Dialog1");
    CTaskStep* s = Start();
    CTaskStep* call = Add("Call", {s});
    CTaskStep* emptyCall = Add("EmptyCall", {s});
    CTaskStep* performs = Add("Performs", {s});
    CTaskStep* defined = Add("Defined", {s});
    CTaskStep* blank = Add("ABlankStepWithALongName", {s});
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    AddStepAfter(*block, "Z", {AddStep(*block, "BS")});
    call->SetSubTask(block);
    call->SetLoopMode(1);
    emptyCall->SetSubTask(project.AddTask("Empty", nullptr, kTaskBuildingBlock));
    AddStep(*emptyCall->GetSubTask(), "ES");
    CTransitionKav* transition = project.AddTransition(dialog, "Dialog1_T1");
    performs->SetTransition(transition);
    defined->SetDescription("does something");
    Show();
    Click(*blank);

    std::vector<draw::Box> boxes;
    std::vector<std::string> texts;
    int arrows = 0;
    for (const DrawPrimitive& primitive : view.Draw()) {
        if (const auto* box = std::get_if<draw::Box>(&primitive)) boxes.push_back(*box);
        if (const auto* text = std::get_if<draw::Text>(&primitive)) texts.push_back(text->text);
        if (std::holds_alternative<draw::Lines>(primitive)) ++arrows;
    }
    ASSERT_EQ(boxes.size(), 7u);  // the repeated call has a second frame
    EXPECT_EQ(boxes[0].fill, ViewColour::Rgb(0, 215, 18));
    EXPECT_EQ(boxes[1].fill, ViewColour::Rgb(255, 255, 0));
    EXPECT_EQ(boxes[2].rect, boxes[1].rect.Inflated(-2, -2));
    EXPECT_EQ(boxes[3].fill, ViewColour::Rgb(255, 255, 175));
    EXPECT_EQ(boxes[4].fill, ViewColour::Rgb(29, 189, 255));
    EXPECT_EQ(boxes[5].fill, ViewColour::Rgb(115, 245, 255));
    EXPECT_EQ(boxes[6].fill, ViewColour::Rgb(198, 195, 198));
    EXPECT_EQ(boxes[6].pen, (ViewPen{ViewColour::Rgb(255, 0, 0), 2}));
    const ViewRect box = view.BoxOf(*blank);
    EXPECT_EQ(boxes[6].rect, (ViewRect{box.left, box.top, box.right + 1, box.bottom + 1}));
    EXPECT_EQ(texts, (std::vector<std::string>{"S", "Call", "EmptyCall", "Dialog1_T1", "Defined",
                                               "ABlankStepWith ALongName"}));
    EXPECT_EQ(arrows, 5);
}

TEST_F(TaskflowViewTest, ACallTellsItsLoopAndParameters) {
    CTaskStep* s = Start();
    CTaskStep* call = Add("Call", {s});
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    call->SetSubTask(block);
    call->SetLoopMode(1);
    call->SetLoopCount("3");
    call->GetAttributes().Add(new CAttributeKav("n", kTypeString, "v"));
    EXPECT_EQ(view.GetStepInfoText(*call), "L: repeat 3 times\r\nP: n = v\r\n");

    CDataSet* clients = project.AddDataSet("Clients");
    call->SetLoopMode(4);
    EXPECT_EQ(view.GetStepInfoText(*call), "P: n = v\r\n");  // records need the data set
    call->SetLoopDataSet(clients);
    EXPECT_EQ(view.GetStepInfoText(*call), "L: for invalid records of data set '~Clients'\r\nP: n = v\r\n");

    // With an ESA format, what the block does: its one step's description, values filled in.
    app.SetOutputFormat(3);
    call->SetLoopMode(0);
    CTaskStep* only = AddStepAfter(*block, "Do", {AddStep(*block, "BS")});
    only->SetDescription("Enter #n# into the field");
    EXPECT_EQ(view.GetStepInfoText(*call), "P: n = v\r\n\r\nD: Enter v into the field");
}

TEST_F(TaskflowViewTest, AnyOtherStepTellsWhatItDoesAndItsTransitionsConditions) {
    CWindowKav* dialog = project.AddWindow("Dialog1");
    CTaskStep* s = Start();
    CTaskStep* step = Add("A", {s});
    step->SetEvent("Click");
    step->SetDescription("press");
    EXPECT_EQ(view.GetStepInfoText(*step), "E: Click\r\n");
    CTransitionKav* transition = project.AddTransition(dialog, "Dialog1_T1");
    transition->GetConditions().Add(new CConditionKav("C1", "#Dialog1:$Exist# = TRUE"));
    step->SetTransition(transition);
    step->SetCommands("Wait(1)");
    EXPECT_EQ(view.GetStepInfoText(*step), "S: Wait(1)\r\nC: #Dialog1:$Exist# = TRUE\r\n");
}

TEST_F(TaskflowViewTest, TheInfoBoxShowsForStepsThatHaveSomethingToSay) {
    CTaskStep* s = Start();
    CTaskStep* a = Add("A", {s});
    CTaskStep* b = Add("B", {s});
    a->SetEvent("Click");
    Show(CTaskflowView::kShowStepInfo);
    CountingSurface surface;
    const ViewPoint over = CentreOf(*a);
    const auto box = view.InfoBoxAt(over, over, {800, 600}, surface);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "E: Click\r\n");
    const int width = 8 * CountingSurface::kCharWidth + 10;
    EXPECT_EQ(box->rect, (ViewRect{over.x - width / 2, over.y + 20, over.x - width / 2 + width, over.y + 44}));
    EXPECT_FALSE(view.InfoBoxAt(over, CentreOf(*b), {800, 600}, surface));
    EXPECT_FALSE(view.InfoBoxAt(over, CentreOf(*s), {800, 600}, surface));
    view.SetDisplayFlags(0);
    EXPECT_FALSE(view.InfoBoxAt(over, CentreOf(*a), {800, 600}, surface));
}

TEST_F(TaskflowViewTest, AFlowTooLargeForABitmapGivesNone) {
    CTaskStep* s = Start();
    for (int i = 0; i < 220; ++i) Add("P" + std::to_string(i), {s});
    Show();
    EXPECT_EQ(view.GetScrollSize(), (ViewSize{115 * 3 - 20 + 20, 75 * 220 - 15 + 20}));
    EXPECT_FALSE(view.GetBitmapSize());
}
