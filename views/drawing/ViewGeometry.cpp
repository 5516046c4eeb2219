#include "views/drawing/ViewGeometry.h"

ViewRect Intersection(const ViewRect& a, const ViewRect& b) {
    const ViewRect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                          std::min(a.bottom, b.bottom)};
    return common.IsEmpty() ? ViewRect{} : common;
}

ViewRect Union(const ViewRect& a, const ViewRect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

std::optional<ViewSize> PictureSize(ViewSize drawing) {
    constexpr int kMaxPictureExtent = 16384;
    if (drawing.width > kMaxPictureExtent || drawing.height > kMaxPictureExtent) return std::nullopt;
    return ViewSize{(drawing.width + 3) / 4 * 4, drawing.height};
}
