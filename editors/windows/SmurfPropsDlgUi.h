#pragma once
// The window of the SMURF properties: symbolic name, type, application, description and the
// identification properties as XML text.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/SmurfPropsDlg.h"

class SmurfPropsDlgUi : public EditorDialogUi {
public:
    SmurfPropsDlgUi(CPropsSMURFDlg& dialog, wxWindow* parent);
};
