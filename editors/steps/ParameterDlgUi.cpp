#include "editors/steps/ParameterDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ParameterDlgUi::ParameterDlgUi(CParameterDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    wxListView* list = MakeList(kParamList, ConvertDialogToPixels(wxSize(417, 184)));
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Name");
    auto* name = new wxTextCtrl(this, kParamName);
    auto* typeLabel = new wxStaticText(this, wxID_ANY, "Type");
    auto* type = new wxChoice(this, kParamType, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT);
    auto* valueLabel = new wxStaticText(this, wxID_ANY, "Value");
    auto* value = new wxTextCtrl(this, kParamValue, wxEmptyString, wxDefaultPosition,
                                 ConvertDialogToPixels(wxSize(417, 57)), wxTE_MULTILINE);

    auto* fields = new wxFlexGridSizer(4, wxSize(8, 4));
    fields->AddGrowableCol(1);
    fields->Add(nameLabel, wxSizerFlags().CenterVertical());
    fields->Add(name, wxSizerFlags().Expand());
    fields->Add(typeLabel, wxSizerFlags().CenterVertical());
    fields->Add(type);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (int id : {kParamNew, kParamSet, kParamDelete}) buttons->Add(MakeButton(id), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(list, wxSizerFlags(1).Expand().Border(wxALL, 6));
    top->Add(fields, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(valueLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(value, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kParamNew, [&dialog] { dialog.OnNew(); });
    BindButton(kParamSet, [&dialog] { dialog.OnSet(); });
    BindButton(kParamDelete, [&dialog] { dialog.OnDelete(); });
}
