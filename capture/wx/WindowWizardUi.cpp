#include "capture/wx/WindowWizardUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

WindowWizardUi::WindowWizardUi(CWindowWizard& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize listSize = ConvertDialogToPixels(wxSize(140, -1));
    auto* typeLabel = new wxStaticText(this, wxID_ANY, "Type");
    auto* types = new wxChoice(this, CWindowWizard::kTypeList, wxDefaultPosition, listSize, 0, nullptr, wxCB_SORT);
    auto* styleLabel = new wxStaticText(this, wxID_ANY, "Style");
    auto* styles = new wxChoice(this, CWindowWizard::kStyleList, wxDefaultPosition, listSize, 0, nullptr, wxCB_SORT);
    auto* language = new wxStaticBoxSizer(wxVERTICAL, this, "Language");
    language->Add(MakeRadioButton(CWindowWizard::kEnglish, true), wxSizerFlags().Border(wxALL, 4));
    language->Add(MakeRadioButton(CWindowWizard::kGerman), wxSizerFlags().Border(wxALL, 4));

    auto* window = new wxStaticBoxSizer(wxVERTICAL, this, "Create the following window");
    window->Add(typeLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    window->Add(types, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    window->Add(styleLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    window->Add(styles, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    window->Add(language, wxSizerFlags().Expand().Border(wxALL, 6));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(window, wxSizerFlags(1).Expand().Border(wxALL, 8));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(top);

    BindChoice(CWindowWizard::kTypeList, [&dialog] { dialog.OnTypeChanged(); });
}
