#pragma once
// The windows of the editor dialogs, found by the dialog's class in one table: adding an editor
// is one line there.
#include <memory>

#include "editors/framework/EditorDialogUi.h"

// The window that shows the dialog; null for a dialog without one.
std::unique_ptr<EditorDialogUi> MakeEditorWindow(EditorDialog& dialog, wxWindow* parent);

// The main frame's RunModal: shows the dialog's window modally over the parent and returns
// kIdOk or kIdCancel.
int ShowEditorWindow(EditorDialog& dialog, wxWindow* parent);
