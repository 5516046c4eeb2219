#pragma once
// The main frame on the toolkit: a document frame whose child frames are tabs, with the tool
// bars, the window palette and the application bar as panes that dock at any edge, float, hide
// and show again. It shows CMainFrame and hands it every command; what is enabled and checked
// it asks CMainFrame.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <wx/aui/framemanager.h>
#include <wx/cmndata.h>
#include <wx/docmdi.h>

#include "shell/MainFrame.h"
#include "shell/MainFrameWindow.h"

class CKavroDocTemplate;
class wxAuiToolBar;
class CXStatusBarUi;
class WorkspacePaneUi;

// What a later folder gives every main frame when it is made (the editors' windows, the run
// dialogs): start-up installs one under the folder's name, and a second install replaces it.
using FrameInstaller = std::function<void(CMainFrame& frame, wxWindow* window)>;
void InstallFrameParts(const std::string& folder, FrameInstaller installer);

class CMainFrameUi : public wxDocMDIParentFrame, public MainFrameWindow {
public:
    CMainFrameUi();
    ~CMainFrameUi() override;

    CMainFrame& GetMainFrame() { return *frame_; }
    WorkspacePaneUi& GetWorkspacePane() { return *pane_; }
    CXStatusBarUi& GetStatusBarUi() { return *statusBar_; }
    wxAuiManager& GetAuiManager() { return aui_; }
    // The pane's name in the layout manager.
    static const char* PaneName(FrameBar bar);

    void ShowTitle(const std::string& title) override;
    void RequestFrameClose() override { Close(); }
    int RunMessageLog(CMessageLogDlg& log) override;
    void ShowStatusText(const std::string& text) override;
    void SetWaitCursor(bool on) override;
    bool IsBarShown(FrameBar bar) const override;
    void ShowBar(FrameBar bar, bool shown) override;
    void SelectWorkspacePage(WorkspacePageIndex page) override;
    WorkspacePageIndex GetShownWorkspacePage() const override;
    FrameView* GetActiveView() const override;
    FrameView* OpenView(PaneKind kind, CKavroObj* object, int viewMode) override;

private:
    void CreateBars();
    void CreateMenus();
    void BindCommands();
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnProjectMenuOpen(wxMenuEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnDropFiles(wxDropFilesEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void ShowPrinterSetUp();
    // The tool tip of Undo or Redo on the general tool bar, when it changed.
    void ShowToolTip(int command, const std::string& tip);
    void FillRecentFiles();

    wxAuiManager aui_;
    std::unique_ptr<CMainFrame> frame_;
    CXStatusBarUi* statusBar_ = nullptr;
    WorkspacePaneUi* pane_ = nullptr;
    wxMenu* projectMenu_ = nullptr;
    wxAuiToolBar* generalBar_ = nullptr;
    std::map<PaneKind, CKavroDocTemplate*> templates_;
    // The printer chosen in the printer set-up, for the next one.
    wxPageSetupDialogData printing_;
    bool waiting_ = false;
};
