// The Test Data page alone in a frame, on the sample project, and in slot 3 of the application
// pane.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "editors/data/DataDlgUi.h"
#include "editors/data/DataTreeUi.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/WorkspacePaneUi.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/editors/gui/SampleDataTest.h"
#include "tests/editors/gui/TreePageWindow.h"
#include "tests/shell/FrameDoubles.h"

namespace {

class DataPageUiTest : public TreePageWindowTest<DataDlgUi, SampleDataTest> {
protected:
    void ShowPage() {
        TreePageWindowTest::ShowPage("Test Data", [this](int command) {
            if (content->Page().IsDataCommandEnabled(command)) content->Page().RunDataCommand(command);
        });
    }

    wxTreeItemId ItemOf(const CDataObj& object) const { return tree->WindowItem(content->Page().Tree().ItemOf(object)); }
};

}  // namespace

TEST_F(DataPageUiTest, F2RenamesTheChosenSetInPlace) {
    ShowPage();
    Choose(ItemOf(*clients));
    PressKey(WXK_F2);
    ASSERT_TRUE(WaitUntil([&] { return tree->GetEditControl() != nullptr; }));
    wxTextCtrl* edit = tree->GetEditControl();
    EXPECT_EQ(edit->GetValue(), "Clients");
    edit->Clear();
    ASSERT_TRUE(TypeInto(edit, "Buyers"));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return clients->GetName() == "Buyers"; }));
    EXPECT_TRUE(WaitUntil([&] { return tree->GetItemText(ItemOf(*clients)) == "Buyers"; }));
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Data Set Name"});
    tree->Expand(ItemOf(*clients));
    tree->Expand(ItemOf(*clients->GetFields()[0]));
    DrainEvents();
    EXPECT_TRUE(SaveScreenshot(frame, "test_data_page"));
}

TEST_F(DataPageUiTest, EnterOpensTheDialogOfTheChosenItem) {
    ShowPage();
    std::string opened;
    host.steps = [&](EditorDialogUi& window) {
        opened = std::string(window.GetTitle().utf8_str());
        EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    Choose(ItemOf(*clients));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !opened.empty(); }));
    EXPECT_EQ(opened, "Data Set Clients");
    EXPECT_EQ(host.commands, std::vector<int>{command::kPropertiesEditor});
}

TEST_F(DataPageUiTest, ADoubleClickOpensTheDialogAndKeepsTheExpansion) {
    ShowPage();
    int opened = 0;
    host.steps = [&](EditorDialogUi& window) {
        ++opened;
        EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    const wxTreeItemId item = ItemOf(*clients);
    ExpectDoubleClicksOpenAndKeepTheExpansion(item, tree->GetItemParent(item), [&] { return opened; });
}

// The page fills slot 3 of the application pane and is the frame's Test Data page while it lives.
TEST_F(DataPageUiTest, ThePageFillsTheApplicationPanesTestDataSlot) {
    InstallTestDataPage([this](CMainFrame&) -> EditorHost& { return host; });
    FakeWindow window;
    FakeTasksPage tasks;
    FakeRequirementsPage requirements;
    FakeWindowsPage windows;
    {
        CMainFrame mainFrame(window);
        mainFrame.SetTasksPage(&tasks);
        mainFrame.SetRequirementsPage(&requirements);
        mainFrame.SetWindowsPage(&windows);
        frame = new wxFrame(nullptr, wxID_ANY, "Pane", wxDefaultPosition, wxSize(320, 420));
        auto* pane = new WorkspacePaneUi(frame, mainFrame);
        wxWindowList& slot = pane->GetPage(WorkspacePageIndex::TestData).GetChildren();
        auto* content = slot.empty() ? nullptr : dynamic_cast<DataDlgUi*>(slot.GetFirst()->GetData());
        EXPECT_NE(content, nullptr);
        if (content) {
            EXPECT_EQ(mainFrame.LoadProject(kSampleProject, false), 1);
            const CDataTree& tree = content->Page().Tree();
            EXPECT_TRUE(tree.IsEnabled());
            const DataTreeItem* root = tree.Find(tree.GetProjectItem());
            EXPECT_EQ(root ? root->text : "", "Project Insurance");
        }
        // The frame must not outlive its page's registration.
        pane->Destroy();
        DrainEvents();
    }
    InstallPageFactory(WorkspacePageIndex::TestData, nullptr);
}
