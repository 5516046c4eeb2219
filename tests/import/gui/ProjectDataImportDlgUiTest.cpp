// The import dialog's window: its trees show the logic's checks, a click on a check box and
// the select buttons go to the logic, OK ends it.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "editors/import/ProjectDataImportDlgUi.h"
#include "shell/wx/WxInteraction.h"
#include "tests/import/ImportFixture.h"
#include "tests/support/gui/GuiTest.h"

namespace {

class ProjectDataImportDlgUiTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        fixture_.emplace();
    }
    void TearDown() override {
        fixture_.reset();
        GuiTest::TearDown();
    }

    using Fixture = ImportProjects;

    // Shows the dialog on the import fixture and runs the steps in it.
    bool Show(const std::function<void(ProjectDataImportDlgUi&)>& steps) {
        return fixture_->Select([&](CProjectDataImportDlg& dialog) {
            ProjectDataImportDlgUi window(dialog, nullptr);
            return ::RunModal(window, [&] {
                EXPECT_TRUE(WaitUntil([&] { return window.IsShownOnScreen(); }));
                steps(window);
            }) == wxID_OK;
        });
    }

    // The tree item that shows the text, searched depth first.
    static wxTreeItemId Find(wxTreeCtrl* tree, const wxTreeItemId& from, const wxString& text) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree->GetFirstChild(from, cookie); child.IsOk();
             child = tree->GetNextChild(from, cookie)) {
            if (tree->GetItemText(child) == text) return child;
            if (wxTreeItemId found = Find(tree, child, text); found.IsOk()) return found;
        }
        return {};
    }

    std::optional<Fixture> fixture_;
};

TEST_F(ProjectDataImportDlgUiTest, TheTreesShowTheChecksAndTheButtonsChangeThem) {
    fixture_->OtherTask("Fresh");
    fixture_->OtherRequirement("R1");
    const bool confirmed = Show([&](ProjectDataImportDlgUi& window) {
        wxTreeCtrl* tasks = window.GetTree(CProjectDataImportTabCtrl::kTasks);
        const wxTreeItemId fresh = Find(tasks, tasks->GetRootItem(), "Fresh");
        ASSERT_TRUE(fresh.IsOk());
        EXPECT_EQ(tasks->GetItemState(fresh), 2);
        EXPECT_EQ(tasks->GetItemTextColour(fresh), wxColour(5, 130, 10));
        auto* selectNew = FindControl<wxButton>(&window, CProjectDataImportDlg::kIdSelectNew);
        EXPECT_EQ(selectNew->GetLabel(), "Deselect all New Items");
        EXPECT_TRUE(SaveScreenshot(&window, "project_data_import"));

        EXPECT_TRUE(PressButton(&window, CProjectDataImportDlg::kIdSelectNew));
        EXPECT_EQ(selectNew->GetLabel(), "Select all New Items");
        const wxTreeItemId unchecked = Find(tasks, tasks->GetRootItem(), "Fresh");
        EXPECT_EQ(tasks->GetItemState(unchecked), 1);
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(ImportProjects::Setting("Import_Select_New_Tasks"), "0");
    EXPECT_EQ(fixture_->other->GetTasks().size(), 0u) << "the unchecked task and the root task went";
}

TEST_F(ProjectDataImportDlgUiTest, AClickOnACheckBoxChecksTheItem) {
    ImportProjects::SetSetting("Import_Select_New_Tasks", "0");
    fixture_->OtherTask("Fresh");
    Show([&](ProjectDataImportDlgUi& window) {
        wxTreeCtrl* tasks = window.GetTree(CProjectDataImportTabCtrl::kTasks);
        const wxTreeItemId fresh = Find(tasks, tasks->GetRootItem(), "Fresh");
        ASSERT_TRUE(fresh.IsOk());
        wxRect text;
        ASSERT_TRUE(tasks->GetBoundingRect(fresh, text, true));
        wxUIActionSimulator input;
        input.MouseMove(tasks->ClientToScreen(wxPoint(text.x - 8, text.y + text.height / 2)));
        input.MouseClick();
        EXPECT_TRUE(WaitUntil([&] {
            const wxTreeItemId shown = Find(tasks, tasks->GetRootItem(), "Fresh");
            return shown.IsOk() && tasks->GetItemState(shown) == 2;
        }));
        EXPECT_TRUE(PressButton(&window, wxID_CANCEL));
    });
    EXPECT_EQ(ImportProjects::Setting("Import_Select_New_Tasks"), "0") << "Cancel writes nothing";
}

}  // namespace
