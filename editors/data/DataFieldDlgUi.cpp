#include "editors/data/DataFieldDlgUi.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

DataFieldDlgUi::DataFieldDlgUi(CDataFieldDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize field = ConvertDialogToPixels(wxSize(160, -1));
    // Made in their tab order.
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Name");
    auto* name = new wxTextCtrl(this, kFieldName, wxEmptyString, wxDefaultPosition, field);
    auto* typeLabel = new wxStaticText(this, wxID_ANY, "Type");
    auto* type = new wxChoice(this, kFieldType, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT);
    auto* defaultLabel = new wxStaticText(this, wxID_ANY, "Default Value");
    auto* defaultValue = new wxTextCtrl(this, kFieldDefault, wxEmptyString, wxDefaultPosition, field);
    auto* defaultClasses = new wxCheckBox(this, kFieldDefaultClasses, ToWx(dialog.GetText(kFieldDefaultClasses)));
    auto* range = new wxStaticBoxSizer(wxHORIZONTAL, this, "Definition Range (for numeric fields)");
    auto* minLabel = new wxStaticText(range->GetStaticBox(), wxID_ANY, "Minimum Value");
    auto* min = new wxTextCtrl(range->GetStaticBox(), kFieldMin);
    auto* maxLabel = new wxStaticText(range->GetStaticBox(), wxID_ANY, "Maximum Value");
    auto* max = new wxTextCtrl(range->GetStaticBox(), kFieldMax);
    auto* descriptionLabel = new wxStaticText(this, wxID_ANY, "Description");
    auto* description = new wxTextCtrl(this, kFieldDescription, wxEmptyString, wxDefaultPosition,
                                       ConvertDialogToPixels(wxSize(220, 40)), wxTE_MULTILINE);

    auto* fields = new wxFlexGridSizer(2, wxSize(8, 6));
    fields->AddGrowableCol(1);
    fields->Add(nameLabel, wxSizerFlags().CenterVertical());
    fields->Add(name, wxSizerFlags().Expand());
    fields->Add(typeLabel, wxSizerFlags().CenterVertical());
    fields->Add(type);
    fields->Add(defaultLabel, wxSizerFlags().CenterVertical());
    fields->Add(defaultValue, wxSizerFlags().Expand());
    fields->AddSpacer(0);
    fields->Add(defaultClasses);

    range->Add(minLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    range->Add(min, wxSizerFlags(1).Border(wxRIGHT, 12));
    range->Add(maxLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    range->Add(max, wxSizerFlags(1));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(range, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(descriptionLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(description, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindCommand(wxEVT_CHOICE, kFieldType, [&dialog] { dialog.OnTypeChanged(); });
}
