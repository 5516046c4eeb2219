#pragma once
// How the window view draws windows: each type of window as its real control looks, the order
// in which the shown window's controls are drawn, and the view's font.
#include <vector>

#include "model/WindowKav.h"
#include "views/drawing/DrawList.h"
#include "views/window/DialogLayout.h"

// The view's font for names, titles and captions.
const TextFont& ViewFont();

struct WindowDrawingScope {
    const DialogLayout& layout;
    const std::vector<CWindowKav*>& selection;
    int displayFlags;
};

// Appends the drawing of the window at its view rectangle, its selection mark, and with
// grandchildren shown the controls inside it (those without a title bar, or all of them for
// the GUI builder 995). Menu bars and menu items draw nothing.
void DrawWindowObject(const CWindowKav& window, const WindowDrawingScope& scope, DrawList& out);

// The children of the shown window in the order they are drawn: containers before what they
// contain, of two overlapping controls the larger first, selected controls after unselected
// ones and the picked object last. Menu bars and menu items are left out.
std::vector<CWindowKav*> OrderForDrawing(const CWindowKav& displayed, const std::vector<CWindowKav*>& selection,
                                         const CWindowKav* picked);
