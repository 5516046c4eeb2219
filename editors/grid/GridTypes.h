#pragma once
// The values the record grid and its owner pass each other: cell references, rectangles,
// colours, fonts, keys and the notifications the grid sends.
#include <cstdint>
#include <string>

// A cell: row 0 is the header row, column 0 the row-header column.
struct GridCell {
    int row = 0;
    int column = 0;
};

constexpr int kGridMaxRows = 32000;
constexpr int kGridMaxColumns = 256;
// Longer texts are stored as an error text.
constexpr std::size_t kGridMaxCellText = 10000;

// Client pixels; right and bottom lie outside.
struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    GridRect Deflated(int dx, int dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
    bool operator==(const GridRect&) const = default;
};

// 0x00BBGGRR, as the owner gives colours.
using GridColour = std::uint32_t;

// A font by face, pixel height and weight (400 normal, 700 bold); an empty face is the
// desktop's GUI font.
struct GridFont {
    std::string face;
    int pixelHeight = 14;
    int weight = 400;

    bool operator==(const GridFont&) const = default;
};

// The type of a stored cell as the grid reports it.
enum GridCellType : int {
    kCellNone = 0,
    kCellText = 1,
    kCellNumber = 2,
    kCellTrue = 3,
    kCellFalse = 4,
    kCellGraphic = 5,
};

// Notification codes the grid sends its owner.
enum GridNotification : int {
    GN_OUTOFRANGE = 3,
    GN_DRAWITEM = 4,
    GN_CELLCHANGED = 5,
    GN_ROWCHANGED = 6,
    GN_COLCHANGED = 7,
    GN_EDITBEGIN = 8,
    GN_EDITEND = 10,
    GN_SETFOCUS = 23,
    GN_KILLFOCUS = 24,
    GN_CLICK = 25,
};

// GN_FKEY: function key F1 .. F12 as 11 .. 22.
constexpr int GridFunctionKeyCode(int number) { return 10 + number; }

// The keys the grid tells apart; every other key arrives as Char with its character (0 for a
// key that types none).
enum class GridKey {
    Escape,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    PageDown,
    PageUp,
    Down,
    Up,
    Left,
    Right,
    Tab,
    Return,
    Back,
    Delete,
    Char,
};

class GridCanvas;

// One notification: the cursor cell (row and column 0 for 3, 23 and 24); for GN_DRAWITEM the
// rectangle the owner draws the picture into, on the canvas being painted.
struct GridNotice {
    int controlId = 0;
    int code = 0;
    int row = 0;
    int column = 0;
    GridRect itemRect;
    GridCanvas* canvas = nullptr;
};
