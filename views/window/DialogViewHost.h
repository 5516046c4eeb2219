#pragma once
// What the window view needs of its surroundings: the main frame, to which it reports clicks,
// new windows and commands, and its own window on the screen.
#include <string>

#include "views/drawing/ViewGeometry.h"
#include "views/window/NewWindow.h"

class CTransitionKav;
class CWindowKav;

class DialogViewHost {
public:
    virtual ~DialogViewHost() = default;

    // ---- The main frame.

    // A window or control was picked in pick mode, or clicked while clicks are reported.
    virtual void ReportPicked(CWindowKav* window) = 0;
    // A transition was clicked while clicks are reported, double-clicked, or chosen to edit.
    virtual void ReportTransition(CTransitionKav* transition) = 0;
    // The view added a new window or control.
    virtual void ReportNewWindow(CWindowKav* window) = 0;
    // The window should be shown in a window view.
    virtual void ReportOpenWindow(CWindowKav* window) = 0;
    // A command of the view's context menu that the main frame carries out.
    virtual void SendCommand(int command) = 0;
    // The model changed: every open view updates itself.
    virtual void RefreshAllViews() = 0;
    // The window palette goes back to its Select button.
    virtual void ResetWindowPalette() = 0;
    // The window type that a drag draws, or 99 (Select).
    virtual int GetDrawingTool() const = 0;

    // ---- The view's window.

    virtual void ShowTitle(const std::string& title) = 0;
    virtual void SetScrollSizes(ViewSize size) = 0;
    // Paints the view again at once.
    virtual void Redraw() = 0;
    // Closes the view's child frame once the current event is handled.
    virtual void CloseView() = 0;
    // The sizes a top-level window of the desktop can take.
    virtual WindowSizeLimits GetWindowSizeLimits() const = 0;
};
