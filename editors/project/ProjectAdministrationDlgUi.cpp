#include "editors/project/ProjectAdministrationDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ProjectAdministrationDlgUi::ProjectAdministrationDlgUi(CProjectAdministrationDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    // Made in their tab order, each entry beside its label.
    auto* fields = new wxFlexGridSizer(2, wxSize(6, 6));
    fields->AddGrowableCol(1);
    const auto labelled = [&](const char* label, wxWindow* entry) {
        fields->Add(new wxStaticText(this, wxID_ANY, label), wxSizerFlags().CenterVertical());
        fields->Add(entry, wxSizerFlags().Expand());
    };
    labelled("Name", new wxTextCtrl(this, kProjectName));
    labelled("Default GUI Builder",
             new wxChoice(this, kProjectGuiBuilder, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT));
    labelled("Default Output Format",
             new wxChoice(this, kProjectOutputFormat, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT));
    labelled("Description", new wxTextCtrl(this, kProjectDescription, wxEmptyString, wxDefaultPosition,
                                           ConvertDialogToPixels(wxSize(200, 36)), wxTE_MULTILINE));
    top->Add(fields, wxSizerFlags().Expand().Border(wxALL, 8));

    auto* libraries = new wxStaticBoxSizer(wxVERTICAL, this, "Included Libraries");
    libraries->Add(MakeList(kProjectLibraries, ConvertDialogToPixels(wxSize(280, 90))),
                   wxSizerFlags(1).Expand().Border(wxALL, 4));
    auto* path = new wxBoxSizer(wxHORIZONTAL);
    path->Add(new wxStaticText(this, wxID_ANY, "Library Path"), wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    path->Add(new wxTextCtrl(this, kProjectLibraryPath), wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    path->Add(MakeButton(kProjectBrowse));
    libraries->Add(path, wxSizerFlags().Expand().Border(wxALL, 4));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (int button : {kProjectNewLibrary, kProjectSetLibrary, kProjectDeleteLibrary})
        buttons->Add(MakeButton(button), wxSizerFlags().Border(wxRIGHT, 6));
    libraries->Add(buttons, wxSizerFlags().Border(wxALL, 4));
    top->Add(libraries, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindButton(kProjectBrowse, [&dialog] { dialog.OnBrowse(); });
    BindButton(kProjectNewLibrary, [&dialog] { dialog.OnNew(); });
    BindButton(kProjectSetLibrary, [&dialog] { dialog.OnSet(); });
    BindButton(kProjectDeleteLibrary, [&dialog] { dialog.OnDelete(); });
}
