#include "editors/windows/UftPropsDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

UftPropsDlgUi::UftPropsDlgUi(CPropsQTPDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, text); };
    // Made in their tab order.
    auto* general = new wxStaticBoxSizer(wxVERTICAL, this, "General Properties");
    auto* generalFields = new wxFlexGridSizer(4, wxSize(8, 4));
    generalFields->AddGrowableCol(1);
    generalFields->AddGrowableCol(3);
    generalFields->Add(label("UFT Name"), wxSizerFlags().CenterVertical());
    generalFields->Add(new wxTextCtrl(this, kUftName), wxSizerFlags().Expand());
    generalFields->Add(label("Environment"), wxSizerFlags().CenterVertical());
    generalFields->Add(new wxTextCtrl(this, kUftEnvironment, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                      wxTE_READONLY),
                       wxSizerFlags().Expand());
    generalFields->Add(label("UFT Class"), wxSizerFlags().CenterVertical());
    generalFields->Add(new wxTextCtrl(this, kUftClass), wxSizerFlags().Expand());
    generalFields->AddSpacer(0);
    generalFields->AddSpacer(0);
    generalFields->Add(label("Ordinal Identifier"), wxSizerFlags().CenterVertical());
    generalFields->Add(new wxChoice(this, kUftOrdinalType), wxSizerFlags().Expand());
    generalFields->Add(label("Ordinal Value"), wxSizerFlags().CenterVertical());
    generalFields->Add(new wxTextCtrl(this, kUftOrdinalValue), wxSizerFlags().Expand());
    general->Add(generalFields, wxSizerFlags().Expand());

    auto* identification = new wxStaticBoxSizer(wxVERTICAL, this, "Identification Properties");
    identification->Add(MakeList(kUftProperties, ConvertDialogToPixels(wxSize(290, 90))), wxSizerFlags(1).Expand());
    auto* entry = new wxFlexGridSizer(4, wxSize(8, 4));
    entry->AddGrowableCol(1);
    entry->Add(label("Name"), wxSizerFlags().CenterVertical());
    entry->Add(new wxTextCtrl(this, kUftPropertyName), wxSizerFlags().Expand());
    entry->Add(label("Type"), wxSizerFlags().CenterVertical());
    entry->Add(new wxChoice(this, kUftPropertyType));
    entry->Add(MakeRadioButton(kUftConstant, true), wxSizerFlags().CenterVertical());
    entry->Add(new wxTextCtrl(this, kUftValue, wxEmptyString, wxDefaultPosition, ConvertDialogToPixels(wxSize(150, 30)),
                              wxTE_MULTILINE),
               wxSizerFlags().Expand());
    entry->Add(MakeRadioButton(kUftParameter), wxSizerFlags().CenterVertical());
    entry->Add(new wxChoice(this, kUftParameterName));
    identification->Add(entry, wxSizerFlags().Expand().Border(wxTOP, 6));
    auto* checks = new wxBoxSizer(wxHORIZONTAL);
    checks->Add(MakeCheckBox(kUftRegex), wxSizerFlags().Border(wxRIGHT, 12));
    checks->Add(MakeCheckBox(kUftBasicId));
    identification->Add(checks, wxSizerFlags().Border(wxTOP, 6));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (int id : {kUftNew, kUftSet, kUftDelete}) buttons->Add(MakeButton(id), wxSizerFlags().Border(wxRIGHT, 6));
    identification->Add(buttons, wxSizerFlags().Border(wxTOP, 6));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(general, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(identification, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kUftNew, [&dialog] { dialog.OnNew(); });
    BindButton(kUftSet, [&dialog] { dialog.ApplyProperty(); });
    BindButton(kUftDelete, [&dialog] { dialog.OnDelete(); });
    BindCheck(kUftConstant, [&dialog] { dialog.OnValueKind(); });
    BindCheck(kUftParameter, [&dialog] { dialog.OnValueKind(); });
    BindChoice(kUftOrdinalType, [&dialog] { dialog.OnOrdinalType(); });
}
