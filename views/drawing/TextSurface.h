#pragma once
// Where the views measure and draw: the screen, a bitmap, a printer page, or in tests a surface
// that counts. Layout that depends on text (printing, labels, names beside boxes) measures here.
#include <string>

#include "views/drawing/DrawList.h"

class TextSurface {
public:
    virtual ~TextSurface() = default;

    // The size the text takes in the font: one line per line feed and, with a wrap width above
    // 0, broken at blanks so that each line fits it (a longer word stands on its own line).
    virtual ViewSize Measure(const std::string& text, const TextFont& font, int wrapWidth) const = 0;
    virtual void Draw(const DrawPrimitive& primitive) = 0;
    // From here on a logical unit is 1/unitsPerInch of an inch; printing draws in points (72)
    // and scales a picture by asking for more units per inch. Screens keep pixels.
    virtual void SetUnitsPerInch(int unitsPerInch) = 0;
};

// Draws every primitive of the list in order.
void Replay(const DrawList& list, TextSurface& surface);
