#pragma once
// The window of the condition editor: the conditions beside the buttons Browse Designators,
// Meta-Conditions and Expand, above the field Condition and the buttons New, Set, Delete, OK
// and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/ConditionEditDlg.h"

class ConditionEditDlgUi : public EditorDialogUi {
public:
    ConditionEditDlgUi(CConditionEditDlg& dialog, wxWindow* parent);
};
