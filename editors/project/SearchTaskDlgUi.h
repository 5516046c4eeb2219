#pragma once
// The window of the task search: the task name and where to search.
#include "editors/framework/EditorDialogUi.h"
#include "editors/project/SearchTaskDlg.h"

class SearchTaskDlgUi : public EditorDialogUi {
public:
    SearchTaskDlgUi(CSearchTaskDlg& dialog, wxWindow* parent);
};
