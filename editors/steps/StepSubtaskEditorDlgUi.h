#pragma once
// The window of the sub-task step editor: name and priority; the loop settings (a number of
// loops or an expression with Browse Designators, or a data set with its record kinds); the
// parameters of the called task with Value, Set Value and Browse Designators.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/StepSubtaskEditorDlg.h"

class StepSubtaskEditorDlgUi : public EditorDialogUi {
public:
    StepSubtaskEditorDlgUi(CStepSubtaskEditorDlg& dialog, wxWindow* parent);
};
