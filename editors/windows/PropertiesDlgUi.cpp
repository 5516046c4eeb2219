#include "editors/windows/PropertiesDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

struct LabeledField {
    int id;
    const char* label;
};

}  // namespace

PropertiesDlgUi::PropertiesDlgUi(CPropertiesDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const WindowTypeProperties& type = dialog.TypeProperties();
    const wxSize field = ConvertDialogToPixels(wxSize(140, -1));
    auto* fields = new wxFlexGridSizer(2, wxSize(8, 4));
    fields->AddGrowableCol(1);
    auto addRow = [&](const wxString& label, wxWindow* control) {
        fields->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        fields->Add(control, wxSizerFlags().Expand());
    };

    // Made in their tab order.
    addRow("&Window ID", new wxTextCtrl(this, kPropWindowId, wxEmptyString, wxDefaultPosition, field));
    if (!type.onlyIdentity)
        addRow("N&umeric ID", new wxTextCtrl(this, kPropNumericId, wxEmptyString, wxDefaultPosition, field));
    addRow("GU&I Builder", new wxChoice(this, kPropGuiBuilder));
    if (!type.onlyIdentity) {
        addRow("Cla&ssname", new wxTextCtrl(this, kPropClassName, wxEmptyString, wxDefaultPosition, field));
        addRow("&Caption", new wxTextCtrl(this, kPropCaption, wxEmptyString, wxDefaultPosition, field));
        addRow("&Opened by", new wxChoice(this, kPropOpenedBy));
    }
    auto* checks = new wxBoxSizer(wxHORIZONTAL);
    if (!type.onlyIdentity) {
        checks->Add(MakeCheckBox(kPropVisible), wxSizerFlags().Border(wxRIGHT, 12));
        checks->Add(MakeCheckBox(kPropEnabled));
    }

    auto* own = new wxFlexGridSizer(2, wxSize(8, 4));
    own->AddGrowableCol(1);
    for (const TypeControl& control : type.controls) {
        switch (control.kind) {
            case TypeControlKind::Check:
                own->Add(MakeCheckBox(control.id));
                own->AddSpacer(0);
                BindCheck(control.id, [&dialog, id = control.id] { dialog.OnTypeControlClicked(id); });
                break;
            case TypeControlKind::Number:
            case TypeControlKind::Text:
                own->Add(new wxStaticText(this, wxID_ANY, ToWx(control.label)), wxSizerFlags().CenterVertical());
                own->Add(new wxTextCtrl(this, control.id, wxEmptyString, wxDefaultPosition, field),
                         wxSizerFlags().Expand());
                break;
            case TypeControlKind::Choice:
                own->Add(new wxStaticText(this, wxID_ANY, ToWx(control.label)), wxSizerFlags().CenterVertical());
                own->Add(new wxChoice(this, control.id), wxSizerFlags().Expand());
                break;
            case TypeControlKind::Button:
                own->Add(MakeButton(control.id));
                own->AddSpacer(0);
                BindButton(control.id, [&dialog, id = control.id] { dialog.OnTypeControlClicked(id); });
                break;
        }
    }

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(checks, wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
    top->Add(own, wxSizerFlags().Expand().Border(wxALL, 8));
    if (!type.onlyIdentity) {
        top->Add(new wxStaticText(this, wxID_ANY, "&Tag"), wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
        top->Add(new wxTextCtrl(this, kPropTag, wxEmptyString, wxDefaultPosition,
                                ConvertDialogToPixels(wxSize(200, 40)), wxTE_MULTILINE),
                 wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    }
    top->Add(MakeButton(kPropToolButton), wxSizerFlags().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kPropToolButton, [&dialog] { dialog.OnToolProperties(); });
}
