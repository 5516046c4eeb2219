#pragma once
// The window of the dialog "Test Case Conversion": the scope, the output format with its
// tool-specific options, the script folder, and the start options of the application.
#include "editors/conversion/TestcaseConverterDlgControls.h"
#include "editors/framework/EditorDialogUi.h"

class TestcaseConverterDlgUi : public EditorDialogUi {
public:
    TestcaseConverterDlgUi(TestcaseConverterDlgControls& dialog, wxWindow* parent);
};
