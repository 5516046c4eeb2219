#include "editors/steps/ConditionEditDlgUi.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

ConditionEditDlgUi::ConditionEditDlgUi(CConditionEditDlg& dialog, wxWindow* parent) : EditorDialogUi(dialog, parent) {
    // Made in their tab order.
    auto* listLabel = new wxStaticText(this, wxID_ANY, "Conditions");
    wxListBox* list = MakeListBox(kCondList, ConvertDialogToPixels(wxSize(260, 90)), wxLB_HSCROLL);
    auto* side = new wxBoxSizer(wxVERTICAL);
    for (int button : {kCondBrowse, kCondMeta, kCondExpand})
        side->Add(MakeButton(button), wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    auto* textLabel = new wxStaticText(this, wxID_ANY, "Condition");
    auto* text = new wxTextCtrl(this, kCondText);

    auto* listRow = new wxBoxSizer(wxHORIZONTAL);
    listRow->Add(list, wxSizerFlags(1).Expand().Border(wxRIGHT, 6));
    listRow->Add(side);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (int button : {kCondNew, kCondSet, kCondDelete})
        buttons->Add(MakeButton(button), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel));

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(listLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(listRow, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(textLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 6));
    top->Add(text, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 6));
    SetSizerAndFit(top);

    BindButton(kCondBrowse, [&dialog] { dialog.OnBrowseDesignators(); });
    BindButton(kCondMeta, [&dialog] { dialog.OnMetaConditions(); });
    BindButton(kCondExpand, [&dialog] { dialog.OnExpandImplode(); });
    BindButton(kCondNew, [&dialog] { dialog.OnNew(); });
    BindButton(kCondSet, [&dialog] { dialog.OnSet(); });
    BindButton(kCondDelete, [&dialog] { dialog.OnDelete(); });
}
