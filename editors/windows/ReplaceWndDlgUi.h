#pragma once
// The window of the replace window dialog: the two window IDs, each with its Browse Windows button.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/ReplaceWndDlg.h"

class ReplaceWndDlgUi : public EditorDialogUi {
public:
    ReplaceWndDlgUi(CReplaceWndDlg& dialog, wxWindow* parent);
};
