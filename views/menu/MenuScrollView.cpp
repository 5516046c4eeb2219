#include "views/menu/MenuScrollView.h"

#include <algorithm>

#include "model/Arrow.h"
#include "model/TransitionKav.h"
#include "model/WindowList.h"
#include "model/windows/MenuWindows.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "views/drawing/HitTest.h"

namespace {

constexpr int kFatalErrorCaption = 47001;
constexpr int kNoParent = 41042;       // [F0042]
constexpr int kInvalidParent = 41043;  // [F0043]
constexpr int kMenuTitle = 47215;
constexpr int kRefreshedTitle = 47216;
constexpr int kHeadLength = 8;
constexpr int kHeadWidth = 4;

ViewRect ToView(const WindowRect& r) { return {r.left, r.top, r.right, r.bottom}; }

CMenuItemKav* AsItem(CWindowKav* window) {
    return window && window->GetType() == kWndMenuItem ? static_cast<CMenuItemKav*>(window) : nullptr;
}

int OpenIndexOf(const CWindowKav* owner) {
    if (owner->GetType() == kWndMenu) return static_cast<const CMenuKav*>(owner)->GetDrawNumber();
    return static_cast<const CMenuItemKav*>(owner)->GetDrawNumber();
}

void SetOpenChild(CWindowKav* owner, const CWindowKav* child) {
    const auto& children = owner->GetChildren();
    const auto it = std::find(children.begin(), children.end(), child);
    const int index = it == children.end() ? CMenuScrollView::kNoOpenItem : static_cast<int>(it - children.begin());
    if (owner->GetType() == kWndMenu) {
        static_cast<CMenuKav*>(owner)->SetDrawNumber(index);
    } else {
        static_cast<CMenuItemKav*>(owner)->SetDrawNumber(index);
    }
}

bool IsSelfTransition(const CTransitionKav& transition, const CWindowKav& owner) {
    return transition.GetDestWindow() == &owner;
}

struct ItemGeometry {
    int w, h, cx, cy, h2;
};

ItemGeometry GeometryOf(const CMenuItemKav& item) {
    const WindowRect& r = item.GetDrawRect(0);
    const int h = r.bottom - r.top;
    return {r.right - r.left, h, (r.left + r.right) / 2, (r.top + r.bottom) / 2, h / 2};
}

std::vector<ArrowPoint> Outline(ArrowPoint from, ArrowPoint to) {
    CArrow arrow;
    arrow.SetGeometry(from.x, from.y, to.x, to.y, kHeadLength, kHeadWidth, false);
    const auto& outline = arrow.GetOutline();
    return {outline.begin(), outline.begin() + 6};
}

void Fatal(int text) {
    GetInteraction().ShowMessage({LoadMessage(text), LoadMessage(kFatalErrorCaption), MessageButtons::Ok,
                                  MessageIcon::Error});
}

}  // namespace

CMenuItemKav* OpenChildOf(const CWindowKav* owner) {
    if (!owner) return nullptr;
    const int index = OpenIndexOf(owner);
    const auto& children = owner->GetChildren();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return AsItem(children[static_cast<std::size_t>(index)]);
}

CMenuScrollView::CMenuScrollView(MenuViewHost& host) : host_(host) {}

const TextFont& CMenuScrollView::Font() {
    static const TextFont font{"Microsoft Sans Serif", 14, 400};
    return font;
}

void CMenuScrollView::SetDisplayedWindow(CMenuKav* menu, int displayFlags) {
    menu_ = menu;
    displayFlags_ = displayFlags;
    ResetLayout();
}

void CMenuScrollView::ResetLayout() {
    if (!menu_) return;
    menu_->SetDrawRect({});
    menu_->SetDrawText("");
    menu_->SetDrawNumber(kNoOpenItem);
    std::string text;
    BuildMenuTexts(menu_->GetChildren(), text, " ", " ");
    menu_->SetDrawText(text);
}

void CMenuScrollView::OnInitialUpdate() {
    if (menu_) host_.ShowTitle(LoadMessage(kMenuTitle) + menu_->GetName());
}

void CMenuScrollView::BuildMenuTexts(const std::vector<CWindowKav*>& items, std::string& text,
                                     const std::string& prefix, const std::string& suffix) {
    for (CWindowKav* window : items) {
        CMenuItemKav* item = AsItem(window);
        if (!item) continue;
        item->SetDrawRect(0, {});
        if (item->IsSeparator()) {
            text += suffix;
        } else if (item->IsPopup()) {
            item->SetDrawRect(1, {});
            item->SetDrawNumber(kNoOpenItem);
            std::string dropDown;
            BuildMenuTexts(item->GetChildren(), dropDown, "  ", "\n");
            item->SetDrawText(dropDown);
            text += prefix + item->GetCaption() + "   " + suffix;
        } else {
            text += prefix + item->GetCaption() + suffix;
        }
    }
}

// ---- Layout

void CMenuScrollView::LayoutIfNeeded(const TextSurface& surface) {
    if (!menu_ || menu_->GetDrawRect() != WindowRect{}) return;
    const int t = surface.Measure("A\xC3\x84gCDEF", Font(), 0).height;
    lineHeight_ = t;
    int x = 0;
    for (CWindowKav* window : menu_->GetChildren()) {
        CMenuItemKav* item = AsItem(window);
        if (!item) continue;
        const int w = surface.Measure("  " + item->GetCaption() + "  ", Font(), 0).width + 4;
        item->SetDrawRect(0, {x, 3, x + w, t + 7});
        if (item->IsPopup()) LayoutDropDown(*item, {x, t + 7}, surface);
        x += w;
    }
    menu_->SetDrawRect({0, 0, x, t + 7});
    ComputeTransitionShapes(menu_->GetChildren(), true);
}

void CMenuScrollView::LayoutDropDown(CMenuItemKav& popup, ViewPoint origin, const TextSurface& surface) {
    if (popup.GetDrawRect(1) != WindowRect{}) return;
    const int row = surface.Measure("Ag\xC3\x84" "CDEF", Font(), 0).height + 4;
    int width = 0;
    const std::string text = popup.GetDrawText();
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        width = std::max(width, surface.Measure(text.substr(start, end - start), Font(), 0).width + 4);
        start = end + 1;
    }
    const auto& children = popup.GetChildren();
    popup.SetDrawRect(1, {origin.x, origin.y, origin.x + width,
                          origin.y + row * static_cast<int>(children.size()) + 4});
    int y = origin.y + 4;
    for (CWindowKav* window : children) {
        if (CMenuItemKav* child = AsItem(window)) {
            child->SetDrawRect(0, {origin.x, y, origin.x + width, y + row});
            if (child->IsPopup()) LayoutDropDown(*child, {origin.x + width, y}, surface);
        }
        y += row;
    }
}

void CMenuScrollView::ComputeTransitionShapes(const std::vector<CWindowKav*>& items, bool onBar) {
    for (CWindowKav* window : items) {
        CMenuItemKav* item = AsItem(window);
        if (!item) continue;
        const ItemGeometry g = GeometryOf(*item);
        int k = 0;
        for (CTransitionKav* transition : item->GetTransitions()) {
            std::vector<ArrowPoint> points;
            std::vector<ArrowPoint> region;
            if (!IsSelfTransition(*transition, *item)) {
                const ArrowPoint s = onBar ? ArrowPoint{g.cx, g.cy + 2 * g.h} : ArrowPoint{g.cx + g.w / 2, g.cy};
                const ArrowPoint e{s.x + 5 * g.h, s.y + k * g.h};
                ++k;
                points = Outline(s, e);
                region = {points[0], points[2], points[3], points[4], points[0]};
                transition->SetLabelRect({e.x, e.y - lineHeight_ / 2, e.x, e.y - lineHeight_ / 2});
            } else if (onBar) {
                const int q = g.w / 4;
                const ArrowPoint p0{g.cx - q, g.cy + g.h2};
                const ArrowPoint p1{p0.x, p0.y + 2 * g.h2};
                const ArrowPoint a{p1.x + 2 * q, p1.y};
                points = {p0, p1};
                for (ArrowPoint point : Outline(a, {a.x, a.y - 2 * g.h2})) points.push_back(point);
                region.assign(points.begin(), points.begin() + 6);
                region.push_back(p0);
            } else {
                const ArrowPoint p0{g.cx, g.cy + g.h2};
                const ArrowPoint p1{g.cx, p0.y + 2 * g.h2};
                const ArrowPoint p2{g.cx + g.w / 2 + 2 * g.h2, p1.y};
                const ArrowPoint a{p2.x, p1.y - 3 * g.h2};
                points = {p0, p1, p2};
                for (ArrowPoint point : Outline(a, {a.x - 2 * g.h2, a.y})) points.push_back(point);
                region.assign(points.begin(), points.begin() + 7);
                region.push_back(p0);
            }
            transition->SetPolyline(std::move(points));
            transition->SetHitRegion(HitRegion{std::move(region)});
        }
        if (item->IsPopup()) ComputeTransitionShapes(item->GetChildren(), false);
    }
}

// ---- Selection

void CMenuScrollView::CloseOpenChain(CMenuItemKav* item) {
    if (!item || !item->IsPopup()) return;
    if (CMenuItemKav* open = OpenChildOf(item)) {
        CloseOpenChain(open);
        item->SetDrawNumber(kNoOpenItem);
    }
}

void CMenuScrollView::HitTest(const std::vector<CWindowKav*>& items, const ViewRect& container, CWindowKav* owner,
                              ViewPoint point) {
    CMenuItemKav* open = OpenChildOf(owner);
    if (container.Contains(point)) {
        CloseOpenChain(open);
        hoverItem_ = nullptr;
        for (CWindowKav* window : items) {
            CMenuItemKav* item = AsItem(window);
            if (item && ToView(item->GetDrawRect(0)).Contains(point)) {
                hoverItem_ = item;
                break;
            }
        }
        SetOpenChild(owner, hoverItem_);
        currentTransition_ = nullptr;
        return;
    }
    if (!open) return;
    if (open->IsPopup()) {
        HitTest(open->GetChildren(), ToView(open->GetDrawRect(1)), open, point);
        if (OpenChildOf(open)) return;
    } else if ((selection_ || hoverItem_) && ShowsTransitions()) {
        for (CTransitionKav* transition : open->GetTransitions()) {
            const HitRegion* region = transition->GetHitRegion();
            if (region && RegionContains(*region, point)) {
                currentTransition_ = transition;
                return;
            }
        }
    }
    CloseOpenChain(open);
    hoverItem_ = nullptr;
    currentTransition_ = nullptr;
    if (!(open->IsPopup() && state_ == kStateTracking)) SetOpenChild(owner, nullptr);
}

void CMenuScrollView::HitTestBar(ViewPoint point) {
    if (menu_) HitTest(menu_->GetChildren(), ToView(menu_->GetDrawRect()), menu_, point);
}

void CMenuScrollView::SelectMenuItem(CWindowKav* object) {
    selection_ = object;
    state_ = object ? kStateItem : kStateNone;
    currentTransition_ = nullptr;
    for (CWindowKav* from = object; from && from != menu_;) {
        CWindowKav* parent = from->GetParent();
        if (!parent) {
            Fatal(kNoParent);
            break;
        }
        if (parent->GetType() == kWndMenuItem) {
            SetOpenChild(parent, from);
            from = parent;
        } else if (parent->GetType() == kWndMenu) {
            SetOpenChild(parent, from);
            break;
        } else {
            Fatal(kInvalidParent);
            break;
        }
    }
    host_.Redraw();
}

void CMenuScrollView::SelectTransition(CTransitionKav* transition) {
    if (!transition) return;
    SelectMenuItem(transition->GetStartWindow());
    currentTransition_ = transition;
    state_ = kStateTransition;
    host_.Redraw();
}

void CMenuScrollView::SetDisplayFlags(int flags) {
    displayFlags_ = flags;
    host_.Redraw();
}

void CMenuScrollView::RefreshWindow(const CWindowList& windows) {
    if (!menu_) return;
    if (windows.FindByName(menu_->GetName(), menu_->GetFile()) != menu_) {
        host_.CloseView();
        return;
    }
    selection_ = nullptr;
    currentTransition_ = nullptr;
    hoverItem_ = nullptr;
    state_ = kStateNone;
    host_.ShowTitle(LoadMessage(kRefreshedTitle) + menu_->GetName());
    ResetLayout();
    host_.Redraw();
}

void CMenuScrollView::RebindModel(CWindowList& windows) {
    if (!menu_) return;
    CWindowKav* menu = windows.FindByID(menu_->GetInternalID());
    if (!menu || menu->GetType() != kWndMenu) {
        host_.CloseView();
        return;
    }
    menu_ = static_cast<CMenuKav*>(menu);
    selection_ = selection_ ? windows.FindByID(selection_->GetInternalID()) : nullptr;
    currentTransition_ = nullptr;
    hoverItem_ = nullptr;
    RefreshWindow(windows);
}

// ---- Mouse

void CMenuScrollView::OnMouseMove(ViewPoint point) {
    if (state_ != kStateTracking) return;
    const CMenuItemKav* hover = hoverItem_;
    const CTransitionKav* transition = currentTransition_;
    HitTestBar(point);
    if (hover != hoverItem_ || transition != currentTransition_) host_.Redraw();
}

void CMenuScrollView::OnLeftButtonDown(ViewPoint point) {
    const CWindowKav* selection = selection_;
    const CTransitionKav* transition = currentTransition_;
    HitTestBar(point);
    if (currentTransition_) {
        state_ = kStateTransition;
        if (reportTransitionClicks_) host_.ReportTransition(currentTransition_);
    } else {
        state_ = kStateTracking;
    }
    if (selection != hoverItem_ || transition != currentTransition_) host_.Redraw();
}

void CMenuScrollView::OnLeftButtonUp(ViewPoint point) {
    if (state_ == kStateTransition) {
        hoverItem_ = nullptr;
        return;
    }
    HitTestBar(point);
    if (hoverItem_) {
        state_ = kStateItem;
        selection_ = hoverItem_;
        if (!hoverItem_->IsPopup() && !hoverItem_->IsSeparator()) host_.ReportMenuItem(hoverItem_);
    } else {
        state_ = kStateNone;
        selection_ = nullptr;
        if (menu_) {
            CloseOpenChain(OpenChildOf(menu_));
            menu_->SetDrawNumber(kNoOpenItem);
        }
    }
    hoverItem_ = nullptr;
    host_.Redraw();
}

void CMenuScrollView::OnDoubleClick() {
    if (currentTransition_) host_.ReportTransition(currentTransition_);
}

void CMenuScrollView::OnContextMenuAt(ViewPoint point) {
    HitTestBar(point);
    if (currentTransition_) {
        state_ = kStateTransition;
    } else if (hoverItem_) {
        state_ = kStateItem;
        selection_ = hoverItem_;
    } else {
        state_ = kStateNone;
        selection_ = nullptr;
    }
    host_.Redraw();
}

void CMenuScrollView::OnContextCommand(int command) {
    if (command == kEditTransitionCommand) {
        if (currentTransition_) host_.ReportTransition(currentTransition_);
    } else if (command != 0) {
        host_.SendCommand(command);
    }
}
