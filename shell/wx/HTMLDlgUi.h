#pragma once
// The window of the dialog "HTML Generator": the target folder with Browse..., the check box
// "Include Screenshots", OK and Cancel. The dialog's rules decide; the window hands over the
// edit and the check box before each button and shows the folder again afterwards.
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "shell/HtmlDocumentation.h"

class CHTMLDlgUi : public wxDialog {
public:
    CHTMLDlgUi(HtmlGeneratorDialog& dialog, wxWindow* parent);

private:
    void TakeControls();
    void OnOK(wxCommandEvent& event);
    void OnBrowse(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);

    HtmlGeneratorDialog& dialog_;
    wxTextCtrl* folder_;
    wxCheckBox* screenshots_;
};

// The run on the toolkit: the dialog without parent, then the pages under the wait cursor with a
// progress window whose Cancel stops the run after the page being written.
class HtmlGeneratorWindowUi : public HtmlGeneratorWindow {
public:
    bool ShowModal(HtmlGeneratorDialog& dialog) override;
    void RunWithProgress(Progress& progress, const std::function<void()>& work) override;
};
