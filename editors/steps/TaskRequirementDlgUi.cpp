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

    wxSizer* lists = ListsSideBySide(availableLabel, available, {set, remove}, selectedLabel, selected);

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
