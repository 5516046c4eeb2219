// The application pane in the main frame with the sample: its Tasks and Windows pages, a window
// dragged onto another with the mouse and taken back by Undo, and the reference picker that the
// frame serves the editors with.
#include <wx/uiaction.h>

#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "tests/support/gui/MainFrameTest.h"
#include "views/pane/ApplicationDlgUi.h"
#include "views/picker/WindowSelectDlgUi.h"
#include "views/trees/TreePagesUi.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

class WorkspaceTreesUiTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallApplicationPane();
        InstallReferencePickerDialog();
    }
    void TearDown() override {
        MainFrameTest::TearDown();
        InstallWorkspacePane(nullptr);
        InstallFrameParts("picker", nullptr);
    }

    // The frame with the sample, and its pane.
    CApplicationDlgUi* Open() {
        window_ = Start({"-p", kSample});
        if (!window_ || !ShowAndActivate(window_)) return nullptr;
        auto* pane = dynamic_cast<CApplicationDlgUi*>(&window_->GetWorkspacePane());
        DrainEvents();
        return pane;
    }
    CWindowKav* WindowNamed(const std::string& name) {
        return window_->GetMainFrame().Root().GetWindowList().FindByName(name, nullptr);
    }
    // The middle of the item's label on the screen.
    static wxPoint OnScreen(ItemTreeUi& tree, const wxTreeItemId& item) {
        wxRect rect;
        EXPECT_TRUE(tree.GetBoundingRect(item, rect, true));
        return tree.ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
    }

    CMainFrameUi* window_ = nullptr;
};

}  // namespace

TEST_F(WorkspaceTreesUiTest, TheSamplesTasksAndWindowsPagesFillThePane) {
    CApplicationDlgUi* pane = Open();
    ASSERT_NE(pane, nullptr);
    CMainFrame& frame = window_->GetMainFrame();
    CTaskDlgUi& tasks = pane->GetTaskTree();
    EXPECT_EQ(tasks.GetId(), 1303);
    EXPECT_TRUE(tasks.IsShownOnScreen());
    EXPECT_TRUE(tasks.IsEnabled());
    const wxTreeItemId project = tasks.WindowItem(tasks.Page().Tree().GetProjectItem());
    ASSERT_TRUE(project.IsOk());
    EXPECT_EQ(tasks.GetItemText(project), "Project Insurance");
    EXPECT_TRUE(tasks.IsBold(project));
    EXPECT_EQ(tasks.GetChildrenCount(project, false), 5u);
    EXPECT_TRUE(tasks.IsExpanded(project));
    EXPECT_TRUE(SaveScreenshot(window_, "tasks_page"));

    // The frame brings the Windows page to the front; the tree's focus makes it the active pane.
    window_->SelectWorkspacePage(WorkspacePageIndex::Windows);
    DrainEvents();
    CWindowDlgUi& windows = pane->GetWindowTree();
    EXPECT_EQ(pane->GetLogic().GetActivePage(), 2);
    EXPECT_TRUE(windows.IsShownOnScreen());
    EXPECT_FALSE(tasks.IsShownOnScreen());
    const wxTreeItemId insurance = windows.WindowItem(windows.Page().Tree().ItemOf(WindowNamed("Insurance")));
    ASSERT_TRUE(insurance.IsOk());
    EXPECT_TRUE(windows.IsBold(insurance)) << "the start window";
    windows.Expand(insurance);
    windows.SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return frame.GetActivePane().kind == PaneKind::WindowsPage; }));
    EXPECT_EQ(frame.GetActivePane().page, &windows.Page());
    EXPECT_TRUE(SaveScreenshot(window_, "windows_page"));
}

TEST_F(WorkspaceTreesUiTest, AWindowDraggedOntoAnotherMovesThereAndUndoTakesItBack) {
    CApplicationDlgUi* pane = Open();
    ASSERT_NE(pane, nullptr);
    CMainFrame& frame = window_->GetMainFrame();
    window_->SelectWorkspacePage(WorkspacePageIndex::Windows);
    CWindowDlgUi& tree = pane->GetWindowTree();
    const CWindowTree& items = tree.Page().Tree();
    const wxTreeItemId error = tree.WindowItem(items.ItemOf(WindowNamed("Error")));
    ASSERT_TRUE(error.IsOk());
    tree.Expand(error);
    DrainEvents();
    const wxTreeItemId ok = tree.WindowItem(items.ItemOf(WindowNamed("OK")));
    const wxTreeItemId insurance = tree.WindowItem(items.ItemOf(WindowNamed("Insurance")));
    ASSERT_TRUE(ok.IsOk() && insurance.IsOk());

    const wxPoint from = OnScreen(tree, ok);
    const wxPoint to = OnScreen(tree, insurance);
    wxUIActionSimulator input;
    input.MouseMove(from);
    DrainEvents();
    input.MouseDown();
    DrainEvents();
    for (int step = 1; step <= 4; ++step) {
        input.MouseMove(from + (to - from) * step / 4);
        DrainEvents();
    }
    input.MouseUp();
    ASSERT_TRUE(WaitUntil([&] { return WindowNamed("OK")->GetParent() == WindowNamed("Insurance"); }));
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Drag Window");
    const wxTreeItemId moved = tree.WindowItem(items.ItemOf(WindowNamed("OK")));
    ASSERT_TRUE(moved.IsOk());
    EXPECT_EQ(tree.GetItemParent(moved), tree.WindowItem(items.ItemOf(WindowNamed("Insurance"))));
    EXPECT_EQ(WindowNamed("OK")->GetRect().left, 0);

    frame.Undo();
    DrainEvents();
    EXPECT_EQ(WindowNamed("OK")->GetParent(), WindowNamed("Error"));
    const wxTreeItemId back = tree.WindowItem(items.ItemOf(WindowNamed("OK")));
    ASSERT_TRUE(back.IsOk());
    EXPECT_EQ(tree.GetItemParent(back), tree.WindowItem(items.ItemOf(WindowNamed("Error"))));
}

TEST_F(WorkspaceTreesUiTest, ThePickerEndsOnlyOnAnItemThatNamesSomething) {
    ASSERT_NE(Open(), nullptr);
    CWindowSelectDlg logic;
    logic.SetContext(kPickWindows, nullptr, nullptr, nullptr);
    CWindowSelectDlgUi dialog(window_, logic);
    EXPECT_EQ(dialog.GetTitle(), "Window Selection");
    ItemTreeUi& tree = dialog.GetTree();
    EXPECT_EQ(tree.GetId(), 1226);
    const auto itemWithText = [&](const std::string& text) {
        for (int item = 1; item < 200; ++item)
            if (const TreeNode* node = logic.Tree().Find(item); node && node->text == text) return tree.WindowItem(item);
        return wxTreeItemId();
    };
    bool stayedOpen = false;
    const int result = RunModal(dialog, [&] {
        tree.SelectItem(itemWithText("WINDOWS"));
        PressButton(&dialog, wxID_OK);
        DrainEvents();
        stayedOpen = dialog.IsModal();
        tree.SelectItem(itemWithText("Insurance (Dialog Box)"));
        PressButton(&dialog, wxID_OK);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(logic.GetResult(), "Insurance");
    EXPECT_EQ(logic.GetChosenObject(), static_cast<CKavroObj*>(WindowNamed("Insurance")));
}

TEST_F(WorkspaceTreesUiTest, TheFrameServesTheEditorsWithThePicker) {
    ASSERT_NE(Open(), nullptr);
    dialogs_.Clear();
    // The recorder answers OK at once: nothing was chosen.
    EXPECT_EQ(window_->GetMainFrame().SelectReference(kPickOnlyDataSet, nullptr, nullptr, nullptr), "");
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown().front().title, "Data Selection");
}
