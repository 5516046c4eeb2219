#include "editors/windows/RanorexPropsDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

RanorexPropsDlgUi::RanorexPropsDlgUi(CPropsRanorexDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    const wxSize wide = ConvertDialogToPixels(wxSize(370, -1));
    // Made in their tab order.
    top->Add(new wxStaticText(this, wxID_ANY, "RanoreXPath"), wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(new wxTextCtrl(this, kRanorexPath, wxEmptyString, wxDefaultPosition, wide),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    auto* row = new wxFlexGridSizer(2, wxSize(8, 2));
    row->AddGrowableCol(0);
    row->AddGrowableCol(1);
    row->Add(new wxStaticText(this, wxID_ANY, "Preferred Capability"));
    row->Add(new wxStaticText(this, wxID_ANY, "Capability List"));
    row->Add(new wxTextCtrl(this, kRanorexCapability), wxSizerFlags().Expand());
    row->Add(new wxTextCtrl(this, kRanorexCapabilityList), wxSizerFlags().Expand());
    top->Add(row, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);
}
