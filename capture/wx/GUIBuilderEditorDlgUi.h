#pragma once
// The window of the GUI builder editor: the builders above the name of the one chosen.
#include "capture/GUIBuilderEditorDlg.h"
#include "editors/framework/EditorDialogUi.h"

class GUIBuilderEditorDlgUi : public EditorDialogUi {
public:
    GUIBuilderEditorDlgUi(CGUIBuilderEditorDlg& dialog, wxWindow* parent);
};
