#pragma once
// What the record grid needs of the window that shows it and of the fonts it measures with.
// The wx window implements both; without one the grid works on a headless stand-in.
#include <string>

#include "editors/grid/GridTypes.h"

class GridTextMeasure {
public:
    virtual ~GridTextMeasure() = default;
    // The width of one line of text in the font.
    virtual int TextWidth(const std::string& line, const GridFont& font) = 0;
    // The height of a line of text in the font.
    virtual int LineHeight(const GridFont& font) = 0;
    virtual int Ascent(const GridFont& font) = 0;
};

enum class GridScrollBar { Horizontal, Vertical };

// The mouse pointer the grid shows over itself.
enum GridMouseShape : int { kMouseShapeNone = 0, kMouseShapeArrow = 1, kMouseShapeSizeWE = 2 };

class GridWindow {
public:
    virtual ~GridWindow() = default;

    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int ParentClientWidth() const = 0;
    // The thickness of a scroll bar.
    virtual int ScrollBarSize() const = 0;

    // Places the window in its parent, the rectangle its outer edges.
    virtual void MoveTo(const GridRect& rect) = 0;
    // Gives the window a new outer size where it stands; false when the size is the one it has,
    // so that no size event follows.
    virtual bool Resize(int width, int height) = 0;

    // Marks the whole client area, or a part of it, to be painted again.
    virtual void Invalidate(bool erase) = 0;
    virtual void InvalidateRect(const GridRect& rect, bool erase) = 0;
    // Erases and paints the whole client area at once.
    virtual void RepaintNow() = 0;
    virtual void Beep() = 0;

    // Shows or hides the bar; positions run from 1 to max, page is the part one screen shows.
    virtual void SetScrollBar(GridScrollBar bar, bool shown, int max, int position, int page) = 0;

    // Asks for the keyboard focus; the grid hears of it through OnSetFocus.
    virtual void TakeFocus() = 0;
    virtual bool HasFocus() const = 0;

    virtual void CreateCaret(int width, int height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void ShowCaret(int x, int y) = 0;
    virtual void HideCaret() = 0;

    virtual void SetMouseShape(GridMouseShape shape) = 0;
};
