#pragma once
// The window of the step editor: name, delay and priority; the buttons of the step's lists;
// event, error case, start and destination window with Browse Designators; the commands for the
// test script and the texts for manual testing.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/StepEditorDlg.h"

class StepEditorDlgUi : public EditorDialogUi {
public:
    StepEditorDlgUi(CStepEditorDlg& dialog, wxWindow* parent);
};
