#pragma once
// What the GUI spy needs of its window and of the program around it. The window implements it;
// tests give a fake.
#include <string>
#include <vector>

#include "platform/WindowSource.h"

enum class SpyCursor { Arrow, CrossHair, Wait };

class GuiSpyHost {
public:
    virtual ~GuiSpyHost() = default;

    // The program's main window, hidden while the spy runs.
    virtual void ShowMainWindow(bool show) = 0;
    // Shows the spy's window modally: 1 OK, 2 Cancel.
    virtual int RunModal() = 0;
    // While captured, every mouse move reaches the spy wherever the pointer is.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void SetCursor(SpyCursor cursor) = 0;
    // A red frame round the screen rectangle; removing it shows again what lies beneath.
    virtual void ShowHighlight(const ScreenRect& rect) = 0;
    virtual void RemoveHighlight() = 0;
    // The lines of "Window Information:" changed.
    virtual void ShowInformation(const std::vector<std::string>& lines) = 0;
};
