#pragma once
// New windows and controls that the window view draws with the palette: their names, captions
// and styles by type, the checks of a new or changed size, and their creation in the model.
#include <cstdint>
#include <functional>
#include <string>

#include "model/WindowKav.h"

class CApplicationKav;
class CWindowList;

struct NewWindowStyle {
    int type;
    const char* nameFormat;  // "%d" takes the number
    bool captionIsName;      // else the caption is empty (a link's is "Link")
    std::uint32_t style;
};

// The row of the type, or null for the types the view does not create (menu bars, menu items).
const NewWindowStyle* FindNewWindowStyle(int type);
// The type's name with the smallest number from 1 that no window of the table has.
std::string MakeNewWindowName(const NewWindowStyle& row, const CWindowList& windows);

// The sizes that a top-level window of the desktop can take; a main, child or dialog window
// outside them cannot be created at that size.
struct WindowSizeLimits {
    int minWidth = 136;
    int minHeight = 39;
    int maxWidth = 4096;
    int maxHeight = 4096;
};
// Main windows, child windows and dialog boxes must fit the limits, else [W0279] is shown;
// other types always pass.
bool CheckWindowSize(int type, int width, int height, const WindowSizeLimits& limits);
// The new size must hold every child's right and bottom edge, else [W0280] is shown.
bool CheckChildrenFit(const CWindowKav& window, int width, int height);

// Gives a new window its recognition tags; false with the reason in the message buffer. Set by
// the tag generation of the editors; without one new windows get no tags.
using TagGenerator = std::function<bool(CWindowKav&)>;
void SetTagGenerator(TagGenerator generator);

// A new window of the type at the rectangle, in the main file, added as a child of the parent
// (when given, its caption bits cleared) and to the window table. Null when the parent or the
// table refuses it: the message is shown and the window deleted.
CWindowKav* CreateNewWindow(int type, const WindowRect& rect, CWindowKav* parent, CApplicationKav& application);
