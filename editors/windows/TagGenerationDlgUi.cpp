#include "editors/windows/TagGenerationDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

TagGenerationDlgUi::TagGenerationDlgUi(CTagGenerationDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* tool = new wxBoxSizer(wxHORIZONTAL);
    tool->Add(new wxStaticText(this, wxID_ANY, "Test Tool:"), wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    tool->Add(new wxChoice(this, kTagTool, wxDefaultPosition, ConvertDialogToPixels(wxSize(110, -1)), 0, nullptr,
                           wxCB_SORT),
              wxSizerFlags(1));
    top->Add(tool, wxSizerFlags().Expand().Border(wxALL, 8));
    auto* preference = new wxStaticBoxSizer(wxHORIZONTAL, this, "Preference");
    preference->Add(MakeRadioButton(kTagPreferNumericId, true), wxSizerFlags().Border(wxALL, 4));
    preference->Add(MakeRadioButton(kTagPreferCaption), wxSizerFlags().Border(wxALL, 4));
    top->Add(preference, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);
}
