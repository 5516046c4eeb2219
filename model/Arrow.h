#pragma once
// The drawn arrow of a flow graph: a shaft from start to end with a head at the end, or two
// heads one behind the other at the end. The model keeps its geometry; the views draw it.
#include <array>
#include <vector>

struct ArrowPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ArrowPoint&) const = default;
};

// The area in which a click selects a drawn arrow: a closed polygon, filled alternately.
struct HitRegion {
    std::vector<ArrowPoint> polygon;
    bool operator==(const HitRegion&) const = default;
};

class CArrow {
public:
    // The outline of a single-headed arrow has 6 points, of a double-headed one 10.
    static constexpr int kMaxOutlinePoints = 10;

    // Stores the geometry and recomputes the outline. The head is headLength long along the
    // shaft and reaches headWidth to each side of it. Start and end should differ: an arrow
    // without length has no direction, and its outline collapses onto the end point.
    void SetGeometry(int startX, int startY, int endX, int endY, int headLength, int headWidth, bool doubleHead);

    ArrowPoint GetStart() const { return start_; }
    ArrowPoint GetEnd() const { return end_; }
    int GetHeadLength() const { return headLength_; }
    int GetHeadWidth() const { return headWidth_; }
    bool IsDoubleHead() const { return doubleHead_; }
    int GetOutlineCount() const { return outlineCount_; }
    // The outline as a polyline: along the shaft to the base of the head and around the head
    // (around both heads for a double head).
    const std::array<ArrowPoint, kMaxOutlinePoints>& GetOutline() const { return outline_; }

    // The band about the shaft, about two pixels wide to each side (the head is not part of
    // it): narrower across a diagonal shaft, so that steep and flat shafts are hit alike.
    HitRegion CreateHitRegion() const;

    bool operator==(const CArrow&) const = default;

private:
    std::array<ArrowPoint, kMaxOutlinePoints> outline_{};
    int outlineCount_ = 0;
    ArrowPoint start_;
    ArrowPoint end_;
    int headLength_ = 0;
    int headWidth_ = 0;
    bool doubleHead_ = false;
};
