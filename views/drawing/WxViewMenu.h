#pragma once
// Shows a view's context menu at the point of the window and waits for the choice.
#include <vector>

#include <wx/window.h>

#include "views/drawing/ViewMenu.h"

// The command chosen, or 0.
int ChooseFromViewMenu(wxWindow& window, const std::vector<ViewMenuEntry>& entries, const wxPoint& at);
