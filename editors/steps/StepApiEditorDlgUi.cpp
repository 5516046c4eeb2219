#include "editors/steps/StepApiEditorDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

StepApiEditorDlgUi::StepApiEditorDlgUi(CStepApiEditorDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize textSize = ConvertDialogToPixels(wxSize(300, 26));
    auto label = [this](const char* text, int id = wxID_ANY) { return new wxStaticText(this, id, text); };
    auto edit = [this](int id, wxSize size = wxDefaultSize, long style = 0) {
        return new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, size, style);
    };
    // Made in their tab order.
    auto* nameLabel = label("Name");
    auto* name = edit(kApiName);
    auto* timeoutLabel = label("Timeout");
    auto* timeout = edit(kApiTimeout, ConvertDialogToPixels(wxSize(50, -1)));
    auto* criticalityLabel = label("Criticality");
    auto* criticality = new wxChoice(this, kApiCriticality);
    auto* priorityLabel = label("Priority", kApiPriorityLabel);
    auto* priority = edit(kApiPriority, ConvertDialogToPixels(wxSize(30, -1)));
    auto* windowLabel = label("Window");
    auto* window = edit(kApiWindow);
    wxButton* browse = MakeButton(kApiBrowse);
    wxButton* conditions = MakeButton(kApiConditions);
    wxButton* actions = MakeButton(kApiActions);
    wxButton* fields = MakeButton(kApiFields);
    auto* templateBox = new wxStaticBoxSizer(wxVERTICAL, this, "Test Template");
    auto* chosenTemplate = new wxChoice(this, kApiTemplate);
    auto* instructionLabel = label("Instruction");
    auto* instruction = edit(kApiInstruction, wxDefaultSize, wxTE_READONLY);
    auto* templateHelp = label("", kApiTemplateHelp);
    auto* parametersLabel = label("Parameters");
    wxListView* parameters = MakeList(kApiParameters, ConvertDialogToPixels(wxSize(300, 70)));
    wxButton* newParameter = MakeButton(kApiNewParameter);
    wxButton* deleteParameter = MakeButton(kApiDeleteParameter);
    auto* parameterNameLabel = label("Parameter Name");
    auto* parameterName = edit(kApiParameterName);
    auto* parameterHelp = label("", kApiParameterHelp);
    auto* parameterValueLabel = label("Parameter Value");
    auto* parameterValue = edit(kApiParameterValue);
    wxButton* setParameter = MakeButton(kApiSetParameter);
    auto* descriptionLabel = label("Description");
    auto* description = edit(kApiDescription, textSize, wxTE_MULTILINE);
    auto* expectedLabel = label("Expected Result (Free Text)");
    auto* expected = edit(kApiExpectedResult, textSize, wxTE_MULTILINE);
    auto* valueLabel = label("Expected Result Value (Machine-Readable)");
    auto* value = edit(kApiResultValue);

    auto* head = new wxFlexGridSizer(8, wxSize(6, 4));
    head->AddGrowableCol(1);
    for (auto [text, field] : {std::pair<wxWindow*, wxWindow*>{nameLabel, name},
                               {timeoutLabel, timeout},
                               {criticalityLabel, criticality},
                               {priorityLabel, priority}}) {
        head->Add(text, wxSizerFlags().CenterVertical());
        head->Add(field, wxSizerFlags().Expand().CenterVertical());
    }
    auto* windowRow = new wxBoxSizer(wxHORIZONTAL);
    windowRow->Add(windowLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    windowRow->Add(window, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    windowRow->Add(browse, wxSizerFlags().CenterVertical());
    auto* listButtons = new wxBoxSizer(wxHORIZONTAL);
    for (wxButton* button : {conditions, actions, fields}) listButtons->Add(button, wxSizerFlags().Border(wxRIGHT, 6));

    auto* instructionRow = new wxBoxSizer(wxHORIZONTAL);
    instructionRow->Add(instructionLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    instructionRow->Add(instruction, wxSizerFlags(1).CenterVertical());
    auto* rowButtons = new wxBoxSizer(wxVERTICAL);
    rowButtons->Add(newParameter, wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    rowButtons->Add(deleteParameter, wxSizerFlags().Expand());
    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    listRow->Add(parameters, wxSizerFlags(1).Expand().Border(wxRIGHT, 6));
    listRow->Add(rowButtons);
    auto* parameterGrid = new wxFlexGridSizer(3, wxSize(6, 4));
    parameterGrid->AddGrowableCol(1);
    parameterGrid->Add(parameterNameLabel, wxSizerFlags().CenterVertical());
    parameterGrid->Add(parameterName, wxSizerFlags().Expand());
    parameterGrid->AddSpacer(0);
    parameterGrid->Add(parameterValueLabel, wxSizerFlags().CenterVertical());
    parameterGrid->Add(parameterValue, wxSizerFlags().Expand());
    parameterGrid->Add(setParameter);
    templateBox->Add(chosenTemplate, wxSizerFlags().Expand().Border(wxALL, 4));
    templateBox->Add(instructionRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 4));
    templateBox->Add(templateHelp, wxSizerFlags().Expand().Border(wxALL, 4));
    templateBox->Add(parametersLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT, 4));
    templateBox->Add(listRow, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 4));
    templateBox->Add(parameterGrid, wxSizerFlags().Expand().Border(wxALL, 4));
    templateBox->Add(parameterHelp, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 4));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(head, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(windowRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(listButtons, wxSizerFlags().Border(wxALL, 6));
    top->Add(templateBox, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 6));
    for (auto [text, field] : {std::pair<wxWindow*, wxWindow*>{descriptionLabel, description},
                               {expectedLabel, expected},
                               {valueLabel, value}}) {
        top->Add(text, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
        top->Add(field, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    }
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindChoice(kApiTemplate, [&dialog] { dialog.OnTemplateChosen(); });
    BindButton(kApiNewParameter, [&dialog] { dialog.OnNewParameter(); });
    BindButton(kApiDeleteParameter, [&dialog] { dialog.OnDeleteParameter(); });
    BindButton(kApiSetParameter, [&dialog] { dialog.SetParameter(); });
    BindButton(kApiBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    BindButton(kApiConditions, [&dialog] { dialog.OnConditions(); });
    BindButton(kApiActions, [&dialog] { dialog.OnActions(); });
    BindButton(kApiFields, [&dialog] { dialog.OnUserDefinedFields(); });
    for (int field : {kApiTimeout, kApiResultValue, kApiExpectedResult, kApiParameterValue, kApiDescription, kApiWindow})
        BindFocusLost(field, [&dialog, field] { dialog.OnKillFocusField(field); });
}
