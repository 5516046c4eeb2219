// The test case view: its arrangement, selection, insertion, deletion and assignment.
#include <gtest/gtest.h>

#include "model/ShellServices.h"
#include "model/TestCase.h"
#include "model/TransitionKav.h"
#include "tests/support/GlobalState.h"
#include "tests/support/WindowBuilder.h"
#include "tests/views/CountingSurface.h"
#include "tests/views/FakeTestCaseViewHost.h"
#include "views/testcase/TestCaseView.h"

namespace {

class TestCaseViewTest : public ProjectTest {
protected:
    void SetUp() override { SetUndoStepHook([this](const std::string& name) { undoSteps.push_back(name); }); }
    void TearDown() override { SetUndoStepHook(nullptr); }

    // A test case of that many steps named S1, S2, ... shown in the view.
    void Show(int steps, int flags = 0) {
        for (int i = 1; i <= steps; ++i) {
            auto* step = new CTestStep("S" + std::to_string(i), "", "", "", "", "", nullptr, nullptr, 0, 0, "",
                                       nullptr, nullptr, nullptr, "");
            step->SetId("id" + std::to_string(i));
            testCase.GetSteps().Add(step);
        }
        view.SetTestCase(&testCase, flags);
        view.OnInitialUpdate();
    }
    CTestStep* Step(int i) { return testCase.GetSteps()[static_cast<std::size_t>(i - 1)]; }
    ViewPoint CentreOf(const CStepKav& step) {
        const ViewRect box = view.BoxOf(step);
        return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    }
    // A point on the shaft of the arrow that leads into the step.
    ViewPoint ArrowInto(const CTestStep& step) {
        const ViewRect box = view.BoxOf(step);
        return {box.left - 10, (box.top + box.bottom) / 2};
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const CTestStep* step : testCase.GetSteps()) names.push_back(step->GetName());
        return names;
    }
    std::vector<std::string> Messages() const { return TestInteraction().Texts(); }

    CTransitionKav generatedFrom{"Login", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 0, "", 0};
    CTestCase testCase{1, kTestCaseTransition, nullptr, &generatedFrom, nullptr, 0};
    FakeTestCaseViewHost host;
    CTestCaseView view{host};
    std::vector<std::string> undoSteps;
};

}  // namespace

TEST_F(TestCaseViewTest, AnEmptyTestCaseStillCountsAThreeByThreeGrid) {
    Show(0);
    EXPECT_EQ(view.GetTotalSize(), (ViewSize{345, 230}));
    EXPECT_EQ(host.scrollSize, (ViewSize{345, 230}));
    view.SetDisplayFlags(CTestCaseView::kVertical);
    EXPECT_EQ(view.GetTotalSize(), (ViewSize{410, 210}));
    EXPECT_TRUE(view.GetConnections().empty());
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{view.GetStartStep()});
    EXPECT_EQ(view.GetStartStep()->GetName(), "Start");
}

TEST_F(TestCaseViewTest, StepsStandInARowOrAColumnJoinedToTheirPredecessor) {
    Show(4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Step(i)->GetX(), 115 * i + 10);
        EXPECT_EQ(Step(i)->GetY(), 10);
        EXPECT_EQ(Step(i)->GetColumn(), i);
    }
    EXPECT_EQ(view.GetColumns(), 5);
    EXPECT_EQ(view.GetTotalSize(), (ViewSize{5 * 115 - 20 + 20, 230}));
    ASSERT_EQ(view.GetConnections().size(), 4u);
    EXPECT_EQ(view.GetConnections()[0]->GetSource(), view.GetStartStep());
    EXPECT_EQ(view.GetConnections()[3]->GetDestination(), Step(4));

    view.SetDisplayFlags(CTestCaseView::kVertical);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Step(i)->GetX(), 10);
        EXPECT_EQ(Step(i)->GetY(), 70 * i + 10);
        EXPECT_EQ(Step(i)->GetRow(), i);
    }
}

// The documentation's picture: the whole test case, its width a multiple of 4, none past 16384.
TEST_F(TestCaseViewTest, ThePictureOfALongRowIsNoneButStandsInAColumn) {
    Show(142);
    EXPECT_EQ(view.GetTotalSize().width, 143 * 115 - 20 + 20);
    EXPECT_FALSE(view.GetBitmapSize());
    view.SetDisplayFlags(CTestCaseView::kVertical);
    EXPECT_EQ(view.GetBitmapSize(), (ViewSize{412, view.GetTotalSize().height}));
}

TEST_F(TestCaseViewTest, TheTitleCountsTheSteps) {
    Show(1);
    EXPECT_EQ(host.title, "Test Case Login (1 step)");
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    view.InsertStep();
    view.InsertStep();
    view.UpdateTitle();
    EXPECT_EQ(host.title, "Test Case Login (3 steps)");
}

TEST_F(TestCaseViewTest, InsertingAfterTheLastStepAppendsAndSelectsTheNewStep) {
    Show(2);
    view.OnLeftButtonDown(CentreOf(*Step(2)), false);
    EXPECT_TRUE(view.InsertStep());
    EXPECT_EQ(Names(), (std::vector<std::string>{"S1", "S2", "NewStep"}));
    EXPECT_EQ(Step(3)->GetId(), "0");
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{Step(3)});
    EXPECT_EQ(view.GetMode(), CTestCaseView::kModeOneStep);
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Test Step"});
    EXPECT_EQ(Step(3)->GetX(), 115 * 3 + 10);
}

TEST_F(TestCaseViewTest, InsertingAfterAnInnerStepIsRefusedWithoutAChange) {
    Show(2);
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    EXPECT_FALSE(view.InsertStep());
    EXPECT_EQ(Names(), (std::vector<std::string>{"S1", "S2"}));
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "There are no branches allowed in a test case. Please select an arrow if you want to insert a new "
              "step! [W0714]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Insert Step Failed");
    EXPECT_TRUE(undoSteps.empty());
}

TEST_F(TestCaseViewTest, InsertingIntoAnArrowPutsTheStepBetweenItsBoxes) {
    Show(2);
    view.OnLeftButtonDown(ArrowInto(*Step(1)), false);  // the arrow from the start step
    ASSERT_EQ(view.GetMode(), CTestCaseView::kModeArrow);
    view.InsertStep();
    EXPECT_EQ(Names(), (std::vector<std::string>{"NewStep", "S1", "S2"}));

    view.OnLeftButtonDown(ArrowInto(*Step(3)), false);  // from S1 to S2
    view.InsertStep();
    EXPECT_EQ(Names(), (std::vector<std::string>{"NewStep", "S1", "NewStep", "S2"}));
    EXPECT_EQ(undoSteps.size(), 2u);
}

TEST_F(TestCaseViewTest, InsertingWithNeitherOneStepNorAnArrowIsAFatalError) {
    Show(2);
    view.OnLeftButtonDown({1000, 1000}, false);
    EXPECT_FALSE(view.InsertStep());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Fatal Error: Invalid Insert Command! [F0134]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "Insert Step Failed");
    EXPECT_EQ(Names(), (std::vector<std::string>{"S1", "S2"}));
}

TEST_F(TestCaseViewTest, CtrlClickTogglesAStepAndTheStartStepLeavesAMultipleSelection) {
    Show(3);
    view.OnLeftButtonDown(CentreOf(*view.GetStartStep()), false);
    view.OnLeftButtonDown(CentreOf(*Step(1)), true);
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{Step(1)});
    view.OnLeftButtonDown(CentreOf(*Step(2)), true);
    EXPECT_EQ(view.GetSelection(), (std::vector<CTestStep*>{Step(1), Step(2)}));
    EXPECT_EQ(view.GetMode(), CTestCaseView::kModeSeveral);
    view.OnLeftButtonDown(CentreOf(*Step(1)), true);
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{Step(2)});
    EXPECT_EQ(view.GetMode(), CTestCaseView::kModeOneStep);
    view.OnLeftButtonDown(CentreOf(*Step(2)), true);
    EXPECT_TRUE(view.GetSelection().empty());
    EXPECT_EQ(view.GetMode(), CTestCaseView::kModeNone);
}

TEST_F(TestCaseViewTest, ABandSelectsTheBoxesWhollyInsideItOnce) {
    Show(3);
    EXPECT_TRUE(view.OnLeftButtonDown({5, 300}, false));
    // From the start box to half of S2's box: S2 is only grazed.
    const ViewRect s2 = view.BoxOf(*Step(2));
    view.OnBandTracked({s2.left + 40, 80, 5, 5});
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{Step(1)});  // the start step dropped

    // A Ctrl band over steps already selected adds none of them twice.
    EXPECT_TRUE(view.OnLeftButtonDown({5, 300}, true));
    view.OnBandTracked({5, 5, s2.right + 1, 80});
    EXPECT_EQ(view.GetSelection(), (std::vector<CTestStep*>{Step(1), Step(2)}));
    view.DeleteSelectedSteps();
    EXPECT_EQ(Names(), std::vector<std::string>{"S3"});
}

TEST_F(TestCaseViewTest, DeleteNeverRemovesTheStartStep) {
    Show(1);
    view.OnLeftButtonDown(CentreOf(*view.GetStartStep()), false);
    view.DeleteSelectedSteps();
    EXPECT_EQ(Names(), std::vector<std::string>{"S1"});
    EXPECT_TRUE(view.GetSelection().empty());
}

TEST_F(TestCaseViewTest, AssignModeClicksOnlyChangeTheClickedStep) {
    Show(2);
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    view.SetAssignMode(true);
    view.OnLeftButtonDown(CentreOf(*Step(2)), false);
    EXPECT_EQ(view.GetClickedStep(), Step(2));
    EXPECT_EQ(view.GetSelection(), std::vector<CTestStep*>{Step(1)});
    EXPECT_EQ(view.GetMode(), CTestCaseView::kModeAssign);
}

TEST_F(TestCaseViewTest, AssigningAWindowSetsTheEventOfItsType) {
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    struct Case {
        int type;
        const char* event;
    } cases[] = {
        {kWndCheckBox, "Check(TRUE)"}, {kWndInputField, "Input(\"\")"}, {kWndListView, "Select(\"\")"},
        {kWndComboBox, "Select(\"\")"}, {kWndPushButton, "Click"},
    };
    Show(1);
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    int n = 0;
    for (const Case& c : cases) {
        CWindowKav* control = AddControl(project, "Control" + std::to_string(++n), c.type, dialog, {10, 10, 50, 30});
        view.AssignWindowToStep(control);
        EXPECT_EQ(Step(1)->GetEvent(), c.event) << c.type;
        EXPECT_EQ(Step(1)->GetName(), control->GetName());
        EXPECT_EQ(Step(1)->GetStartWindow(), control);
        EXPECT_EQ(Step(1)->GetDestWindow(), control);
    }
    EXPECT_EQ(undoSteps.size(), std::size(cases));
    EXPECT_EQ(undoSteps.back(), "Assign Window to Test Step");
}

TEST_F(TestCaseViewTest, ARadioButtonSelectsItsCaptionInItsGroupBoxOrIsRefusedWithoutOne) {
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* lonely = AddControl(project, "Radio1", kWndRadioButton, dialog, {200, 150, 260, 170}, "Alone");
    Show(1);
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    view.AssignWindowToStep(lonely);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Radio buttons have to be surrounded by a group box. Please draw a "
                                                   "group box around the buttons that belong together! [W1057]"});
    EXPECT_EQ(TestInteraction().messages[0].caption, "Group Box Missing");
    EXPECT_EQ(Step(1)->GetEvent(), "");
    EXPECT_TRUE(undoSteps.empty());

    CWindowKav* group = AddControl(project, "Group1", kWndGroupBox, dialog, {5, 5, 150, 100}, "Choice");
    CWindowKav* radio = AddControl(project, "Radio2", kWndRadioButton, dialog, {10, 20, 80, 40}, "Left");
    view.AssignWindowToStep(radio);
    EXPECT_EQ(Step(1)->GetName(), "Group1");
    EXPECT_EQ(Step(1)->GetStartWindow(), group);
    EXPECT_EQ(Step(1)->GetEvent(), "Select(\"Left\")");
    EXPECT_EQ(undoSteps.size(), 1u);
}

TEST_F(TestCaseViewTest, AssigningATransitionTakesItsFieldsAndMakesItTheSource) {
    CWindowKav* dialog = AddControl(project, "Dialog1", kWndDialogBox, nullptr, {0, 0, 300, 200});
    CWindowKav* button = AddControl(project, "OK", kWndPushButton, dialog, {10, 10, 50, 30});
    CTransitionKav transition("Confirm", "Click", "", "press it", "", "", button, dialog, 0, nullptr, 0, "", 0);
    Show(1);
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    view.AssignTransitionToStep(&transition);
    EXPECT_EQ(Step(1)->GetName(), "Confirm");
    EXPECT_EQ(Step(1)->GetEvent(), "Click");
    EXPECT_EQ(Step(1)->GetTransition(), &transition);
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Assign Transition to Test Step"});
    EXPECT_EQ(view.GetStepInfoText(*Step(1)), "E: Click\r\n");
}

TEST_F(TestCaseViewTest, DoubleClickAndEditStepOpenTheEditorButNeverForTheStartStep) {
    Show(1);
    view.OnLeftButtonDown(CentreOf(*view.GetStartStep()), false);
    view.OnDoubleClick();
    EXPECT_TRUE(host.editedSteps.empty());
    view.OnLeftButtonDown(CentreOf(*Step(1)), false);
    view.OnDoubleClick();
    view.OnContextCommand(32924);
    view.OnContextCommand(40003);
    EXPECT_EQ(host.editedSteps, (std::vector<CTestStep*>{Step(1), Step(1)}));
    EXPECT_EQ(host.commands, std::vector<int>{40003});
}

TEST_F(TestCaseViewTest, BoxesShowWhetherTheStepDoesSomethingAndTheSelectionInRed) {
    Show(2);
    Step(1)->SetCommands("Wait(1)");
    Step(2)->SetName("OpenTheMainWindowNow");
    view.OnLeftButtonDown(CentreOf(*Step(2)), false);
    const DrawList list = view.Draw();
    std::vector<draw::Box> boxes;
    std::vector<std::string> texts;
    int arrows = 0;
    for (const DrawPrimitive& primitive : list) {
        if (const auto* box = std::get_if<draw::Box>(&primitive)) boxes.push_back(*box);
        if (const auto* text = std::get_if<draw::Text>(&primitive)) texts.push_back(text->text);
        if (std::holds_alternative<draw::Lines>(primitive)) ++arrows;
    }
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].fill, ViewColour::Rgb(0, 215, 18));
    EXPECT_EQ(boxes[1].fill, ViewColour::Rgb(246, 148, 245));
    EXPECT_EQ(boxes[2].fill, ViewColour::Rgb(198, 195, 198));
    EXPECT_EQ(boxes[2].pen, (ViewPen{ViewColour::Rgb(255, 0, 0), 2}));
    EXPECT_EQ(boxes[2].rect, (ViewRect{240, 10, 336, 71}));  // one pixel larger to the right and bottom
    EXPECT_EQ(texts, (std::vector<std::string>{"Start", "S1", "OpenTheMain WindowNow"}));
    EXPECT_EQ(arrows, 2);
}

TEST_F(TestCaseViewTest, TheInfoBoxShowsWhatAStepDoesNearThePointer) {
    Show(2, CTestCaseView::kShowStepInfo);
    Step(1)->SetEvent("Click");
    Step(1)->SetCommands("Wait(1)");
    CountingSurface surface;
    const ViewPoint over = CentreOf(*Step(1));
    const auto box = view.InfoBoxAt(over, over, {800, 600}, surface);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "S: Wait(1)\r\n");
    const int width = 10 * CountingSurface::kCharWidth + 10;
    EXPECT_EQ(box->rect, (ViewRect{over.x - width / 2, over.y + 20, over.x - width / 2 + width, over.y + 20 + 24}));
    // No room below: above the pointer; at the right edge: inside the client area.
    const auto moved = view.InfoBoxAt({790, 590}, over, {800, 600}, surface);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->rect.top, 590 - 24 - 5);
    EXPECT_EQ(moved->rect.right, 800 - 5);
    EXPECT_FALSE(view.InfoBoxAt(over, CentreOf(*Step(2)), {800, 600}, surface));  // nothing to say
    EXPECT_FALSE(view.InfoBoxAt(over, CentreOf(*view.GetStartStep()), {800, 600}, surface));
}
