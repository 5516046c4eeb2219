#pragma once
// The window of the tab editor: the sorted page titles, New, Set and Delete, and the page's
// title, initial page mark and window with its Browse Windows button.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/TabEditorDlg.h"

class TabEditorDlgUi : public EditorDialogUi {
public:
    TabEditorDlgUi(CTabEditorDlg& dialog, wxWindow* parent);
};
