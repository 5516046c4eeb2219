#pragma once
// The rectangle tracker of the window view's selection: a rectangle with eight resize handles
// outside it, moved or resized by dragging. The view keeps it within the room the controls'
// parents leave while it is dragged.
#include "views/drawing/ViewGeometry.h"

enum class TrackerHit {
    Nothing = -1,
    TopLeft = 0,
    TopRight,
    BottomRight,
    BottomLeft,
    Top,
    Right,
    Bottom,
    Left,
    Middle,
};

class CKavTracker {
public:
    static constexpr int kHandleSize = 6;

    void SetRect(const ViewRect& rect) { rect_ = rect; }
    const ViewRect& GetRect() const { return rect_; }

    // A handle, the middle (the rectangle with its hatched border), or nothing.
    TrackerHit HitTest(ViewPoint point) const;
    ViewRect GetHandleRect(TrackerHit handle) const;

    // The rectangle as dragging the hit part from one point to another makes it: the middle
    // moves the whole rectangle, a handle its edges.
    static ViewRect Dragged(const ViewRect& rect, TrackerHit hit, ViewPoint from, ViewPoint to);

private:
    ViewRect rect_;
};
