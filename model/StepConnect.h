#pragma once
// The drawn connection between two step boxes of a flow view, with its arrow. The views own
// these objects and rebuild them from the task's connections.
#include "model/Arrow.h"

class CStepKav;

class CStepConnect {
public:
    CStepConnect(CStepKav* source, CStepKav* destination) : source_(source), destination_(destination) {}
    CStepConnect(const CStepConnect&) = delete;
    CStepConnect& operator=(const CStepConnect&) = delete;
    virtual ~CStepConnect() = default;

    CStepKav* GetSource() const { return source_; }
    CStepKav* GetDestination() const { return destination_; }
    const CArrow& GetArrow() const { return arrow_; }

    // Places the arrow between the two boxes of boxWidth by boxHeight pixels at the steps' X and
    // Y: from the side of the source box that faces along the flow to the opposite side of the
    // destination box, offset along that side when the boxes are not aligned.
    bool UpdateArrow(int boxWidth, int boxHeight, bool topToBottom);

private:
    CStepKav* source_;
    CStepKav* destination_;
    CArrow arrow_;
};
