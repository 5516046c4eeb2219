#pragma once
// The workspace pane of the application bar: a property sheet with the pages Tasks,
// Requirements, Windows and Test Data. The pages' contents (their trees) come from later
// folders through page factories; until one is installed a page stays empty. The views make the
// frame's pane (a pane of this kind that brings the Tasks and Windows pages) once installed.
#include <array>
#include <functional>

#include <wx/panel.h>

#include "shell/WorkspacePage.h"
#include "shell/wx/controls/XPropertySheetUi.h"

class CMainFrame;

// Fills the page with its content and registers it with the main frame.
using PageFactory = std::function<void(CXPropertyPageUi& page, CMainFrame& mainFrame)>;
void InstallPageFactory(WorkspacePageIndex index, PageFactory factory);

class WorkspacePaneUi;

// Makes the frame's pane; without one installed the frame gets a plain pane.
using WorkspacePaneFactory = std::function<WorkspacePaneUi*(wxWindow* parent, CMainFrame& mainFrame)>;
void InstallWorkspacePane(WorkspacePaneFactory factory);
WorkspacePaneUi* MakeWorkspacePane(wxWindow* parent, CMainFrame& mainFrame);

class WorkspacePaneUi : public wxPanel {
public:
    // The sheet's id.
    static constexpr int kSheetId = 274;

    WorkspacePaneUi(wxWindow* parent, CMainFrame& mainFrame);

    CXPropertySheetUi& GetSheet() { return *sheet_; }
    CXPropertyPageUi& GetPage(WorkspacePageIndex index) { return *pages_[static_cast<int>(index)]; }
    // Brings the page's tab to the front; the sheet announces the change as for a click.
    virtual void SelectPage(WorkspacePageIndex index);
    WorkspacePageIndex GetShownPage() const;

private:
    CXPropertySheetUi* sheet_;
    std::array<CXPropertyPageUi*, kWorkspacePageCount> pages_{};
};
