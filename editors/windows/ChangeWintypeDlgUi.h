#pragma once
// The window of the change window type dialog: the type list above its warning.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/ChangeWintypeDlg.h"

class ChangeWintypeDlgUi : public EditorDialogUi {
public:
    ChangeWintypeDlgUi(CChangeWintypeDlg& dialog, wxWindow* parent);
};
