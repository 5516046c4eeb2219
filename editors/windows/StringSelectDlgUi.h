#pragma once
// The window of the string selection dialog: the sorted texts; a double click chooses as OK does.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/StringSelectDlg.h"

class StringSelectDlgUi : public EditorDialogUi {
public:
    StringSelectDlgUi(CStringSelectDlg& dialog, wxWindow* parent);
};
