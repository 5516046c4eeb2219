#include "views/drawing/HitTest.h"

bool RegionContains(const HitRegion& region, ViewPoint point) {
    const auto& polygon = region.polygon;
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const ArrowPoint& a = polygon[i];
        const ArrowPoint& b = polygon[j];
        if ((a.y > point.y) == (b.y > point.y)) continue;
        // The x where the edge crosses the point's row, compared without division.
        const long long lhs = static_cast<long long>(point.x - a.x) * (b.y - a.y);
        const long long rhs = static_cast<long long>(b.x - a.x) * (point.y - a.y);
        if ((b.y > a.y) ? lhs < rhs : lhs > rhs) inside = !inside;
    }
    return inside;
}
