#pragma once
// The window of the missing tag dialog: the windows without tags, the tag and Set Tag, and OK alone.
#include "editors/framework/EditorDialogUi.h"
#include "editors/windows/TagMissingDlg.h"

class TagMissingDlgUi : public EditorDialogUi {
public:
    TagMissingDlgUi(CTagMissingDlg& dialog, wxWindow* parent);
};
