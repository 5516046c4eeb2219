#pragma once
// The bend path of a transition that leads from a control back to itself: up from the
// control's top edge, across to the right and down to the arrow that re-enters its right edge.
#include <vector>

#include "model/Arrow.h"
#include "views/drawing/ViewGeometry.h"

class CCorner {
public:
    void AddPoint(int x, int y) { points_.push_back({x, y}); }
    // Throws std::out_of_range for an index beyond the path.
    ViewPoint GetPoint(std::size_t index) const { return points_.at(index); }
    const std::vector<ViewPoint>& GetPoints() const { return points_; }

    bool IsSelected() const { return selected_; }
    void SetSelected(bool selected) { selected_ = selected; }

    // A band two pixels to each side of the three segments of a four-point path; a path of
    // another length has no band (a polygon of eight points at the origin).
    HitRegion CreateHitRegion() const;

private:
    std::vector<ViewPoint> points_;
    bool selected_ = false;
};
