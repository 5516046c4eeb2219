#pragma once
// The window of the task editor: name and type, test goal, level, category and configuration,
// the external document with Browse Path, the data set, the buttons of the parameters and
// requirements, and precondition, description and postcondition with Browse Designators.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/TaskEditorDlg.h"

class TaskEditorDlgUi : public EditorDialogUi {
public:
    TaskEditorDlgUi(CTaskEditorDlg& dialog, wxWindow* parent);
};
