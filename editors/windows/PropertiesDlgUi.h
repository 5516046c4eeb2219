#pragma once
// The window of every window type's property dialog: the common fields, then the type's own
// controls as its row of the type table lists them, the tag or the tool button, OK and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/PropertiesDlg.h"

class PropertiesDlgUi : public EditorDialogUi {
public:
    PropertiesDlgUi(CPropertiesDlg& dialog, wxWindow* parent);
};
