#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class TestCaseModel : public ProjectTest {
protected:
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* dialog = project.AddWindow("Dlg");
    CTaskKav* order = project.AddTask("Order");
    CTaskStep* taskStep = AddTaskStep("Open");
    CTransitionKav* transition = project.AddTransition(main, "OpenDlg");

    CTaskStep* AddTaskStep(const std::string& name) {
        auto* step = order->GetSteps().Add(new CTaskStep(name, "Click()", "cmd", "descr", "in", "result", nullptr,
                                                         nullptr, 5, nullptr, 3, "1", 1));
        step->SetId("ts-" + name);
        return step;
    }

    static CTestStep* AddStep(CTestCase& testCase, const std::string& id, CWindowKav* from = nullptr,
                              CWindowKav* to = nullptr) {
        auto* step = testCase.GetSteps().Add(
            new CTestStep("s", "", "", "", "", "", from, to, 0, 2, "0", nullptr, nullptr, nullptr, ""));
        step->SetId(id);
        return step;
    }
};

}  // namespace

TEST_F(TestCaseModel, TheDisplayNameComesFromTheTransitionElseFromTaskAndNumber) {
    struct Case {
        int number;
        CTaskKav* task;
        CStepKav* transitionStep;
        std::string expected;
    } cases[] = {
        {7, order, nullptr, "Order_007"},
        {1234, order, nullptr, "Order_1234"},
        {0, order, nullptr, "Order_000"},
        {7, order, transition, "OpenDlg"},
        {7, nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        CTestCase testCase(c.number, kTestCaseGraphCoverage, nullptr, c.transitionStep, c.task, 0);
        EXPECT_EQ(testCase.GetDisplayName(), c.expected) << c.number;
    }
}

TEST_F(TestCaseModel, AStepMadeFromATaskStepTakesItsFieldsButNotItsLists) {
    taskStep->SetStartWindow(main);
    taskStep->SetDestWindow(dialog);
    taskStep->GetConditions().Add(new CConditionKav("C", "1 = 1"));
    CTestStep step("given", "", "", "", "", "", dialog, nullptr, 0, 2, "0", taskStep, order, nullptr, "note");
    EXPECT_EQ(step.GetStepType(), kStepTest);
    EXPECT_EQ(std::make_tuple(step.GetName(), step.GetEvent(), step.GetCommands(), step.GetDescription(),
                              step.GetInput(), step.GetExpectedResult(), step.GetResultValue(), step.GetDelay(),
                              step.GetCriticality()),
              std::make_tuple("Open", "Click()", "cmd", "descr", "in", "result", "1", 5, 3));
    EXPECT_EQ(step.GetStartWindow(), main);
    EXPECT_EQ(step.GetDestWindow(), dialog);
    EXPECT_TRUE(step.GetConditions().empty());
    EXPECT_EQ(step.GetBaseStep(), taskStep);
    EXPECT_EQ(step.GetTask(), order);
    EXPECT_EQ(step.GetComment(), "note");
    EXPECT_EQ(step.GetSourceStepId(), "ts-Open");
}

TEST_F(TestCaseModel, FindStepByIdComparesExactly) {
    CTestCase testCase(1, kTestCaseRandom, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(testCase.FindStepById("a"), nullptr);
    CTestStep* a = AddStep(testCase, "a");
    AddStep(testCase, "A");
    EXPECT_EQ(testCase.FindStepById("a"), a);
    EXPECT_EQ(testCase.FindStepById("b"), nullptr);
}

TEST_F(TestCaseModel, ACloneWithoutReferenceFlagsHasNoReferencesAndNewIdentifiers) {
    CTestCase source(4, kTestCaseTransition, main, transition, order, 1);
    source.SetFile(project.Main());
    source.SetWindowId("stored-w");
    CTestStep* step = AddStep(source, "st", main, dialog);
    step->SetSourceStep(taskStep);
    step->SetTask(order);
    step->SetBaseStepId("stored-base");
    step->GetAttributes().Add(new CAttributeKav("Field", 4, "value"));
    step->GetBBInfos().Add(new CTestStepBBInfo("BB", "dapi", "", "", "", "", "", 2, "Order/BB"));
    step->GetParameters() = CTCGParameters(main, transition, "Main:$Exist", "TRUE");
    step->SetX(3);

    std::unique_ptr<CTestCase> copy(source.Clone(0));
    EXPECT_NE(copy->GetUniqueId(), source.GetUniqueId());
    EXPECT_EQ(std::make_tuple(copy->GetNumber(), copy->GetType(), copy->GetErrorCase()),
              std::make_tuple(4, int(kTestCaseTransition), 1));
    EXPECT_EQ(copy->GetWindow(), nullptr);
    EXPECT_EQ(copy->GetTask(), nullptr);
    EXPECT_EQ(copy->GetTransitionStep(), nullptr);
    EXPECT_EQ(copy->GetFile(), nullptr);
    EXPECT_EQ(copy->GetWindowId(), "");
    ASSERT_EQ(copy->GetSteps().size(), 1u);
    const CTestStep* stepCopy = copy->GetSteps()[0];
    EXPECT_NE(stepCopy->GetId(), "st");
    EXPECT_EQ(stepCopy->GetStartWindow(), nullptr);
    EXPECT_EQ(stepCopy->GetBaseStep(), nullptr);
    EXPECT_EQ(stepCopy->GetTask(), nullptr);
    EXPECT_EQ(stepCopy->GetBaseStepId(), "");
    EXPECT_EQ(stepCopy->GetX(), 3);
    EXPECT_TRUE(stepCopy->GetParameters().Matches(main, transition, "", ""));
    // The field values are part of what a test step keeps: an undo snapshot must not lose them.
    ASSERT_EQ(stepCopy->GetAttributes().size(), 1u);
    EXPECT_EQ(stepCopy->GetAttributes()[0]->GetValue(), "value");
    ASSERT_EQ(stepCopy->GetBBInfos().size(), 1u);
    EXPECT_NE(stepCopy->GetBBInfos()[0], step->GetBBInfos()[0]);
    EXPECT_EQ(stepCopy->GetBBInfos()[0]->GetHierarchy(), "Order/BB");
    EXPECT_NE(stepCopy->GetBBInfos()[0]->GetId(), step->GetBBInfos()[0]->GetId());
}

TEST_F(TestCaseModel, CloneFlagsKeepIdentifiersReferencesAndTheirTexts) {
    CTestCase source(4, kTestCaseTransition, main, transition, order, 0);
    source.SetFile(project.Main());
    source.SetFileId("stored-file");
    source.SetWindowId("stored-w");
    source.SetTaskId("stored-t");
    source.SetStepId("stored-s");
    CTestStep* step = AddStep(source, "st", main, dialog);
    step->SetTransition(transition);
    step->SetTask(order);
    step->SetBaseStepId("stored-base");
    step->GetBBInfos().Add(new CTestStepBBInfo("BB", "", "", "", "", "", "", 1, ""));

    std::unique_ptr<CTestCase> kept(source.Clone(kCloneKeepReferences));
    EXPECT_NE(kept->GetUniqueId(), source.GetUniqueId());
    EXPECT_EQ(kept->GetWindow(), main);
    EXPECT_EQ(kept->GetTask(), order);
    EXPECT_EQ(kept->GetTransitionStep(), transition);
    EXPECT_EQ(kept->GetSteps()[0]->GetStartWindow(), main);
    EXPECT_EQ(kept->GetSteps()[0]->GetTransition(), transition);
    EXPECT_NE(kept->GetSteps()[0]->GetId(), "st");

    std::unique_ptr<CTestCase> fromObjects(source.Clone(kCloneKeepId | kCloneKeepFile | kCloneTextsFromObjects));
    EXPECT_EQ(fromObjects->GetUniqueId(), source.GetUniqueId());
    EXPECT_EQ(fromObjects->GetFile(), project.Main());
    EXPECT_EQ(fromObjects->GetFileId(), project.Main()->GetID());
    EXPECT_EQ(fromObjects->GetWindowId(), main->GetInternalID());
    EXPECT_EQ(fromObjects->GetTaskId(), order->GetID());
    EXPECT_EQ(fromObjects->GetStepId(), transition->GetId());
    const CTestStep* stepFromObjects = fromObjects->GetSteps()[0];
    EXPECT_EQ(stepFromObjects->GetId(), "st");
    EXPECT_EQ(stepFromObjects->GetBaseStepId(), transition->GetId());  // no base step: the transition
    EXPECT_EQ(stepFromObjects->GetTaskId(), order->GetID());
    EXPECT_EQ(stepFromObjects->GetBBInfos()[0]->GetId(), step->GetBBInfos()[0]->GetId());

    std::unique_ptr<CTestCase> asStored(source.Clone(kCloneTextsAsStored));
    EXPECT_EQ(std::make_tuple(asStored->GetFileId(), asStored->GetWindowId(), asStored->GetTaskId(),
                              asStored->GetStepId(), asStored->GetSteps()[0]->GetBaseStepId()),
              std::make_tuple("stored-file", "stored-w", "stored-t", "stored-s", "stored-base"));
}

TEST_F(TestCaseModel, ReferenceUpkeepFollowsWindowsTaskStepsTasksAndTransitions) {
    CTestCase testCase(1, kTestCaseGraphCoverage, main, nullptr, order, 0);
    taskStep->SetStartWindow(main);
    taskStep->SetDestWindow(dialog);
    CTestStep* fromTaskStep = AddStep(testCase, "1");
    fromTaskStep->SetSourceStep(taskStep);
    fromTaskStep->SetTask(order);
    CTestStep* fromTransition = AddStep(testCase, "2", dialog, main);
    fromTransition->SetTransition(transition);

    testCase.ReplaceWindow(dialog, main);
    EXPECT_EQ(testCase.GetWindow(), dialog);
    EXPECT_EQ(fromTaskStep->GetStartWindow(), dialog);
    EXPECT_EQ(fromTransition->GetDestWindow(), dialog);

    testCase.RemoveReferences(nullptr, nullptr, nullptr, transition);
    EXPECT_EQ(fromTransition->GetTransition(), nullptr);
    EXPECT_EQ(fromTaskStep->GetTask(), order);  // only the step of that transition

    testCase.RemoveReferences(nullptr, taskStep, nullptr, nullptr);
    EXPECT_EQ(fromTaskStep->GetBaseStep(), nullptr);
    EXPECT_EQ(fromTaskStep->GetTask(), order);

    testCase.RemoveReferences(nullptr, nullptr, order, nullptr);
    EXPECT_EQ(fromTaskStep->GetTask(), nullptr);

    fromTaskStep->SetSourceStep(taskStep);
    fromTaskStep->SetStartWindow(dialog);
    testCase.RemoveReferences(dialog, nullptr, nullptr, nullptr);
    EXPECT_EQ(fromTaskStep->GetStartWindow(), nullptr);
    EXPECT_EQ(fromTaskStep->GetBaseStep(), nullptr);  // goes with its start window
    EXPECT_EQ(fromTransition->GetStartWindow(), nullptr);
    EXPECT_EQ(fromTransition->GetDestWindow(), nullptr);
}

TEST_F(TestCaseModel, StepsMadeFromATaskStepFollowItsWindows) {
    CTestCase testCase(1, kTestCaseTransition, nullptr, taskStep, nullptr, 0);
    CTestStep* made = AddStep(testCase, "1");
    made->SetSourceStep(taskStep);
    CTestStep* other = AddStep(testCase, "2", main, main);
    taskStep->SetStartWindow(dialog);
    taskStep->SetDestWindow(main);

    testCase.UpdateFromTaskStep(taskStep);
    EXPECT_EQ(testCase.GetWindow(), dialog);
    EXPECT_EQ(made->GetStartWindow(), dialog);
    EXPECT_EQ(made->GetDestWindow(), main);
    EXPECT_EQ(other->GetStartWindow(), main);
    testCase.UpdateFromTaskStep(nullptr);
    EXPECT_EQ(testCase.GetWindow(), dialog);
}

TEST_F(TestCaseModel, ASearchRecordWithATransitionMatchesThatTransitionOneWithoutMatchesVariableAndValue) {
    const CWindowKav* window = main;
    const CWindowKav* otherWindow = dialog;
    const CTransitionKav* t1 = transition;
    const CTransitionKav* t2 = project.AddTransition(main, "Other");
    const CTCGParameters byTransition(window, t1, "v", "x");
    const CTCGParameters byInput(window, nullptr, "Main:Edit", "abc");
    struct Case {
        const CTCGParameters* record;
        const CWindowKav* window;
        const CStepKav* transition;
        const char* variable;
        const char* value;
        bool expected;
    } cases[] = {
        {&byTransition, window, t1, "other", "other", true},
        {&byTransition, window, t2, "v", "x", false},
        {&byTransition, otherWindow, t1, "v", "x", false},
        {&byInput, window, nullptr, "Main:Edit", "abc", true},
        {&byInput, window, nullptr, "main:edit", "abc", false},
        {&byInput, window, nullptr, "Main:Edit", "ABC", false},
        {&byInput, window, t1, "Main:Edit", "abc", false},
        {&byInput, otherWindow, nullptr, "Main:Edit", "abc", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.record->Matches(c.window, c.transition, c.variable, c.value), c.expected)
            << c.variable << " " << c.value;
}

TEST_F(TestCaseModel, ATestScriptCopyKeepsWhatTheFlagsSay) {
    CTestScript script;
    EXPECT_EQ(std::make_tuple(script.GetFormat(), script.GetSumTC()), std::make_tuple(7, 0));
    script.SetName("Order");
    script.SetPath("/scripts");
    script.SetFormat(1);
    script.SetSumTC(3);
    script.SetWindow(main);
    script.SetTask(order);
    script.SetTaskId("stored-t");
    script.SetFile(project.Main());

    std::unique_ptr<CTestScript> plain(script.Clone(0));
    EXPECT_EQ(std::make_tuple(plain->GetName(), plain->GetPath(), plain->GetFormat(), plain->GetSumTC()),
              std::make_tuple("Order", "/scripts", 1, 3));
    EXPECT_NE(plain->GetId(), script.GetId());
    EXPECT_EQ(plain->GetWindow(), nullptr);
    EXPECT_EQ(plain->GetFile(), nullptr);
    EXPECT_EQ(plain->GetTaskId(), "");

    std::unique_ptr<CTestScript> full(script.Clone(kCloneKeepId | kCloneKeepFile | kCloneKeepReferences |
                                                   kCloneTextsFromObjects));
    EXPECT_EQ(full->GetId(), script.GetId());
    EXPECT_EQ(full->GetFile(), project.Main());
    EXPECT_EQ(full->GetWindow(), main);
    EXPECT_EQ(full->GetTask(), order);
    EXPECT_EQ(full->GetWindowId(), main->GetInternalID());
    EXPECT_EQ(full->GetTaskId(), order->GetID());

    std::unique_ptr<CTestScript> stored(script.Clone(kCloneTextsAsStored));
    EXPECT_EQ(stored->GetTaskId(), "stored-t");
}
