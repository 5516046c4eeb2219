// The Requirements page alone in a frame on a small project, and in slot 1 of the application
// pane.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "editors/requirements/ReqDlgUi.h"
#include "editors/requirements/ReqTreeUi.h"
#include "editors/requirements/RequirementDlg.h"
#include "model/FileKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/WorkspacePaneUi.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/editors/gui/SampleDataTest.h"
#include "tests/editors/gui/TreePageWindow.h"
#include "tests/shell/FrameDoubles.h"
#include "tests/support/ProjectBuilder.h"

namespace {

// R1 "Login" with its child R1.1, and R2, in the main file, with the toolkit's message boxes
// (recorded by the harness).
class ReqPageUiTest : public TreePageWindowTest<ReqDlgUi, GuiTest> {
protected:
    ReqPageUiTest() { r1->SetTitle("Login"); }
    void SetUp() override { InstallInteraction(std::make_unique<WxInteraction>()); }

    void ShowPage() {
        TreePageWindowTest::ShowPage("Requirements", [this](int command) {
            if (content->Page().IsRequirementCommandEnabled(command)) content->Page().RunRequirementCommand(command);
        });
    }

    wxTreeItemId ItemOf(const CRequirement& requirement) const {
        return tree->WindowItem(content->Page().Tree().ItemOf(requirement));
    }

    // F2 on the chosen item, then the edit box with its text.
    wxTextCtrl* StartLabelEdit() {
        PressKey(WXK_F2);
        EXPECT_TRUE(WaitUntil([&] { return tree->GetEditControl() != nullptr && content->Page().IsEditingLabel(); }));
        return tree->GetEditControl();
    }

    TestProject project;
    CRequirement* r1 = project.AddRequirement("R1");
    CRequirement* r11 = project.AddRequirement("R1.1", r1);
    CRequirement* r2 = project.AddRequirement("R2");
};

}  // namespace

TEST_F(ReqPageUiTest, F2RenamesTheChosenRequirementStartingFromItsBareId) {
    ShowPage();
    Choose(ItemOf(*r1));
    wxTextCtrl* edit = StartLabelEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetValue(), "R1");
    EXPECT_TRUE(WaitUntil([&] { return tree->GetItemText(ItemOf(*r1)).empty(); }));
    edit->Clear();
    ASSERT_TRUE(TypeInto(edit, "R7"));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return r1->GetID() == "R7"; }));
    EXPECT_TRUE(WaitUntil([&] { return tree->GetEditControl() == nullptr; }));
    EXPECT_EQ(tree->GetItemText(ItemOf(*r1)), "R7 - Login");
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Requirement ID"});
    DrainEvents();
    EXPECT_TRUE(SaveScreenshot(frame, "requirements_page"));
}

// Esc cancels; Enter on the text as it was confirms it and records the step.
TEST_F(ReqPageUiTest, EscCancelsARenameAndEnterConfirmsTheTextAsItWas) {
    ShowPage();
    Choose(ItemOf(*r2));
    ASSERT_NE(StartLabelEdit(), nullptr);
    PressKey(WXK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !content->Page().IsEditingLabel(); }));
    EXPECT_EQ(tree->GetItemText(ItemOf(*r2)), "R2");
    EXPECT_TRUE(host.undoSteps.empty());

    ASSERT_NE(StartLabelEdit(), nullptr);
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !content->Page().IsEditingLabel(); }));
    EXPECT_EQ(tree->GetItemText(ItemOf(*r2)), "R2");
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Requirement ID"});
}

TEST_F(ReqPageUiTest, DeleteGoesToTheFrame) {
    ShowPage();
    host.onCommand = nullptr;
    Choose(ItemOf(*r2));
    PressKey(WXK_DELETE);
    EXPECT_TRUE(WaitUntil([&] { return !host.commands.empty(); }));
    EXPECT_EQ(host.commands, std::vector<int>{command::kDelete});
    EXPECT_EQ(r2->GetID(), "R2");
}

TEST_F(ReqPageUiTest, ADoubleClickOpensTheDialogAndKeepsTheExpansion) {
    ShowPage();
    std::vector<std::string> opened;
    host.steps = [&](EditorDialogUi& window) {
        opened.push_back(std::string(window.GetTitle().utf8_str()));
        EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
    };
    ExpectDoubleClicksOpenAndKeepTheExpansion(ItemOf(*r1), ItemOf(*r2), [&] { return static_cast<int>(opened.size()); });
    EXPECT_EQ(opened, (std::vector<std::string>{"Requirement R1", "Requirement R1"}));
}

TEST_F(ReqPageUiTest, TheRequirementWindowRefusesATakenIdAndTakesLinesOfDescription) {
    CRequirementDlg dialog(host, project.App());
    host.steps = [&](EditorDialogUi& window) {
        auto* id = FindControl<wxTextCtrl>(&window, kRequirementId);
        auto* description = FindControl<wxTextCtrl>(&window, kRequirementDescription);
        ASSERT_TRUE(id && description);
        EXPECT_EQ(window.GetTitle(), "Requirement R2");
        id->Clear();
        ASSERT_TRUE(TypeInto(id, "r1"));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
        EXPECT_EQ(dialogs_.Messages(),
                  std::vector<std::string>{"A requirement with this ID is already existing! [W0795]"});
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == id; }));
        id->Clear();
        ASSERT_TRUE(TypeInto(id, "R3"));
        ASSERT_TRUE(TypeInto(description, "first"));
        PressKey(WXK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return description->GetValue() == "first\n"; }));
        ASSERT_TRUE(TypeInto(description, "second"));
        EXPECT_TRUE(window.IsShown());
        EXPECT_TRUE(SaveScreenshot(&window, "requirement_dialog"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditRequirement(*r2), 1);
    EXPECT_EQ(r2->GetID(), "R3");
    EXPECT_EQ(r2->GetDescription(), "first\nsecond");
}

TEST_F(ReqPageUiTest, TheWindowOfAReadOnlyRequirementTakesNoTyping) {
    project.Main()->SetReadOnly(true);
    CRequirementDlg dialog(host, project.App());
    host.steps = [&](EditorDialogUi& window) {
        EXPECT_EQ(window.GetTitle(), "Requirement R1 (Read-Only)");
        for (int control : {kRequirementId, kRequirementTitle, kRequirementDescription, kRequirementDocPath}) {
            auto* text = FindControl<wxTextCtrl>(&window, control);
            EXPECT_TRUE(text && !text->IsEditable()) << control;
        }
        EXPECT_FALSE(PressButton(&window, kRequirementBrowse));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(dialog.EditRequirement(*r1), 0);
}

TEST_F(ReqPageUiTest, ARequirementDraggedOntoAnotherBecomesItsChild) {
    ShowPage();
    Choose(ItemOf(*r11));
    PointAt(ItemOf(*r2));
    wxUIActionSimulator input;
    input.MouseDown();
    wxRect target;
    ASSERT_TRUE(tree->GetBoundingRect(ItemOf(*r1), target, true));
    const wxPoint start = wxGetMousePosition();
    const wxPoint end = tree->ClientToScreen(target.GetPosition() + wxPoint(4, target.height / 2));
    for (int step = 1; step <= 10; ++step) {
        input.MouseMove(start + (end - start) * step / 10);
        DrainEvents();
    }
    input.MouseUp();
    ASSERT_TRUE(WaitUntil([&] { return r2->GetParent() == r1; }));
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Drag Requirement"});
    EXPECT_TRUE(WaitUntil([&] { return tree->GetFocusedItem() == ItemOf(*r2); }));
    EXPECT_EQ(tree->GetItemParent(ItemOf(*r2)), ItemOf(*r1));
}

// A right click chooses the item under the pointer and opens the menu; its last entry sends
// Search References for the item.
TEST_F(ReqPageUiTest, TheContextMenuOffersTheRequirementCommands) {
    ShowPage();
    host.onCommand = nullptr;
    Choose(ItemOf(*r1));
    std::vector<std::string> entries;
    tree->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        for (const wxMenuItem* entry : event.GetMenu()->GetMenuItems())
            entries.push_back(entry->IsSeparator() ? "-" : std::string(entry->GetItemLabel().utf8_str()));
        // The menu holds the pointer and the keys until an entry is chosen.
        tree->CallAfter([] {
            wxMilliSleep(300);
            wxUIActionSimulator input;
            for (int step = 0; step < 4; ++step) input.Char(WXK_DOWN);
            input.Char(WXK_RETURN);
        });
        event.Skip();
    });
    PointAt(ItemOf(*r2));
    wxUIActionSimulator().MouseClick(wxMOUSE_BTN_RIGHT);
    ASSERT_TRUE(WaitUntil([&] { return !host.commands.empty(); }));
    EXPECT_EQ(entries, (std::vector<std::string>{"New &Requirement", "Edit &Properties", "&Delete", "-",
                                                 "Show Assigned &Tasks"}));
    EXPECT_EQ(host.commands, std::vector<int>{command::kSearchReferences});
    EXPECT_EQ(content->Page().GetSelectedRequirement(), r2);
}

// The page fills slot 1 of the application pane and is the frame's Requirements page while it
// lives.
TEST_F(ReqPageUiTest, ThePageFillsTheApplicationPanesRequirementsSlot) {
    InstallRequirementsPage([this](CMainFrame&) -> EditorHost& { return host; });
    FakeWindow window;
    FakeTasksPage tasks;
    FakeWindowsPage windows;
    FakeTestDataPage testData;
    {
        CMainFrame mainFrame(window);
        mainFrame.SetTasksPage(&tasks);
        mainFrame.SetWindowsPage(&windows);
        mainFrame.SetTestDataPage(&testData);
        frame = new wxFrame(nullptr, wxID_ANY, "Pane", wxDefaultPosition, wxSize(320, 420));
        auto* pane = new WorkspacePaneUi(frame, mainFrame);
        wxWindowList& slot = pane->GetPage(WorkspacePageIndex::Requirements).GetChildren();
        auto* page = slot.empty() ? nullptr : dynamic_cast<ReqDlgUi*>(slot.GetFirst()->GetData());
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_FALSE(page->Page().Tree().IsEnabled());
            EXPECT_EQ(mainFrame.LoadProject(kSampleProject, false), 1);
            const CReqTree& tree = page->Page().Tree();
            EXPECT_TRUE(tree.IsEnabled());
            const TreeNode* root = tree.Find(tree.GetProjectItem());
            EXPECT_EQ(root ? root->text : "", "Project Insurance");
        }
        // The frame must not outlive its page's registration.
        pane->Destroy();
        DrainEvents();
    }
    InstallPageFactory(WorkspacePageIndex::Requirements, nullptr);
}
