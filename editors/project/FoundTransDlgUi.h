#pragma once
// The window of the found references: the transitions with Edit Transition, the task steps
// with Change to Task Flow Editor, and Close.
#include "editors/framework/EditorDialogUi.h"
#include "editors/project/FoundTransDlg.h"

class FoundTransDlgUi : public EditorDialogUi {
public:
    FoundTransDlgUi(CFoundTransDlg& dialog, wxWindow* parent);
};
