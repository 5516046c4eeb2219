#include "editors/windows/ChangeWintypeDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

ChangeWintypeDlgUi::ChangeWintypeDlgUi(CChangeWintypeDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, "New Window Type"), wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(new wxChoice(this, kWintypeList, wxDefaultPosition, ConvertDialogToPixels(wxSize(160, -1)), 0, nullptr,
                          wxCB_SORT),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(new wxStaticText(this, wxID_ANY,
                              "Warning: All type-specific information will be lost!\nMake sure to remove all "
                              "references to type-specific properties in conditions and actions!"),
             wxSizerFlags().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);
}
