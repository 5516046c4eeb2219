#include "editors/steps/StepEditorDlgUi.h"

#include <utility>

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

StepEditorDlgUi::StepEditorDlgUi(CStepEditorDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize textSize = ConvertDialogToPixels(wxSize(300, 30));
    auto label = [this](const char* text, int id = wxID_ANY) { return new wxStaticText(this, id, text); };
    auto edit = [this](int id, wxSize size = wxDefaultSize, long style = 0) {
        return new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, size, style);
    };
    // Made in their tab order.
    auto* nameLabel = label("Name");
    auto* name = edit(kStepName);
    auto* delayLabel = label("Delay (mSec)");
    auto* delay = edit(kStepDelay, ConvertDialogToPixels(wxSize(50, -1)));
    auto* priorityLabel = label("Priority", kStepPriorityLabel);
    auto* priority = edit(kStepPriority, ConvertDialogToPixels(wxSize(30, -1)));
    wxButton* conditions = MakeButton(kStepConditions);
    wxButton* actions = MakeButton(kStepActions);
    wxButton* fields = MakeButton(kStepFields);
    auto* eventLabel = label("Event");
    auto* event = edit(kStepEvent);
    auto* errorCase = new wxCheckBox(this, kStepErrorCase, ToWx(dialog.GetText(kStepErrorCase)));
    auto* startLabel = label("Start Window");
    auto* start = edit(kStepStartWindow);
    auto* destLabel = label("Destination Window");
    auto* dest = edit(kStepDestWindow);
    wxButton* browse = MakeButton(kStepBrowse);
    auto* commandsLabel = label("Commands for Test Script");
    auto* commands = edit(kStepCommands, textSize, wxTE_MULTILINE);
    auto* manual = new wxStaticBoxSizer(wxVERTICAL, this, "Manual Testing");
    auto* instructionLabel = label("Instruction");
    auto* instruction = edit(kStepInstruction, textSize, wxTE_MULTILINE);
    auto* inputLabel = label("Input");
    auto* input = edit(kStepInput, textSize, wxTE_MULTILINE);
    auto* expectedLabel = label("Expected Result");
    auto* expected = edit(kStepExpectedResult, textSize, wxTE_MULTILINE);

    auto* head = new wxBoxSizer(wxHORIZONTAL);
    head->Add(nameLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    head->Add(name, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 12));
    head->Add(delayLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    head->Add(delay, wxSizerFlags().CenterVertical().Border(wxRIGHT, 12));
    head->Add(priorityLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    head->Add(priority, wxSizerFlags().CenterVertical());

    auto* listButtons = new wxBoxSizer(wxHORIZONTAL);
    for (wxButton* button : {conditions, actions, fields}) listButtons->Add(button, wxSizerFlags().Border(wxRIGHT, 6));

    auto* grid = new wxFlexGridSizer(2, wxSize(6, 4));
    grid->AddGrowableCol(1);
    auto* eventRow = new wxBoxSizer(wxHORIZONTAL);
    eventRow->Add(event, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 12));
    eventRow->Add(errorCase, wxSizerFlags().CenterVertical());
    auto* windowRow = new wxBoxSizer(wxHORIZONTAL);
    windowRow->Add(start, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 12));
    windowRow->Add(destLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 4));
    windowRow->Add(dest, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    windowRow->Add(browse, wxSizerFlags().CenterVertical());
    grid->Add(eventLabel, wxSizerFlags().CenterVertical());
    grid->Add(eventRow, wxSizerFlags().Expand());
    grid->Add(startLabel, wxSizerFlags().CenterVertical());
    grid->Add(windowRow, wxSizerFlags().Expand());

    using Field = std::pair<wxStaticText*, wxTextCtrl*>;
    for (auto [text, field] : {Field{instructionLabel, instruction}, Field{inputLabel, input},
                               Field{expectedLabel, expected}}) {
        manual->Add(text, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 4));
        manual->Add(field, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 4));
    }
    manual->AddSpacer(4);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(head, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(listButtons, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM, 6));
    top->Add(grid, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(commandsLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(commands, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(manual, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kStepConditions, [&dialog] { dialog.OnConditions(); });
    BindButton(kStepActions, [&dialog] { dialog.OnActions(); });
    BindButton(kStepFields, [&dialog] { dialog.OnUserDefinedFields(); });
    BindButton(kStepBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    for (int field : {kStepEvent, kStepDelay, kStepCommands, kStepExpectedResult, kStepStartWindow, kStepDestWindow,
                      kStepInstruction, kStepInput})
        BindFocusLost(field, [&dialog, field] { dialog.OnKillFocusField(field); });
}
