#pragma once
// What the views draw, as a list of primitives in logical coordinates: the plain view makes the
// list, a surface draws it (the wx one on a device context, tests count or look at it). The
// colours, pens, fonts and text formats follow the desktop's drawing conventions, so the views'
// arithmetic reads as their drawing rules are written.
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <string>
#include <variant>
#include <vector>

#include "views/drawing/ViewGeometry.h"

// The desktop's colours by their index.
enum SystemColour : int {
    kColourWindow = 5,
    kColourWindowText = 8,
    kColourButtonFace = 15,
    kColourButtonShadow = 16,
    kColourButtonHighlight = 20,
    kColourDarkShadow = 21,
    kColourLight = 22,
};

// An RGB colour, or a colour of the desktop that the surface looks up when it draws.
struct ViewColour {
    int system = -1;  // a SystemColour, or -1 for the RGB value
    std::uint8_t red = 0, green = 0, blue = 0;

    static constexpr ViewColour Rgb(int r, int g, int b) {
        return {-1, static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
    }
    static constexpr ViewColour System(SystemColour index) { return {index, 0, 0, 0}; }
    bool operator==(const ViewColour&) const = default;
};

inline constexpr ViewColour kBlack = ViewColour::Rgb(0, 0, 0);
inline constexpr ViewColour kWhite = ViewColour::Rgb(255, 255, 255);

struct ViewPen {
    ViewColour colour;
    int width = 1;
    bool operator==(const ViewPen&) const = default;
};

// Height in logical units (the character cell), weight 400 normal, 700 bold.
struct TextFont {
    std::string face;
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool operator==(const TextFont&) const = default;
};

// How a text sits in its rectangle. Vertical centring needs a single line; without
// kTextNoPrefix an "&" underlines the character after it and is not shown.
enum TextFormat : unsigned {
    kTextLeft = 0,
    kTextCenter = 1,
    kTextRight = 2,
    kTextVCenter = 4,
    kTextWordBreak = 16,
    kTextSingleLine = 32,
    kTextNoPrefix = 0x800,
};

// The real controls that a window view draws with the desktop's look.
enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    TabControl,   // one tab per item
    Header,       // one column per item, of equal width
    TreeControl,  // the label as root item, the items as its children, expanded
    CaptionFrame,  // a top-level window's frame with a title bar showing the label
    BorderFrame,   // a thin frame without title bar
};

namespace draw {

// Filled without outline.
struct Fill {
    ViewRect rect;
    ViewColour colour;
};
// Outlined with the pen; filled when a fill is given.
struct Box {
    ViewRect rect;
    ViewPen pen;
    std::optional<ViewColour> fill;
};
// A polyline; each segment stops before its end point.
struct Lines {
    std::vector<ViewPoint> points;
    ViewPen pen;
};
// A transparent background unless one is given.
struct Text {
    Text(ViewRect rect, std::string text, TextFont font, ViewColour colour = kBlack, unsigned format = kTextLeft,
         std::optional<ViewColour> background = std::nullopt)
        : rect(rect), text(std::move(text)), font(std::move(font)), colour(colour), format(format), background(background) {}

    ViewRect rect;
    std::string text;
    TextFont font;
    ViewColour colour = kBlack;
    unsigned format = kTextLeft;
    std::optional<ViewColour> background;
};
// A 3-D rectangle: top and left edge in one colour, bottom and right in the other.
struct Edge3D {
    ViewRect rect;
    ViewColour topLeft;
    ViewColour bottomRight;
};
// A one-pixel frame just inside the rectangle.
struct Frame {
    ViewRect rect;
    ViewColour colour;
};
struct Control {
    ControlKind kind;
    ViewRect rect;
    std::string label;
    std::vector<std::string> items;
};
// The selection's rectangle tracker: a dotted outline, a hatched border of the handles' size
// and the resize handles outside the rectangle.
struct Tracker {
    ViewRect rect;
    int border = 0;
    std::vector<ViewRect> handles;
};
// What follows is drawn only inside the rectangle; an empty rectangle ends the clipping.
struct Clip {
    ViewRect rect;
};

}  // namespace draw

using DrawPrimitive = std::variant<draw::Fill, draw::Box, draw::Lines, draw::Text, draw::Edge3D, draw::Frame,
                                   draw::Control, draw::Tracker, draw::Clip>;
// A deque: a long list grows without moving what it holds.
using DrawList = std::deque<DrawPrimitive>;
