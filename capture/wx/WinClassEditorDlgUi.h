#pragma once
// The window of the window class editor: the classes above the name, base type and default
// mark of the one chosen.
#include "capture/WinClassEditorDlg.h"
#include "editors/framework/EditorDialogUi.h"

class WinClassEditorDlgUi : public EditorDialogUi {
public:
    WinClassEditorDlgUi(CWinClassEditorDlg& dialog, wxWindow* parent);
};
