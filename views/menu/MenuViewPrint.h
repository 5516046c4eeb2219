#pragma once
// The menu view on paper: the menu tree and its transitions, each page with its number at the
// foot. All in points.
#include "views/drawing/TextSurface.h"

class CMenuKav;

// Prints the page (1 onward) of the menu on a page of that rectangle; page 0 prints nothing.
// The result is the number of pages.
int PrintMenuPage(const CMenuKav& menu, TextSurface& surface, const ViewRect& page, int pageNumber);
