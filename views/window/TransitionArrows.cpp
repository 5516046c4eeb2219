#include "views/window/TransitionArrows.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "views/drawing/HitTest.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kShowGrandchildren = 8;

bool DrawsNoArrows(const CWindowKav* window) {
    return window->GetType() == kWndMenu || window->GetType() == kWndMenuItem;
}

int MiddleX(const ViewRect& rect) { return (rect.left + rect.right) / 2; }
int MiddleY(const ViewRect& rect) { return (rect.top + rect.bottom) / 2; }

// Whether a's names come before b's: source, then destination, without case.
bool ComesBefore(const TransitionArrow& a, const TransitionArrow& b) {
    const int bySource = CompareNoCase(a.source->GetName(), b.source->GetName());
    if (bySource != 0) return bySource < 0;
    return CompareNoCase(a.destination->GetName(), b.destination->GetName()) < 0;
}

// The angle that decides between horizontal and vertical routing: 0 when one rectangle's
// vertical extent lies within the other's, 0.35 pi when they overlap horizontally.
double RoutingAngle(const ViewRect& s, const ViewRect& d) {
    if ((s.top >= d.top && s.bottom <= d.bottom) || (d.top >= s.top && d.bottom <= s.bottom)) return 0;
    const double dy = std::abs(MiddleY(s) - MiddleY(d));
    if (s.right <= d.left) return std::atan2(dy, std::abs(s.right - d.left));
    if (s.left >= d.right) return std::atan2(dy, std::abs(s.left - d.right));
    return 0.35 * kPi;
}

// How far apart the ends of arrows are spread: wider the steeper a horizontal arrow runs, and
// the flatter a vertical one.
double SpreadFactor(double slope, bool horizontal) {
    if (horizontal) {
        if (slope < kPi / 15) return 1.0;
        if (slope <= kPi / 6) return kPi / (10 * slope);
        if (slope < 0.45 * kPi) return 1.5;
        return 3.0;
    }
    if (std::abs(slope - kPi / 2) <= 0.000001) return 1.0;
    return slope > 0 ? std::min(5.0, kPi / (2.5 * slope)) : 5.0;
}

}  // namespace

bool TransitionArrow::IsHit(ViewPoint point) const {
    return RegionContains(shape.CreateHitRegion(), point) || (corner && RegionContains(corner->CreateHitRegion(), point));
}

void TransitionArrows::Clear() {
    arrows_.clear();
    corners_.clear();
    boxes_.clear();
}

void TransitionArrows::Build(const DialogLayout& layout, int displayFlags, const std::vector<CWindowKav*>& windowTable) {
    Clear();
    layout_ = &layout;
    boxCursor_ = layout.GetBoxAnchor();
    CWindowKav* displayed = layout.GetWindow();
    if (!displayed) return;

    // The windows below each child, in the table's order.
    std::map<const CWindowKav*, std::vector<CWindowKav*>> below;
    if (displayFlags & kShowGrandchildren) {
        for (CWindowKav* window : windowTable) {
            const CWindowKav* child = window->GetParent();
            if (!child || child == displayed || window == displayed) continue;
            while (child->GetParent() && child->GetParent() != displayed) child = child->GetParent();
            if (child->GetParent() == displayed) below[child].push_back(window);
        }
    }
    AddTransitionArrows(displayed);
    for (CWindowKav* child : displayed->GetChildren()) {
        AddTransitionArrows(child);
        if (const auto found = below.find(child); found != below.end())
            for (CWindowKav* window : found->second) AddTransitionArrows(window);
    }
}

void TransitionArrows::AddTransitionArrows(CWindowKav* window) {
    for (CTransitionKav* transition : window->GetTransitions()) {
        std::unique_ptr<TransitionArrow> arrow = Route(window, transition->GetDestWindow(), true);
        if (!arrow) continue;
        arrow->transition = transition;
        InsertSorted(std::move(arrow));
    }
}

void TransitionArrows::InsertSorted(std::unique_ptr<TransitionArrow> arrow) {
    const auto after = std::upper_bound(arrows_.begin(), arrows_.end(), arrow,
                                        [](const auto& a, const auto& b) { return ComesBefore(*a, *b); });
    arrows_.insert(after, std::move(arrow));
}

ViewRect TransitionArrows::DestinationRect(CWindowKav* destination, bool& doubleHead) {
    const CWindowKav* displayed = layout_->GetWindow();
    const CWindowKav* shown = destination;
    while (shown && shown != displayed && shown->GetParent() != displayed) shown = shown->GetParent();
    doubleHead = false;
    if (!shown) {
        const auto [box, added] = boxes_.try_emplace(destination->GetName(), boxCursor_.Offset(0, kBoxSpacing));
        if (added) boxCursor_ = box->second;
        return box->second;
    }
    if (shown == displayed) return layout_->GetTitleRect();
    doubleHead = shown != destination;
    return layout_->GetViewRect(shown);
}

std::unique_ptr<TransitionArrow> TransitionArrows::Route(CWindowKav* source, CWindowKav* destination, bool avoid) {
    if (!layout_ || !source || !destination || DrawsNoArrows(source)) return nullptr;
    const ViewRect s = source == layout_->GetWindow() ? layout_->GetTitleRect() : layout_->GetViewRect(source);
    bool doubleHead = false;
    const ViewRect d = DestinationRect(destination, doubleHead);

    auto arrow = std::make_unique<TransitionArrow>();
    ViewPoint start, end;
    if (s == d) {
        arrow->corner = AddLoop(s, start, end);
    } else {
        // The inner rectangles hold the arrow ends that share an edge with this one.
        ViewRect innerS{s.left + 1, s.top + 1, s.right, s.bottom};
        ViewRect innerD{d.left + 1, d.top + 1, d.right, d.bottom};
        const double angle = RoutingAngle(s, d);
        const bool horizontal =
            angle < 0.35 * kPi ||
            (angle > 0.35 * kPi && (std::abs(d.top - s.bottom) <= 9 || std::abs(d.bottom - s.top) <= 9));
        if (horizontal && s.left < d.left) {
            start = {s.right, MiddleY(s)}, end = {d.left, MiddleY(d)};
            innerS.right += 1, innerD.left -= 1;
        } else if (horizontal) {
            start = {s.left, MiddleY(s)}, end = {d.right, MiddleY(d)};
            innerS.left -= 1, innerD.right += 1;
        } else if (s.top < d.top) {
            start = {MiddleX(s), s.bottom}, end = {MiddleX(d), d.top};
            innerS.bottom += 1, innerD.top -= 1;
        } else {
            start = {MiddleX(s), s.top}, end = {MiddleX(d), d.bottom};
            innerS.top -= 1, innerD.bottom += 1;
        }
        if (avoid) {
            const Routing routing = horizontal ? Routing::Horizontal : Routing::Vertical;
            const double slope = std::atan2(std::abs(end.y - start.y), std::abs(end.x - start.x));
            const int step = static_cast<int>(std::ceil(3 * SpreadFactor(slope, horizontal)));
            (horizontal ? start.y : start.x) = SpreadEnd(start, innerS, routing, step);
            (horizontal ? end.y : end.x) = SpreadEnd(end, innerD, routing, step);
        }
    }
    arrow->shape.SetGeometry(start.x, start.y, end.x, end.y, kHeadSize, kHeadSize, doubleHead);
    arrow->source = source;
    arrow->destination = destination;
    return arrow;
}

CCorner* TransitionArrows::AddLoop(const ViewRect& rect, ViewPoint& start, ViewPoint& end) {
    // The loops of one control start 3 pixels apart along its top edge: the first 5 left of the
    // right end, then 3 further left, 3 further right, 6 left and so on, each nesting around the
    // others.
    const int x0 = rect.right - 5;
    const ViewRect topEdge{rect.left + 1, rect.top, rect.right, rect.bottom};
    int shift = 0;
    for (int k = 1;; ++k) {
        const ViewPoint first{x0 - 3 * shift, rect.top};
        const bool taken = topEdge.Contains(first) &&
                           std::any_of(corners_.begin(), corners_.end(),
                                       [&](const auto& corner) { return corner->GetPoint(0) == first; });
        if (!taken) break;
        shift = k % 2 ? (k + 1) / 2 : -(k / 2);
    }
    const int s = 3 * shift;
    const int x = x0 - s;
    const int xr = x + 20 + 6 * shift;
    const int yt = rect.top - s - 10;
    const int ym = rect.top + (rect.bottom - rect.top) / 2 + s;
    auto corner = std::make_unique<CCorner>();
    corner->AddPoint(x, rect.top);
    corner->AddPoint(x, yt);
    corner->AddPoint(xr, yt);
    corner->AddPoint(xr, ym);
    start = {xr, ym};
    end = {rect.right, ym};
    corners_.push_back(std::move(corner));
    return corners_.back().get();
}

bool TransitionArrows::ArrowEndAt(int across, int along, const ViewRect& inner, Routing routing, int direction) const {
    const auto matches = [&](ViewPoint end) {
        if (!inner.Contains(end)) return false;
        const bool horizontal = routing == Routing::Horizontal;
        const int endAcross = horizontal ? end.x : end.y;
        const int endAlong = horizontal ? end.y : end.x;
        return endAcross == across && (endAlong - along) * direction >= 0;
    };
    return std::any_of(arrows_.begin(), arrows_.end(), [&](const auto& arrow) {
        return matches(arrow->shape.GetStart()) || matches(arrow->shape.GetEnd());
    });
}

int TransitionArrows::SpreadEnd(ViewPoint point, const ViewRect& inner, Routing routing, int step) {
    const bool horizontal = routing == Routing::Horizontal;
    const int across = horizontal ? point.x : point.y;
    const int start = horizontal ? point.y : point.x;
    // First up along a side edge (right along a top or bottom edge), then the other way.
    const int first = horizontal ? -1 : 1;
    int c1 = 0;
    for (int at = start; ArrowEndAt(across, at, inner, routing, first); at += first * step) ++c1;
    int c2 = 0;
    int free = start;
    for (; ArrowEndAt(across, free, inner, routing, -first); free -= first * step) ++c2;
    if ((c1 + c2) % 2 == 1 && c2 != 0) {
        const int distance = std::abs((start - free) / c2);
        ShiftArrowEnds(distance, inner, routing);
        return free + first * distance;
    }
    return free;
}

void TransitionArrows::ShiftArrowEnds(int distance, const ViewRect& inner, Routing routing) {
    const int dx = routing == Routing::Vertical ? distance : 0;
    const int dy = routing == Routing::Horizontal ? -distance : 0;
    for (const auto& arrow : arrows_) {
        ViewPoint start = arrow->shape.GetStart(), end = arrow->shape.GetEnd();
        const bool startIn = inner.Contains(start), endIn = inner.Contains(end);
        if (endIn) end = {end.x + dx, end.y + dy};
        else if (startIn) start = {start.x + dx, start.y + dy};
        else continue;
        arrow->shape.SetGeometry(start.x, start.y, end.x, end.y, kHeadSize, kHeadSize, arrow->shape.IsDoubleHead());
    }
}
