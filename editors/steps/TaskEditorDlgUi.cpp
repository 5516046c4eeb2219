#include "editors/steps/TaskEditorDlgUi.h"

#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TaskEditorDlgUi::TaskEditorDlgUi(CTaskEditorDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize textSize = ConvertDialogToPixels(wxSize(280, 30));
    auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, text); };
    auto edit = [this](int id, wxSize size = wxDefaultSize, long style = 0) {
        return new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, size, style);
    };
    // Made in their tab order.
    auto* nameLabel = label("Name");
    auto* name = edit(kTaskName);
    auto* typeLabel = label("Type");
    auto* type = new wxChoice(this, kTaskType);
    auto* goalLabel = label("Test Goal");
    auto* goal = edit(kTaskTestGoal);
    auto* levelLabel = label("Test Level");
    auto* level = new wxComboBox(this, kTaskTestLevel);
    auto* categoryLabel = label("Test Category");
    auto* category = new wxComboBox(this, kTaskTestCategory);
    auto* configurationLabel = label("Configuration");
    auto* configuration = edit(kTaskConfiguration);
    auto* pathLabel = label("Path to External Document");
    auto* path = edit(kTaskDocPath);
    wxButton* browsePath = MakeButton(kTaskBrowsePath);
    auto* dataSetLabel = label("Assigned to Data Set");
    auto* dataSet = new wxChoice(this, kTaskDataSet);
    wxButton* parameters = MakeButton(kTaskParameters);
    wxButton* requirements = MakeButton(kTaskRequirements);
    auto* preconditionLabel = label("Precondition");
    auto* precondition = edit(kTaskPrecondition, textSize, wxTE_MULTILINE);
    auto* descriptionLabel = label("Description");
    auto* description = edit(kTaskDescription, textSize, wxTE_MULTILINE);
    auto* postconditionLabel = label("Postcondition");
    auto* postcondition = edit(kTaskPostcondition, textSize, wxTE_MULTILINE);
    wxButton* browse = MakeButton(kTaskBrowse);

    auto* grid = new wxFlexGridSizer(2, wxSize(6, 4));
    grid->AddGrowableCol(1);
    auto row = [grid](wxWindow* text, wxSizer* field) {
        grid->Add(text, wxSizerFlags().CenterVertical());
        grid->Add(field, wxSizerFlags().Expand());
    };
    auto single = [](wxWindow* control) {
        auto* sizer = new wxBoxSizer(wxHORIZONTAL);
        sizer->Add(control, wxSizerFlags(1).CenterVertical());
        return sizer;
    };
    auto* nameRow = single(name);
    nameRow->Add(typeLabel, wxSizerFlags().CenterVertical().Border(wxLEFT | wxRIGHT, 6));
    nameRow->Add(type, wxSizerFlags().CenterVertical());
    row(nameLabel, nameRow);
    row(goalLabel, single(goal));
    auto* levelRow = single(level);
    levelRow->Add(categoryLabel, wxSizerFlags().CenterVertical().Border(wxLEFT | wxRIGHT, 6));
    levelRow->Add(category, wxSizerFlags(1).CenterVertical());
    row(levelLabel, levelRow);
    row(configurationLabel, single(configuration));
    auto* pathRow = single(path);
    pathRow->Add(browsePath, wxSizerFlags().CenterVertical().Border(wxLEFT, 6));
    row(pathLabel, pathRow);
    auto* dataSetRow = single(dataSet);
    dataSetRow->Add(parameters, wxSizerFlags().CenterVertical().Border(wxLEFT, 12));
    dataSetRow->Add(requirements, wxSizerFlags().CenterVertical().Border(wxLEFT, 6));
    row(dataSetLabel, dataSetRow);

    auto* texts = new wxBoxSizer(wxVERTICAL);
    for (auto [text, field] : {std::pair<wxStaticText*, wxTextCtrl*>{preconditionLabel, precondition},
                               {descriptionLabel, description},
                               {postconditionLabel, postcondition}}) {
        texts->Add(text, wxSizerFlags().Border(wxTOP, 4));
        texts->Add(field, wxSizerFlags().Expand());
    }

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(browse);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(texts, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindChoice(kTaskType, [&dialog] { dialog.OnTypeChanged(); });
    BindButton(kTaskBrowsePath, [&dialog] { dialog.OnBrowsePath(); });
    BindButton(kTaskParameters, [&dialog] { dialog.OnParameters(); });
    BindButton(kTaskRequirements, [&dialog] { dialog.OnRequirements(); });
    BindButton(kTaskBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    for (int field : {kTaskPrecondition, kTaskDescription, kTaskPostcondition})
        BindFocusLost(field, [&dialog, field] { dialog.OnKillFocusField(field); });
}
