#pragma once
// The program's pictures, drawn at run time: the product logo, the tool bar buttons and the
// workspace pages' tab icons.
#include <string>

#include <wx/bitmap.h>

#include "shell/WorkspacePage.h"

wxBitmap ProductLogo();
// A 16 by 16 button picture for the command: the toolkit's own picture where it has one, else
// the initials of the name.
wxBitmap CommandBitmap(int command, const std::string& name);
wxBitmap PageIcon(WorkspacePageIndex page);
