#pragma once
// The 22 window types, and the one place that makes a window of a type code.
#include "model/WindowKav.h"
#include "model/windows/ButtonWindows.h"
#include "model/windows/ListWindows.h"
#include "model/windows/MenuWindows.h"
#include "model/windows/PlainWindows.h"
#include "model/windows/TabControlKav.h"
#include "model/windows/TextWindows.h"

inline bool IsWindowTypeCode(int type) { return type >= 0 && type < kWindowTypeCount; }

// A new window of the type, with the type's extra data empty; a menu bar takes only ID,
// NumID, GuiID and tag, a menu item its flags from the style. Null for an unknown type code.
CWindowKav* CreateWindowOfType(int type, const WindowFields& fields);
