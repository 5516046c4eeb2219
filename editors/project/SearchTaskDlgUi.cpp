#include "editors/project/SearchTaskDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editors/project/SearchScopeUi.h"

SearchTaskDlgUi::SearchTaskDlgUi(CSearchTaskDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Task Name");
    auto* name = new wxTextCtrl(this, kSearchTaskName, wxEmptyString, wxDefaultPosition,
                                ConvertDialogToPixels(wxSize(160, -1)));
    wxRadioButton* selected = MakeRadioButton(kSearchTaskSelected, true);
    wxRadioButton* whole = MakeRadioButton(kSearchTaskWhole);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(nameLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(name, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(SearchScopeBox(this, selected, whole), wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);
}
