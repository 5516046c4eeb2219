#pragma once
// The window of the API step editor: name, timeout, criticality and priority; the window with
// Browse Designators; the buttons of the step's lists; the template with its instruction and
// help; the parameter rows with New, Delete and the fields of one parameter with Set; the
// description and the expected result as free text and as a value.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/StepApiEditorDlg.h"

class StepApiEditorDlgUi : public EditorDialogUi {
public:
    StepApiEditorDlgUi(CStepApiEditorDlg& dialog, wxWindow* parent);
};
