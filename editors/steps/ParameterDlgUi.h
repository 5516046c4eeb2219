#pragma once
// The window of the parameter dialog: the list of parameters above the fields Name, Type and
// Value and the buttons New, Set, Delete, OK and Cancel.
#include "editors/framework/EditorDialogUi.h"
#include "editors/steps/ParameterDlg.h"

class ParameterDlgUi : public EditorDialogUi {
public:
    ParameterDlgUi(CParameterDlg& dialog, wxWindow* parent);
};
