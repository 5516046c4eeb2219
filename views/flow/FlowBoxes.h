#pragma once
// The step boxes of the flow views, by the direction the flow runs: the box size, the gaps
// between boxes along x and along y, and how many characters a line of a step name holds.
struct FlowBoxes {
    int width;
    int height;
    int gapX;
    int gapY;
    int nameWidth;
};

inline constexpr FlowBoxes kLeftToRightBoxes{95, 60, 20, 15, 15};
inline constexpr FlowBoxes kTopToBottomBoxes{120, 50, 15, 20, 20};

inline const FlowBoxes& FlowBoxesFor(bool topToBottom) { return topToBottom ? kTopToBottomBoxes : kLeftToRightBoxes; }
