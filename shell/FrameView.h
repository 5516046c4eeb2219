#pragma once
// An open view as the main frame sees it. The views (window, menu, task-flow and test case
// views) implement it and register with the frame while they are open; the frame walks them to
// refresh, rebind, end pick operations and find the view of an object.
#include "shell/PaneKind.h"

class CKavroObj;

class FrameView {
public:
    virtual ~FrameView() = default;

    // WindowView, MenuView, TaskFlowView or TestCaseView; None for a view of another class (the
    // empty view of a template whose view is not there yet), which no command acts on.
    virtual PaneKind Kind() const = 0;
    // The window, task or test case the view shows; null when it shows none.
    virtual CKavroObj* ShownObject() const = 0;

    // A close request to the view's child frame.
    virtual void RequestClose() = 0;
    // Brings the view's child frame to the front.
    virtual void Activate() = 0;

    // The view's update after a change of the model: window and menu views draw their window
    // again, a task-flow view renews its title, a test case view its content.
    virtual void Refresh() {}
    // After undo or redo replaced the project: the view finds its objects again by identifier.
    virtual void Rebind() {}
    // The frame ended any pick operation: window views clear their selection, leave pick mode
    // and transition-click reporting and show the pick cursor exactly when drawingToolChosen;
    // menu views drop the pick cursor and transition-click reporting; the view that waited for
    // an object to assign leaves assign mode.
    virtual void EndPickOperation(bool /*drawingToolChosen*/) {}
    // Connect Steps in a task-flow view: 4 waits for the first step, 5 for the second, 0 ends.
    virtual void SetStepPickMode(int /*mode*/) {}
    // The printer changed: the view paints itself again.
    virtual void Redraw() {}
};
