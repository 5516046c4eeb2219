#pragma once
// The window of the requirement dialog: ID, Title, Description and the path to an external
// document with its Browse button.
#include "editors/framework/EditorDialogUi.h"
#include "editors/requirements/RequirementDlg.h"

class RequirementDlgUi : public EditorDialogUi {
public:
    RequirementDlgUi(CRequirementDlg& dialog, wxWindow* parent);
};
