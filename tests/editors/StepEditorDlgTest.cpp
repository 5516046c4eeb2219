#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "editors/steps/ActionEditorDlg.h"
#include "editors/steps/ConditionEditDlg.h"
#include "editors/steps/ParameterDlg.h"
#include "editors/steps/StepEditorDlg.h"
#include "model/TaskStep.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/editors/StepEditorModel.h"
#include "tests/support/FlowBuilder.h"

using ::testing::ElementsAre;

namespace {

// A transition T1 from Edit1 to Dlg1 with an event; a task T whose step S1 has priority 5 and
// no windows, and whose step S2 performs T1; a test step X that starts in Edit1.
class StepEditorDlgTest : public StepEditorModelTest {
protected:
    StepEditorDlgTest() {
        edit1 = Window("Edit1");
        dialogBox = Window("Dlg1");
        transition = project.AddTransition(edit1, "T1");
        transition->SetDestWindow(dialogBox);
        transition->SetEvent("Input(\"x\")");
        task = project.AddTask("T");
        plainStep = AddStep(*task, "S1");
        plainStep->SetPriority(5);
        transitionStep = AddStep(*task, "S2");
        transitionStep->SetTransition(transition);
        transitionStep->SetPriority(7);
        testStep = std::make_unique<CTestStep>("X", "", "", "", "", "", edit1, nullptr, 0, 2, "", nullptr, nullptr,
                                               nullptr, "");
    }

    CWindowKav* Window(const std::string& name) { return app.GetWindowList().FindByName(name, nullptr); }

    // Runs the editor on the step; the steps act in it and say how it ends. Nested editors run
    // nestedSteps.
    int Run(CStepKav* step, const std::function<int()>& steps, bool isNew = false, CTaskKav* inTask = nullptr) {
        host.session = [&](EditorDialog& open) { return &open == &dialog ? steps() : nestedSteps(open); };
        return dialog.EditStep(step, isNew, inTask);
    }

    // What OK refuses after the edits (control, text) on the opened step.
    Refused CheckOk(CStepKav* step, const std::map<int, std::string>& edits, CTaskKav* inTask = nullptr) {
        Refused refused;
        Run(
            step,
            [&] {
                for (const auto& [control, text] : edits) dialog.SetText(control, text);
                refused = Attempt(dialog, [&] { return dialog.OnOK(); });
                return kIdCancel;
            },
            false, inTask);
        return refused;
    }

    FakeEditorHost host;
    CStepEditorDlg dialog{host, app};
    std::function<int(EditorDialog&)> nestedSteps = [](EditorDialog&) { return kIdCancel; };
    CWindowKav* edit1;
    CWindowKav* dialogBox;
    CTransitionKav* transition;
    CTaskKav* task;
    CTaskStep* plainStep;
    CTaskStep* transitionStep;
    std::unique_ptr<CTestStep> testStep;
};

const Refused kPassed{};

}  // namespace

TEST_F(StepEditorDlgTest, TheStepsTypeDecidesTitleAndControls) {
    struct Case {
        CStepKav* step;
        std::string title;
        std::string priority;  // "-": hidden
        bool errorCase;
        bool lists;
    };
    const Case cases[] = {
        {transition, "Transition T1", "-", true, true},
        {transitionStep, "Task Step / Transition T1", "7", true, true},
        {plainStep, "Task Step S1", "5", false, true},
        {testStep.get(), "TestStep X", "-", false, false},
    };
    for (const Case& c : cases) {
        Run(
            c.step,
            [&] {
                EXPECT_EQ(dialog.GetTitle(), c.title);
                EXPECT_EQ(dialog.IsShown(kStepPriority), c.priority != "-") << c.title;
                EXPECT_EQ(dialog.IsShown(kStepPriorityLabel), c.priority != "-") << c.title;
                if (c.priority != "-") {
                    EXPECT_EQ(dialog.GetText(kStepPriority), c.priority);
                }
                EXPECT_EQ(dialog.IsShown(kStepErrorCase), c.errorCase) << c.title;
                EXPECT_EQ(dialog.IsShown(kStepConditions), c.lists) << c.title;
                EXPECT_EQ(dialog.IsShown(kStepActions), c.lists) << c.title;
                EXPECT_TRUE(dialog.IsShown(kStepFields));
                return kIdCancel;
            },
            false, task);
    }
    Run(transitionStep, [&] {
        EXPECT_EQ(dialog.GetText(kStepName), "T1");
        EXPECT_EQ(dialog.GetText(kStepStartWindow), "Edit1");
        EXPECT_EQ(dialog.GetText(kStepDestWindow), "Dlg1");
        EXPECT_EQ(dialog.GetText(kStepDelay), "0");
        return kIdCancel;
    });
}

TEST_F(StepEditorDlgTest, ANewTransitionOpensWithTheEventItsStartWindowSuggests) {
    const std::pair<int, std::string> cases[] = {
        {kWndCheckBox, "Check(TRUE)"},  {kWndPushButton, "Click"},     {kWndInputField, "Input"},
        {kWndListBox, "Select(\"\")"}, {kWndTreeControl, "Select(\"\")"}, {kWndDialogBox, "Click"},
    };
    for (const auto& [type, event] : cases) {
        CWindowKav* start = AddControl(project, "W" + std::to_string(type), type, mainWindow, {0, 0, 10, 10});
        CTransitionKav fresh("New", "", "", "", "", "", start, nullptr, 0, nullptr, 2, "", 0);
        Run(
            &fresh,
            [&] {
                EXPECT_EQ(dialog.GetText(kStepEvent), event) << type;
                return kIdCancel;
            },
            true);
    }
    transition->SetEvent("Click(L,\n2)");
    Run(transition, [&] {
        EXPECT_EQ(dialog.GetText(kStepEvent), "Click(L,2)");
        return kIdCancel;
    });
}

TEST_F(StepEditorDlgTest, OkChecksTheFieldsInOrder) {
    struct Case {
        CStepKav* step;
        std::map<int, std::string> edits;
        Refused refused;
    };
    const std::string name50(50, 'n');
    const Refused badPriority{"Please enter a priority between 1 (highest) and 999 (lowest)! [W0713]", "Invalid Priority",
                              kStepPriority};
    const Refused badDelay{"Please enter a delay between 0 and 3.600.000 milliseconds! [W0710]", "Invalid Delay",
                           kStepDelay};
    const Case cases[] = {
        // Priority, only where a task step shows it.
        {plainStep, {{kStepPriority, "0"}}, badPriority},
        {plainStep, {{kStepPriority, "1000"}, {kStepName, ""}}, badPriority},
        {transitionStep, {{kStepPriority, "abc"}}, badPriority},
        {plainStep, {{kStepPriority, "1"}}, kPassed},
        {plainStep, {{kStepPriority, "999"}}, kPassed},
        {transition, {{kStepPriority, ""}}, kPassed},
        // Name.
        {plainStep, {{kStepName, ""}}, {"Please enter a step name! [W0922]", "Missing Name", kStepName}},
        {plainStep,
         {{kStepName, name50 + "n"}},
         {"The step name must not be longer than 50 characters! [W0708]", "Invalid Name", kStepName}},
        {plainStep, {{kStepName, "Step 1"}}, {"Illegal character ' ' in step name! [W0709]", "Invalid Name", kStepName}},
        {plainStep, {{kStepName, name50}}, kPassed},
        // Windows: a transition needs both, a task step neither.
        {transition,
         {{kStepStartWindow, ""}},
         {"Please enter a valid start window ID! [W0711]", "Missing Start Window", kStepStartWindow}},
        {transition,
         {{kStepStartWindow, "Nope"}},
         {"Please enter a valid start window ID! [W0712]", "Invalid Start Window", kStepStartWindow}},
        {plainStep,
         {{kStepStartWindow, "~Set1"}},
         {"Please enter a valid start window ID! [W0712]", "Invalid Start Window", kStepStartWindow}},
        {transition,
         {{kStepDestWindow, ""}},
         {"Please enter a valid destination window ID! [W0681]", "Missing Destination Window", kStepDestWindow}},
        {transition,
         {{kStepDestWindow, "Nope"}},
         {"Please enter a valid destination window ID! [W0687]", "Invalid Destination Window", kStepDestWindow}},
        {plainStep, {{kStepStartWindow, "Edit1"}, {kStepDestWindow, "Dlg1"}}, kPassed},
        // Event.
        {plainStep,
         {{kStepEvent, "Click"}},
         {"Please do not enter an event before you have selected the step\u00b4s start window! [W0721]",
          "Invalid Event", kStepEvent}},
        {transition, {{kStepEvent, "Input(\"a\""}}, {"Missing ')'! [W0350]", "Invalid Event String", kStepEvent}},
        {testStep.get(),
         {{kStepEvent, "Input(#:S#)"}},
         {"The event of a test step may not contain designators or operators! Please enter a concrete value "
          "instead! [W0717]",
          "Invalid Event String", kStepEvent}},
        {transition, {{kStepEvent, "Input(#:S#)"}}, kPassed},
        {testStep.get(), {{kStepEvent, "Input(\"abc\")"}}, kPassed},
        // Delay.
        {transition, {{kStepDelay, "0"}}, kPassed},
        {transition, {{kStepDelay, "3600000"}}, kPassed},
        {transition, {{kStepDelay, ""}}, badDelay},
        {transition, {{kStepDelay, "abc"}}, badDelay},
        {transition, {{kStepDelay, "3600001"}}, badDelay},
        {transition, {{kStepDelay, "-5"}}, badDelay},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckOk(c.step, c.edits, task), c.refused) << c.step->GetName() << " " << c.edits.begin()->second;
    }
}

TEST_F(StepEditorDlgTest, NewCommandsBesideAnEventAreNotedOnceAndOkStillCloses) {
    Run(transition, [&] {
        dialog.SetText(kStepCommands, "TypeKeys(\"x\")");
        EXPECT_TRUE(dialog.OnOK());
        EXPECT_THAT(TestInteraction().Texts(),
                    ElementsAre("Note: The event will be ignored during test case conversion. The text in the field "
                                "'Commands for Test Script' will be used instead! [I0015]"));
        EXPECT_EQ(TestInteraction().messages[0].caption, "Event Ignored");
        EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Information);
        return kIdOk;
    });
    EXPECT_EQ(transition->GetCommands(), "TypeKeys(\"x\")");

    TestInteraction().messages.clear();
    Run(transition, [&] {  // the same commands again: nothing new to note
        EXPECT_TRUE(dialog.OnOK());
        dialog.SetText(kStepEvent, "");
        dialog.SetText(kStepCommands, "Other");
        EXPECT_TRUE(dialog.OnOK());
        return kIdCancel;
    });
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(StepEditorDlgTest, ATaskStepPerformingATransitionWritesTheTransitionAndTakesItsFields) {
    transition->GetConditions().Add(new CConditionKav("", "#:N# = 1"));
    CConditionKav* conditionB = transition->GetConditions().Add(new CConditionKav("", "#:N# = 2"));
    nestedSteps = [](EditorDialog& open) {
        auto& conditions = dynamic_cast<CConditionEditDlg&>(open);
        conditions.ChooseRow(kCondList, 0);
        TestInteraction().answers = {MessageAnswer::Yes};
        conditions.OnDelete();
        return kIdOk;
    };
    EXPECT_EQ(Run(
                  transitionStep,
                  [&] {
                      dialog.SetText(kStepName, "Typed");
                      dialog.SetText(kStepPriority, "3");
                      dialog.SetText(kStepStartWindow, "OK");
                      dialog.SetText(kStepEvent, "Click");
                      dialog.SetChecked(kStepErrorCase, true);
                      dialog.OnConditions();
                      return dialog.OnOK() ? kIdOk : 0;
                  },
                  false, task),
              1);
    EXPECT_EQ(transition->GetName(), "Typed");
    EXPECT_EQ(transition->GetEvent(), "Click");
    EXPECT_EQ(transition->GetErrorCase(), 1);
    EXPECT_EQ(transitionStep->GetName(), "Typed");
    EXPECT_EQ(transitionStep->GetEvent(), "Click");
    EXPECT_EQ(transitionStep->GetPriority(), 3);
    EXPECT_EQ(plainStep->GetPriority(), 5);
    // The conditions had no IDs: the one deleted went, the other stayed the same object.
    ASSERT_EQ(transition->GetConditions().size(), 1u);
    EXPECT_EQ(transition->GetConditions()[0], conditionB);
    // The frame moves the transition to its new start window and records that first.
    ASSERT_EQ(host.redirects.size(), 1u);
    EXPECT_EQ(host.redirects[0].transition, transition);
    EXPECT_EQ(host.redirects[0].start, Window("OK"));
    EXPECT_EQ(host.redirects[0].destination, dialogBox);
    EXPECT_THAT(host.undoSteps, ElementsAre("Redirect Transition", "Edit Step"));
}

TEST_F(StepEditorDlgTest, WindowsAreSetDirectlyOnANewTransitionAndStepsAndLeftAloneWhenUnchanged) {
    CTransitionKav fresh("New", "", "", "", "", "", Window("OK"), nullptr, 0, nullptr, 2, "", 0);
    const auto pressOk = [&] {
        dialog.SetText(kStepDestWindow, "Dlg1");
        return dialog.OnOK() ? kIdOk : 0;
    };
    EXPECT_EQ(Run(&fresh, pressOk, true), 1);
    EXPECT_EQ(fresh.GetDestWindow(), dialogBox);
    EXPECT_EQ(fresh.GetEvent(), "Click");
    EXPECT_EQ(Run(transition, pressOk), 1);  // the same windows again
    EXPECT_EQ(Run(
                  plainStep,
                  [&] {
                      dialog.SetText(kStepStartWindow, "Edit1");
                      return dialog.OnOK() ? kIdOk : 0;
                  },
                  false, task),
              1);
    EXPECT_EQ(plainStep->GetStartWindow(), edit1);
    EXPECT_TRUE(host.redirects.empty());
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Step", "Edit Step", "Edit Step"));
}

TEST_F(StepEditorDlgTest, CancelAsksOnlyWhenAListWasChanged) {
    nestedSteps = [](EditorDialog& open) {
        auto& actions = dynamic_cast<CActionEditorDlg&>(open);
        actions.ChooseRow(kActAvailable, 0);  // CloseApplication, without arguments
        actions.OnSetAction();
        return kIdOk;
    };
    EXPECT_EQ(Run(transition,
                  [&] {
                      dialog.SetText(kStepName, "Typed");
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
    EXPECT_EQ(TestInteraction().messages[0].text, "Are you sure you want to close the window and lose all changes? [Q0028]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Cancel Step Editor");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(transition->GetName(), "T1");
    EXPECT_TRUE(transition->GetActions().empty());
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(StepEditorDlgTest, AStepOfAReadOnlyFileOnlyShowsItself) {
    CWindowKav* locked = project.AddWindow("Locked", nullptr, kWndMain, project.Lib());
    project.Lib()->SetReadOnly(true);
    CTransitionKav* lockedTransition = project.AddTransition(locked, "L1");
    std::vector<std::string> nestedTitles;
    nestedSteps = [&](EditorDialog& open) {
        nestedTitles.push_back(open.GetTitle());
        return kIdOk;
    };
    EXPECT_EQ(Run(lockedTransition,
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Transition L1 (Read-Only)");
                      for (int edit : {kStepName, kStepEvent, kStepStartWindow, kStepDestWindow, kStepCommands,
                                       kStepInstruction, kStepInput, kStepExpectedResult})
                          EXPECT_TRUE(dialog.IsReadOnly(edit)) << edit;
                      for (int control : {kStepDelay, kStepPriority, kStepErrorCase})
                          EXPECT_FALSE(dialog.IsEnabled(control)) << control;
                      EXPECT_FALSE(dialog.IsShown(kStepBrowse));
                      EXPECT_EQ(dialog.GetDefaultButton(), kIdOk);
                      EXPECT_EQ(dialog.GetFocusRequest().control, kIdOk);
                      dialog.SetText(kStepName, "Changed");
                      dialog.OnConditions();
                      dialog.OnActions();
                      dialog.OnUserDefinedFields();
                      dialog.SetText(kStepDelay, "abc");
                      return dialog.OnOK() ? kIdOk : 0;
                  }),
              0);
    EXPECT_THAT(nestedTitles, ElementsAre("Condition Editor (Read-Only)", "Action Editor (Read-Only)",
                                          "User-Defined Fields of Step Changed (Read-Only)"));
    EXPECT_EQ(lockedTransition->GetName(), "L1");
    EXPECT_TRUE(host.undoSteps.empty());
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(StepEditorDlgTest, BrowseDesignatorsFillsTheFieldThatLastLostTheFocus) {
    struct Case {
        int field;
        std::string before;
        int kinds;
        std::string after;
    };
    const Case cases[] = {
        {0, "Ed", 1, "EdMain"},  // nothing left yet: the start window
        {kStepDestWindow, "", 1, "Main"},
        {kStepEvent, "Input()", 23, "Input()#Main#"},
        {kStepInput, "x", 23, "x#Main#"},
        {kStepDelay, "10", 23, "10"},
    };
    host.reference = "Main";
    Run(plainStep,
        [&] {
            for (const Case& c : cases) {
                const int field = c.field ? c.field : kStepStartWindow;
                if (c.field) dialog.OnKillFocusField(c.field);
                dialog.OnKillFocusField(kStepName);  // name and priority are no targets
                dialog.SetText(field, c.before);
                host.referenceRequests.clear();
                dialog.OnBrowseDesignators();
                EXPECT_EQ(dialog.GetText(field), c.after) << field;
                EXPECT_THAT(host.referenceRequests,
                            ElementsAre(std::pair(c.kinds, c.kinds == 1 ? nullptr : task)))
                    << field;
                EXPECT_EQ(dialog.GetFocusRequest().control, field);
                dialog.ClearFocusRequest();
            }
            return kIdCancel;
        },
        false, task);
}
