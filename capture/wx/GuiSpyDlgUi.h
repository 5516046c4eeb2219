#pragma once
// The window of the GUI spy (dialog 249, "GUI Spy"): the cross-hair to drag, the list of what lies
// under it, "Record complete webpage", OK and Cancel, and the red frame round the pick. It shows
// what CGuiSpyDlg decides and hands it the mouse while the cross-hair is dragged.
#include <memory>

#include <wx/dialog.h>

#include "capture/GuiSpyDlg.h"
#include "capture/wx/HighlightFrame.h"

class wxCheckBox;
class wxListBox;

class GuiSpyDlgUi : public wxDialog {
public:
    // The spy over the windows and pages of the desktop, for the root's project. The main window
    // (when given) hides while the spy runs.
    GuiSpyDlgUi(wxWindow* mainWindow, WindowLocator& locator, HtmlDocumentSource& documents, CApplicationKav& root,
                const CGUIBuilderList& builders);
    ~GuiSpyDlgUi() override;

    CGuiSpyDlg& Spy() { return *spy_; }
    wxWindow* TargetImage() const { return target_; }
    const HighlightFrame& Highlight() const { return highlight_; }

private:
    class Host;

    HighlightFrame highlight_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<CGuiSpyDlg> spy_;
    wxWindow* target_ = nullptr;
    wxListBox* information_ = nullptr;
    wxCheckBox* completePage_ = nullptr;
};

// The main frame's command "GUI Spy": the spy over the live desktop (the accessibility bus and
// X11). The capture, put into the window table with its tags, or null.
CWindowKav* RunGuiSpy(wxWindow* mainWindow, CApplicationKav& root, TagGenerator tagGenerator);
