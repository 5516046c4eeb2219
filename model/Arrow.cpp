#include "model/Arrow.h"

#include <cmath>

namespace {

ArrowPoint Rounded(double x, double y) {
    return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

// The head whose tip is at `tip` and which points along the unit vector (ux, uy): neck, one
// barb, tip, other barb, neck.
void AddHead(ArrowPoint tip, double ux, double uy, int length, int width, ArrowPoint* out) {
    const double neckX = tip.x - ux * length, neckY = tip.y - uy * length;
    const double nx = -uy * width, ny = ux * width;
    out[0] = Rounded(neckX, neckY);
    out[1] = Rounded(neckX + nx, neckY + ny);
    out[2] = tip;
    out[3] = Rounded(neckX - nx, neckY - ny);
    out[4] = out[0];
}

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
    // A zero-length arrow has no direction: its head collapses onto the point.
    const double ux = length > 0 ? dx / length : 0, uy = length > 0 ? dy / length : 0;
    if (doubleHead) {
        AddHead(start_, -ux, -uy, headLength, headWidth, &outline_[0]);
        AddHead(end_, ux, uy, headLength, headWidth, &outline_[5]);
        outlineCount_ = 10;
    } else {
        outline_[0] = start_;
        AddHead(end_, ux, uy, headLength, headWidth, &outline_[1]);
        outlineCount_ = 6;
    }
}
