#pragma once
// The window of the Search References prompt: the window ID and Browse Windows.
#include "editors/framework/EditorDialogUi.h"
#include "editors/project/SearchTransDlg.h"

class SearchTransDlgUi : public EditorDialogUi {
public:
    SearchTransDlgUi(CSearchTransDlg& dialog, wxWindow* parent);
};
