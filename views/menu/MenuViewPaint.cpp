// What the menu view draws: the bar, the open chain of drop-downs, and the open plain item's
// transitions with the names of their destinations.
#include "model/TransitionKav.h"
#include "model/windows/MenuWindows.h"
#include "views/menu/MenuScrollView.h"

namespace {

constexpr ViewColour kMenuColour = ViewColour::System(kColourLight);
constexpr ViewColour kShadow = ViewColour::System(kColourButtonShadow);
constexpr ViewColour kDarkShadow = ViewColour::System(kColourDarkShadow);
constexpr ViewColour kHighlight = ViewColour::System(kColourButtonHighlight);
constexpr ViewPen kOpenFramePen{ViewColour::Rgb(255, 0, 0), 1};
constexpr ViewColour kTransitionBlue = ViewColour::Rgb(0, 0, 175);
constexpr ViewColour kCoveredGreen = ViewColour::Rgb(0, 160, 0);

ViewRect ToView(const WindowRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void Line(ViewPoint from, ViewPoint to, ViewColour colour, DrawList& list) {
    list.push_back(draw::Lines{{from, to}, {colour, 1}});
}

// A separator's two lines across its row.
void SeparatorLines(const ViewRect& row, ViewColour lower, ViewColour upper, DrawList& list) {
    const int y = (row.top + row.bottom) / 2;
    Line({row.left + 1, y}, {row.right - 1, y}, lower, list);
    Line({row.left + 1, y - 1}, {row.right - 1, y - 1}, upper, list);
}

void MenuText(const ViewRect& rect, const std::string& text, unsigned format, ViewColour background,
              DrawList& list) {
    list.push_back(draw::Text(rect, text, CMenuScrollView::Font(), kBlack, format | kTextSingleLine, background));
}

}  // namespace

DrawList CMenuScrollView::Draw(const TextSurface& surface) {
    DrawList list;
    LayoutIfNeeded(surface);
    if (!menu_) return list;
    const ViewRect bar = ToView(menu_->GetDrawRect());
    list.push_back(draw::Fill{bar, kMenuColour});
    for (CWindowKav* window : menu_->GetChildren())
        if (window->GetType() == kWndMenuItem)
            MenuText(ToView(static_cast<CMenuItemKav*>(window)->GetDrawRect(0)), "  " + window->GetCaption() + "  ",
                     kTextCenter, kMenuColour, list);
    list.push_back(draw::Lines{{{bar.left, bar.bottom}, {bar.right, bar.bottom}, {bar.right, bar.top - 1}},
                               {kShadow, 1}});
    list.push_back(
        draw::Lines{{{bar.left, bar.bottom + 1}, {bar.right + 1, bar.bottom + 1}, {bar.right + 1, bar.top - 1}},
                    {kDarkShadow, 1}});
    const CMenuItemKav* open = OpenChildOf(menu_);
    if (!open) return list;
    const ViewRect rect = ToView(open->GetDrawRect(0));
    list.push_back(draw::Box{rect, kOpenFramePen, kWhite});
    MenuText(rect.Inflated(-1, -1), "  " + open->GetCaption() + "  ", kTextCenter, kWhite, list);
    if (open->IsPopup()) {
        DrawDropDown(*open, surface, list);
    } else if (open == selection_ || open == hoverItem_) {
        DrawTransitions(*open, true, surface, list);
    }
    return list;
}

void CMenuScrollView::DrawDropDown(const CMenuItemKav& popup, const TextSurface& surface, DrawList& list) const {
    const ViewRect dropDown = ToView(popup.GetDrawRect(1));
    list.push_back(draw::Fill{dropDown, kMenuColour});
    for (const CWindowKav* window : popup.GetChildren()) {
        if (window->GetType() != kWndMenuItem) continue;
        const auto& child = static_cast<const CMenuItemKav&>(*window);
        const ViewRect row = ToView(child.GetDrawRect(0));
        if (child.IsSeparator()) {
            SeparatorLines(row, kHighlight, kShadow, list);
            continue;
        }
        MenuText(row, "  " + child.GetCaption(), kTextLeft, kMenuColour, list);
        if (child.IsPopup()) {
            MenuText(row, ">", kTextRight, kMenuColour, list);
        } else if (&child == selection_ || &child == hoverItem_) {
            DrawTransitions(child, false, surface, list);
        }
    }
    list.push_back(draw::Edge3D{dropDown, kMenuColour, kDarkShadow});
    list.push_back(draw::Edge3D{dropDown.Inflated(-1, -1), kHighlight, kShadow});
    const CMenuItemKav* open = OpenChildOf(&popup);
    if (!open) return;
    const ViewRect rect = ToView(open->GetDrawRect(0));
    list.push_back(draw::Box{rect, kOpenFramePen, kWhite});
    if (open->IsSeparator()) {
        SeparatorLines(rect, kDarkShadow, kShadow, list);
        return;
    }
    MenuText(rect.Inflated(-1, -1), "  " + open->GetCaption() + "  ", kTextLeft, kWhite, list);
    if (open->IsPopup()) {
        MenuText(rect.Inflated(-1, -1), ">", kTextRight, kWhite, list);
        DrawDropDown(*open, surface, list);
    }
}

void CMenuScrollView::DrawTransitions(const CMenuItemKav& item, bool onBar, const TextSurface& surface,
                                      DrawList& list) const {
    if (!ShowsTransitions()) return;
    const bool coverage = !(displayFlags_ & kShowTransitions);
    int others = 0;
    for (const CTransitionKav* transition : item.GetTransitions())
        if (transition->GetDestWindow() != &item) ++others;
    const WindowRect& r = item.GetDrawRect(0);
    const int h = r.bottom - r.top;
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    if (onBar && others > 0) Line({cx, cy + h / 2}, {cx, cy + 2 * h}, coverage ? kCoveredGreen : kTransitionBlue, list);
    for (const CTransitionKav* transition : item.GetTransitions()) {
        const ViewColour colour = !coverage ? kTransitionBlue : transition->GetMark() ? kCoveredGreen : kShadow;
        list.push_back(draw::Lines{transition->GetPolyline(), {colour, transition == currentTransition_ ? 2 : 1}});
        const CWindowKav* destination = transition->GetDestWindow();
        if (!destination || destination == &item) continue;
        const WindowRect& label = transition->GetLabelRect();
        const ViewSize size = surface.Measure(destination->GetName(), Font(), 0);
        MenuText({label.left, label.top, label.left + size.width, label.top + size.height}, destination->GetName(),
                 kTextLeft, kWhite, list);
    }
}
