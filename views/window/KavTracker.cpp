#include "views/window/KavTracker.h"

ViewRect CKavTracker::GetHandleRect(TrackerHit handle) const {
    const ViewRect r = rect_.Normalized();
    const int size = kHandleSize;
    const int midX = (r.left + r.right) / 2 - size / 2;
    const int midY = (r.top + r.bottom) / 2 - size / 2;
    switch (handle) {
        case TrackerHit::TopLeft: return {r.left - size, r.top - size, r.left, r.top};
        case TrackerHit::TopRight: return {r.right, r.top - size, r.right + size, r.top};
        case TrackerHit::BottomRight: return {r.right, r.bottom, r.right + size, r.bottom + size};
        case TrackerHit::BottomLeft: return {r.left - size, r.bottom, r.left, r.bottom + size};
        case TrackerHit::Top: return {midX, r.top - size, midX + size, r.top};
        case TrackerHit::Right: return {r.right, midY, r.right + size, midY + size};
        case TrackerHit::Bottom: return {midX, r.bottom, midX + size, r.bottom + size};
        case TrackerHit::Left: return {r.left - size, midY, r.left, midY + size};
        default: return {};
    }
}

TrackerHit CKavTracker::HitTest(ViewPoint point) const {
    if (!rect_.Normalized().Inflated(kHandleSize, kHandleSize).Contains(point)) return TrackerHit::Nothing;
    for (int handle = 0; handle < 8; ++handle)
        if (GetHandleRect(static_cast<TrackerHit>(handle)).Contains(point)) return static_cast<TrackerHit>(handle);
    return TrackerHit::Middle;
}

ViewRect CKavTracker::Dragged(const ViewRect& rect, TrackerHit hit, ViewPoint from, ViewPoint to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    ViewRect r = rect;
    switch (hit) {
        case TrackerHit::Middle: return rect.Offset(dx, dy);
        case TrackerHit::TopLeft: r.left += dx, r.top += dy; break;
        case TrackerHit::TopRight: r.right += dx, r.top += dy; break;
        case TrackerHit::BottomRight: r.right += dx, r.bottom += dy; break;
        case TrackerHit::BottomLeft: r.left += dx, r.bottom += dy; break;
        case TrackerHit::Top: r.top += dy; break;
        case TrackerHit::Right: r.right += dx; break;
        case TrackerHit::Bottom: r.bottom += dy; break;
        case TrackerHit::Left: r.left += dx; break;
        case TrackerHit::Nothing: break;
    }
    return r;
}
