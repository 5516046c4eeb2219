#pragma once
// The window of the window search: ID, caption, type and attribute, and where to search.
#include "editors/framework/EditorDialogUi.h"
#include "editors/project/SearchWndDlg.h"

class SearchWndDlgUi : public EditorDialogUi {
public:
    SearchWndDlgUi(CSearchWndDlg& dialog, wxWindow* parent);
};
