#pragma once
// The window view on paper: the picture scaled to fit the page, a numbered label on each
// arrow, and below it the numbered list of the transitions over as many pages as it needs,
// each page with its number at the foot. All in points.
#include "views/drawing/TextSurface.h"

class CDialogView;

// Prints the page (1 onward) of the view on a page of that rectangle; page 0 prints nothing.
// The result is the number of pages.
int PrintDialogPage(CDialogView& view, TextSurface& surface, const ViewRect& page, int pageNumber);

// The arrows' numbers in the picture: boxed, centred on the shaft, or for a loop on its top
// segment where they do not cover an earlier label.
void DrawTransitionLabels(const CDialogView& view, TextSurface& surface);
