#include "editors/generation/TestCaseAdminDlgControls.h"

#include "shell/EditorHost.h"

namespace {

constexpr int kResourceId = 238;

}  // namespace

TestCaseAdminDlgControls::TestCaseAdminDlgControls(EditorHost& host, CTestCaseAdminDlg& dialog)
    : EditorDialog(host, kResourceId), dialog_(dialog) {
    SetTitle("Test Case Selection", false);
    AddControl(kAdminHeading);
    AddList(kAdminList);
    AddControl(kAdminView, "View");
}

void TestCaseAdminDlgControls::OnInitDialog() {
    SetText(kAdminHeading, dialog_.GetHeading());
    EditorList& rows = EditList(kAdminList);
    // The dialog's widths in dialog units, as pixels of the usual font.
    rows.SetColumns({{"Test Case ID", 350}, {"Type", 245}, {"Error", 61}, {"Steps", 88}});
    for (const TestCaseAdminRow& row : dialog_.Rows())
        rows.AddRow({row.name, row.type, row.error, row.steps}, row.testCase);
    dialog_.OnSelChange(-1);
    Enable(kAdminView, false);
    SetDefaultButton(kAdminView);
    SetFocus(kAdminList);
}

void TestCaseAdminDlgControls::OnView() {
    CTestCase* chosen = dialog_.GetSelectedTestCase();
    if (!chosen) return;
    Host().OpenTestCase(chosen);
    EndDialog(kIdOk);
}

void TestCaseAdminDlgControls::OnListRowChosen(int, int row) {
    dialog_.OnSelChange(row);
    Enable(kAdminView, dialog_.IsViewEnabled());
}

void TestCaseAdminDlgControls::OnListRowDoubleClicked(int, int row) {
    if (row < 0) return;
    OnListRowChosen(kAdminList, row);
    OnView();
}
