#pragma once
// The window of the dialog "Test Case Selection": the heading over the list of test cases, View
// and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/generation/TestCaseAdminDlgControls.h"

class TestCaseAdminDlgUi : public EditorDialogUi {
public:
    TestCaseAdminDlgUi(TestCaseAdminDlgControls& dialog, wxWindow* parent);
};
