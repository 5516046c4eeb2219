#include "demos/insurance/InsuranceDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "demos/common/DemoControls.h"
#include "demos/insurance/AboutInsuranceDlg.h"
#include "demos/insurance/InsuranceIcon.h"

namespace {

wxTextCtrl* AddLabelledEdit(wxWindow* parent, wxSizer* sizer, const char* label, int id,
                            long style = 0) {
    auto* row = new wxBoxSizer(wxVERTICAL);
    row->Add(new wxStaticText(parent, wxID_ANY, label));
    auto* edit = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(120, -1),
                                style);
    row->Add(edit, wxSizerFlags().Expand().Border(wxTOP, 3));
    sizer->Add(row, wxSizerFlags().Border(wxALL, 5));
    return edit;
}

}  // namespace

CInsuranceDlg::CInsuranceDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Insurance Premium Calculation") {
    SetIcon(InsuranceIcon());
    CreateControls();
    WriteForm(form_.Values());
    // Escape and the close box press Close, which ends the dialog.
    SetEscapeId(kIdClose);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCalculate(); }, kIdCalculate);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        CAboutInsuranceDlg about(this);
        about.ShowModal();
    }, kIdAbout);
}

// Controls are created in their tab order; the sizers place them.
void CInsuranceDlg::CreateControls() {
    auto* vehicleRow = new wxBoxSizer(wxHORIZONTAL);
    vehicle_ = AddRadioGroup(this, vehicleRow, "Vehicle",
                             {{kIdMotorcycle, "Motorcycle"}, {kIdCar, "Car"}, {kIdVan, "Van"}});
    enginePower_ = AddLabelledEdit(this, vehicleRow, "Engine Power (HP)", kIdEnginePower);

    auto* clientRow = new wxBoxSizer(wxHORIZONTAL);
    client_ = AddRadioGroup(this, clientRow, "Client", {{kIdMale, "Male"}, {kIdFemale, "Female"}});
    age_ = AddLabelledEdit(this, clientRow, "Age", kIdAge);

    auto* resultRow = new wxBoxSizer(wxHORIZONTAL);
    auto* calculate = new wxButton(this, kIdCalculate, "Calculate !");
    resultRow->Add(calculate, wxSizerFlags().Bottom().Border(wxALL, 5));
    premium_ = AddLabelledEdit(this, resultRow, "Insurance Premium", kIdPremium, wxTE_READONLY);
    calculate->SetDefault();

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, kIdClose, "Close"), wxSizerFlags().Border(wxALL, 5));
    // GTK has no way into the window menu, where the About entry belongs.
    buttons->Add(new wxButton(this, kIdAbout, "&About Insurance..."),
                 wxSizerFlags().Border(wxALL, 5));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(vehicleRow, wxSizerFlags().Border(wxALL, 5));
    top->Add(clientRow, wxSizerFlags().Border(wxALL, 5));
    top->Add(resultRow, wxSizerFlags().Border(wxALL, 5));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, 5));
    SetSizerAndFit(top);
}

InsuranceValues CInsuranceDlg::ReadForm() const {
    InsuranceValues values;
    values.age = FromWx(age_->GetValue());
    values.vehicle = CheckedIndex(vehicle_);
    values.enginePower = FromWx(enginePower_->GetValue());
    values.client = CheckedIndex(client_);
    values.premium = FromWx(premium_->GetValue());
    return values;
}

void CInsuranceDlg::WriteForm(const InsuranceValues& values) {
    age_->ChangeValue(ToWx(values.age));
    CheckIndex(vehicle_, values.vehicle);
    enginePower_->ChangeValue(ToWx(values.enginePower));
    CheckIndex(client_, values.client);
    premium_->ChangeValue(ToWx(values.premium));
}

void CInsuranceDlg::OnCalculate() {
    if (auto refusal = form_.OnCalculate(ReadForm())) {
        ShowDemoMessage(this, *refusal);
        return;
    }
    WriteForm(form_.Values());
}
