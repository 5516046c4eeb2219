// What the task-flow view changes in its task: inserting and deleting steps, and assigning a
// window, a transition or a task to a step.
#include <gtest/gtest.h>

#include "conditions/ValueTypes.h"
#include "model/ApplicationKav.h"
#include "model/TransitionKav.h"
#include "model/XMLElement.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/TaskflowFixture.h"

namespace {

using Mode = CTaskflowView::Mode;

class TaskflowEditingTest : public TaskflowTest {
protected:
    // S -> A -> B, with A selected.
    void ShowChain() {
        s = Start();
        a = Add("A", {s});
        b = Add("B", {a});
        Show();
        Click(*a);
    }

    CTaskStep* s = nullptr;
    CTaskStep* a = nullptr;
    CTaskStep* b = nullptr;
};

}  // namespace

TEST_F(TaskflowEditingTest, ANewStepFollowsTheOneSelectedStep) {
    app.GetStepFields().Add(new CAttributeKav("Tester", kTypeString, ""));
    ShowChain();
    EXPECT_TRUE(view.InsertStep());
    ASSERT_EQ(StepNames(), (std::vector<std::string>{"S", "A", "B", "NewStep"}));
    CTaskStep* inserted = task.GetSteps().back();
    EXPECT_EQ(SuccessorNames(*a), (std::vector<std::string>{"B", "NewStep"}));
    EXPECT_EQ(inserted->GetAttributes().size(), 1u);
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{inserted});
    EXPECT_EQ(view.GetMode(), Mode::kModeOneStep);
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Task Step"});
    EXPECT_EQ(host.changedTasks, std::vector<CTaskKav*>{&task});
    EXPECT_EQ(view.GetConnections().size(), 3u);
}

TEST_F(TaskflowEditingTest, ANewStepInASelectedConnectionTakesItsPlace) {
    ShowChain();
    view.OnLeftButtonDown(OnArrow(*a, *b), false);
    ASSERT_EQ(view.GetMode(), Mode::kModeConnection);
    view.InsertStep();
    EXPECT_EQ(SuccessorNames(*a), std::vector<std::string>{"NewStep"});
    EXPECT_EQ(PredecessorNames(*b), std::vector<std::string>{"NewStep"});
    EXPECT_EQ(view.GetSelectedConnection(), nullptr);
    EXPECT_EQ(task.GetSteps().back()->GetColumn(), 2);
    EXPECT_EQ(b->GetColumn(), 3);
}

TEST_F(TaskflowEditingTest, InsertingWithTwoStepsAndNoConnectionIsAFatalError) {
    ShowChain();
    Click(*b, true);
    EXPECT_FALSE(view.InsertStep());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Fatal Error: Invalid Insert Command! [F0122]"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"Insert Step Failed"});
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(StepNames(), (std::vector<std::string>{"S", "A", "B"}));
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(TaskflowEditingTest, DeletingSkipsTheStartStepAndReconnectsAroundTheSteps) {
    ShowChain();
    CTaskStep* c = Add("C", {b});
    view.LayoutSteps();
    view.SetSelectedSteps({a, c});
    Click(*s, true);
    ASSERT_EQ(view.GetSelectedSteps(), (std::vector<CTaskStep*>{a, c}));
    view.SetSelectedSteps({s});
    view.DeleteSelection();
    EXPECT_EQ(StepNames(), (std::vector<std::string>{"S", "A", "B", "C"}));
    EXPECT_EQ(view.GetMode(), Mode::kModeNone);

    view.SetSelectedSteps({a, c});
    view.DeleteSelection();
    EXPECT_EQ(StepNames(), (std::vector<std::string>{"S", "B"}));
    EXPECT_EQ(SuccessorNames(*s), std::vector<std::string>{"B"});
    EXPECT_TRUE(view.GetSelectedSteps().empty());
    EXPECT_EQ(view.GetConnections().size(), 1u);

    // A selected connection is removed; B, left without a predecessor, hangs from the start.
    Add("D", {s, b});
    view.LayoutSteps();
    view.OnLeftButtonDown(OnArrow(*s, *task.GetSteps().back()), false);
    view.DeleteSelection();
    EXPECT_EQ(SuccessorNames(*s), std::vector<std::string>{"B"});
}

TEST_F(TaskflowEditingTest, ARefusedDeletionKeepsWhatWasDeletedAndForgetsIt) {
    ShowChain();
    CTaskStep* c = Add("C", {b});
    // C's connection lists disagree with B's, so the model refuses to delete C.
    b->GetSuccessors().clear();
    view.LayoutSteps();
    Click(*a);
    view.SetSelectedSteps({a, c});
    view.DeleteSelection();
    EXPECT_EQ(StepNames(), (std::vector<std::string>{"S", "B", "C"}));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Deletion failed"});
    EXPECT_NE(Messages()[0].find("[F0116]"), std::string::npos);
    // Nothing the view holds leads to A any more (the sanitizer watches the freed step).
    EXPECT_EQ(view.GetSelectedSteps(), std::vector<CTaskStep*>{c});
    EXPECT_EQ(view.GetClickedStep(), nullptr);
    for (const auto& connection : view.GetConnections()) {
        EXPECT_TRUE(task.GetSteps().Contains(static_cast<CTaskStep*>(connection->GetSource())));
        EXPECT_TRUE(task.GetSteps().Contains(static_cast<CTaskStep*>(connection->GetDestination())));
    }
    view.Draw();
    view.OnDoubleClick();
    EXPECT_TRUE(host.editedSteps.empty());
}

TEST_F(TaskflowEditingTest, AssigningNeedsAnObjectAndExactlyOneStep) {
    ShowChain();
    CWindowKav* dialog = project.AddWindow("Dialog1");
    view.AssignWindowToStep(nullptr);
    EXPECT_TRUE(view.GetSelectedSteps().empty());
    EXPECT_EQ(view.GetMode(), Mode::kModeNone);
    view.SetSelectedSteps({a, b});
    view.AssignWindowToStep(dialog);
    EXPECT_TRUE(view.GetSelectedSteps().empty());
    EXPECT_EQ(a->GetStartWindow(), nullptr);
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(TaskflowEditingTest, AWindowGivesTheStepItsNameOnlyWhereTheUserGaveNone) {
    ShowChain();
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* field = AddControl(project, "Name", kWndInputField, dialog, {10, 10, 100, 30});
    CWindowKav* check = AddControl(project, "Agree", kWndCheckBox, dialog, {10, 40, 100, 60});
    a->SetName("NewStep");
    view.AssignWindowToStep(field);
    EXPECT_EQ(a->GetName(), "Name");
    EXPECT_EQ(a->GetStartWindow(), field);
    EXPECT_EQ(a->GetEvent(), "Input(\"\")");
    // The name of the former window follows the new one; the event stays.
    view.AssignWindowToStep(check);
    EXPECT_EQ(a->GetName(), "Agree");
    EXPECT_EQ(a->GetEvent(), "Input(\"\")");
    a->SetName("EnterAgreement");
    view.AssignWindowToStep(field);
    EXPECT_EQ(a->GetName(), "EnterAgreement");
    EXPECT_EQ(undoSteps, std::vector<std::string>(3, "Assign Window to Task Step"));
    EXPECT_EQ(host.changedTasks.size(), 3u);
    EXPECT_EQ(view.GetMode(), Mode::kModeOneStep);
}

TEST_F(TaskflowEditingTest, ARadioButtonSelectsItsCaptionInItsGroupBoxOrChangesNothing) {
    ShowChain();
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* lonely = AddControl(project, "Radio1", kWndRadioButton, dialog, {200, 150, 260, 170}, "Alone");
    view.AssignWindowToStep(lonely);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Radio buttons have to be surrounded by a group box. Please draw a "
                                                   "group box around the buttons that belong together! [W1056]"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"Group Box Missing"});
    EXPECT_EQ(a->GetName(), "A");
    EXPECT_EQ(a->GetStartWindow(), nullptr);
    EXPECT_EQ(a->GetEvent(), "");
    EXPECT_TRUE(undoSteps.empty());

    CWindowKav* group = AddControl(project, "Group1", kWndGroupBox, dialog, {5, 5, 150, 100}, "Choice");
    CWindowKav* radio = AddControl(project, "Radio2", kWndRadioButton, dialog, {10, 20, 80, 40}, "Left");
    view.AssignWindowToStep(radio);
    EXPECT_EQ(a->GetName(), "Group1");
    EXPECT_EQ(a->GetStartWindow(), group);
    EXPECT_EQ(a->GetEvent(), "Select(\"Left\")");
}

TEST_F(TaskflowEditingTest, AStepThatCallsATaskTakesAWindowOnlyWhenTheUserAgrees) {
    ShowChain();
    app.GetStepFields().Add(new CAttributeKav("Tester", kTypeString, ""));
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    a->SetSubTask(block);
    a->GetAttributes().Add(new CAttributeKav("p", kTypeString, "1"));
    CWindowKav* dialog = project.AddWindow("Dialog1");
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    view.AssignWindowToStep(dialog);
    EXPECT_EQ(a->GetSubTask(), block);
    EXPECT_EQ(a->GetName(), "A");
    view.AssignWindowToStep(dialog);
    EXPECT_EQ(Messages()[0],
              "This step currently refers to a sub-task! Do you want to assign it to window Dialog1 instead? [Q0001]");
    EXPECT_EQ(Captions(), (std::vector<std::string>(2, "Change Step")));
    EXPECT_EQ(a->GetSubTask(), nullptr);
    EXPECT_EQ(a->GetName(), "Dialog1");
    EXPECT_EQ(a->GetStartWindow(), dialog);
    EXPECT_EQ(a->GetEvent(), "Click");
    ASSERT_EQ(a->GetAttributes().size(), 1u);
    EXPECT_EQ(a->GetAttributes()[0]->GetName(), "Tester");
    EXPECT_EQ(undoSteps.size(), 1u);
}

TEST_F(TaskflowEditingTest, AGuiBuildingBlockCallKeepsItsTaskAndTakesTheWindowAsTestObject) {
    app.SetOutputFormat(14);
    ShowChain();
    CTaskKav* block = project.AddTask("G_GUI_Press", nullptr, kTaskBuildingBlock);
    for (const char* name : {"S_TestObject", "S_Application", "S_Description"})
        block->GetParameters().Add(new CAttributeKav(name, kTypeString, ""));
    view.AssignTaskToStep(block);
    ASSERT_TRUE(a->HasGuiBuildingBlock());
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* button = AddControl(project, "OK", kWndPushButton, dialog, {10, 10, 50, 30});
    dialog->SetSmurfValue("application", "Insurance", nullptr, false);
    button->SetSmurfValue("description", "the OK button", nullptr, false);
    view.AssignWindowToStep(button);
    EXPECT_EQ(a->GetSubTask(), block);
    EXPECT_EQ(a->GetTestObjectAttribute()->GetValue(), button->GetInternalID());
    EXPECT_EQ(a->GetApplicationAttribute()->GetValue(), "Insurance");
    EXPECT_EQ(a->GetDescriptionAttribute()->GetValue(), "the OK button");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(undoSteps.back(), "Assign Window to Task Step");
}

TEST_F(TaskflowEditingTest, ATransitionReplacesTheStepsFieldsAndAttributes) {
    ShowChain();
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* button = AddControl(project, "OK", kWndPushButton, dialog, {10, 10, 50, 30});
    CTransitionKav* transition = project.AddTransition(button, "OK_T1");
    transition->SetEvent("Click");
    transition->GetAttributes().Add(new CAttributeKav("Tester", kTypeString, "me"));
    a->SetSubTask(project.AddTask("Block", nullptr, kTaskBuildingBlock));
    TestInteraction().answers = {MessageAnswer::No};
    view.AssignTransitionToStep(transition);
    EXPECT_EQ(a->GetTransition(), nullptr);
    view.AssignTransitionToStep(transition);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "This step currently refers to a sub-task! Do you want to "
                                                      "assign it to transition OK_T1 instead? [Q0002]"));
    EXPECT_EQ(a->GetTransition(), transition);
    EXPECT_EQ(a->GetSubTask(), nullptr);
    EXPECT_EQ(a->GetName(), "OK_T1");
    EXPECT_EQ(a->GetStartWindow(), button);
    ASSERT_EQ(a->GetAttributes().size(), 1u);
    EXPECT_EQ(a->GetAttributes()[0]->GetValue(), "me");
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Assign Transition to Task Step"});
}

TEST_F(TaskflowEditingTest, ATaskReplacesTheStepWithACallAndItsParameters) {
    ShowChain();
    CTaskKav* block = project.AddTask("Block", nullptr, kTaskBuildingBlock);
    block->GetParameters().Add(new CAttributeKav("Count", kTypeString, "1"));
    CWindowKav* dialog = project.AddWindow("Dialog1");
    a->SetStartWindow(dialog);
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    view.AssignTaskToStep(block);
    EXPECT_EQ(a->GetSubTask(), nullptr);
    EXPECT_EQ(a->GetStartWindow(), dialog);
    view.AssignTaskToStep(block);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "This step currently refers to a window! Do you want to "
                                                      "assign it to task Block instead? [Q0003]"));
    EXPECT_EQ(a->GetSubTask(), block);
    EXPECT_EQ(a->GetName(), "Block");
    EXPECT_EQ(a->GetStartWindow(), nullptr);
    ASSERT_EQ(a->GetAttributes().size(), 1u);
    EXPECT_EQ(a->GetAttributes()[0]->GetName(), "Count");
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Assign Building Block to Task Step"});
}

TEST_F(TaskflowEditingTest, ATaskThatCallsThisOneIsRefusedAndThePreviousCallStays) {
    ShowChain();
    CTaskKav* previous = project.AddTask("Previous", nullptr, kTaskBuildingBlock);
    a->SetSubTask(previous);
    CTaskKav* caller = project.AddTask("Caller", nullptr, kTaskBuildingBlock);
    AddStepAfter(*caller, "CallsFlow", {AddStep(*caller, "CS")})->SetSubTask(&task);
    view.AssignTaskToStep(caller);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("[W0579]"), std::string::npos);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Invalid Relationship"});
    EXPECT_EQ(a->GetSubTask(), previous);
    EXPECT_EQ(a->GetName(), "A");
    EXPECT_TRUE(undoSteps.empty());
}
