#pragma once
// What the task-flow view needs of its surroundings: the main frame, to which it reports picked
// steps and changed tasks and which opens editors and other flows, and the view's own window.
#include <string>

#include "views/drawing/ViewGeometry.h"

class CTaskKav;
class CTaskStep;

class TaskflowViewHost {
public:
    virtual ~TaskflowViewHost() = default;

    // ---- The main frame.

    // A step was picked while connecting steps (also when the connection was refused).
    virtual void ReportPickedStep(CTaskStep* step) = 0;
    // The view changed the task.
    virtual void ReportTaskChanged(CTaskKav* task) = 0;
    // The task called by a step should open in its own flow view.
    virtual void OpenTaskFlow(CTaskKav* task) = 0;
    // The step editor should open for the step.
    virtual void OpenStepEditor(CTaskStep* step) = 0;
    // A command of the view's context menu that the main frame carries out.
    virtual void SendCommand(int command) = 0;

    // ---- The view's window.

    virtual void ShowTitle(const std::string& title) = 0;
    virtual void SetScrollSizes(ViewSize size) = 0;
    // Paints the view again at once.
    virtual void Redraw() = 0;
    // Closes the view's child frame once the current event is handled.
    virtual void CloseView() = 0;
};
