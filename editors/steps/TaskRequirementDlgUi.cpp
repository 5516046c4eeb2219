#include "editors/steps/TaskRequirementDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TaskRequirementDlgUi::TaskRequirementDlgUi(CTaskRequirementDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    const wxSize listSize = ConvertDialogToPixels(wxSize(170, 120));
    // Made in their tab order. The fields only show the requirement chosen.
    auto* availableLabel = new wxStaticText(this, wxID_ANY, "Available Requirements");
    wxListView* available = MakeList(kReqAvailable, listSize);
    wxButton* set = MakeButton(kReqSet);
    wxButton* remove = MakeButton(kReqDelete);
    auto* selectedLabel = new wxStaticText(this, wxID_ANY, "Selected Requirements");
    wxListView* selected = MakeList(kReqSelected, listSize);
    auto* titleLabel = new wxStaticText(this, wxID_ANY, "Title");
    auto* title = new wxTextCtrl(this, kReqTitle, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    auto* descriptionLabel = new wxStaticText(this, wxID_ANY, "Description");
    auto* description = new wxTextCtrl(this, kReqDescription, wxEmptyString, wxDefaultPosition,
                                       ConvertDialogToPixels(wxSize(-1, 40)), wxTE_MULTILINE | wxTE_READONLY);
    auto* pathLabel = new wxStaticText(this, wxID_ANY, "Path to External Document");
    auto* path = new wxTextCtrl(this, kReqDocPath, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);

    auto* availableColumn = new wxBoxSizer(wxVERTICAL);
    availableColumn->Add(availableLabel);
    availableColumn->Add(available, wxSizerFlags(1).Expand());
    auto* middle = new wxBoxSizer(wxVERTICAL);
    middle->AddStretchSpacer();
    middle->Add(set, wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    middle->Add(remove, wxSizerFlags().Expand());
    middle->AddStretchSpacer();
    auto* selectedColumn = new wxBoxSizer(wxVERTICAL);
    selectedColumn->Add(selectedLabel);
    selectedColumn->Add(selected, wxSizerFlags(1).Expand());
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(availableColumn, wxSizerFlags(1).Expand());
    lists->Add(middle, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    lists->Add(selectedColumn, wxSizerFlags(1).Expand());

    auto* fields = new wxFlexGridSizer(2, wxSize(6, 4));
    fields->AddGrowableCol(1);
    fields->Add(titleLabel, wxSizerFlags().CenterVertical());
    fields->Add(title, wxSizerFlags().Expand());
    fields->Add(descriptionLabel);
    fields->Add(description, wxSizerFlags().Expand());
    fields->Add(pathLabel, wxSizerFlags().CenterVertical());
    fields->Add(path, wxSizerFlags().Expand());

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(lists, wxSizerFlags(1).Expand().Border(wxALL, 6));
    top->Add(fields, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kReqSet, [&dialog] { dialog.OnSet(); });
    BindButton(kReqDelete, [&dialog] { dialog.OnDelete(); });
}
