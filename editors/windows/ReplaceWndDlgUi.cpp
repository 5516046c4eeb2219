#include "editors/windows/ReplaceWndDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ReplaceWndDlgUi::ReplaceWndDlgUi(CReplaceWndDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // Each ID below its label, its Browse Windows button beside it.
    const auto field = [&](const char* label, int edit, int browse) {
        top->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(new wxTextCtrl(this, edit, wxEmptyString, wxDefaultPosition, ConvertDialogToPixels(wxSize(170, -1))),
                 wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
        row->Add(MakeButton(browse));
        top->Add(row, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    };
    field("Replaced Window", kReplaceOldWindow, kReplaceBrowseOld);
    field("New Window", kReplaceNewWindow, kReplaceBrowseNew);
    top->Add(new wxStaticText(this, wxID_ANY,
                              "Please note:\nAll references to the replaced window in steps, conditions, test cases "
                              "etc. will be redirected to the new window."),
             wxSizerFlags().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kReplaceBrowseOld, [&dialog] { dialog.OnBrowse(kReplaceOldWindow); });
    BindButton(kReplaceBrowseNew, [&dialog] { dialog.OnBrowse(kReplaceNewWindow); });
}
