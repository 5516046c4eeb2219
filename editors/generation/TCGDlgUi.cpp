#include "editors/generation/TCGDlgUi.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

TCGDlgUi::TCGDlgUi(TCGDlgControls& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made group by group, which is their tab order; placed with the options under their kind.
    wxRadioButton* kinds[4];
    for (size_t i = 0; i < 4; ++i) kinds[i] = MakeRadioButton(TCGDlgControls::kKinds[i], i == 0);
    wxRadioButton* coverage[3];
    for (size_t i = 0; i < 3; ++i) coverage[i] = MakeRadioButton(TCGDlgControls::kCoverages[i], i == 0);
    wxCheckBox* valid = MakeCheckBox(kTcgValidRecords);
    wxCheckBox* invalid = MakeCheckBox(kTcgInvalidRecords);
    wxButton* randomOptions = MakeButton(kTcgRandomOptionsButton);
    auto* depthLabel = new wxStaticText(this, wxID_ANY, "Max. Recursion Depth");
    auto* depth = new wxTextCtrl(this, kTcgDepth);
    auto* traversalsLabel = new wxStaticText(this, wxID_ANY, "Max. Traversals");
    auto* traversals = new wxTextCtrl(this, kTcgTraversals);
    wxRadioButton* scopeElement = MakeRadioButton(kTcgScopeElement, true);
    wxRadioButton* scopeProject = MakeRadioButton(kTcgScopeProject);
    wxCheckBox* detailedLog = MakeCheckBox(kTcgDetailedLog);
    wxCheckBox* blockInfo = MakeCheckBox(kTcgBuildingBlockInfo);

    const wxSizerFlags option = wxSizerFlags().Border(wxLEFT, 20);
    auto* method = new wxStaticBoxSizer(wxVERTICAL, this, "Test Method");
    method->Add(kinds[kTestKindGraph]);
    for (wxRadioButton* button : coverage) method->Add(button, option);
    method->Add(kinds[kTestKindData]);
    method->Add(valid, option);
    method->Add(invalid, option);
    method->Add(kinds[kTestKindRandom]);
    method->Add(randomOptions, option);
    method->Add(kinds[kTestKindTransition]);
    auto* limits = new wxFlexGridSizer(2, wxSize(8, 4));
    limits->Add(depthLabel, wxSizerFlags().CenterVertical());
    limits->Add(depth);
    limits->Add(traversalsLabel, wxSizerFlags().CenterVertical());
    limits->Add(traversals);
    method->Add(limits, option);

    auto* scope = new wxStaticBoxSizer(wxVERTICAL, this, "Scope");
    scope->Add(scopeElement);
    scope->Add(scopeProject);
    auto* log = new wxStaticBoxSizer(wxVERTICAL, this, "Log");
    log->Add(detailedLog);
    log->Add(blockInfo);

    auto* top = new wxBoxSizer(wxVERTICAL);
    for (wxSizer* group : std::initializer_list<wxSizer*>{method, scope, log})
        top->Add(group, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    for (int kind : TCGDlgControls::kKinds) BindCheck(kind, [&dialog] { dialog.OnKindOrScope(); });
    for (int button : TCGDlgControls::kScopes) BindCheck(button, [&dialog] { dialog.OnKindOrScope(); });
    BindButton(kTcgRandomOptionsButton, [&dialog] { dialog.OnRandomOptions(); });
}
