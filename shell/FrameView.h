#pragma once
// An open view as the main frame sees it. The views (window, menu, task-flow and test case
// views) implement it and register with the frame while they are open; the frame walks them to
// refresh, rebind, end pick operations and find the view of an object, and its commands take
// their objects from the view's selection and hand it what the user picked elsewhere.
#include <vector>

#include "shell/PaneKind.h"

class CKavroObj;
class CStepKav;
class CTaskKav;
class CTransitionKav;
class CWindowKav;

// What a view draws its whole picture into for the documentation; the window program's kind
// holds a bitmap.
class ViewPicture {
public:
    virtual ~ViewPicture() = default;
};

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
    // Brings the view's child frame to the front, restored when it was minimised.
    virtual void Activate() = 0;

    // The view's update after a change of the model: window and menu views draw their window
    // again, a task-flow view renews its title, a test case view its content.
    virtual void Refresh() {}
    // After undo or redo replaced the project: the view finds its objects again by identifier.
    virtual void Rebind() {}
    // The frame's view mode, as the view's display flags.
    virtual void SetViewMode(int /*viewMode*/) {}
    // The frame ended any pick operation: window views clear their selection, leave pick mode
    // and transition-click reporting and show the pick cursor exactly when drawingToolChosen;
    // menu views drop the pick cursor and transition-click reporting; the view that waited for
    // an object to assign leaves assign mode.
    virtual void EndPickOperation(bool /*drawingToolChosen*/) {}
    // Connect Steps in a task-flow view: 4 waits for the first step, 5 for the second, 0 ends.
    virtual void SetStepPickMode(int /*mode*/) {}
    // The printer changed: the view paints itself again.
    virtual void Redraw() {}
    // The whole picture into the target; false when it is too large for one.
    virtual bool DrawPicture(ViewPicture& /*target*/) { return false; }

    // ---- Window and menu views.

    // The one selected object other than the shown window (a window view's control, a menu
    // view's menu item); null when there is none.
    virtual CWindowKav* GetSelectedWindow() const { return nullptr; }
    // The controls selected in a window view, in selection order.
    virtual std::vector<CWindowKav*> GetSelectedControls() const { return {}; }
    virtual CTransitionKav* GetSelectedTransition() const { return nullptr; }
    virtual void SelectTransition(CTransitionKav* /*transition*/) {}
    // A window view selects the control, a menu view the menu item.
    virtual void SelectWindow(CWindowKav* /*window*/) {}
    // New Transition waits for its start: a window view clears its selection and picks with the
    // pick cursor, a menu view shows the pick cursor.
    virtual void StartTransitionPick() {}
    // An object is being assigned to a step: a window view clears its selection; both report
    // a clicked transition.
    virtual void ReportTransitionClicks() {}

    // ---- Task-flow and test case views.

    // The selected steps in selection order (a test case view's start box among them).
    virtual std::vector<CStepKav*> GetSelectedSteps() const { return {}; }
    // The step the view always has and never deletes: the task's start step, the start box.
    virtual CStepKav* GetStartStep() const { return nullptr; }
    virtual bool HasSelectedConnection() const { return false; }
    // A test case view can insert at its own insert position.
    virtual bool CanInsertStep() const { return false; }
    // Inserts a new step after the selection; false when the view refused.
    virtual bool InsertStep() { return false; }
    // Deletes the selected steps (never the start step) or the selected connection.
    virtual void DeleteSelection() {}
    // Waits for an object to assign to its selected step, or no longer.
    virtual void SetAssignMode(bool /*on*/) {}
    // Gives the selected step the window, transition or task picked elsewhere.
    virtual void AssignWindow(CWindowKav* /*window*/) {}
    virtual void AssignTransition(CTransitionKav* /*transition*/) {}
    virtual void AssignTask(CTaskKav* /*task*/) {}
    // Lays the steps out again after the frame changed the flow.
    virtual void Relayout() {}
};
