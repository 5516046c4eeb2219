#include <gtest/gtest.h>

#include "conditions/EventParser.h"
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "generation/ToolEventParsers.h"
#include "model/DataSet.h"
#include "model/TransitionKav.h"
#include "platform/MessageBuffer.h"
#include "tests/generation/SimulatedWindows.h"

namespace {

class GuiSimulationTest : public SimulatedWindowsTest {
protected:
    // A test step in the window towards the destination, made from a transition that carries
    // the actions.
    CTestStep* AddStep(OwningList<CTestStep>& steps, CWindowKav* window, CWindowKav* destination,
                       std::vector<CActionKav*> actions = {}, const std::string& event = "Click") {
        CTransitionKav* transition = project.AddTransition(window, "T" + std::to_string(++transitions_));
        transition->SetDestWindow(destination);
        for (CActionKav* action : actions)
            if (action) transition->GetActions().Add(action);
        return steps.Add(new CTestStep("Step", event, "", "", "", "", window, destination, 0, 2, "", nullptr, nullptr,
                                       transition, ""));
    }

    // The step names and events of the path.
    static std::vector<std::string> Events(const OwningList<CTestStep>& steps) {
        std::vector<std::string> events;
        for (const CTestStep* step : steps) events.push_back(step->GetName() + ": " + step->GetEvent());
        return events;
    }

    int transitions_ = 0;
};

}  // namespace

TEST_F(GuiSimulationTest, AWindowIsUsableWhileItsOpeningWindowExistsAndItsChainIsVisibleAndEnabled) {
    EXPECT_EQ(IsWindowUsable(*edit, combination, false), 0);  // the dialog is not open
    Open(dialog);
    EXPECT_EQ(IsWindowUsable(*edit, combination, false), 1);

    Set(dialog, ":$Enabled", "FALSE");
    EXPECT_EQ(IsWindowUsable(*edit, combination, false), 0);
    EXPECT_EQ(IsWindowUsable(*edit, combination, true), 1);
    Set(edit, ":$Visible", "FALSE");
    EXPECT_EQ(IsWindowUsable(*edit, combination, true), 0);

    // A window opened with its parent needs a parent.
    CWindowKav* orphan = project.AddWindow("Orphan", nullptr, kWndPushButton);
    EXPECT_EQ(IsWindowUsable(*orphan, combination, false), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Specification Error: Window Orphan must have a parent, because its Open Method is set to 'Parent'! "
              "[W0508]");
}

TEST_F(GuiSimulationTest, WindowActionsOpenAndCloseWindows) {
    ActionEffects effects;
    ASSERT_EQ(SimulateAction(*Own(Action(6, {"#Dlg#"})), combination, false, false, nullptr, effects), 1);
    EXPECT_EQ(Read("Dlg:$Exist"), "TRUE");
    EXPECT_EQ(Read("Dlg:$Visible"), "TRUE");
    EXPECT_EQ(Read("Dlg:$Enabled"), "TRUE");
    EXPECT_EQ(Read("Dlg:$SystemModal"), "FALSE");
    Set(dialog, ":$Enabled", "FALSE");

    // Closing sets only the existence: visibility and enabling stay as they read before.
    ASSERT_EQ(SimulateAction(*Own(Action(8, {"#Dlg#"})), combination, false, false, nullptr, effects), 1);
    EXPECT_EQ(Read("Dlg:$Exist"), "FALSE");
    EXPECT_EQ(Read("Dlg:$Visible"), "TRUE");
    EXPECT_FALSE(effects.applicationClosed);

    ASSERT_EQ(SimulateAction(*Own(Action(7, {"#Dlg#"})), combination, false, false, nullptr, effects), 1);
    EXPECT_EQ(Read("Dlg:$SystemModal"), "TRUE");

    ASSERT_EQ(SimulateAction(*Own(Action(9, {})), combination, false, false, nullptr, effects), 1);
    EXPECT_TRUE(effects.applicationClosed);
}

TEST_F(GuiSimulationTest, ActionsWithoutTheirArgumentsAreRefused) {
    struct Case {
        int code;
        const char* message;
    } cases[] = {
        {1, "Fatal Error: Action without arguments encountered! [F0155]"},
        {13, "Fatal Error: Action without arguments encountered! [F0155]"},
        {6, "Fatal Error: Action without arguments encountered! [F0156]"},
        {7, "Fatal Error: Action without arguments encountered! [F0157]"},
        {8, "Fatal Error: Action without arguments encountered! [F0158]"},
        {14, "Fatal Error: Action without arguments encountered! [F0033]"},
        {16, "Fatal Error: Action without arguments encountered! [F0033]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        CActionKav action(c.code);  // no arguments
        ActionEffects effects;
        EXPECT_EQ(SimulateAction(action, combination, false, false, nullptr, effects), 0);
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
    }
    CActionKav unknown(99, "Dance");
    ActionEffects effects;
    EXPECT_EQ(SimulateAction(unknown, combination, false, false, nullptr, effects), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Unknown Action! [F0063]");
}

TEST_F(GuiSimulationTest, SetActionsRecordTheirValueOfTheRightType) {
    ActionEffects effects;
    ASSERT_EQ(SimulateAction(*Own(Action(2, {"#Name#", "\"Smith\""})), combination, false, false, nullptr, effects),
              1);
    EXPECT_EQ(Read("Name"), "Smith");
    EXPECT_EQ(effects.verifyStep, nullptr);

    // A check box takes a truth value, not a text.
    EXPECT_EQ(SimulateAction(*Own(Action(3, {"#Agree#", "\"yes\""})), combination, false, false, nullptr, effects),
              0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Type Mismatch: Argument Value has invalid type! [W0507]");
}

TEST_F(GuiSimulationTest, RecordActionsMoveTheRecordPointerOfAnotherDataSet) {
    CDataSet* customers = project.AddDataSet("Customers");
    for (auto [name, valid] : {std::pair{"V1", 1}, {"I1", 0}, {"V2", 1}})
        customers->GetRecords().Add(new CDataRecord(name, valid, 1));
    ActionEffects effects;
    auto run = [&](int code, std::vector<std::string> arguments, const CDataSet* inUse = nullptr) {
        return SimulateAction(*Own(Action(code, arguments)), combination, false, false, inUse, effects);
    };
    auto current = [&] { return customers->GetCurrentRecord() ? customers->GetCurrentRecord()->GetName() : "none"; };

    ASSERT_EQ(run(16, {"#~Customers#", "\"I1\""}), 1);
    EXPECT_EQ(current(), "I1");
    ASSERT_EQ(run(14, {"#~Customers#", "v"}), 1);
    EXPECT_EQ(current(), "V2");
    ASSERT_EQ(run(15, {"#~Customers#", "I"}), 1);
    EXPECT_EQ(current(), "I1");
    ASSERT_EQ(run(14, {"#~Customers#", "a"}), 1);
    EXPECT_EQ(current(), "V2");

    EXPECT_EQ(run(16, {"#~Customers#", "\"X9\""}), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Action 'GotoDataRecord' called with invalid record ID 'X9'! [W0956]");
    EXPECT_EQ(run(14, {"#~Nobody#", "v"}), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Unknown data set '#~Nobody#' referenced in an action! [W0954]");
    EXPECT_EQ(run(14, {"#~Customers#", "v"}, customers), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Please do not use actions or loops that affect the data record pointer when generating data-oriented "
              "tests.\r\nThe record pointer will be automatically advanced after each test case! [W0955]");
}

TEST_F(GuiSimulationTest, VerifyStepsByActionCode) {
    Open(dialog);
    CWindowKav* list = project.AddWindow("List", dialog, kWndListBox);
    CWindowKav* table = project.AddWindow("Grid", dialog, kWndTable);
    CWindowKav* combo = project.AddWindow("Choice", dialog, kWndComboBox);
    // A group box of this GUI identifier has no value to verify.
    CWindowKav* group = CreateWindowOfType(kWndGroupBox, {.id = "Group", .guiId = 996});
    group->SetFile(project.Main());
    app.GetWindowList().Add(group);
    dialog->AddChild(group);
    for (CWindowKav* w : {list, table, combo, group}) w->SetVisible(true);
    As<CComboBoxKav>(combo).SetBoxType(CComboBoxKav::kDroplist);
    app.SetOutputFormat(7);

    struct Case {
        const char* designator;
        int code;
        const char* value;
        const char* step;  // "" for none
    } cases[] = {
        {"Name", 2, "x", "Verify_Value: Verify(Value, \"x\")"},
        {"Agree", 3, "TRUE", "Verify_Value: Verify(Value, TRUE)"},
        {"Name:$Enabled", 1, "FALSE", "Verify_Enabled: Verify(Enabled, FALSE)"},
        {"Name:$caption", 1, "Hi", "Verify_Caption: Verify(Caption, \"Hi\")"},
        {"Name:$Tag", 1, "t", ""},
        {"Group:$Enabled", 1, "TRUE", ""},
        {"Choice", 5, "Red", "Verify_Selection: Verify(Selection, \"Red\")"},
        {"List:$last", 11, "a", "Verify_Value: Verify(Value, LAST, \"a\")"},
        {"List:$3", 11, "a", "Verify_Value: Verify(Value, 3, \"a\")"},
        {"Grid:$2,4", 13, "v", "Verify_Value: Verify(Value, 2, 4, \"v\")"},
        {":Global", 1, "1", ""},  // not a window
    };
    project.AddAttribute("Global");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.designator);
        for (bool taskStep : {false, true}) {
            std::unique_ptr<CStepKav> step;
            ASSERT_EQ(CreateVerifyStep(c.designator, c.value, c.code, combination, taskStep, step), 1);
            EXPECT_EQ(step ? step->GetName() + ": " + step->GetEvent() : "", c.step);
            if (step) {
                EXPECT_EQ(step->GetStepType(), taskStep ? kStepTask : kStepTest);
                EXPECT_EQ(step->GetStartWindow(), step->GetDestWindow());
            }
        }
    }

    std::unique_ptr<CStepKav> step;
    EXPECT_EQ(CreateVerifyStep("Grid:$2", "v", 13, combination, false, step), -1);
    EXPECT_EQ(CreateVerifyStep("^Lib", "v", 2, combination, false, step), 0);  // does not split

    // A control the test cannot see gets none; a task step is not checked for it.
    Set(edit, ":$Visible", "FALSE");
    EXPECT_EQ(CreateVerifyStep("Name", "x", 2, combination, false, step), 1);
    EXPECT_EQ(step, nullptr);
    EXPECT_EQ(CreateVerifyStep("Name", "x", 2, combination, true, step), 1);
    EXPECT_NE(step, nullptr);

    // A window that the tool leaves out of its scripts.
    struct Excluding : CEventParser {
        bool IsWindowUnsupported(const CWindowKav* window, int context) override {
            return context == 1 && window->GetName() == "Name";
        }
    };
    InstallToolEventParserFactory([](int format) -> std::unique_ptr<CEventParser> {
        return format == 7 ? std::make_unique<Excluding>() : nullptr;
    });
    EXPECT_EQ(CreateVerifyStep("Name", "x", 2, combination, true, step), 1);
    EXPECT_EQ(step, nullptr);
}

TEST_F(GuiSimulationTest, VerifyStepsDependOnTheOutputFormat) {
    Open(dialog);
    for (auto [format, result, made] : {std::tuple{1, 1, true}, {10, 1, true}, {2, 1, false}, {14, 1, false},
                                        {0, -1, false}, {15, -1, false}}) {
        SCOPED_TRACE(format);
        app.SetOutputFormat(format);
        std::unique_ptr<CStepKav> step;
        EXPECT_EQ(CreateVerifyStep("Name", "x", 2, combination, false, step), result);
        EXPECT_EQ(step != nullptr, made);
        if (result < 0) {
            EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: No test tool defined! [F0069]");
        }
    }
}

TEST_F(GuiSimulationTest, APathMayCloseTheApplicationOnlyAtItsLastStep) {
    auto closingPath = [&](bool closeLast, OwningList<CTestStep>& steps) {
        AddStep(steps, okButton, mainWindow, {closeLast ? nullptr : Action(9, {})});
        AddStep(steps, mainButton, mainWindow, {closeLast ? Action(9, {}) : nullptr});
    };
    for (bool closeLast : {true, false}) {
        SCOPED_TRACE(closeLast);
        StartIn(dialog);
        OwningList<CTestStep> steps;
        closingPath(closeLast, steps);
        bool closed = false;
        EXPECT_EQ(SimulatePath(steps, combination, closed, false, false), closeLast ? 1 : 0);
        EXPECT_TRUE(closed);
        EXPECT_EQ(combination.GetVariables().empty(), !closeLast);  // a rejected path empties the state
    }
}

TEST_F(GuiSimulationTest, ASystemModalDialogKeepsThePathInside) {
    StartIn(dialog);
    Set(dialog, ":$SystemModal", "TRUE");
    OwningList<CTestStep> inside;
    AddStep(inside, edit, dialog);
    AddStep(inside, okButton, mainWindow, {Action(8, {"#Dlg#"})});
    bool closed = false;
    EXPECT_EQ(SimulatePath(inside, combination, closed, false, false), 1);
    EXPECT_EQ(Read("ActiveWnd"), "Main");

    StartIn(dialog);
    Set(dialog, ":$SystemModal", "TRUE");
    OwningList<CTestStep> outside;
    AddStep(outside, mainButton, mainWindow);
    EXPECT_EQ(SimulatePath(outside, combination, closed, false, false), 0);
}

TEST_F(GuiSimulationTest, AVerifyStepFollowsTheStepWhoseActionSetsAValue) {
    auto path = [&](OwningList<CTestStep>& steps) {
        AddStep(steps, edit, dialog, {}, "Input(\"y\")");  // an event alone makes no Verify step
        AddStep(steps, okButton, dialog, {Action(2, {"#Name#", "\"x\""})});
    };
    app.SetOutputFormat(7);
    StartIn(dialog);
    OwningList<CTestStep> steps;
    path(steps);
    bool closed = false;
    ASSERT_EQ(SimulatePath(steps, combination, closed, true, false), 1);
    EXPECT_EQ(Events(steps), (std::vector<std::string>{"Step: Input(\"y\")", "Step: Click",
                                                       "Verify_Value: Verify(Value, \"x\")"}));
    EXPECT_EQ(Read("Name"), "x");

    app.SetOutputFormat(2);
    StartIn(dialog);
    OwningList<CTestStep> plain;
    path(plain);
    ASSERT_EQ(SimulatePath(plain, combination, closed, true, false), 1);
    EXPECT_EQ(plain.size(), 2u);

    app.SetOutputFormat(0);
    StartIn(dialog);
    OwningList<CTestStep> noTool;
    path(noTool);
    EXPECT_EQ(SimulatePath(noTool, combination, closed, true, false), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: No test tool defined! [F0069]");
}

TEST_F(GuiSimulationTest, PathStepsTakeTheValuesOfTheirEventsAndMayHaveTheirTextsExpanded) {
    StartIn(dialog);
    Set(edit, "", "Smith");
    OwningList<CTestStep> steps;
    CTestStep* step = AddStep(steps, edit, dialog, {}, "Input(#Name# & \"!\")");
    step->SetDescription("Name was #Name#");
    bool closed = false;
    ASSERT_EQ(SimulatePath(steps, combination, closed, false, false), 1);
    EXPECT_EQ(Read("Name"), "Smith!");
    EXPECT_EQ(step->GetEvent(), "Input(#Name# & \"!\")");

    ASSERT_EQ(SimulatePath(steps, combination, closed, false, true), 1);
    EXPECT_EQ(step->GetEvent(), "input(\"Smith!!\")");
    EXPECT_EQ(step->GetDescription(), "Name was Smith!");
}

TEST_F(GuiSimulationTest, PathErrors) {
    OwningList<CTestStep> noWindow;
    AddStep(noWindow, okButton, dialog)->SetStartWindow(nullptr);
    bool closed = false;
    EXPECT_EQ(SimulatePath(noWindow, combination, closed, false, false), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Fatal Error: Test Step without window encountered! [F0058]");

    Open(dialog);  // but no active window
    OwningList<CTestStep> steps;
    AddStep(steps, okButton, dialog);
    EXPECT_EQ(SimulatePath(steps, combination, closed, false, false), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Window  not found during path simulation! [W0505]");

    StartIn(dialog);
    OwningList<CTestStep> toClosed;
    AddStep(toClosed, okButton, mainWindow, {Action(8, {"#Main#"})});
    EXPECT_EQ(SimulatePath(toClosed, combination, closed, false, false), -1);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "You specified a transition to window Main that can be used even if the window is not active! [W0506]");
    EXPECT_TRUE(combination.GetVariables().empty());
}
