#pragma once
// The window of the action editor: the available actions and the selected ones side by side
// with the buttons Set >> and << Delete between them, and below them the arguments of the
// current action with its help line, the value field and the buttons Browse Designators and
// Set Argument.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/ActionEditorDlg.h"

class ActionEditorDlgUi : public EditorDialogUi {
public:
    ActionEditorDlgUi(CActionEditorDlg& dialog, wxWindow* parent);
};
