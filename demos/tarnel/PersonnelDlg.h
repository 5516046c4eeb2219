#pragma once
// The personnel form: the controls of the "Human Resources" dialog on a panel, in their tab
// order. It shows what CPersonnelForm decides and forwards the buttons to it.
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "demos/tarnel/PersonnelForm.h"

class CPersonnelDlg : public wxPanel {
public:
    // The identifiers test designers know the controls by.
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdDelete = 1000,
        kIdSearch = 1001,
        kIdFemale = 1002,
        kIdMale = 1003,
        kIdSingle = 1005,
        kIdMarried = 1006,
        kIdDivorced = 1007,
        kIdWidowed = 1008,
        kIdProfession = 1009,
        kIdPhd = 1012,
        kIdMba = 1013,
        kIdMaidenName = 1014,
        kIdName = 1015,
        kIdAge = 1019,
    };

    explicit CPersonnelDlg(wxWindow* parent);

    const CPersonnelForm& Form() const { return form_; }

private:
    void CreateControls();
    CPerson ReadForm() const;
    void WriteForm(const CPerson& values);
    void Apply(const PersonnelReply& reply);
    wxWindow* ControlOf(PersonnelControl control) const;

    CPersonnelForm form_;
    wxTextCtrl* name_ = nullptr;
    wxTextCtrl* maidenName_ = nullptr;
    wxTextCtrl* age_ = nullptr;
    std::vector<wxRadioButton*> sex_;
    std::vector<wxRadioButton*> maritalStatus_;
    wxCheckBox* phd_ = nullptr;
    wxCheckBox* mba_ = nullptr;
    wxComboBox* profession_ = nullptr;
    wxButton* delete_ = nullptr;
};
