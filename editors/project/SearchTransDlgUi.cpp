#include "editors/project/SearchTransDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

SearchTransDlgUi::SearchTransDlgUi(CSearchTransDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* prompt = new wxStaticText(this, wxID_ANY, "Search Transitions and Task Steps that refer to this Window ID:");
    auto* window = new wxTextCtrl(this, kSearchTransWindow);
    wxButton* browse = MakeButton(kSearchTransBrowse);

    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(window, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    row->Add(browse, wxSizerFlags().CenterVertical());

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(prompt, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(row, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 6));
    SetSizerAndFit(top);

    BindButton(kSearchTransBrowse, [&dialog] { dialog.OnBrowseWindows(); });
}
