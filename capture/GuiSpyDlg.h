#pragma once
// The GUI spy's capture: classifies live windows of the application under test by the GUI
// builder database, their style words and accessibility roles, and turns a live window with
// its descendants and menu bar into a tree of new model windows. Failures are shown as
// "Recording Error" warnings.
#include <string>
#include <string_view>

#include "platform/WindowSource.h"

class CFileKav;
class CGUIBuilderList;
class CWindowKav;

class CGuiSpyDlg {
public:
    // New windows are owned by the main file.
    CGuiSpyDlg(const WindowSource& source, const CGUIBuilderList& builders, CFileKav* mainFile);

    // Folds the generated parts of MFC and Windows Forms class names into patterns.
    static std::string NormaliseClassName(std::string_view rawClassName);
    // The window type code; childIndex is the window's place among its siblings.
    int ClassifyWindow(WindowHandle window, int childIndex, int& guiId, std::string& className) const;
    // The new window, attached to the model parent when one is given (else the caller owns it
    // with its descendants), or null after a warning.
    CWindowKav* CaptureWindowTree(WindowHandle window, CWindowKav* modelParent, int childIndex) const;
    // Adds the menu's items, with their sub-menus, below the model parent.
    bool CaptureMenu(MenuHandle menu, CWindowKav* modelParent) const;

private:
    int ClassifyByRole(WindowHandle window, int childIndex, int type, std::string_view className) const;
    CWindowKav* CreateCapturedWindow(WindowHandle window, int childIndex) const;
    bool CaptureMenuBar(WindowHandle window, CWindowKav* captured) const;
    // Attaches, or shows the model's refusal.
    static bool Attach(CWindowKav* parent, CWindowKav* child);
    // What a window text buffer of 999 characters holds of the text.
    static std::string FitTextBuffer(const std::string& text);

    const WindowSource& source_;
    const CGUIBuilderList& builders_;
    CFileKav* mainFile_;
};
