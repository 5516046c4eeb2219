// Transition tests: the search for a path to a transition over the simulated application, its
// way on to the end, and the driver that makes one test case per transition.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/GenerationSettings.h"
#include "generation/TCGDriver.h"
#include "generation/TCGNode.h"
#include "generation/TCGState.h"
#include "model/ConditionKav.h"
#include "model/TransitionKav.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "tests/generation/SimulatedWindows.h"

namespace {

using Names = std::vector<std::string>;

// The simulated application with Main as start window; Exit on Main closes the application.
class TransitionTestsTest : public SimulatedWindowsTest {
protected:
    TransitionTestsTest() { app.SetStartWindow(mainWindow); }

    CTransitionKav* Transition(CWindowKav* window, const std::string& name, CWindowKav* destination,
                               std::vector<CActionKav*> actions = {}, const std::string& condition = {}) {
        CTransitionKav* transition = project.AddTransition(window, name);
        transition->SetEvent("Click");
        transition->SetDestWindow(destination);
        for (CActionKav* action : actions) transition->GetActions().Add(action);
        if (!condition.empty()) transition->GetConditions().Add(new CConditionKav("c", condition));
        return transition;
    }
    CTransitionKav* AddExit() { return Transition(mainWindow, "Exit", nullptr, {Action(9, {})}); }
    CTransitionKav* AddOpenDialog() { return Transition(mainButton, "OpenDlg", dialog, {Action(6, {"#Dlg#"})}); }

    static Names StepNames(const CTestCase& testCase) {
        Names names;
        for (const CTestStep* step : testCase.GetSteps()) names.push_back(step->GetName());
        return names;
    }
    bool Logged(const std::string& line) const { return Count(line) > 0; }
    long Count(const std::string& line) const {
        const Names& lines = progress.Log().Lines();
        return std::count(lines.begin(), lines.end(), line);
    }
    bool LoggedStartingWith(const std::string& prefix) const {
        const Names& lines = progress.Log().Lines();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
    }

    Progress progress;
    CTCGDriver driver{app, progress};
    int count = 0;
};

}  // namespace

TEST_F(TransitionTestsTest, ATransitionUsableAtTheStartRunsOnToTheEnd) {
    AddExit();
    CTransitionKav* open = AddOpenDialog();
    open->SetErrorCase(1);
    ASSERT_EQ(driver.GenerateTransitionTests(mainButton, open, count), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(count, 1);
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    const CTestCase& testCase = *app.GetTestCases()[0];
    EXPECT_EQ(StepNames(testCase), (Names{"Transition OpenDlg", "Transition Exit"}));
    EXPECT_EQ(testCase.GetType(), kTestCaseTransition);
    EXPECT_EQ(testCase.GetErrorCase(), 1);
    EXPECT_EQ(testCase.GetWindow(), mainButton);
    EXPECT_EQ(testCase.GetTransitionStep(), open);
    EXPECT_EQ(testCase.GetDisplayName(), "OpenDlg");
    EXPECT_EQ(open->GetMark(), 1);
    EXPECT_TRUE(Logged("Generating test case for transition 'OpenDlg' to window Dlg [I0030]"));
}

TEST_F(TransitionTestsTest, VariablesAreBroughtToTheirValuesByOtherTransitionsAndInputs) {
    AddExit();
    AddOpenDialog();
    CTransitionKav* submit = Transition(okButton, "Submit", mainWindow, {Action(8, {"#Dlg#"})}, "#Name# = \"Smith\"");
    ASSERT_EQ(driver.GenerateTransitionTests(okButton, submit, count), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    const CTestCase& testCase = *app.GetTestCases()[0];
    EXPECT_EQ(StepNames(testCase), (Names{"Transition OpenDlg", "Name_Input", "Transition Submit", "Transition Exit"}));
    // The test case's events have their arguments evaluated (the name comes out in lower case).
    EXPECT_EQ(testCase.GetSteps()[1]->GetEvent(), "input(\"Smith\")");
    // Each step remembers what it was searched for.
    EXPECT_EQ(testCase.GetSteps()[1]->GetParameters().GetVariable(), "Name");
    EXPECT_EQ(testCase.GetSteps()[1]->GetParameters().GetValue(), "Smith");
}

TEST_F(TransitionTestsTest, AVariableAtItsWantedValueAddsNoStep) {
    AddExit();
    AddOpenDialog();
    As<CInputFieldKav>(edit).SetInitialValue("Smith");
    CTransitionKav* submit = Transition(okButton, "Submit", mainWindow, {Action(8, {"#Dlg#"})}, "#Name# = \"Smith\"");
    ASSERT_EQ(driver.GenerateTransitionTests(okButton, submit, count), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(StepNames(*app.GetTestCases()[0]), (Names{"Transition OpenDlg", "Transition Submit", "Transition Exit"}));
}

TEST_F(TransitionTestsTest, ControlStepsEnterTheirValueByWindowType) {
    CWindowKav* table = AddControl(project, "Tbl", kWndTable, dialog, {0, 0, 10, 10});
    struct Case {
        CWindowKav* window;
        std::string value, position, name, event;
    };
    const Case cases[] = {
        {edit, "a\"b", "Name", "Name_Input", "Input(\"a\\\"b\")"},
        {agree, "TRUE", "Agree", "Agree_Check", "Check(TRUE)"},
        {table, "v", "Tbl:$2,3", "Tbl_Input", "Input(2, 3, \"v\")"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CTestStep> step = CreateTransitionStep(c.window, nullptr, c.value, c.position, kStateByInput);
        ASSERT_NE(step, nullptr) << c.name;
        EXPECT_EQ(step->GetName(), c.name);
        EXPECT_EQ(step->GetEvent(), c.event);
        EXPECT_EQ(step->GetStartWindow(), c.window);
    }
    EXPECT_EQ(CreateTransitionStep(okButton, nullptr, "x", "OK", kStateByInput), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Illegal window type! [W0501]");
    EXPECT_EQ(CreateTransitionStep(okButton, nullptr, "", "", kStateByAction), nullptr);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: undefined transition in MakeStep! [F0055]");
    EXPECT_EQ(EscapeQuotes("a\\b\"c"), "a\\\\b\\\"c");
}

TEST_F(TransitionTestsTest, AnInputTransitionEntersTheValueSoughtOrItsOwn) {
    CTransitionKav* type = Transition(edit, "Type", dialog);
    type->SetEvent("Input(\"Jo\")");
    EXPECT_EQ(CreateTransitionStep(edit, type, "Ann \"A\"", "Name", kStateByEvent)->GetEvent(),
              "Input(\"Ann \\\"A\\\"\")");
    EXPECT_EQ(CreateTransitionStep(edit, type, "", "", kStateByAction)->GetEvent(), "Input(\"Jo\")");
}

// With depth 1 a transition that needs another window opened first is found only when the
// opening transition's own condition holds at once.
TEST_F(TransitionTestsTest, TheRecursionDepthLimitsTheNestedSearches) {
    project.AddAttribute("Ready");
    Transition(mainWindow, "Arm", mainWindow, {Action(1, {"#:Ready#", "1"})});
    CTransitionKav* open = AddOpenDialog();
    CTransitionKav* quit = Transition(okButton, "Quit", mainWindow, {Action(9, {})});
    GetGenerationSettings().maxRecursionDepth = 1;
    GetGenerationSettings().detailedLog = true;
    ASSERT_EQ(driver.GenerateTransitionTests(okButton, quit, count), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(StepNames(*app.GetTestCases()[0]), (Names{"Transition OpenDlg", "Transition Quit"}));
    EXPECT_TRUE(LoggedStartingWith("    SearchPathToTrans(wnd = OK, trans = Quit, posInWnd = , next = 0, "
                                   "initComb members: "));
    EXPECT_TRUE(LoggedStartingWith("      SearchPathToTrans(wnd = Go, trans = OpenDlg, posInWnd = Dlg:$Exist"));

    // Opening the dialog now needs Ready first: a search one level deeper.
    open->GetConditions().Add(new CConditionKav("c", "#:Ready# = 1"));
    app.GetTestCases().DeleteAll();
    ASSERT_EQ(driver.GenerateTransitionTests(okButton, quit, count), 1);
    EXPECT_TRUE(app.GetTestCases().empty());
    EXPECT_TRUE(Logged("Cannot generate test case for transition to Main! [W0486]"));
    EXPECT_TRUE(LoggedStartingWith(
        "        ### Maximum number of recursions reached => break to avoid infinite loop"));

    GetGenerationSettings().maxRecursionDepth = 2;
    ASSERT_EQ(driver.GenerateTransitionTests(okButton, quit, count), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(StepNames(*app.GetTestCases()[0]), (Names{"Transition Arm", "Transition OpenDlg", "Transition Quit"}));
}

TEST_F(TransitionTestsTest, WithoutCloseApplicationEveryTransitionFails) {
    CTransitionKav* open = AddOpenDialog();
    Transition(okButton, "Back", mainWindow, {Action(8, {"#Dlg#"})});
    ASSERT_EQ(driver.GenerateTransitionTests(nullptr, nullptr, count), 1);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(app.GetTestCases().empty());
    EXPECT_EQ(Count("Warning: Deadlock found in GUI specification! Not all paths lead to a CloseApplication action! "
                    "[W0497]"),
              2);  // once for each transition
    EXPECT_TRUE(Logged("Cannot generate test case for transition from window Go to Dlg! [W0487]"));
    EXPECT_TRUE(Logged("Cannot generate test case for transition from window OK to Main! [W0487]"));
    EXPECT_EQ(progress.Counts().failures, 2);
    EXPECT_EQ(open->GetMark(), 0);
}

TEST_F(TransitionTestsTest, TheWholeProjectVisitsEveryWindowOnceAndReplacesEarlierTransitionTests) {
    AddExit();
    AddOpenDialog();
    Transition(okButton, "Back", mainWindow, {Action(8, {"#Dlg#"})});
    project.AddTestCase(1, kTestCaseTransition, nullptr, mainWindow);
    CTestCase* manual = project.AddTestCase(1, kTestCaseManual, nullptr, mainWindow);
    ASSERT_EQ(driver.GenerateTransitionTests(nullptr, nullptr, count), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(count, 3);
    EXPECT_EQ(progress.Counts(), (ProgressCounts{3, 3, 0, 0, 3}));
    Names names;
    for (const CTestCase* testCase : app.GetTestCases()) names.push_back(testCase->GetDisplayName());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"", "Back", "Exit", "OpenDlg"}));
    EXPECT_TRUE(app.GetTestCases().Contains(manual));
    EXPECT_TRUE(Logged("Generating transition test cases for whole project"));
}

TEST_F(TransitionTestsTest, AStartWindowWithAParentMakesTheRunFail) {
    AddExit();
    app.SetStartWindow(edit);
    EXPECT_EQ(driver.GenerateTransitionTests(nullptr, nullptr, count), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "The Start Window you specified is invalid because it has a parent. Please Specify a Valid Start Window "
              "in the Application Editor! [W0495]");
    EXPECT_TRUE(app.GetTestCases().empty());

    app.SetStartWindow(nullptr);
    EXPECT_EQ(driver.GenerateTransitionTests(mainWindow, nullptr, count), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Please Specify a valid Start Window in the Application Editor! [W0492]");

    app.SetStartWindow(dialog);
    dialog->SetVisible(false);
    EXPECT_EQ(driver.GenerateTransitionTests(mainWindow, nullptr, count), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "The Start Window must be visible and enabled! [W0496]");

    CCombination combination;
    EXPECT_EQ(driver.GenerateTC(mainWindow, nullptr, combination), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Invalid call to GenerateTC! [F0111]");
}

TEST_F(TransitionTestsTest, AStopKeepsWhatWasMadeSoFar) {
    AddExit();
    progress.RequestStop();
    EXPECT_EQ(driver.GenerateTransitionTests(nullptr, nullptr, count), 2);
    EXPECT_TRUE(app.GetTestCases().empty());
}

TEST_F(TransitionTestsTest, AWindowAloneCoversItsChildrenAndLogsItsName) {
    AddExit();
    AddOpenDialog();
    Transition(okButton, "Back", mainWindow, {Action(8, {"#Dlg#"})});
    ASSERT_EQ(driver.GenerateTransitionTests(dialog, nullptr, count), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(Logged("Generating transition test cases for window 'Dlg' and children [I0028]"));
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(StepNames(*app.GetTestCases()[0]),
              (Names{"Transition OpenDlg", "Transition Back", "Transition Exit"}));
}

// A system-modal dialog that the path stands in is closed before a step outside it; dialogs
// that close into each other give no way out, and the search ends.
TEST_F(TransitionTestsTest, SystemModalDialogsAreClosedBeforeTheNextStep) {
    AddExit();
    project.AddAttribute("Ready");
    CWindowKav* first = project.AddWindow("D1", nullptr, kWndDialogBox);
    CWindowKav* second = project.AddWindow("D2", nullptr, kWndDialogBox);
    for (CWindowKav* d : {first, second}) {
        d->SetStyle(win32::WS_VISIBLE);
        d->SetMethod(1);
    }
    Transition(mainWindow, "ShowD2", second, {Action(7, {"#D2#"})});
    Transition(second, "ShowD1", first, {Action(7, {"#D1#"})});
    Transition(first, "Arm", first, {Action(1, {"#:Ready#", "1"})});
    CTransitionKav* closeFirst = Transition(first, "CloseD1", mainWindow, {Action(8, {"#D1#"})});
    CTransitionKav* target = Transition(mainButton, "Target", mainWindow, {}, "#:Ready# = 1");

    // D1 closes into Main.
    Transition(second, "CloseD2", mainWindow, {Action(8, {"#D2#"})});
    ASSERT_EQ(driver.GenerateTransitionTests(mainButton, target, count), 1) << GetGlobalMessageBuffer();
    ASSERT_EQ(app.GetTestCases().size(), 1u);
    EXPECT_EQ(StepNames(*app.GetTestCases()[0]), (Names{"Transition ShowD2", "Transition ShowD1", "Transition Arm",
                                                        "Transition CloseD1", "Transition Target", "Transition Exit"}));
    EXPECT_TRUE(Logged("Adding additional step to close systemmodal dialogBox D1"));

    // D1 closes into D2 and D2 into D1.
    closeFirst->SetDestWindow(second);
    second->GetTransitions()[1]->SetDestWindow(first);
    app.GetTestCases().DeleteAll();
    ASSERT_EQ(driver.GenerateTransitionTests(mainButton, target, count), 1) << GetGlobalMessageBuffer();
    EXPECT_TRUE(app.GetTestCases().empty());
}
