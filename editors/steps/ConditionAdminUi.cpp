#include "editors/steps/ConditionAdminUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ConditionAdminUi::ConditionAdminUi(CConditionAdmin& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    wxListView* list = MakeList(kMetaList, ConvertDialogToPixels(wxSize(344, 110)));
    auto* idLabel = new wxStaticText(this, wxID_ANY, "Unique Meta-Condition ID");
    auto* id = new wxTextCtrl(this, kMetaId);
    auto* textLabel = new wxStaticText(this, wxID_ANY, "Meta-Condition");
    auto* text = new wxTextCtrl(this, kMetaText);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (int button : {kMetaBrowse, kMetaNew, kMetaSet, kMetaDelete})
        buttons->Add(MakeButton(button), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(list, wxSizerFlags(1).Expand().Border(wxALL, 6));
    const wxSizerFlags field = wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 6);
    top->Add(idLabel, field);
    top->Add(id, field);
    top->Add(textLabel, field);
    top->Add(text, field);
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kMetaBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    BindButton(kMetaNew, [&dialog] { dialog.OnNew(); });
    BindButton(kMetaSet, [&dialog] { dialog.OnSet(); });
    BindButton(kMetaDelete, [&dialog] { dialog.OnDelete(); });
}
