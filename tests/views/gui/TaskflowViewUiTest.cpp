// The task-flow view in the main frame: a task of the sample drawn in its tab and into a
// bitmap, and two steps joined with the mouse while the frame connects steps.
#include <filesystem>

#include <wx/uiaction.h>

#include "model/ApplicationKav.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/gui/MainFrameTest.h"
#include "views/flow/TaskflowViewUi.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class TaskflowViewUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallTaskflowView();
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallViewFactory(PaneKind::TaskFlowView, nullptr);
    }

    // The sample's task CalculatePremiums (Start, a call of EnterClientAndCalculate, Close)
    // shown in the view.
    CTaskflowViewUi* OpenFlow() {
        window_ = Start({"-p", kSample});
        if (!window_ || !ShowAndActivate(window_)) return nullptr;
        CMainFrame& frame = window_->GetMainFrame();
        task_ = frame.Root().FindTask("CalculatePremiums", false);
        if (!task_) return nullptr;
        auto* view = dynamic_cast<CTaskflowViewUi*>(frame.ShowView(PaneKind::TaskFlowView, task_));
        if (view) DrainEvents();
        return view;
    }

    CTaskStep* StepNamed(const std::string& name) const {
        return task_->GetSteps().FindIf([&](const CTaskStep* step) { return step->GetName() == name; });
    }

    CMainFrameUi* window_ = nullptr;
    CTaskKav* task_ = nullptr;
};

}  // namespace

TEST_F(TaskflowViewUiTest, ATaskOfTheSampleIsDrawnInItsTabAndIntoABitmap) {
    CTaskflowViewUi* view = OpenFlow();
    ASSERT_NE(view, nullptr);
    auto* child = dynamic_cast<wxTopLevelWindow*>(view->GetFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetTitle(), "Task CalculatePremiums");
    EXPECT_EQ(view->GetLogic().GetScrollSize(), (ViewSize{345, 230}));
    EXPECT_TRUE(SaveScreenshot(window_, "task_flow_view"));

    wxBitmap bitmap;
    ASSERT_TRUE(view->DrawToBitmap(bitmap));
    EXPECT_EQ(bitmap.GetSize(), wxSize(348, 230));
    const std::filesystem::path folder = KAVRO_SCREENSHOT_DIR;
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(bitmap.SaveFile((folder / "task_flow_CalculatePremiums.png").string(), wxBITMAP_TYPE_PNG));
    // The start step's box is green in the picture.
    const wxImage picture = bitmap.ConvertToImage();
    EXPECT_EQ(wxColour(picture.GetRed(20, 20), picture.GetGreen(20, 20), picture.GetBlue(20, 20)),
              wxColour(0, 215, 18));
}

// Connect Steps, the frame's command, is not there yet: the test puts the frame and the view
// into its first pick as the command does, then picks the two steps with the mouse.
TEST_F(TaskflowViewUiTest, TwoStepsPickedWithTheMouseAreJoined) {
    CTaskflowViewUi* view = OpenFlow();
    ASSERT_NE(view, nullptr);
    CMainFrame& frame = window_->GetMainFrame();
    CTaskStep* start = StepNamed("Start");
    CTaskStep* close = StepNamed("Close");
    ASSERT_TRUE(start && close);
    frame.Pick().mode = 4;
    view->SetStepPickMode(4);

    TaskflowCanvas* canvas = view->GetCanvas();
    const auto clickOn = [&](const CTaskStep& step) {
        const ViewRect box = view->GetLogic().BoxOf(step);
        const wxPoint at = canvas->ClientToScreen(
            canvas->CalcScrolledPosition(wxPoint((box.left + box.right) / 2, (box.top + box.bottom) / 2)));
        wxUIActionSimulator input;
        input.MouseMove(at);
        EXPECT_TRUE(WaitUntil([&] { return wxGetMousePosition() == at; }));
        DrainEvents();
        input.MouseClick();
        DrainEvents();
    };
    clickOn(*start);
    EXPECT_TRUE(WaitUntil([&] { return frame.GetPickMode() == 5; }));
    EXPECT_EQ(view->GetLogic().GetMode(), CTaskflowView::kModeConnectSecond);
    clickOn(*close);
    EXPECT_TRUE(WaitUntil([&] { return frame.GetPickMode() == 0; }));
    EXPECT_EQ(start->GetSuccessors().size(), 2u);
    EXPECT_EQ(start->GetSuccessors().back(), close);
    EXPECT_EQ(view->GetLogic().GetMode(), CTaskflowView::kModeNone);
    EXPECT_EQ(frame.Root().IsModified(), 1);
    // The straightened flow: the call moves aside, Close stays beside the start.
    EXPECT_EQ(close->GetY(), start->GetY());
    EXPECT_TRUE(SaveScreenshot(window_, "task_flow_view_connected"));
}
