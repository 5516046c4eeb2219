#include "editors/windows/TagMissingDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TagMissingDlgUi::TagMissingDlgUi(CTagMissingDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* notice = new wxStaticText(this, wxID_ANY,
                                    "The tag strings of the following windows are empty. Test cases referring to "
                                    "these windows may not work correctly!");
    notice->Wrap(ConvertDialogToPixels(wxSize(260, -1)).x);
    top->Add(notice, wxSizerFlags().Border(wxALL, 8));
    top->Add(MakeListBox(kMissingWindows, ConvertDialogToPixels(wxSize(260, 110)), wxLB_SORT),
             wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    auto* tag = new wxStaticBoxSizer(wxHORIZONTAL, this, "Tag");
    // Enter makes a new line there.
    tag->Add(new wxTextCtrl(this, kMissingTag, wxEmptyString, wxDefaultPosition,
                            ConvertDialogToPixels(wxSize(200, 40)), wxTE_MULTILINE),
             wxSizerFlags(1).Expand().Border(wxALL, 4));
    tag->Add(MakeButton(kMissingSetTag), wxSizerFlags().Border(wxALL, 4));
    top->Add(tag, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kMissingSetTag, [&dialog] { dialog.OnSetTag(); });
}
