#include "editors/project/SearchWndDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editors/project/SearchScopeUi.h"

SearchWndDlgUi::SearchWndDlgUi(CSearchWndDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, text); };
    auto edit = [this](int id) { return new wxTextCtrl(this, id); };
    // Made in their tab order.
    auto* idLabel = label("Window ID");
    auto* id = edit(kSearchWndId);
    auto* captionLabel = label("Caption");
    auto* caption = edit(kSearchWndCaption);
    auto* typeLabel = label("Window Type");
    auto* type = new wxChoice(this, kSearchWndType);
    auto* attributeLabel = label("Attribute");
    auto* attribute = edit(kSearchWndAttribute);
    wxRadioButton* selected = MakeRadioButton(kSearchWndSelected, true);
    wxRadioButton* whole = MakeRadioButton(kSearchWndWhole);

    auto* grid = new wxFlexGridSizer(2, wxSize(6, 4));
    grid->AddGrowableCol(1);
    for (auto [text, field] : {std::pair<wxWindow*, wxWindow*>{idLabel, id},
                               {captionLabel, caption},
                               {typeLabel, type},
                               {attributeLabel, attribute}}) {
        grid->Add(text, wxSizerFlags().CenterVertical());
        grid->Add(field, wxSizerFlags().Expand());
    }
    grid->SetMinSize(ConvertDialogToPixels(wxSize(170, -1)));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, wxSizerFlags().Expand().Border(wxALL, 6));
    top->Add(SearchScopeBox(this, selected, whole), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(MakeOkCancelRow(), wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);
}
