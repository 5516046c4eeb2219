// The window view in the main frame: the sample's dialog drawn, a control drawn with the
// palette and the mouse, printing and the documentation's bitmap.
#include <filesystem>
#include <memory>

#include <wx/dcmemory.h>
#include <wx/tglbtn.h>
#include <wx/uiaction.h>

#include "model/ApplicationKav.h"
#include "model/TransitionKav.h"
#include "model/ShellServices.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "shell/wx/controls/XStatusBarUi.h"
#include "tests/support/gui/MainFrameTest.h"
#include "tests/views/gui/PrintOnPaper.h"
#include "views/window/DialogPrintoutUi.h"
#include "views/window/DialogViewUi.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";
constexpr int kPushButtonTool = 32862;

class DialogViewUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallDialogView();
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallViewFactory(PaneKind::WindowView, nullptr);
    }

    // The frame with the sample and the window view of its dialog "Insurance".
    CDialogViewUi* OpenInsurance() {
        window_ = Start({"-p", kSample});
        if (!window_ || !ShowAndActivate(window_)) return nullptr;
        CMainFrame& frame = window_->GetMainFrame();
        CWindowKav* insurance = frame.Root().GetWindowList().FindByName("Insurance", nullptr);
        auto* view = dynamic_cast<CDialogViewUi*>(frame.ShowView(PaneKind::WindowView, insurance));
        if (view) DrainEvents();
        return view;
    }
    // Presses, moves and releases the left button over the canvas, between logical points.
    void DragOn(DialogCanvas* canvas, ViewPoint from, ViewPoint to) {
        const auto screen = [canvas](ViewPoint p) { return canvas->ClientToScreen(canvas->CalcScrolledPosition(wxPoint(p.x, p.y))); };
        wxUIActionSimulator input;
        input.MouseMove(screen(from));
        DrainEvents();
        input.MouseDown();
        DrainEvents();
        input.MouseMove(screen({(from.x + to.x) / 2, (from.y + to.y) / 2}));
        DrainEvents();
        input.MouseMove(screen(to));
        DrainEvents();
        input.MouseUp();
        DrainEvents();
    }

    // Presses and releases the left button at the centre of the window's box in the view.
    void ClickOn(CDialogViewUi& view, const CWindowKav& target) {
        const ViewRect box = view.GetLogic().GetViewRect(&target);
        const wxPoint centre((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        DialogCanvas* canvas = view.GetCanvas();
        wxUIActionSimulator input;
        input.MouseMove(canvas->ClientToScreen(canvas->CalcScrolledPosition(centre)));
        DrainEvents();
        input.MouseClick();
        DrainEvents();
    }

    CMainFrameUi* window_ = nullptr;
};

}  // namespace

TEST_F(DialogViewUiTest, TheSamplesDialogOpensThroughTheFrame) {
    CDialogViewUi* view = OpenInsurance();
    ASSERT_NE(view, nullptr);
    auto* child = dynamic_cast<wxTopLevelWindow*>(view->GetFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetTitle(), "Dialog Box Insurance");
    EXPECT_EQ(window_->GetMainFrame().GetActivePane().kind, PaneKind::WindowView);
    // The canvas scrolls over the whole view (the window with the margins and the boxes).
    const ViewSize extent = view->GetLogic().GetScrollExtent();
    EXPECT_GE(extent.width, 330 + 60);
    EXPECT_GE(extent.height, 250 + 90);
    EXPECT_GE(view->GetCanvas()->GetVirtualSize().x, extent.width);
    EXPECT_GE(view->GetCanvas()->GetVirtualSize().y, extent.height);

    // The documentation's picture of it, and the frame as it shows it.
    wxBitmap picture;
    ASSERT_TRUE(view->DrawToBitmap(picture));
    EXPECT_EQ(picture.GetWidth() % 4, 0);
    EXPECT_GE(picture.GetHeight(), 340);
    const std::filesystem::path folder = KAVRO_SCREENSHOT_DIR;
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(picture.SaveFile((folder / "dialog_view_insurance.png").string(), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(SaveScreenshot(window_, "dialog_view_in_frame"));

    // On paper: one page with the picture and the list of its transitions.
    wxBitmap page(595, 842);
    wxMemoryDC paper(page);
    DialogPrintoutUi printout(view->GetLogic(), *view->GetCanvas());
    PrepareOnPaper(printout, paper);
    EXPECT_GE(printout.GetPageCount(), 1);
    EXPECT_TRUE(printout.OnPrintPage(1));
    EXPECT_TRUE(dialogs_.Shown().empty());

    // A window too large for one bitmap leaves the caller's bitmap as it was.
    CWindowKav* insurance = view->GetLogic().GetDisplayedWindow();
    insurance->SetRect({0, 0, 16385, 250});
    view->GetLogic().RefreshWindow();
    wxBitmap untouched;
    EXPECT_FALSE(view->DrawToBitmap(untouched));
    EXPECT_FALSE(untouched.IsOk());

    // It still prints, shrunk to the page; its frame is too large for a bitmap of its own.
    insurance->SetRect({0, 0, 200000, 150000});
    view->GetLogic().RefreshWindow();
    DialogPrintoutUi large(view->GetLogic(), *view->GetCanvas());
    PrepareOnPaper(large, paper);
    EXPECT_TRUE(large.OnPrintPage(1));
}

TEST_F(DialogViewUiTest, APushButtonDrawnWithThePaletteIsCreatedAndRecorded) {
    CDialogViewUi* view = OpenInsurance();
    ASSERT_NE(view, nullptr);
    CMainFrame& frame = window_->GetMainFrame();
    std::vector<std::string> undoSteps;
    SetUndoStepHook([&](const std::string& name) {
        undoSteps.push_back(name);
        frame.SetModified(name);
    });
    ASSERT_TRUE(WaitUntil([this] { return window_->IsBarShown(FrameBar::WindowPalette); }));
    auto* pushButton = FindControl<wxToggleButton>(window_, CommandToWindowId(kPushButtonTool));
    ASSERT_NE(pushButton, nullptr);
    ClickWithMouse(pushButton);
    ASSERT_TRUE(WaitUntil([&frame] { return frame.GetDrawingTool() == 8; }));

    // Below the Close button, in the dialog's free lower right corner: model (240, 222)-(310, 245).
    DragOn(view->GetCanvas(), {270, 282}, {340, 305});
    CWindowKav* button = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        button = frame.Root().GetWindowList().FindByName("Button1", nullptr);
        return button != nullptr;
    }));
    EXPECT_EQ(button->GetParent(), view->GetLogic().GetDisplayedWindow());
    EXPECT_EQ(button->GetRect(), (WindowRect{240, 222, 310, 245}));
    EXPECT_EQ(undoSteps, std::vector<std::string>{"Create Window"});
    EXPECT_EQ(frame.GetDrawingTool(), 99);  // the palette is back on Select
    EXPECT_TRUE(frame.Root().IsModified());
    EXPECT_EQ(view->GetLogic().GetSelection(), std::vector<CWindowKav*>{button});
    EXPECT_TRUE(SaveScreenshot(window_, "dialog_view_new_button"));
}

TEST_F(DialogViewUiTest, NewTransitionTakesItsStartAndDestinationFromClicksInTheView) {
    CDialogViewUi* view = OpenInsurance();
    ASSERT_NE(view, nullptr);
    CMainFrame& frame = window_->GetMainFrame();
    // The step editor confirms what it is given.
    std::vector<CStepKav*> edited;
    frame.Services().editors.editStep = [&](CStepKav& step, bool isNew, CTaskKav*) {
        EXPECT_TRUE(isNew);
        edited.push_back(&step);
        return 1;
    };
    CWindowList& windows = frame.Root().GetWindowList();
    CWindowKav* calculate = windows.FindByName("Calculate", nullptr);
    CWindowKav* close = windows.FindByName("Close", nullptr);
    const std::size_t before = calculate->GetTransitions().size();

    ASSERT_TRUE(frame.OnCommand(command::kNewTransition));
    ASSERT_EQ(frame.GetPickMode(), 1);
    ClickOn(*view, *calculate);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetPickMode() == 2; }));
    EXPECT_EQ(window_->GetStatusBarUi().GetLogic().GetStatusText(), "Select a Destination Window");
    ClickOn(*view, *close);
    ASSERT_TRUE(WaitUntil([&] { return frame.GetPickMode() == 0; }));

    ASSERT_EQ(calculate->GetTransitions().size(), before + 1);
    CTransitionKav* made = calculate->GetTransitions().back();
    EXPECT_EQ(edited, std::vector<CStepKav*>{made});
    EXPECT_EQ(made->GetDestWindow(), close);
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Create Transition");
    // The view shows the new transition selected and picks nothing any more.
    EXPECT_EQ(view->GetSelectedTransition(), made);
    EXPECT_FALSE(view->GetLogic().IsPickMode());
    EXPECT_TRUE(dialogs_.Shown().empty());
}
