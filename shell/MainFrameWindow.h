#pragma once
// What the main frame asks of its window: the title, the status text, the bars, the workspace
// pages' tabs and the child frames with their views. The window toolkit's frame implements it;
// tests put a double in its place.
#include <string>

#include "shell/PaneKind.h"
#include "shell/WorkspacePage.h"

class CKavroObj;
class CMessageLogDlg;
class FrameView;

enum class FrameBar { Application, General, Editors, Drawing, WindowPalette };

class MainFrameWindow {
public:
    virtual ~MainFrameWindow() = default;

    virtual void ShowTitle(const std::string& title) = 0;
    // The frame's close request, as the window's close box gives it (the program may end).
    virtual void RequestFrameClose() = 0;
    // The status bar's text, painted at once.
    virtual void ShowStatusText(const std::string& text) = 0;
    // The wait cursor over the whole frame, on or off.
    virtual void SetWaitCursor(bool on) = 0;
    // Shows the message log window, which runs its operation at once and closes by itself when
    // the result says so (else the user closes it): the operation's result.
    virtual int RunMessageLog(CMessageLogDlg& log) = 0;

    virtual bool IsBarShown(FrameBar bar) const = 0;
    virtual void ShowBar(FrameBar bar, bool shown) = 0;
    // Brings the page's tab to the front of the application pane.
    virtual void SelectWorkspacePage(WorkspacePageIndex page) = 0;
    // The page whose tab is in front.
    virtual WorkspacePageIndex GetShownWorkspacePage() const = 0;

    // The view of the active child frame; null when there is no child frame.
    virtual FrameView* GetActiveView() const = 0;
    // A new child frame of the kind's document template whose view shows the object with the
    // view mode, made visible and active; null when it cannot be made.
    virtual FrameView* OpenView(PaneKind kind, CKavroObj* object, int viewMode) = 0;
};
