#pragma once
// The window of the project administration dialog: name, default GUI builder and output format,
// description, and the included libraries with the library path and its buttons.
#include "editors/framework/EditorDialogUi.h"
#include "editors/project/ProjectAdministrationDlg.h"

class ProjectAdministrationDlgUi : public EditorDialogUi {
public:
    ProjectAdministrationDlgUi(CProjectAdministrationDlg& dialog, wxWindow* parent);
};
