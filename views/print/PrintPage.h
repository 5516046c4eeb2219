#pragma once
// What every printing view shares: the page in points and the footer with the page number.
#include <string>

#include "views/drawing/TextSurface.h"

// The page of a printer with that many pixels at that resolution, in points from (0, 0). A4
// when no printer is there (any value 0 or less) or its page is smaller than a point.
ViewRect PageRectInPoints(int pixelsX, int pixelsY, int pixelsPerInchX, int pixelsPerInchY);

// The footer text centred on the text rectangle's middle, 2 points below it.
void DrawPageFooter(TextSurface& surface, const ViewRect& textRect, const std::string& footer);
