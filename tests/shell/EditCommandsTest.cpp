// Cut, Copy, Paste, Delete and Delete All Test Cases on the sample project, each taken back by
// Undo to the snapshot before it.
#include <gtest/gtest.h>

#include "model/TaskStep.h"
#include "platform/Clipboard.h"
#include "shell/ClipboardObjects.h"
#include "shell/CommandIds.h"
#include "CommandFixture.h"

namespace {

class EditCommandsTest : public CommandFixture {
protected:
    void TearDown() override { ClearClipboardObjects(); }

    // The flow view of CalculatePremiums with the steps selected.
    FakeView& PremiumsFlow(const std::vector<std::string>& stepIds) {
        CTaskKav* task = Task("CalculatePremiums");
        FakeView& flow = ActiveView(PaneKind::TaskFlowView, task);
        flow.startStep = task->GetStartStep();
        for (const std::string& id : stepIds) flow.selectedSteps.push_back(task->FindStepByID(id));
        return flow;
    }

    // The steps named so in the task's list, in order.
    static std::vector<CTaskStep*> StepsNamed(CTaskKav& task, const std::string& name) {
        std::vector<CTaskStep*> steps;
        for (CTaskStep* step : task.GetSteps())
            if (step->GetName() == name) steps.push_back(step);
        return steps;
    }
};

}  // namespace

TEST_F(EditCommandsTest, CopyInAFlowViewWithTheStartStepSelectedCopiesNothing) {
    FakeView& flow = PremiumsFlow({"S_PremiumsStart", "S_EachClient"});
    EXPECT_FALSE(frame_.GetCommandState(command::kCopy).enabled);
    EXPECT_FALSE(frame_.GetCommandState(command::kCut).enabled);
    frame_.OnCommand(command::kCopy);
    EXPECT_EQ(GetClipboardTaskSteps(), nullptr);
    flow.selectedSteps.erase(flow.selectedSteps.begin());
    EXPECT_TRUE(frame_.GetCommandState(command::kCopy).enabled);
}

TEST_F(EditCommandsTest, PastingStepsTwiceGivesTwoCopiesJoinedAsTheOriginals) {
    FakeView& flow = PremiumsFlow({"S_EachClient", "S_Close"});
    CTaskKav& task = *Task("CalculatePremiums");
    frame_.OnCommand(command::kCopy);
    ASSERT_NE(GetClipboardTaskSteps(), nullptr);
    EXPECT_TRUE(frame_.GetCommandState(command::kPaste).enabled);
    const std::string beforeFirst = ProjectText();
    frame_.OnCommand(command::kPaste);
    const std::string beforeSecond = ProjectText();
    frame_.OnCommand(command::kPaste);

    EXPECT_EQ(task.GetSteps().size(), 7u);
    const std::vector<CTaskStep*> calls = StepsNamed(task, "EnterClientAndCalculate");
    const std::vector<CTaskStep*> closes = StepsNamed(task, "Close");
    ASSERT_EQ(calls.size(), 3u);
    ASSERT_EQ(closes.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(calls[i]->GetSuccessors(), std::vector<CTaskStep*>{closes[i]});
        EXPECT_EQ(calls[i]->GetSubTask(), Task("EnterClientAndCalculate"));
        EXPECT_NE(calls[i]->GetId(), calls[0]->GetId());
    }
    // The clipboard keeps its own copies.
    ASSERT_EQ(GetClipboardTaskSteps()->size(), 2u);
    EXPECT_FALSE(task.GetSteps().Contains((*GetClipboardTaskSteps())[0]));
    EXPECT_EQ(flow.relayouts, 2);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Paste Task Step(s)");

    frame_.OnCommand(command::kUndo);
    EXPECT_EQ(ProjectText(), beforeSecond);
    frame_.OnCommand(command::kUndo);
    EXPECT_EQ(ProjectText(), beforeFirst);
}

TEST_F(EditCommandsTest, PastingATaskUnderABlockItCallsIsRefusedAndChangesNothing) {
    Focus(tasks_).selectedTask = Task("CalculatePremiums");
    frame_.OnCommand(command::kCopy);
    ASSERT_NE(GetClipboardTask(), nullptr);
    tasks_.selectedTask = Task("EnterClientAndCalculate");
    const std::string before = ProjectText();
    const std::size_t tasks = Project().GetTasks().size();
    ASSERT_TRUE(frame_.GetCommandState(command::kPaste).enabled);
    frame_.OnCommand(command::kPaste);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0], "Illegal relationship: Task 'EnterClientAndCalculate' is used in the task flow of its "
                          "descendant task 'CalculatePremiums1'! [W0580]");
    EXPECT_EQ(MessageCaption(0), "Paste Error");
    EXPECT_EQ(Project().GetTasks().size(), tasks);
    EXPECT_EQ(ProjectText(), before);
    EXPECT_FALSE(frame_.GetCommandState(command::kUndo).enabled);

    // Under the project it is pasted with a name of its own, and Undo takes it away again.
    tasks_.selectedTask = Project().GetRootTask();
    frame_.OnCommand(command::kPaste);
    CTaskKav* pasted = Task("CalculatePremiums1");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->GetParent(), Project().GetRootTask());
    EXPECT_EQ(pasted->GetSteps().size(), 3u);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Paste Task");
    frame_.OnCommand(command::kUndo);
    EXPECT_EQ(ProjectText(), before);
}

TEST_F(EditCommandsTest, ACutTaskMovesToItsNewParentOnPaste) {
    auto* folder = new CTaskKav("Folder", kTaskFolder);
    folder->SetFile(Project().GetMainFile());
    Project().GetTasks().Add(folder);
    ASSERT_TRUE(Project().GetRootTask()->AddChild(folder));
    CTaskKav* task = Task("RefuseYoungClient");
    Focus(tasks_).selectedTask = task;
    frame_.OnCommand(command::kCut);
    EXPECT_EQ(frame_.GetPickMode(), 10);
    EXPECT_EQ(window_.status, "Select the new Parent Task and press Paste");
    EXPECT_EQ(tasks_.cutTask, task);
    EXPECT_EQ(task->GetParent(), Project().GetRootTask());
    EXPECT_TRUE(frame_.GetCommandState(command::kCut).enabled);

    tasks_.selectedTask = folder;
    frame_.OnCommand(command::kPaste);
    EXPECT_EQ(task->GetParent(), folder);
    EXPECT_EQ(frame_.GetPickMode(), 0);
    EXPECT_EQ(GetClipboardObject("CF_KAVRO_TASK_CUT"), nullptr);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Paste Task");
}

TEST_F(EditCommandsTest, WindowsPasteIntoTheirNewParentOnlyWhenTheyFit) {
    CWindowKav* dialog = Window("Insurance");
    FakeView& view = ActiveView(PaneKind::WindowView, Window("Error"));
    view.selectedControls = {Window("Age"), Window("Calculate")};
    frame_.OnCommand(command::kCopy);
    ASSERT_NE(GetClipboardObject("CF_KAVRO_WINDOWLIST_COPY"), nullptr);
    const std::size_t windows = Project().GetWindowList().GetCount();
    frame_.OnCommand(command::kPaste);
    EXPECT_EQ(Project().GetWindowList().GetCount(), windows + 2);
    CWindowKav* age = Project().GetWindowList().FindByName("Age1", nullptr);
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->GetParent(), Window("Error"));
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Paste Window");

    // The dialog does not fit into its own button.
    Focus(windows_).selectedWindow = dialog;
    frame_.OnCommand(command::kCopy);
    windows_.selectedWindow = Window("Calculate");
    frame_.OnCommand(command::kPaste);
    EXPECT_EQ(Shown(), std::vector<std::string>{"The window to paste does not fit into the selected new parent "
                                                "window! [W1040]"});
    EXPECT_EQ(Project().GetWindowList().GetCount(), windows + 2);
}

TEST_F(EditCommandsTest, DeletingTheLastStepOfATestCaseIsRefused) {
    CTestCase* testCase = AddTestCase(Task("CalculatePremiums"), 1);
    FakeView& view = ActiveView(PaneKind::TestCaseView, testCase);
    CTestStep start("Start", "", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr, nullptr, "");
    view.startStep = &start;
    view.selectedSteps = {&start, testCase->GetSteps()[0]};
    ASSERT_TRUE(frame_.GetCommandState(command::kDelete).enabled);
    frame_.OnCommand(command::kDelete);
    EXPECT_EQ(Shown(), std::vector<std::string>{"A test case must have at least 1 step! [W0599]"});
    EXPECT_EQ(MessageCaption(0), "Delete Test Steps");
    EXPECT_EQ(view.deletions, 0);

    testCase->GetSteps().Add(new CTestStep("More", "", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr,
                                           nullptr, ""));
    TestInteraction().answers = {MessageAnswer::Yes};
    frame_.OnCommand(command::kDelete);
    EXPECT_EQ(Shown().back(), "Do you really want to delete these test step(s)? [Q0018]");
    EXPECT_EQ(view.deletions, 1);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Delete Test Step(s)");
}

TEST_F(EditCommandsTest, DeleteAllTestCasesAsksThenReportsAndUndoBringsThemBack) {
    CTestCase* testCase = AddTestCase(Task("CalculatePremiums"), 2);
    frame_.SetModified("Create Test Step");
    FakeView& view = ActiveView(PaneKind::TestCaseView, testCase);
    const std::string before = ProjectText();

    TestInteraction().answers = {MessageAnswer::No};
    frame_.OnCommand(command::kDeleteAllTestCases);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Do you really want to delete all test cases? [Q0005]"});
    EXPECT_EQ(MessageCaption(0), "Delete Test Cases");
    EXPECT_EQ(Project().GetTestCases().size(), 1u);

    TestInteraction().answers = {MessageAnswer::Yes};
    frame_.OnCommand(command::kDeleteAllTestCases);
    EXPECT_EQ(Shown().back(), "Test cases successfully deleted! [I0013]");
    EXPECT_EQ(MessageCaption(2), "Deletion Successful");
    EXPECT_TRUE(Project().GetTestCases().empty());
    EXPECT_TRUE(Project().GetTestScripts().empty());
    EXPECT_EQ(view.closeRequests, 1);
    EXPECT_EQ(tasks_.allItemsUpdated, 1);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Delete Test Cases");

    frame_.OnCommand(command::kUndo);
    EXPECT_EQ(ProjectText(), before);
    EXPECT_EQ(Project().GetTestCases().size(), 1u);
}

TEST_F(EditCommandsTest, DeletingATaskTakesItsViewsAndReferencesAlong) {
    CTaskKav* block = Task("EnterClientAndCalculate");
    FakeView& flow = ActiveView(PaneKind::TaskFlowView, block);
    Focus(tasks_).selectedTask = block;
    const std::string before = ProjectText();
    TestInteraction().answers = {MessageAnswer::Yes};
    frame_.OnCommand(command::kDelete);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Do you really want to delete this building block? [Q0020]"});
    EXPECT_EQ(MessageCaption(0), "Delete Building Block");
    EXPECT_EQ(Task("EnterClientAndCalculate"), nullptr);
    EXPECT_EQ(flow.closeRequests, 1);
    // The steps that called it call nothing now.
    EXPECT_EQ(Task("CalculatePremiums")->FindStepByID("S_EachClient")->GetSubTask(), nullptr);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Delete Building Block");
    frame_.OnCommand(command::kUndo);
    EXPECT_EQ(ProjectText(), before);

    // The root task is never deleted.
    tasks_.selectedTask = Project().GetRootTask();
    EXPECT_FALSE(frame_.GetCommandState(command::kDelete).enabled);
}

TEST_F(EditCommandsTest, DeletingControlsOfAWindowViewCutsThemWithoutAQuestion) {
    FakeView& view = ActiveView(PaneKind::WindowView, Window("Insurance"));
    view.selectedControls = {Window("Age"), Window("Age_TXT")};
    const std::size_t windows = Project().GetWindowList().GetCount();
    frame_.OnCommand(command::kCut);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Project().GetWindowList().GetCount(), windows - 2);
    EXPECT_EQ(Window("Age"), nullptr);
    // The step that entered the age enters nothing now.
    EXPECT_EQ(Task("EnterClientAndCalculate")->FindStepByID("S_Age")->GetStartWindow(), nullptr);
    EXPECT_EQ(frame_.GetUndoTip(), "Undo: Delete Window(s)");
    // The cut controls paste once, back into the dialog.
    frame_.OnCommand(command::kPaste);
    EXPECT_NE(Window("Age"), nullptr);
    EXPECT_EQ(Project().GetWindowList().GetCount(), windows);
}
