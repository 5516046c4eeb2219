#pragma once
// Whether a click lands in a hit region. The polygon is filled alternately: a point is inside
// where a ray from it crosses the outline an odd number of times. Points on the outline itself
// are left to the rule; callers do not rely on them.
#include "model/Arrow.h"
#include "views/drawing/ViewGeometry.h"

bool RegionContains(const HitRegion& region, ViewPoint point);
