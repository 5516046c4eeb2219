#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "editors/steps/ParameterDlg.h"
#include "editors/steps/TaskEditorDlg.h"
#include "editors/steps/TaskRequirementDlg.h"
#include "model/TestCase.h"
#include "model/ShellServices.h"
#include "model/TestStep.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;

namespace {

// Use case tasks T1 and T2, a folder F, and a building block B with the parameter p and the
// step BS; T1's step Call calls B and gives p the value "typed". The project has the data set
// Set1, the requirement R1 and the step field F1.
class TaskEditorDlgTest : public ProjectTest {
protected:
    TaskEditorDlgTest() {
        t1 = project.AddTask("T1");
        project.AddTask("T2");
        folder = project.AddTask("F", nullptr, kTaskFolder);
        block = project.AddTask("B", nullptr, kTaskBuildingBlock);
        block->GetParameters().Add(new CAttributeKav("p", 4, "d"))->SetFile(project.Main());
        blockStep = AddStep(*block, "BS");
        call = AddStep(*t1, "Call");
        call->SetSubTask(block);
        call->UpdateSubtaskParameters(block);
        call->GetAttributes()[0]->SetValue("typed");
        app.GetStepFields().Add(new CAttributeKav("F1", 4, "f"))->SetFile(project.Main());
        set1 = project.AddDataSet("Set1");
        requirement = project.AddRequirement("R1");
    }

    int Run(CTaskKav* task, const std::function<int()>& steps) {
        host.session = [&](EditorDialog& open) { return &open == &dialog ? steps() : nestedSteps(open); };
        return dialog.EditTask(task);
    }
    int PressOk() { return dialog.OnOK() ? kIdOk : 0; }
    void ChooseType(const std::string& type) {
        dialog.SetText(kTaskType, type);
        dialog.OnTypeChanged();
    }

    FakeEditorHost host;
    CTaskEditorDlg dialog{host, app};
    std::function<int(EditorDialog&)> nestedSteps = [](EditorDialog&) { return kIdCancel; };
    CTaskKav* t1;
    CTaskKav* folder;
    CTaskKav* block;
    CTaskStep* blockStep;
    CTaskStep* call;
    CDataSet* set1;
    CRequirement* requirement;
};

const Refused kPassed{};

}  // namespace

TEST_F(TaskEditorDlgTest, TheTaskTypeDecidesTitleAndWhatCanBeChanged) {
    struct Case {
        CTaskKav* task;
        std::string title;
        std::string type;
        std::vector<int> disabled;
    };
    const Case cases[] = {
        {t1, "Properties of Task T1", "Use Case Task", {kTaskParameters}},
        {block, "Properties of Building Block B", "Building Block", {kTaskRequirements, kTaskDataSet}},
        {folder, "Properties of Folder F", "Folder", {kTaskParameters, kTaskType, kTaskDataSet}},
    };
    for (const Case& c : cases) {
        Run(c.task, [&] {
            EXPECT_EQ(dialog.GetTitle(), c.title);
            EXPECT_EQ(dialog.GetText(kTaskType), c.type);
            for (int control : {kTaskName, kTaskType, kTaskDataSet, kTaskParameters, kTaskRequirements, kTaskBrowse})
                EXPECT_EQ(dialog.IsEnabled(control),
                          std::find(c.disabled.begin(), c.disabled.end(), control) == c.disabled.end())
                    << c.title << " " << control;
            return kIdCancel;
        });
    }
    t1->SetDataSet(set1);
    t1->SetTestLevel("Own Level");
    Run(t1, [&] {
        EXPECT_THAT(dialog.Control(kTaskType).items, ElementsAre("Building Block", "Folder", "Use Case Task"));
        EXPECT_THAT(dialog.Control(kTaskDataSet).items, ElementsAre("", "~Set1"));
        EXPECT_EQ(dialog.GetText(kTaskDataSet), "~Set1");
        EXPECT_THAT(dialog.Control(kTaskTestLevel).items,
                    ElementsAre("", "Unit Test", "Integration Test", "System Test", "Acceptance Test", "Own Level"));
        EXPECT_EQ(dialog.GetText(kTaskTestLevel), "Own Level");
        EXPECT_EQ(dialog.Control(kTaskTestCategory).items.size(), 15u);
        return kIdCancel;
    });
}

TEST_F(TaskEditorDlgTest, ANewNameIsCheckedAgainstTheOtherTasksOfTheMainFile) {
    project.AddTask("Lib1", nullptr, kTaskPlain, project.Lib());
    struct Case {
        CTaskKav* task;
        std::string name;
        Refused refused;
    };
    const Refused taken{"A task with this name is already existing! [W0780]", "Invalid Name", kTaskName};
    const Refused digit{"The task name must not begin with a number! [W0788]", "Invalid Name", kTaskName};
    const Case cases[] = {
        {t1, "T2", taken},
        {t1, "t2", taken},
        {t1, "t1", kPassed},
        {t1, "Lib1", kPassed},  // a library's task
        {t1, "9ab", digit},
        {t1, "a b", {"Illegal character ' ' in task name! [W0009]", "Invalid Name", kTaskName}},
        {folder, "T2", kPassed},
        {folder, "9 F", kPassed},
    };
    for (const Case& c : cases) {
        const std::string before = c.task->GetName();
        Run(c.task, [&] {
            dialog.SetText(kTaskName, c.name);
            EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }), c.refused) << c.name;
            return kIdCancel;
        });
        EXPECT_EQ(c.task->GetName(), c.refused.text.empty() ? c.name : before);
        c.task->SetName(before);
    }
}

TEST_F(TaskEditorDlgTest, RenamedTaskAndParameterFollowIntoEveryDesignator) {
    CTaskStep* other = AddStep(*t1, "Other");
    other->SetDescription("Uses #@B:p# and #@B:pp#");
    other->GetConditions().Add(new CConditionKav("", "#@B:p# = \"x\""));
    const std::string parameterId = block->GetParameters()[0]->GetId();
    nestedSteps = [](EditorDialog& open) {
        auto& parameters = dynamic_cast<CParameterDlg&>(open);
        EXPECT_EQ(parameters.GetTitle(), "Parameters of Task B");
        parameters.ChooseRow(kParamList, 0);
        parameters.SetText(kParamName, "q");
        parameters.OnSet();
        return kIdOk;
    };
    EXPECT_EQ(Run(block,
                  [&] {
                      dialog.SetText(kTaskName, "B2");
                      dialog.OnParameters();
                      return PressOk();
                  }),
              1);
    EXPECT_EQ(other->GetDescription(), "Uses #@B2:q# and #@B2:pp#");
    EXPECT_EQ(other->GetConditions()[0]->GetText(), "#@B2:q# = \"x\"");
    ASSERT_EQ(block->GetParameters().size(), 1u);
    EXPECT_EQ(block->GetParameters()[0]->GetName(), "q");
    EXPECT_EQ(block->GetParameters()[0]->GetId(), parameterId);
    // The call follows the task and keeps the value it gave the renamed parameter.
    EXPECT_EQ(call->GetName(), "B2");
    ASSERT_EQ(call->GetAttributes().size(), 1u);
    EXPECT_EQ(call->GetAttributes()[0]->GetName(), "q");
    EXPECT_EQ(call->GetAttributes()[0]->GetValue(), "typed");
    EXPECT_TRUE(host.undoSteps.empty());  // the calling command records it
}

TEST_F(TaskEditorDlgTest, AFolderIsMadeOnlyAfterYesAndKeepsNothingOfTheTask) {
    block->SetDataSet(set1);
    CTestCase* ownTestCase = project.AddTestCase(1, kTestCaseGraphCoverage, block);
    CTestCase* callersTestCase = project.AddTestCase(2, kTestCaseGraphCoverage, t1);
    CTestStep* fromBlock = callersTestCase->GetSteps().Add(
        new CTestStep("BS", "", "", "", "", "", nullptr, nullptr, 0, 2, "", blockStep, block, nullptr, ""));
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(Run(block,
                  [&] {
                      ChooseType("Folder");
                      EXPECT_FALSE(dialog.IsEnabled(kTaskDataSet));
                      EXPECT_FALSE(dialog.IsEnabled(kTaskParameters));
                      EXPECT_EQ(dialog.GetText(kTaskDataSet), "");
                      EXPECT_FALSE(dialog.OnOK());
                      EXPECT_EQ(dialog.GetFocusRequest().control, kTaskType);
                      EXPECT_EQ(block->GetType(), kTaskBuildingBlock);
                      EXPECT_EQ(block->GetSteps().size(), 1u);
                      EXPECT_TRUE(host.closedFlowViews.empty());
                      return PressOk();
                  }),
              1);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "Do you really want to convert this task into a folder?\nNOTE: This step is not reversible! [Q0023]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Convert Task");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);

    EXPECT_EQ(block->GetType(), kTaskFolder);
    EXPECT_TRUE(block->GetSteps().empty());
    EXPECT_EQ(block->GetStartStep(), nullptr);
    EXPECT_TRUE(block->GetParameters().empty());
    EXPECT_EQ(block->GetDataSet(), nullptr);
    EXPECT_FALSE(app.GetTestCases().Contains(ownTestCase));
    EXPECT_EQ(fromBlock->GetBaseStep(), nullptr);  // no test step keeps a deleted step
    EXPECT_THAT(host.closedFlowViews, ElementsAre(block));
    EXPECT_EQ(call->GetSubTask(), nullptr);
    ASSERT_EQ(call->GetAttributes().size(), 1u);
    EXPECT_EQ(call->GetAttributes()[0]->GetName(), "F1");
}

TEST_F(TaskEditorDlgTest, ABuildingBlockIsMadeWithoutRequirementsTestCasesOrDataSet) {
    t1->GetRequirements().push_back(requirement);
    t1->SetDataSet(set1);
    CTestCase* testCase = project.AddTestCase(1, kTestCaseManual, t1);
    TestInteraction().answers = {MessageAnswer::Yes};
    EXPECT_EQ(Run(t1,
                  [&] {
                      ChooseType("Building Block");
                      EXPECT_TRUE(dialog.IsEnabled(kTaskParameters));
                      EXPECT_FALSE(dialog.IsEnabled(kTaskRequirements));
                      return PressOk();
                  }),
              1);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "Do you really want to convert this use case task into a building block? [Q0026]");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(t1->GetType(), kTaskBuildingBlock);
    EXPECT_TRUE(t1->GetRequirements().empty());
    EXPECT_EQ(t1->GetDataSet(), nullptr);
    EXPECT_FALSE(app.GetTestCases().Contains(testCase));
    EXPECT_EQ(call->GetSubTask(), block);  // its own calls are untouched
}

TEST_F(TaskEditorDlgTest, AnotherTypeAndBackAsksAndConvertsNothing) {
    t1->SetDataSet(set1);
    EXPECT_EQ(Run(t1,
                  [&] {
                      ChooseType("Building Block");
                      ChooseType("Use Case Task");
                      EXPECT_TRUE(dialog.IsEnabled(kTaskDataSet));
                      EXPECT_EQ(dialog.GetText(kTaskDataSet), "~Set1");
                      return PressOk();
                  }),
              1);
    EXPECT_TRUE(TestInteraction().messages.empty());
    EXPECT_EQ(t1->GetType(), kTaskPlain);
    EXPECT_EQ(t1->GetDataSet(), set1);
    EXPECT_EQ(t1->GetSteps().size(), 1u);
}

TEST_F(TaskEditorDlgTest, FieldsRequirementsAndBrowsedTextsReachTheTaskAfterOk) {
    nestedSteps = [](EditorDialog& open) {
        auto& requirements = dynamic_cast<CTaskRequirementDlg&>(open);
        requirements.ChooseRow(kReqAvailable, 0);
        requirements.OnSet();
        return kIdOk;
    };
    host.reference = ":N";
    TestInteraction().paths = {std::string("/docs/spec.pdf")};
    t1->SetDocPath("/old/a.txt");
    EXPECT_EQ(Run(t1,
                  [&] {
                      dialog.OnBrowsePath();
                      dialog.OnBrowseDesignators();  // the precondition, before any field lost the focus
                      dialog.OnKillFocusField(kTaskPostcondition);
                      dialog.SetText(kTaskPostcondition, "After ");
                      dialog.OnBrowseDesignators();
                      dialog.SetText(kTaskTestGoal, "Goal");
                      dialog.SetText(kTaskTestCategory, "My Category");
                      dialog.SetText(kTaskDataSet, "~Set1");
                      dialog.OnRequirements();
                      return PressOk();
                  }),
              1);
    ASSERT_EQ(TestInteraction().pathRequests.size(), 1u);
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Select Document File");
    EXPECT_EQ(TestInteraction().pathRequests[0].initialPath, "/old/a.txt");
    EXPECT_EQ(t1->GetDocPath(), "/docs/spec.pdf");
    EXPECT_EQ(t1->GetPrecondition(), "#:N#");
    EXPECT_EQ(t1->GetPostcondition(), "After #:N#");
    EXPECT_THAT(host.referenceRequests, ElementsAre(std::pair(23, t1), std::pair(23, t1)));
    EXPECT_EQ(t1->GetTestGoal(), "Goal");
    EXPECT_EQ(t1->GetTestType(), "My Category");
    EXPECT_EQ(t1->GetDataSet(), set1);
    EXPECT_THAT(t1->GetRequirements(), ElementsAre(requirement));
}

TEST_F(TaskEditorDlgTest, AReadOnlyTaskOpensLockedAndOkWritesNothing) {
    CTaskKav* locked = project.AddTask("L", nullptr, kTaskPlain, project.Lib());
    project.Lib()->SetReadOnly(true);
    EXPECT_EQ(Run(locked,
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Properties of Task L (Read-Only)");
                      EXPECT_TRUE(dialog.IsReadOnly(kTaskName));
                      for (int control : {kTaskType, kTaskTestGoal, kTaskTestLevel, kTaskTestCategory, kTaskBrowsePath,
                                          kTaskDataSet, kTaskBrowse})
                          EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                      for (int edit : {kTaskConfiguration, kTaskDocPath, kTaskPrecondition, kTaskDescription,
                                       kTaskPostcondition})
                          EXPECT_TRUE(dialog.IsReadOnly(edit)) << edit;
                      EXPECT_TRUE(dialog.IsEnabled(kTaskRequirements));
                      dialog.SetText(kTaskName, "Other");
                      dialog.SetText(kTaskDescription, "Typed");
                      return PressOk();
                  }),
              0);
    EXPECT_EQ(locked->GetName(), "L");
    EXPECT_EQ(locked->GetDescription(), "");
}

TEST_F(TaskEditorDlgTest, TheRootTaskAndTheTestManagersTasksKeepTheirStructure) {
    app.SetRootTask(folder);
    Run(folder, [&] {
        for (int control : {kTaskName, kTaskType, kTaskTestGoal, kTaskTestLevel, kTaskTestCategory, kTaskBrowsePath,
                            kTaskBrowse, kTaskParameters, kTaskRequirements})
            EXPECT_FALSE(dialog.IsEnabled(control)) << control;
        for (int edit : {kTaskConfiguration, kTaskDocPath, kTaskPrecondition, kTaskDescription, kTaskPostcondition})
            EXPECT_TRUE(dialog.IsReadOnly(edit)) << edit;
        return kIdCancel;
    });

    // In VORNAK mode a test case is a folder with one use case task, two levels down or more;
    // renaming either renames the other.
    VornakMode = true;
    CTaskKav* top = project.AddTask("Top", nullptr, kTaskFolder);
    CTaskKav* library = project.AddTask("Library", top, kTaskFolder);
    CTaskKav* testCase = project.AddTask("Case", library, kTaskFolder);
    CTaskKav* useCase = project.AddTask("CaseTask", testCase);
    for (CTaskKav* task : {top, library, testCase, useCase}) task->SetQuVornakTask(1);
    Run(library, [&] {
        EXPECT_FALSE(dialog.IsEnabled(kTaskName));
        return kIdCancel;
    });
    EXPECT_EQ(Run(useCase,
                  [&] {
                      EXPECT_TRUE(dialog.IsEnabled(kTaskName));
                      dialog.SetText(kTaskName, "Renamed");
                      return PressOk();
                  }),
              1);
    EXPECT_EQ(testCase->GetName(), "Renamed");
    EXPECT_EQ(Run(testCase,
                  [&] {
                      dialog.SetText(kTaskName, "Case 2");
                      return PressOk();
                  }),
              1);
    EXPECT_EQ(useCase->GetName(), app.MakeValidTaskName("Case 2", useCase));
    EXPECT_THAT(host.changedTasks, ElementsAre(testCase, useCase));
}
