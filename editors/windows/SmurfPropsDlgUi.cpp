#include "editors/windows/SmurfPropsDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

SmurfPropsDlgUi::SmurfPropsDlgUi(CPropsSMURFDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize field = ConvertDialogToPixels(wxSize(200, -1));
    auto* fields = new wxFlexGridSizer(2, wxSize(8, 4));
    fields->AddGrowableCol(1);
    // Made in their tab order.
    const std::pair<int, const char*> rows[] = {{kSmurfSymbolicName, "Symbolic Name"},
                                                {kSmurfType, "Type"},
                                                {kSmurfApplication, "Application"},
                                                {kSmurfDescription, "Description"}};
    for (const auto& [id, label] : rows) {
        fields->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        fields->Add(new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, field,
                                   id == kSmurfSymbolicName ? wxTE_READONLY : 0),
                    wxSizerFlags().Expand());
    }
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(new wxStaticText(this, wxID_ANY, "Identification Properties (XML)"),
             wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
    top->Add(new wxTextCtrl(this, kSmurfXml, wxEmptyString, wxDefaultPosition, ConvertDialogToPixels(wxSize(260, 100)),
                            wxTE_MULTILINE | wxHSCROLL),
             wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);
}
