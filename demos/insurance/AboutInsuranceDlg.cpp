#include "demos/insurance/AboutInsuranceDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "demos/insurance/InsuranceIcon.h"

CAboutInsuranceDlg::CAboutInsuranceDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "About Insurance") {
    const int kIdOk = 1;
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(this, wxID_ANY, InsuranceIcon()), wxSizerFlags().Border(wxALL, 10));
    row->Add(new wxStaticText(this, wxID_ANY, "Insurance Version 1.0"),
             wxSizerFlags().CenterVertical().Border(wxALL, 10));
    auto* ok = new wxButton(this, kIdOk, "OK");
    ok->SetDefault();
    SetAffirmativeId(kIdOk);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(row);
    top->Add(ok, wxSizerFlags().Center().Border(wxALL, 10));
    SetSizerAndFit(top);
}
