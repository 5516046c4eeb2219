#include "model/Arrow.h"

#include <cmath>
#include <numbers>

namespace {

// Every point of the outline is computed in doubles and truncated toward zero.
ArrowPoint Truncated(double x, double y) { return {static_cast<int>(x), static_cast<int>(y)}; }

}  // namespace

void CArrow::SetGeometry(int startX, int startY, int endX, int endY, int headLength, int headWidth,
                         bool doubleHead) {
    start_ = {startX, startY};
    end_ = {endX, endY};
    headLength_ = headLength;
    headWidth_ = headWidth;
    doubleHead_ = doubleHead;
    outline_ = {};

    const double dx = endX - startX, dy = endY - startY;
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 0, uy = length > 0 ? dy / length : 0;
    // The base of the head on the shaft and the offset from it to one wing.
    const double baseX = endX - headLength * ux, baseY = endY - headLength * uy;
    const double wingX = headWidth * uy, wingY = -headWidth * ux;
    const ArrowPoint base = Truncated(baseX, baseY);
    const ArrowPoint wing = Truncated(baseX + wingX, baseY + wingY);
    const ArrowPoint otherWing = Truncated(baseX - wingX, baseY - wingY);
    if (!doubleHead) {
        outline_ = {start_, base, wing, end_, otherWing, base};
        outlineCount_ = 6;
        return;
    }
    const double base2X = endX - 2.0 * headLength * ux, base2Y = endY - 2.0 * headLength * uy;
    const ArrowPoint base2 = Truncated(base2X, base2Y);
    outline_ = {start_, base2, Truncated(base2X + wingX, base2Y + wingY), base, wing,
                end_,   otherWing, base, Truncated(base2X - wingX, base2Y - wingY), base2};
    outlineCount_ = 10;
}

HitRegion CArrow::CreateHitRegion() const {
    const int x1 = start_.x, y1 = start_.y, x2 = end_.x, y2 = end_.y;
    // 0 for a horizontal shaft, 1 for a vertical one.
    const double steepness = std::atan2(std::abs(y1 - y2), std::abs(x1 - x2)) * 2 / std::numbers::pi;
    const int ox = static_cast<int>(std::ceil(2 * steepness));
    const int oy = static_cast<int>(std::ceil(2 * (1 - steepness)));
    // A shaft that rises to the right (running up-right or down-left) takes the mirrored band.
    const bool risesToTheRight = (x1 > x2 && y1 < y2) || (x1 < x2 && y1 > y2);
    if (risesToTheRight)
        return {{{x1 - ox, y1 - oy}, {x1 + ox, y1 + oy}, {x2 + ox, y2 + oy}, {x2 - ox, y2 - oy}}};
    return {{{x1 - ox, y1 + oy}, {x1 + ox, y1 - oy}, {x2 + ox, y2 - oy}, {x2 - ox, y2 + oy}}};
}
