#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <typeinfo>

#include "editors/steps/ActionEditorDlg.h"
#include "editors/steps/StepApiEditorDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "editors/steps/StepEditors.h"
#include "editors/steps/StepSubtaskEditorDlg.h"
#include "model/DovaTemplate.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"
#include "tests/support/FlowBuilder.h"

using ::testing::ElementsAre;
using ::testing::Pair;

namespace {

// The templates T (instruction I; P1 default "d1", P2 optional, Fix fixed "f"; new parameters
// allowed) and U (instruction J, no parameters); the task T1 with the step S (priority 4); a
// test step X.
class StepApiEditorDlgTest : public StepEditorModelTest {
protected:
    StepApiEditorDlgTest() {
        CDovaTemplate* t = GetDovaTemplateList().Add(new CDovaTemplate("T", "I", true, "Help of T"));
        t->GetParameters().Add(new CDovaParameter("P1", "d1", false, false, "Help of P1"));
        t->GetParameters().Add(new CDovaParameter("P2", "", true, false, "Help of P2"));
        t->GetParameters().Add(new CDovaParameter("Fix", "f", false, true, ""));
        GetDovaTemplateList().Add(new CDovaTemplate("U", "J", false, "Help of U"));
        task = project.AddTask("T1");
        step = AddStep(*task, "S");
        step->SetPriority(4);
        testStep = std::make_unique<CTestStep>("X", "", "", "", "", "", nullptr, nullptr, 0, 2, "", nullptr, nullptr,
                                               nullptr, "");
    }

    int Run(CStepKav* edited, const std::function<int()>& steps, CTaskKav* inTask = nullptr) {
        host.session = [&](EditorDialog& open) { return &open == &dialog ? steps() : nestedSteps(open); };
        return dialog.EditApiStep(edited, inTask);
    }
    int RunTaskStep(const std::function<int()>& steps) { return Run(step, steps, task); }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const EditorList& list = dialog.List(kApiParameters);
        for (int row = 0; row < list.RowCount(); ++row) rows.push_back(list.RowTexts(row)[0] + "=" + list.RowTexts(row)[1]);
        return rows;
    }
    void ChooseTemplate(const std::string& name) {
        dialog.SetText(kApiTemplate, name);
        dialog.OnTemplateChosen();
    }

    FakeEditorHost host;
    CStepApiEditorDlg dialog{host, app};
    std::function<int(EditorDialog&)> nestedSteps = [](EditorDialog&) { return kIdCancel; };
    CTaskKav* task;
    CTaskStep* step;
    std::unique_ptr<CTestStep> testStep;
};

const Refused kPassed{};

}  // namespace

TEST_F(StepApiEditorDlgTest, ACommandTextSplitsIntoTemplateInstructionAndParametersAndIsRebuiltAlike) {
    const std::string stored = "T\r\nI\r\nP1=a=b\r\nP2=";
    ApiCommands parsed = ParseApiCommands(stored);
    EXPECT_EQ(parsed.fault, 0);
    ASSERT_NE(parsed.chosenTemplate, nullptr);
    EXPECT_EQ(parsed.chosenTemplate->GetName(), "T");
    EXPECT_EQ(parsed.instruction, "I");
    EXPECT_THAT(parsed.parameters, ElementsAre(Pair("P1", "a=b"), Pair("P2", "")));
    EXPECT_EQ(BuildApiCommands(parsed.chosenTemplate, parsed.parameters), stored);

    // Only a carriage return before the line feed goes with it.
    for (const std::string& text : {std::string("t\nI\nP1=a=b\nP2="), std::string("T\r\nI\r\nP1=a=b\r\nP2=\r\n")}) {
        parsed = ParseApiCommands(text);
        EXPECT_EQ(parsed.fault, 0) << text;
        EXPECT_THAT(parsed.parameters, ElementsAre(Pair("P1", "a=b"), Pair("P2", ""))) << text;
    }
    EXPECT_THAT(ParseApiCommands("T\nI\nP1=ab\nP2=x\ry").parameters, ElementsAre(Pair("P1", "ab"), Pair("P2", "x\ry")));

    parsed = ParseApiCommands("Foo\r\nI");
    EXPECT_EQ(parsed.fault, 44939);
    EXPECT_EQ(parsed.unknownTemplate, "Foo");
    EXPECT_EQ(parsed.chosenTemplate, nullptr);
    parsed = ParseApiCommands("T\r\nI\r\nP1");
    EXPECT_EQ(parsed.fault, 44916);
    EXPECT_EQ(parsed.chosenTemplate, nullptr);
    EXPECT_TRUE(parsed.parameters.empty());
    parsed = ParseApiCommands("");
    EXPECT_EQ(parsed.fault, 0);
    EXPECT_EQ(parsed.chosenTemplate, nullptr);
    EXPECT_EQ(BuildApiCommands(nullptr, {{"P1", "x"}}), "");
}

TEST_F(StepApiEditorDlgTest, ABrokenCommandTextOpensWithoutTemplateAndIsKeptByOk) {
    struct Case {
        std::string commands;
        std::string message;
        std::string caption;
    };
    const Case cases[] = {
        {"Foo\r\nI",
         "Unknown template name 'Foo'. Please make sure that you have the newest version of DovaDriverData.xml! [W0939]",
         "Unknown Template"},
        {"T\r\nI\r\nP1", "Parameter text corrupted! [W0916]", "Invalid parameter"},
    };
    for (const Case& c : cases) {
        step->SetCommands(c.commands);
        EXPECT_EQ(RunTaskStep([&] {
                      EXPECT_THAT(TestInteraction().Texts(), ElementsAre(c.message));
                      EXPECT_EQ(TestInteraction().messages[0].caption, c.caption);
                      EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Warning);
                      TestInteraction().messages.clear();
                      EXPECT_EQ(dialog.GetText(kApiTemplate), "");
                      EXPECT_EQ(dialog.List(kApiParameters).RowCount(), 0);
                      EXPECT_FALSE(dialog.IsEnabled(kApiNewParameter));
                      return dialog.OnOK() ? kIdOk : kIdCancel;
                  }),
                  1)
            << c.commands;
        EXPECT_EQ(step->GetCommands(), c.commands);

        // A test step needs a template.
        testStep->SetCommands(c.commands);
        Run(testStep.get(), [&] {
            TestInteraction().messages.clear();
            EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }),
                      (Refused{"Please select a template! [W0921]", "Missing Template", kApiTemplate}));
            return kIdCancel;
        });
    }
}

TEST_F(StepApiEditorDlgTest, AChosenTemplateGivesItsParametersWithTheirDefaultsAndRules) {
    RunTaskStep([&] {
        EXPECT_THAT(dialog.Control(kApiTemplate).items, ElementsAre("T", "U"));
        ChooseTemplate("T");
        EXPECT_EQ(dialog.GetText(kApiInstruction), "I");
        EXPECT_EQ(dialog.GetText(kApiTemplateHelp), "Help of T");
        EXPECT_THAT(Rows(), ElementsAre("P1=d1", "P2=", "Fix=f"));
        EXPECT_EQ(dialog.GetCommands(), "T\r\nI\r\nP1=d1\r\nP2=\r\nFix=f");
        EXPECT_TRUE(dialog.IsEnabled(kApiNewParameter));

        // The first row is chosen: a required parameter, its value open to typing.
        EXPECT_EQ(dialog.List(kApiParameters).GetHighlighted(), 0);
        EXPECT_EQ(dialog.GetText(kApiParameterName), "P1");
        EXPECT_EQ(dialog.GetText(kApiParameterHelp), "Help of P1");
        EXPECT_FALSE(dialog.IsEnabled(kApiDeleteParameter));
        EXPECT_FALSE(dialog.IsEnabled(kApiParameterName));
        EXPECT_TRUE(dialog.IsEnabled(kApiParameterValue));
        EXPECT_EQ(dialog.GetDefaultButton(), kApiSetParameter);
        EXPECT_EQ(dialog.GetFocusRequest().control, kApiParameterValue);

        dialog.ChooseRow(kApiParameters, 1);  // optional
        EXPECT_TRUE(dialog.IsEnabled(kApiDeleteParameter));
        EXPECT_TRUE(dialog.IsEnabled(kApiParameterName));
        dialog.ChooseRow(kApiParameters, 2);  // fixed
        EXPECT_FALSE(dialog.IsEnabled(kApiParameterValue));
        EXPECT_FALSE(dialog.IsEnabled(kApiSetParameter));
        EXPECT_FALSE(dialog.IsEnabled(kApiDeleteParameter));
        EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
        EXPECT_EQ(dialog.GetFocusRequest().control, kApiName);
        dialog.ChooseRow(kApiParameters, -1);
        EXPECT_EQ(dialog.GetText(kApiParameterName), "");
        EXPECT_FALSE(dialog.IsEnabled(kApiSetParameter));

        // New rows: a name is needed, and one not taken in any case.
        dialog.OnNewParameter();
        EXPECT_EQ(dialog.GetFocusRequest().control, kApiParameterName);
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.SetParameter(); }),
                  (Refused{"Please enter a parameter name! [W0924]", "Missing Name", kApiParameterName}));
        dialog.SetText(kApiParameterName, "p1");
        EXPECT_EQ(Attempt(dialog, [&] { return dialog.SetParameter(); }),
                  (Refused{"A parameter with this name is already existing! [W0925]", "Invalid Name",
                           kApiParameterName}));
        dialog.SetText(kApiParameterName, "Extra");
        dialog.SetText(kApiParameterValue, "#:N#");
        EXPECT_TRUE(dialog.SetParameter());
        EXPECT_THAT(Rows(), ElementsAre("P1=d1", "P2=", "Fix=f", "Extra=#:N#"));
        EXPECT_EQ(dialog.List(kApiParameters).GetHighlighted(), -1);
        dialog.ChooseRow(kApiParameters, 3);
        EXPECT_TRUE(dialog.IsEnabled(kApiDeleteParameter));
        EXPECT_EQ(dialog.GetText(kApiParameterHelp), "");

        // Set on a chosen row goes on to the next one.
        dialog.ChooseRow(kApiParameters, 0);
        dialog.SetText(kApiParameterValue, "v1");
        EXPECT_TRUE(dialog.SetParameter());
        EXPECT_EQ(dialog.List(kApiParameters).GetHighlighted(), 1);
        EXPECT_EQ(dialog.GetCommands(), "T\r\nI\r\nP1=v1\r\nP2=\r\nFix=f\r\nExtra=#:N#");

        // Delete asks; No keeps the row.
        TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
        dialog.OnDeleteParameter();
        EXPECT_EQ(dialog.List(kApiParameters).RowCount(), 4);
        dialog.ChooseRow(kApiParameters, 1);
        dialog.OnDeleteParameter();
        EXPECT_THAT(TestInteraction().Texts(),
                    ElementsAre("Do you really want to delete this parameter? [Q0017]",
                                "Do you really want to delete this parameter? [Q0017]"));
        EXPECT_EQ(TestInteraction().messages[0].caption, "Delete Parameter");
        EXPECT_EQ(dialog.GetCommands(), "T\r\nI\r\nP1=v1\r\nFix=f\r\nExtra=#:N#");

        // Another template replaces every parameter.
        ChooseTemplate("U");
        EXPECT_TRUE(Rows().empty());
        EXPECT_FALSE(dialog.IsEnabled(kApiNewParameter));
        EXPECT_EQ(dialog.GetCommands(), "U\r\nJ");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(step->GetCommands(), "U\r\nJ");
}

TEST_F(StepApiEditorDlgTest, OkChecksTheFieldsInOrder) {
    struct Case {
        CStepKav* step;
        std::map<int, std::string> edits;
        Refused refused;
    };
    const Refused badTimeout{"Please enter a timeout between 0 and 3.600.000 milliseconds! [W0918]", "Invalid Timeout",
                             kApiTimeout};
    const Refused badPriority{"Please enter a priority between 1 (highest) and 999 (lowest)! [W0917]",
                              "Invalid Priority", kApiPriority};
    const std::string name50(50, 'n');
    const Case cases[] = {
        {step, {{kApiPriority, "0"}, {kApiName, ""}}, badPriority},
        {step, {{kApiPriority, "1000"}}, badPriority},
        {step, {{kApiPriority, "999"}}, kPassed},
        {step, {{kApiName, ""}}, {"Please enter a step name! [W0923]", "Missing Name", kApiName}},
        {step,
         {{kApiName, name50 + "n"}},
         {"The step name must not be longer than 50 characters! [W0919]", "Invalid Name", kApiName}},
        {step, {{kApiName, "Step 1"}}, {"Illegal character ' ' in step name! [W0920]", "Invalid Name", kApiName}},
        {step, {{kApiName, name50}}, kPassed},
        {step,
         {{kApiWindow, "Nope"}},
         {"Please enter a valid start window ID! [W0712]", "Invalid Start Window", kApiWindow}},
        {step,
         {{kApiWindow, "~Set1"}},
         {"Please enter a valid start window ID! [W0712]", "Invalid Start Window", kApiWindow}},
        {step, {{kApiTimeout, "0"}}, kPassed},
        {step, {{kApiTimeout, "3600000"}}, kPassed},
        {step, {{kApiTimeout, ""}}, badTimeout},
        {step, {{kApiTimeout, "abc"}}, badTimeout},
        {step, {{kApiTimeout, "-1"}}, badTimeout},
        {step, {{kApiTimeout, "3600001"}}, badTimeout},
        {testStep.get(), {{kApiPriority, "0"}}, {"Please select a template! [W0921]", "Missing Template", kApiTemplate}},
        {testStep.get(), {{kApiTemplate, "T"}, {kApiTimeout, "x"}}, badTimeout},
        {testStep.get(), {{kApiTemplate, "T"}}, kPassed},
    };
    for (const Case& c : cases) {
        Refused refused;
        Run(
            c.step,
            [&] {
                for (const auto& [control, text] : c.edits) {
                    dialog.SetText(control, text);
                    if (control == kApiTemplate) dialog.OnTemplateChosen();
                }
                dialog.ChooseRow(kApiParameters, -1);
                refused = Attempt(dialog, [&] { return dialog.OnOK(); });
                return kIdCancel;
            },
            c.step == step ? task : nullptr);
        EXPECT_EQ(refused, c.refused) << c.step->GetName() << " " << c.edits.begin()->second;
    }
}

TEST_F(StepApiEditorDlgTest, OkWritesTheFieldsAndOkWhileEnteringAParameterSetsItFirst) {
    step->SetCommands("T\r\nI\r\nP1=a");
    step->SetCriticality(4);
    EXPECT_EQ(RunTaskStep([&] {
                  EXPECT_EQ(dialog.GetTitle(), "Task Step S");
                  EXPECT_EQ(dialog.GetText(kApiCriticality), "Catastrophic");
                  EXPECT_EQ(dialog.GetText(kApiPriority), "4");
                  EXPECT_EQ(dialog.GetText(kApiTimeout), "0");
                  EXPECT_EQ(dialog.GetText(kApiTemplate), "T");
                  EXPECT_EQ(dialog.List(kApiParameters).GetHighlighted(), -1);
                  EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                  dialog.SetText(kApiName, "S2");
                  dialog.SetText(kApiTimeout, "250");
                  dialog.SetText(kApiCriticality, "Major");
                  dialog.SetText(kApiPriority, "7");
                  dialog.SetText(kApiWindow, "Edit1");
                  dialog.SetText(kApiDescription, "Descr");
                  dialog.SetText(kApiExpectedResult, "Result");
                  dialog.SetText(kApiResultValue, "42");
                  dialog.OnNewParameter();
                  dialog.SetText(kApiParameterName, "");
                  EXPECT_FALSE(Attempt(dialog, [&] { return dialog.OnOK(); }).text.empty());  // W0924
                  dialog.SetText(kApiParameterName, "Q");
                  dialog.SetText(kApiParameterValue, "1");
                  return dialog.OnOK() ? kIdOk : kIdCancel;
              }),
              1);
    EXPECT_EQ(step->GetName(), "S2");
    EXPECT_EQ(step->GetDelay(), 250);
    EXPECT_EQ(step->GetCriticality(), 2);
    EXPECT_EQ(step->GetPriority(), 7);
    CWindowKav* edit1 = app.GetWindowList().FindByName("Edit1", nullptr);
    EXPECT_EQ(step->GetStartWindow(), edit1);
    EXPECT_EQ(step->GetDestWindow(), edit1);
    EXPECT_EQ(step->GetDescription(), "Descr");
    EXPECT_EQ(step->GetExpectedResult(), "Result");
    EXPECT_EQ(step->GetResultValue(), "42");
    EXPECT_EQ(step->GetCommands(), "T\r\nI\r\nP1=a\r\nQ=1");
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Step"));

    // A test step: no priority and no conditions or actions; an empty window is no window.
    testStep->SetStartWindow(edit1);
    EXPECT_EQ(Run(testStep.get(),
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "TestStep X");
                      EXPECT_EQ(dialog.GetText(kApiWindow), "Edit1");
                      for (int hidden : {kApiPriority, kApiPriorityLabel, kApiConditions, kApiActions})
                          EXPECT_FALSE(dialog.IsShown(hidden)) << hidden;
                      EXPECT_TRUE(dialog.IsShown(kApiFields));
                      ChooseTemplate("U");
                      dialog.SetText(kApiWindow, "");
                      return dialog.OnOK() ? kIdOk : kIdCancel;
                  }),
              1);
    EXPECT_EQ(testStep->GetStartWindow(), nullptr);
    EXPECT_EQ(testStep->GetCommands(), "U\r\nJ");
}

TEST_F(StepApiEditorDlgTest, CancelAsksOnlyAfterAListWasChangedAndLeavesTheStep) {
    nestedSteps = [](EditorDialog& open) {
        auto& actions = dynamic_cast<CActionEditorDlg&>(open);
        actions.ChooseRow(kActAvailable, 0);
        actions.OnSetAction();
        return kIdOk;
    };
    EXPECT_EQ(RunTaskStep([&] {
                  dialog.SetText(kApiName, "Typed");
                  EXPECT_TRUE(dialog.OnCancel());
                  EXPECT_TRUE(TestInteraction().messages.empty());
                  dialog.OnActions();
                  TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
                  EXPECT_FALSE(dialog.OnCancel());
                  EXPECT_TRUE(dialog.OnCancel());
                  return kIdCancel;
              }),
              0);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "Are you sure you want to close the window and lose all changes? [Q0032]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Cancel Step Editor");
    EXPECT_EQ(step->GetName(), "S");
    EXPECT_TRUE(step->GetActions().empty());

    // OK after the action editor: the action reaches the step.
    EXPECT_EQ(RunTaskStep([&] {
                  dialog.OnActions();
                  return dialog.OnOK() ? kIdOk : kIdCancel;
              }),
              1);
    EXPECT_EQ(step->GetActions().size(), 1u);
}

TEST_F(StepApiEditorDlgTest, AStepOfATaskThatMayNotChangeOpensLocked) {
    CTaskKav* locked = project.AddTask("L", nullptr, kTaskPlain, project.Lib());
    CTaskStep* lockedStep = AddStep(*locked, "LS");
    project.Lib()->SetReadOnly(true);
    EXPECT_EQ(Run(
                  lockedStep,
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Task Step LS (Read-Only)");
                      for (int edit : {kApiName, kApiWindow, kApiParameterName, kApiParameterValue, kApiDescription,
                                       kApiResultValue, kApiExpectedResult})
                          EXPECT_TRUE(dialog.IsReadOnly(edit)) << edit;
                      for (int control : {kApiTimeout, kApiCriticality, kApiPriority, kApiTemplate})
                          EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                      for (int control : {kApiBrowse, kApiNewParameter, kApiDeleteParameter, kApiSetParameter})
                          EXPECT_FALSE(dialog.IsShown(control)) << control;
                      EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
                      dialog.SetText(kApiName, "Changed");
                      return dialog.OnOK() ? kIdOk : kIdCancel;
                  },
                  locked),
              0);
    EXPECT_EQ(lockedStep->GetName(), "LS");
}

TEST_F(StepApiEditorDlgTest, BrowseDesignatorsFillsTheFieldTheUserLastLeft) {
    host.reference = "Edit1";
    RunTaskStep([&] {
        dialog.OnBrowseDesignators();  // the window field first
        EXPECT_EQ(dialog.GetText(kApiWindow), "Edit1");
        dialog.OnKillFocusField(kApiDescription);
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kApiDescription), "#Edit1#");
        dialog.OnKillFocusField(kApiTimeout);
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kApiTimeout), "0");
        EXPECT_EQ(dialog.GetFocusRequest().control, kApiTimeout);
        dialog.OnKillFocusField(kApiParameterName);  // not a target
        dialog.OnBrowseDesignators();
        EXPECT_EQ(dialog.GetText(kApiTimeout), "0");
        return kIdCancel;
    });
    EXPECT_THAT(host.referenceRequests,
                ElementsAre(std::pair<int, CTaskKav*>(1, nullptr), std::pair<int, CTaskKav*>(23, task),
                            std::pair<int, CTaskKav*>(23, task), std::pair<int, CTaskKav*>(23, task)));
}

TEST_F(StepApiEditorDlgTest, TheStepAndTheOutputFormatChooseTheEditor) {
    CTaskKav* sub = project.AddTask("Sub", nullptr, kTaskBuildingBlock);
    CTaskStep* call = AddStep(*task, "Call");
    call->SetSubTask(sub);
    CTransitionKav* transition = project.AddTransition(app.GetWindowList().FindByName("Main", nullptr), "T1");
    std::string opened;
    host.session = [&](EditorDialog& open) {
        opened = typeid(open).name();
        return kIdCancel;
    };
    auto editorFor = [&](CStepKav* edited, int format) {
        opened.clear();
        app.SetOutputFormat(format);
        RunStepEditor(host, app, edited, false, task);
        return opened;
    };
    const std::string stepEditor = typeid(CStepEditorDlg).name();
    const std::string apiEditor = typeid(CStepApiEditorDlg).name();
    const std::string subtaskEditor = typeid(CStepSubtaskEditorDlg).name();
    EXPECT_EQ(editorFor(transition, 3), stepEditor);
    EXPECT_EQ(editorFor(call, 14), subtaskEditor);
    EXPECT_EQ(editorFor(call, 2), subtaskEditor);
    EXPECT_EQ(editorFor(step, 3), apiEditor);
    EXPECT_EQ(editorFor(step, 14), apiEditor);
    EXPECT_EQ(editorFor(step, 2), stepEditor);
    EXPECT_EQ(editorFor(testStep.get(), 14), apiEditor);
    EXPECT_EQ(editorFor(testStep.get(), 7), stepEditor);
}
