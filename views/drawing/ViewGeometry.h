#pragma once
// Points and rectangles of the views' logical coordinates (pixels on screen, points on paper).
// A rectangle holds its left and top edge and stops before its right and bottom edge.
#include <algorithm>
#include <optional>

#include "model/Arrow.h"

using ViewPoint = ArrowPoint;

struct ViewSize {
    int width = 0;
    int height = 0;
    bool operator==(const ViewSize&) const = default;
};

struct ViewRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(ViewPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    // The other rectangle lies wholly inside this one (edges may touch).
    bool Encloses(const ViewRect& other) const {
        return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
    }
    ViewRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    ViewRect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    // Left above right and top above bottom.
    ViewRect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    bool operator==(const ViewRect&) const = default;
};

// The common part; an all-zero rectangle when they do not overlap.
ViewRect Intersection(const ViewRect& a, const ViewRect& b);
// The smallest rectangle around both; an empty one does not count.
ViewRect Union(const ViewRect& a, const ViewRect& b);

// The bitmap of a whole drawing for the documentation: its width rounded up to a multiple of 4;
// none when either side is 16385 or more.
std::optional<ViewSize> PictureSize(ViewSize drawing);
