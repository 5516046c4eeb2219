#include "demos/tarnel/PersonnelDlg.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "demos/common/DemoControls.h"

namespace {

wxTextCtrl* AddLabelledEdit(wxWindow* parent, wxFlexGridSizer* grid, const char* label, int id) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), wxSizerFlags().CenterVertical());
    auto* edit = new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(180, -1));
    grid->Add(edit, wxSizerFlags().Expand());
    return edit;
}

}  // namespace

CPersonnelDlg::CPersonnelDlg(wxWindow* parent) : wxPanel(parent) {
    CreateControls();
    WriteForm(form_.Values());
    delete_->Disable();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(form_.OnSave(ReadForm())); }, kIdOk);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(form_.OnSearch(ReadForm())); }, kIdSearch);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(form_.OnDelete(ReadForm())); }, kIdDelete);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { wxGetTopLevelParent(this)->Close(); }, kIdCancel);
}

// Controls are created in their tab order; the sizers place them.
void CPersonnelDlg::CreateControls() {
    auto* fields = new wxFlexGridSizer(3, wxSize(8, 6));
    fields->AddGrowableCol(1);
    name_ = AddLabelledEdit(this, fields, "Name", kIdName);
    fields->Add(new wxButton(this, kIdSearch, "Search"));
    maidenName_ = AddLabelledEdit(this, fields, "Maiden Name", kIdMaidenName);
    fields->AddSpacer(0);
    age_ = AddLabelledEdit(this, fields, "Age", kIdAge);
    fields->AddSpacer(0);

    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    sex_ = AddRadioGroup(this, groups, "Sex", {{kIdFemale, "Female"}, {kIdMale, "Male"}});
    maritalStatus_ = AddRadioGroup(this, groups, "Marital Status",
                                   {{kIdSingle, "Single"},
                                    {kIdMarried, "Married"},
                                    {kIdDivorced, "Divorced"},
                                    {kIdWidowed, "Widowed"}});
    wxStaticBoxSizer* degree = AddGroupBox(this, groups, "Academic Degree");
    phd_ = new wxCheckBox(degree->GetStaticBox(), kIdPhd, "PhD");
    mba_ = new wxCheckBox(degree->GetStaticBox(), kIdMba, "MBA");
    degree->Add(phd_, wxSizerFlags().Border(wxALL, 3));
    degree->Add(mba_, wxSizerFlags().Border(wxALL, 3));

    auto* professionRow = new wxBoxSizer(wxHORIZONTAL);
    professionRow->Add(new wxStaticText(this, wxID_ANY, "Profession"),
                       wxSizerFlags().CenterVertical().Border(wxRIGHT, 8));
    const wxString professions[] = {"pupil", "housewife", "employee", "student", "worker"};
    profession_ = new wxComboBox(this, kIdProfession, wxEmptyString, wxDefaultPosition,
                                 wxSize(180, -1), WXSIZEOF(professions), professions,
                                 wxCB_DROPDOWN | wxCB_SORT);
    professionRow->Add(profession_, wxSizerFlags(1));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, kIdOk, "OK");
    delete_ = new wxButton(this, kIdDelete, "Delete");
    auto* cancel = new wxButton(this, kIdCancel, "Cancel");
    buttons->Add(ok);
    buttons->Add(delete_, wxSizerFlags().Border(wxLEFT, 6));
    buttons->Add(cancel, wxSizerFlags().Border(wxLEFT, 6));
    ok->SetDefault();

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 10));
    top->Add(groups, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 5));
    top->Add(professionRow, wxSizerFlags().Expand().Border(wxALL, 10));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, 10));
    SetSizer(top);
}

CPerson CPersonnelDlg::ReadForm() const {
    CPerson values;
    values.mba = mba_->GetValue() ? 1 : 0;
    values.name = FromWx(name_->GetValue());
    values.phd = phd_->GetValue() ? 1 : 0;
    values.profession = FromWx(profession_->GetValue());
    values.maidenName = FromWx(maidenName_->GetValue());
    values.age = FromWx(age_->GetValue());
    values.sex = CheckedIndex(sex_);
    values.maritalStatus = CheckedIndex(maritalStatus_);
    return values;
}

void CPersonnelDlg::WriteForm(const CPerson& values) {
    mba_->SetValue(values.mba != 0);
    name_->ChangeValue(ToWx(values.name));
    phd_->SetValue(values.phd != 0);
    profession_->ChangeValue(ToWx(values.profession));
    maidenName_->ChangeValue(ToWx(values.maidenName));
    age_->ChangeValue(ToWx(values.age));
    CheckIndex(sex_, values.sex);
    CheckIndex(maritalStatus_, values.maritalStatus);
}

void CPersonnelDlg::Apply(const PersonnelReply& reply) {
    if (reply.message) ShowDemoMessage(this, *reply.message);
    if (reply.formChanged) WriteForm(form_.Values());
    delete_->Enable(form_.DeleteEnabled());
    if (reply.focus) ControlOf(*reply.focus)->SetFocus();
}

wxWindow* CPersonnelDlg::ControlOf(PersonnelControl control) const {
    switch (control) {
        case PersonnelControl::Name: return name_;
        case PersonnelControl::MaidenName: return maidenName_;
        case PersonnelControl::Age: return age_;
        case PersonnelControl::Profession: return profession_;
        case PersonnelControl::PhD: return phd_;
    }
    return name_;
}
