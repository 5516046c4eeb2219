#pragma once
// The "Insurance Premium Calculation" dialog: the controls in their tab order, showing what
// CInsuranceForm computes.
#include <vector>

#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "demos/insurance/InsuranceForm.h"

class CInsuranceDlg : public wxDialog {
public:
    // The identifiers test designers know the controls by.
    enum ControlId : int {
        kIdCalculate = 1,
        kIdClose = 2,
        kIdAbout = 16,
        kIdAge = 1040,
        kIdEnginePower = 1041,
        kIdMotorcycle = 1073,
        kIdCar = 1074,
        kIdVan = 1075,
        kIdMale = 1076,
        kIdFemale = 1077,
        kIdPremium = 1081,
    };

    explicit CInsuranceDlg(wxWindow* parent = nullptr);

    const CInsuranceForm& Form() const { return form_; }

private:
    void CreateControls();
    InsuranceValues ReadForm() const;
    void WriteForm(const InsuranceValues& values);
    void OnCalculate();

    CInsuranceForm form_;
    std::vector<wxRadioButton*> vehicle_;
    wxTextCtrl* enginePower_ = nullptr;
    std::vector<wxRadioButton*> client_;
    wxTextCtrl* age_ = nullptr;
    wxTextCtrl* premium_ = nullptr;
};
