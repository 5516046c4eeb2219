#pragma once
// The window of the window wizard: the type and style lists and the language.
#include "capture/WindowWizard.h"
#include "editors/framework/EditorDialogUi.h"

class WindowWizardUi : public EditorDialogUi {
public:
    WindowWizardUi(CWindowWizard& dialog, wxWindow* parent);
};
