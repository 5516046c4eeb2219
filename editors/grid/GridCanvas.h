#pragma once
// What the record grid draws with while it paints: the wx window draws on its device context,
// tests and benchmarks record or drop the calls.
#include <string>

#include "editors/grid/GridTypes.h"

// How a text is placed in its rectangle.
enum GridTextFormat : unsigned {
    kTextLeft = 0,
    kTextCenter = 1,
    kTextRight = 2,
    kTextVCenter = 4,
    kTextSingleLine = 8,
    kTextWordBreak = 16,
    kTextEndEllipsis = 32,
};

class GridCanvas {
public:
    virtual ~GridCanvas() = default;

    // Fills without an outline.
    virtual void Fill(const GridRect& rect, GridColour colour) = 0;
    // A header cell: an etched edge with its middle filled.
    virtual void EtchedEdge(const GridRect& rect) = 0;
    // A data cell: filled and outlined with a one-pixel line.
    virtual void Cell(const GridRect& rect, GridColour fill, GridColour line) = 0;
    // Texts are drawn on a transparent background without prefix processing.
    virtual void Text(const GridRect& rect, const std::string& text, const GridFont& font, GridColour colour,
                      unsigned format) = 0;
    virtual void CheckBox(const GridRect& rect, bool checked) = 0;
    // The cursor frame: an outline of the given width, not filled.
    virtual void Frame(const GridRect& rect, GridColour colour, int width) = 0;
    // The box of an edit in place: outlined in black and filled white.
    virtual void EditBox(const GridRect& rect) = 0;
};
