#pragma once
// The real controls that the views draw, with the desktop's look, onto a device context.
#include <wx/dc.h>
#include <wx/window.h>

#include "views/drawing/DrawList.h"

// Draws the control into its rectangle; the context's font is the label's.
void DrawNativeControl(wxDC& dc, wxWindow& window, const draw::Control& control);
