#include "editors/data/DataEffectDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

DataEffectDlgUi::DataEffectDlgUi(CDataEffectDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* listLabel = new wxStaticText(this, wxID_ANY, "Effects");
    wxListView* list = MakeList(kEffectList, ConvertDialogToPixels(wxSize(436, 162)));
    auto* nameLabel = new wxStaticText(this, wxID_ANY, "Name");
    auto* name = new wxTextCtrl(this, kEffectName);
    wxCheckBox* valid = MakeCheckBox(kEffectValid);
    auto* variableLabel = new wxStaticText(this, wxID_ANY, "Effect Variable");
    auto* variable = new wxChoice(this, kEffectVariable, wxDefaultPosition,
                                  wxSize(ConvertDialogToPixels(wxSize(120, 0)).x, -1));
    wxButton* variables = MakeButton(kEffectVariablesButton);
    auto* valueLabel = new wxStaticText(this, wxID_ANY, "Value");
    auto* value = new wxTextCtrl(this, kEffectValue);
    auto* conditionLabel = new wxStaticText(this, wxID_ANY, "Condition");
    auto* condition = new wxTextCtrl(this, kEffectCondition, wxEmptyString, wxDefaultPosition,
                                     ConvertDialogToPixels(wxSize(358, 38)), wxTE_MULTILINE);
    wxButton* browse = MakeButton(kEffectBrowse);
    wxButton* expand = MakeButton(kEffectExpand);

    wxFlexGridSizer* fields = MakeNameValidGrid(nameLabel, name, valid);
    fields->Add(variableLabel, wxSizerFlags().CenterVertical());
    auto* variableRow = new wxBoxSizer(wxHORIZONTAL);
    variableRow->Add(variable, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    variableRow->Add(variables, wxSizerFlags().CenterVertical().Border(wxRIGHT, 12));
    variableRow->Add(valueLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    variableRow->Add(value, wxSizerFlags(1).CenterVertical());
    fields->Add(variableRow, wxSizerFlags().Expand());
    fields->Add(conditionLabel);
    auto* conditionRow = new wxBoxSizer(wxHORIZONTAL);
    conditionRow->Add(condition, wxSizerFlags(1).Expand().Border(wxRIGHT, 6));
    auto* conditionButtons = new wxBoxSizer(wxVERTICAL);
    conditionButtons->Add(browse, wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    conditionButtons->Add(expand, wxSizerFlags().Expand());
    conditionRow->Add(conditionButtons);
    fields->Add(conditionRow, wxSizerFlags().Expand());

    wxSizer* buttons = MakeOkCancelRow({kEffectNew, kEffectSet, kEffectDelete});

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(listLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 8));
    top->Add(list, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);

    BindCheck(kEffectValid, [&dialog] { dialog.OnValidClicked(); });
    BindButton(kEffectVariablesButton, [&dialog] { dialog.OnEffectVariables(); });
    BindButton(kEffectBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    BindButton(kEffectExpand, [&dialog] { dialog.OnExpandIds(); });
    BindButton(kEffectNew, [&dialog] { dialog.OnNew(); });
    BindButton(kEffectSet, [&dialog] { dialog.OnSet(); });
    BindButton(kEffectDelete, [&dialog] { dialog.OnDelete(); });
}
