// The replay check of a package: test cases played against the model from the start window,
// and the focus check after the transition that a transition test tests.
#include <gtest/gtest.h>

#include "ConversionFixture.h"
#include "model/ActionCatalogue.h"
#include "model/ActionKav.h"
#include "model/TransitionKav.h"
#include "model/Win32Styles.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"

namespace {

const std::string kViolation =
    "A test case that violates the GUI specification has been found!\nThis error can occur if you have changed the "
    "GUI specification after the test case has been generated.\nDo you want to convert it anyway? [Q0024]";

// A main window "Main" (the start window) holding the dialog "Login" with the input field
// "Name" and the push button "OK", whose transition "OK_Click" leads back to Main; a second
// top-level dialog "Other" that nothing opens.
class ReplayCheckTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        mainWindow = Shown(project.AddWindow("Main"), 1, true);
        dialog = Shown(project.AddWindow("Login", mainWindow, kWndDialogBox), 0, true);
        name = Shown(project.AddWindow("Name", dialog, kWndInputField));
        ok = Shown(project.AddWindow("OK", dialog, kWndPushButton));
        other = Shown(project.AddWindow("Other", nullptr, kWndDialogBox), 1, true);
        okClick = project.AddTransition(ok, "OK_Click");
        okClick->SetDestWindow(mainWindow);
        app.SetStartWindow(mainWindow);
    }

    static CWindowKav* Shown(CWindowKav* window, int method = 0, bool caption = false) {
        window->SetStyle(win32::WS_VISIBLE | (caption ? win32::WS_CAPTION : 0));
        window->SetMethod(method);
        return window;
    }

    CTestStep* Step(CTestCase* testCase, CWindowKav* window, CWindowKav* destination,
                    CTransitionKav* transition = nullptr) {
        return testCase->GetSteps().Add(new CTestStep(window ? window->GetName() : "none", "", "", "", "", "", window,
                                                      destination, 0, 2, "", nullptr, nullptr, transition, ""));
    }

    // A transition test of OK_Click: a step in the dialog, the click, a step in the main window.
    CTestCase* ClickTest(int number, CWindowKav* first = nullptr) {
        CTestCase* testCase = project.AddTestCase(number, kTestCaseTransition, nullptr, ok, okClick);
        Step(testCase, first ? first : name, dialog);
        Step(testCase, ok, mainWindow, okClick);
        Step(testCase, mainWindow, mainWindow);
        return testCase;
    }

    static std::vector<std::string> Events(const CTestCase* testCase) {
        std::vector<std::string> events;
        for (const CTestStep* step : testCase->GetSteps())
            events.push_back(step->GetName() + ": " + (step->GetEvent().empty() ? "-" : step->GetEvent()));
        return events;
    }

    int Check(TestCaseList& list) { return converter.CheckTestCases(list); }

    CTestcaseConverter converter;
    CWindowKav* mainWindow = nullptr;
    CWindowKav* dialog = nullptr;
    CWindowKav* name = nullptr;
    CWindowKav* ok = nullptr;
    CWindowKav* other = nullptr;
    CTransitionKav* okClick = nullptr;
};

TEST_F(ReplayCheckTest, GeneratedKindsPassUnchangedWithoutAStartWindow) {
    app.SetStartWindow(nullptr);
    CTestCase* graph = AddTaskTestCase(project.AddTask("T", root_), 1, 2, kTestCaseGraphCoverage);
    CTestCase* random = AddTaskTestCase(project.AddTask("R", root_), 1, 1, kTestCaseRandom);
    random->SetTransitionStep(okClick);
    TestCaseList list{graph, random};
    EXPECT_EQ(Check(list), 1);
    EXPECT_EQ(list, (TestCaseList{graph, random}));
    EXPECT_EQ(graph->GetSteps().size(), 2u);
    EXPECT_EQ(random->GetSteps().size(), 1u);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(ReplayCheckTest, ATransitionTestChecksTheFocusRightAfterItsTransition) {
    CTestCase* testCase = ClickTest(1);
    TestCaseList list{testCase};
    ASSERT_EQ(Check(list), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(Events(testCase), (std::vector<std::string>{"Name: -", "OK: -", "Verify_Focus: Verify(Focus)", "Main: -"}));
    EXPECT_EQ(testCase->GetSteps()[2]->GetStartWindow(), ok);
    EXPECT_EQ(testCase->GetSteps()[2]->GetDestWindow(), ok);
    EXPECT_TRUE(TestInteraction().messages.empty());
}

TEST_F(ReplayCheckTest, NoFocusCheckAfterTheLastStepOrOnWindowsThatTakeNoFocus) {
    CTestCase* last = project.AddTestCase(1, kTestCaseManual, nullptr, ok, okClick);
    Step(last, name, dialog);
    Step(last, ok, mainWindow, okClick);
    TestCaseList lastList{last};
    ASSERT_EQ(Check(lastList), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(last->GetSteps().size(), 2u);

    CWindowKav* java = Shown(CreateWindowOfType(kWndPushButton, {.id = "JavaButton", .guiId = 996}));
    app.GetWindowList().Add(java);
    dialog->AddChild(java);
    CWindowKav* captioned = Shown(project.AddWindow("Pane", dialog, kWndChild), 0, true);
    const std::pair<CWindowKav*, const char*> windows[] = {
        {mainWindow, "top-level"},
        {Shown(project.AddWindow("Tools", dialog, kWndToolBar)), "tool bar"},
        {Shown(project.AddWindow("Box_GRP", dialog, kWndGroupBox)), "group box"},
        {Shown(project.AddWindow("Label_TXT", dialog, kWndStaticText)), "static text"},
        {java, "Java"},
        {captioned, "caption"},
    };
    for (const auto& [window, what] : windows) {
        CTransitionKav* transition = project.AddTransition(window, std::string(what) + "_T");
        transition->SetDestWindow(dialog);
        CTestCase* testCase = project.AddTestCase(2, kTestCaseTransition, nullptr, window, transition);
        Step(testCase, name, dialog);
        Step(testCase, window, dialog, transition);
        Step(testCase, name, dialog);
        TestCaseList list{testCase};
        ASSERT_EQ(Check(list), 1) << what << ": " << GetGlobalMessageBuffer();
        EXPECT_EQ(testCase->GetSteps().size(), 3u) << what;
    }
}

TEST_F(ReplayCheckTest, TestCasesToReplayNeedAStartWindow) {
    app.SetStartWindow(nullptr);
    for (int kind : {kTestCaseTransition, kTestCaseManual}) {
        CTestCase* testCase = project.AddTestCase(kind, kind, nullptr, ok, okClick);
        TestCaseList list{testCase};
        EXPECT_EQ(Check(list), 0);
        EXPECT_EQ(GetGlobalMessageBuffer(), "Please Specify a valid Start Window in the Application Editor! [W0493]");
    }
}

TEST_F(ReplayCheckTest, AStepNotPossibleAnyMoreIsConvertedOnlyWhenTheUserSaysSo) {
    CTestCase* kept = ClickTest(1, other);
    CTestCase* dropped = ClickTest(2, other);
    CTestCase* fine = ClickTest(3);
    TestInteraction().answers = {MessageAnswer::Yes, MessageAnswer::No};
    TestCaseList list{kept, dropped, fine};
    ASSERT_EQ(Check(list), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(list, (TestCaseList{kept, fine}));
    EXPECT_EQ(TestInteraction().Texts(), (std::vector<std::string>{kViolation, kViolation}));
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(kept->GetSteps().size(), 4u) << "a test case kept gets its focus check too";

    TestInteraction().answers = {MessageAnswer::No};
    TestCaseList alone{ClickTest(4, other)};
    ASSERT_EQ(Check(alone), 1);
    EXPECT_TRUE(alone.empty());
}

TEST_F(ReplayCheckTest, AWindowlessStepIsAnInvalidTestCase) {
    CTestCase* testCase = ClickTest(1);
    testCase->GetSteps()[0]->SetStartWindow(nullptr);
    TestCaseList list{testCase};
    EXPECT_EQ(Check(list), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "An invalid test case has been found!\nThis error can occur if you have changed the GUI specification "
              "after the test case has been generated.\nPlease generate all test cases again to solve the problem! "
              "[W0696]");
}

TEST_F(ReplayCheckTest, AWindowlessTransitionStepAfterAnAcceptedViolationStopsTheCheck) {
    CTestCase* testCase = ClickTest(1, other);
    testCase->GetSteps()[1]->SetStartWindow(nullptr);
    TestInteraction().answers = {MessageAnswer::Yes};
    TestCaseList list{testCase};
    EXPECT_EQ(Check(list), 0);
    EXPECT_EQ(GetGlobalMessageBuffer(), "Test Step without window encountered! [W0515]");
}

TEST_F(ReplayCheckTest, TheReplayLeavesTheTestCaseAsGenerated) {
    app.SetOutputFormat(7);
    CActionKav* set = okClick->GetActions().Add(FindPredefinedAction(GetActionCatalogue(), 2)->Clone(0));
    set->GetArguments()[0]->SetValue("#Name#");
    set->GetArguments()[1]->SetValue("\"x\"");
    CTestCase* testCase = ClickTest(1);
    testCase->GetSteps()[0]->SetEvent("Input(#Name#)");
    TestCaseList list{testCase};
    ASSERT_EQ(Check(list), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(Events(testCase),
              (std::vector<std::string>{"Name: Input(#Name#)", "OK: -", "Verify_Focus: Verify(Focus)", "Main: -"}));
}

}  // namespace
