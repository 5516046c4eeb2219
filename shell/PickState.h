#pragma once
// The state of a multi-click operation of the main frame (a new or redirected transition,
// connecting steps, assigning an object to a step, a window building block, a cut object
// waiting for its new parent): what its commands and the views' messages have picked so far.
// The frame ends it with RefreshAll; nothing here is owned.
#include <vector>

class CKavroObj;
class CTransitionKav;
class CWindowKav;
class FrameView;

struct PickState {
    // 0 none; 1 New Transition waiting for its start; 2 and 3 its start picked in a window view
    // or a menu view; 4 and 5 Connect Steps; 6 and 7 Assign Object to Step in a task-flow view
    // or a test case view; 8 Create Window Building Block; 9 and 10 a cut window or task
    // waiting for its new parent.
    int mode = 0;
    FrameView* startView = nullptr;
    FrameView* destinationView = nullptr;
    CKavroObj* startObject = nullptr;
    CKavroObj* destinationObject = nullptr;
    CTransitionKav* transitionToRedirect = nullptr;
    CWindowKav* buildingBlockWindow = nullptr;
    std::vector<CWindowKav*> pickedWindows;
    // The view that waits for an object to assign (modes 6 and 7).
    FrameView* assigningTaskFlowView = nullptr;
    FrameView* assigningTestCaseView = nullptr;
};
