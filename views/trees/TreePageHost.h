#pragma once
// What the Tasks and Windows pages need of the main frame: the reports of picks and changes,
// the commands of their menus and keys, the undo steps of their changes, and help.
#include <string>

class CTaskKav;
class CWindowKav;

class TreePageHost {
public:
    virtual ~TreePageHost() = default;

    // A window was clicked while the frame picks objects.
    virtual void ReportPickedWindow(CWindowKav* window) = 0;
    // A task was clicked while the frame picks objects, or with Ctrl held.
    virtual void ReportPickedTask(CTaskKav* task, bool ctrl) = 0;
    virtual void ReportTaskChanged(CTaskKav* task) = 0;
    // A window got a new name: every view shows it.
    virtual void ReportWindowRenamed(CWindowKav* window) = 0;
    virtual void OpenTaskFlow(CTaskKav* task) = 0;
    // A command for the frame's command table, as its menu gives it.
    virtual void SendCommand(int command) = 0;
    // Every open view follows a change of the model.
    virtual void RefreshAllViews() = 0;
    // Marks the project modified and records the undo step of that name.
    virtual void SetModified(const std::string& undoStepName) = 0;
    virtual void ShowHelp(int context) = 0;
};
