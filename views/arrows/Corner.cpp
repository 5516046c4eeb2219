#include "views/arrows/Corner.h"

HitRegion CCorner::CreateHitRegion() const {
    if (points_.size() != 4) return {std::vector<ArrowPoint>(8)};
    const ViewPoint p0 = points_[0], p1 = points_[1], p2 = points_[2], p3 = points_[3];
    return {{{p0.x - 2, p0.y},
             {p1.x - 2, p1.y - 2},
             {p2.x + 2, p2.y - 2},
             {p3.x + 2, p3.y},
             {p3.x - 2, p3.y},
             {p2.x - 2, p2.y + 2},
             {p1.x + 2, p1.y + 2},
             {p0.x + 2, p0.y}}};
}
