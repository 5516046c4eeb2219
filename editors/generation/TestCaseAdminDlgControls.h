#pragma once
// The controls of the dialog "Test Case Selection" over its plain class CTestCaseAdminDlg: the
// heading, the list of test cases and View, which (as a double click on a row) opens the chosen
// test case in its view and closes the dialog.
#include "editors/framework/EditorDialog.h"
#include "generation/TestCaseAdminDlg.h"

class TestCaseAdminDlgControls : public EditorDialog {
public:
    TestCaseAdminDlgControls(EditorHost& host, CTestCaseAdminDlg& dialog);

    void OnInitDialog() override;
    void OnView();

protected:
    void OnListRowChosen(int list, int row) override;
    void OnListRowDoubleClicked(int list, int row) override;

private:
    CTestCaseAdminDlg& dialog_;
};
