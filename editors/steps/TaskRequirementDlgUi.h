#pragma once
// The window of the task requirements dialog: the available and the selected requirements side
// by side with Set >> and << Delete between them, and below them the title, description and
// document of the requirement last chosen.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/TaskRequirementDlg.h"

class TaskRequirementDlgUi : public EditorDialogUi {
public:
    TaskRequirementDlgUi(CTaskRequirementDlg& dialog, wxWindow* parent);
};
