#include "model/StepConnect.h"

#include "model/StepKav.h"

namespace {

constexpr int kHeadLength = 8;
constexpr int kHeadWidth = 4;

struct Span {
    int from;
    int to;
};

// Where the arrow meets the source and the destination side, measured across the flow.
// position: the boxes' offsets across the flow; lane: their grid index across the flow;
// step: their grid index along the flow; size: the box size across the flow.
Span CrossFlowSpan(int sourcePosition, int destPosition, int sourceLane, int destLane, int sourceStep,
                   int destStep, int size) {
    if (sourceLane == destLane) return {sourcePosition + size / 2, destPosition + size / 2};
    const bool adjacent = destStep - sourceStep == 1;
    auto at = [size](int position, double fraction) { return static_cast<int>(position + fraction * size); };
    if (sourceLane >= destLane) {
        if (adjacent) return {sourcePosition, destPosition + size};
        return {at(sourcePosition, 0.25), at(destPosition, 0.75)};
    }
    if (adjacent) return {sourcePosition + size, destPosition};
    return {at(sourcePosition, 0.75), at(destPosition, 0.25)};
}

}  // namespace

bool CStepConnect::UpdateArrow(int boxWidth, int boxHeight, bool topToBottom) {
    const CStepKav& s = *source_;
    const CStepKav& d = *destination_;
    if (topToBottom) {
        const Span x = CrossFlowSpan(s.GetX(), d.GetX(), s.GetColumn(), d.GetColumn(), s.GetRow(), d.GetRow(),
                                     boxWidth);
        arrow_.SetGeometry(x.from, s.GetY() + boxHeight, x.to, d.GetY(), kHeadLength, kHeadWidth, false);
    } else {
        const Span y = CrossFlowSpan(s.GetY(), d.GetY(), s.GetRow(), d.GetRow(), s.GetColumn(), d.GetColumn(),
                                     boxHeight);
        arrow_.SetGeometry(s.GetX() + boxWidth, y.from, d.GetX(), y.to, kHeadLength, kHeadWidth, false);
    }
    return true;
}
