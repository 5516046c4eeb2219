#include "views/window/WindowDrawing.h"

#include <algorithm>
#include <string>


namespace {

constexpr std::uint32_t kCaptionBits = 0xC00000;
constexpr int kAllChildrenBuilder = 995;
constexpr int kShowGrandchildren = 8;

constexpr ViewPen kHighlightPen{ViewColour::System(kColourButtonHighlight)};
constexpr ViewPen kLightPen{ViewColour::System(kColourLight)};
constexpr ViewPen kShadowPen{ViewColour::System(kColourButtonShadow)};
constexpr ViewPen kDarkShadowPen{ViewColour::System(kColourDarkShadow)};
constexpr ViewColour kLinkBlue = ViewColour::Rgb(0, 0, 255);
constexpr ViewPen kLinkPen{kLinkBlue};
constexpr ViewPen kSelectionPen{ViewColour::Rgb(255, 0, 0), 2};
constexpr ViewColour kImageGreen = ViewColour::Rgb(22, 230, 0);

bool Contains(const std::vector<CWindowKav*>& list, const CWindowKav* window) {
    return std::find(list.begin(), list.end(), window) != list.end();
}

bool IsHtmlClass(const CWindowKav& window, const char* first, const char* second) {
    return window.GetClass() == first || window.GetClass() == second;
}

long long Area(const WindowRect& rect) {
    return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

ViewRect ToView(const WindowRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// Appends the drawing of one window at the rectangle r.
class TypeDrawing {
public:
    TypeDrawing(const CWindowKav& window, const ViewRect& r, DrawList& out) : window_(window), r_(r), out_(out) {}

    void Draw() {
        switch (window_.GetType()) {
            case kWndMain: return Window(kColourWindow, true, window_.HasCaption());
            case kWndChild: return Window(kColourButtonFace, false, window_.HasCaption());
            case kWndDialogBox: return Window(kColourButtonFace, true, window_.HasCaption());
            case kWndCustom:
                // Frames and areas of web pages never have a title bar.
                if (IsHtmlClass(window_, "html_frame", "html_rect")) return Window(kColourButtonHighlight, true, false);
                return Window(kColourLight, true, window_.HasCaption());
            case kWndStaticText:
                return InBitmap(kColourLight, [&] { out_.push_back(draw::Text{r_, window_.GetCaption(), ViewFont()}); });
            case kWndInputField:
            case kWndListBox:
            case kWndListView:
                Fill(kColourWindow);
                SunkenEdge();
                return NameText();
            case kWndGroupBox: return InBitmap(kColourLight, [&] { RealControl(ControlKind::GroupBox, window_.GetCaption()); });
            case kWndPushButton:
                return InBitmap(kColourLight, [&] { RealControl(ControlKind::PushButton, window_.GetCaption()); });
            case kWndCheckBox: return InBitmap(kColourLight, [&] { RealControl(ControlKind::CheckBox, window_.GetCaption()); });
            case kWndRadioButton:
                return InBitmap(kColourLight, [&] { RealControl(ControlKind::RadioButton, window_.GetCaption()); });
            case kWndComboBox:
                RealControl(ControlKind::ComboBox, "");
                return NameText();
            case kWndTabControl:
                return InBitmap(kColourLight, [&] { RealControl(ControlKind::TabControl, window_.GetName(), {"", "", ""}); });
            case kWndToolBar:
                Fill(kColourButtonFace);
                out_.push_back(draw::Edge3D{r_, ViewColour::System(kColourButtonHighlight),
                                            ViewColour::System(kColourButtonShadow)});
                return;
            case kWndHeader:
                return InBitmap(kColourLight, [&] { RealControl(ControlKind::Header, "", {window_.GetName(), "", ""}); });
            case kWndTreeControl:
                return InBitmap(kColourLight, [&] {
                    RealControl(ControlKind::TreeControl, window_.GetName(), {"Item1", "Item2"});
                    SunkenEdge();
                });
            case kWndTable:
                Fill(kColourWindow);
                NameText();
                TableLines();
                return SunkenEdge();
            case kWndLink: return InBitmap(kColourButtonHighlight, [&] { Link(); });
            case kWndImage:
                return InBitmap(kColourLight, [&] {
                    out_.push_back(draw::Box{r_, kDarkShadowPen, kImageGreen});
                    out_.push_back(draw::Text{{r_.left + 3, r_.top + 3, r_.right, r_.bottom}, window_.GetName(), ViewFont()});
                });
            default: return;  // menu bars and menu items are the menu view's
        }
    }

private:
    void Fill(SystemColour colour) { out_.push_back(draw::Fill{r_, ViewColour::System(colour)}); }

    void NameText() {
        out_.push_back(draw::Text{{r_.left + 3, r_.top + 3, r_.right, r_.bottom}, window_.GetName(), ViewFont()});
    }

    // A top-level window: its background, its name, and its frame with or without title bar.
    void Window(SystemColour background, bool named, bool captioned) {
        Fill(background);
        if (named) NameText();
        WindowFrame(captioned);
    }

    void WindowFrame(bool captioned) {
        if (captioned) out_.push_back(draw::Control{ControlKind::CaptionFrame, r_, window_.GetCaption(), {}});
        else out_.push_back(draw::Control{ControlKind::BorderFrame, r_, "", {}});
    }

    void RealControl(ControlKind kind, const std::string& label, std::vector<std::string> items = {}) {
        out_.push_back(draw::Control{kind, r_, label, std::move(items)});
    }

    // Drawn as on a bitmap of the rectangle's size filled with the colour: nothing reaches
    // outside the rectangle.
    template <class Drawing>
    void InBitmap(SystemColour background, Drawing drawing) {
        out_.push_back(draw::Clip{r_});
        Fill(background);
        drawing();
        out_.push_back(draw::Clip{});
    }

    void SunkenEdge() {
        const ViewRect& r = r_;
        out_.push_back(draw::Lines{{{r.left, r.bottom - 2}, {r.left, r.top}, {r.right - 1, r.top}}, kShadowPen});
        out_.push_back(draw::Lines{{{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}},
                                   kHighlightPen});
        out_.push_back(draw::Lines{{{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 2, r.top + 1}},
                                   kDarkShadowPen});
        out_.push_back(draw::Lines{{{r.right - 2, r.top + 1}, {r.right - 2, r.bottom - 2}, {r.left - 1, r.bottom - 2}},
                                   kLightPen});
    }

    // A column line down the middle and a row line every 15 pixels.
    void TableLines() {
        const ViewRect& r = r_;
        const int middle = (r.left + r.right) / 2;
        out_.push_back(draw::Lines{{{middle, r.top + 2}, {middle, r.bottom - 1}}, kDarkShadowPen});
        for (int k = 1; k <= r.Height() / 15; ++k)
            out_.push_back(draw::Lines{{{r.left + 2, r.top + 15 * k}, {r.right - 1, r.top + 15 * k}}, kDarkShadowPen});
    }

    void Link() {
        if (IsHtmlClass(window_, "html_area", "html_rect")) {
            out_.push_back(draw::Box{r_, kLinkPen, std::nullopt});
            return;
        }
        out_.push_back(draw::Text{r_, window_.GetCaption(), ViewFont(), kLinkBlue});
        out_.push_back(draw::Lines{{{r_.left, r_.top + 14}, {r_.left + r_.Width() - 1, r_.top + 14}}, kLinkPen});
    }

    const CWindowKav& window_;
    const ViewRect r_;
    DrawList& out_;
};

}  // namespace

const TextFont& ViewFont() {
    static const TextFont font{"Microsoft Sans Serif", 14, 400};
    return font;
}

void DrawWindowObject(const CWindowKav& window, const WindowDrawingScope& scope, DrawList& out) {
    const ViewRect r = scope.layout.GetViewRect(&window);
    TypeDrawing(window, r, out).Draw();
    if (Contains(scope.selection, &window))
        out.push_back(draw::Lines{{{r.left, r.top + 1},
                                   {r.right - 1, r.top + 1},
                                   {r.right - 1, r.bottom - 1},
                                   {r.left + 1, r.bottom - 1},
                                   {r.left + 1, r.top}},
                                  kSelectionPen});
    if (!(scope.displayFlags & kShowGrandchildren) || &window == scope.layout.GetWindow()) return;
    for (const CWindowKav* child : window.GetChildren())
        if (!(child->GetStyle() & kCaptionBits) || window.GetGuiID() == kAllChildrenBuilder)
            DrawWindowObject(*child, scope, out);
}

std::vector<CWindowKav*> OrderForDrawing(const CWindowKav& displayed, const std::vector<CWindowKav*>& selection,
                                         const CWindowKav* picked) {
    std::vector<CWindowKav*> order;
    for (CWindowKav* c : displayed.GetChildren()) {
        if (c->GetType() == kWndMenu || c->GetType() == kWndMenuItem) continue;
        const bool cSelected = Contains(selection, c);
        auto place = order.begin();
        for (; place != order.end(); ++place) {
            const CWindowKav* e = *place;
            const ViewRect i = Intersection(ToView(c->GetRect()), ToView(e->GetRect()));
            if (i == ToView(c->GetRect())) continue;  // c lies inside e
            if (i == ToView(e->GetRect())) break;     // e lies inside c
            const bool eSelected = Contains(selection, e);
            const bool cGoesLater = c == picked || (cSelected && !eSelected) ||
                                    (e != picked && (!eSelected || cSelected) &&
                                     (i.IsEmpty() || Area(c->GetRect()) <= Area(e->GetRect())));
            if (!cGoesLater) break;
        }
        order.insert(place, c);
    }
    return order;
}
