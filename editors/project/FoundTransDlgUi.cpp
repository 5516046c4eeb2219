#include "editors/project/FoundTransDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

FoundTransDlgUi::FoundTransDlgUi(CFoundTransDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    const wxSize listSize = ConvertDialogToPixels(wxSize(270, 70));
    // Made in their tab order.
    auto* transitionsLabel = new wxStaticText(this, wxID_ANY, "Transitions");
    wxListView* transitions = MakeList(kFoundTransitions, listSize);
    wxButton* edit = MakeButton(kFoundEditTransition);
    auto* stepsLabel = new wxStaticText(this, wxID_ANY, "Task Steps");
    wxListView* steps = MakeList(kFoundTaskSteps, listSize);
    wxButton* change = MakeButton(kFoundChangeToFlow);
    wxButton* close = MakeButton(kIdCancel);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(transitionsLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(transitions, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(edit, wxSizerFlags().Border(wxALL, 6));
    top->Add(stepsLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT, 6));
    top->Add(steps, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 6));
    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(change);
    bottom->AddStretchSpacer();
    bottom->Add(close);
    top->Add(bottom, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kFoundEditTransition, [&dialog] { dialog.OnEditTransition(); });
    BindButton(kFoundChangeToFlow, [&dialog] { dialog.OnChangeToTaskFlow(); });
}
