#include "editors/data/DataRecordDlgUi.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editors/grid/BabyGridUi.h"

namespace {

// The grid is placed by the dialog itself, 7 pixels in, 688 by 320.
const wxRect kGridPlace(7, 7, 688, 320);
const wxSize kGridArea(7 + 688 + 7, 7 + 320);

}  // namespace

DataRecordDlgUi::DataRecordDlgUi(CDataRecordDlg& dialog, wxWindow* parent)
    : EditorDialogUi(dialog, parent), dialog_(dialog) {
    // Made in their tab order.
    new BabyGridUi(this, kRecordGrid, kGridPlace, dialog.Grid(),
                   [this](const std::function<void()>& handler) { Forward(handler); });
    auto* valueLabel = new wxStaticText(this, wxID_ANY, "Data Field Value");
    auto* value = new wxTextCtrl(this, kRecordValue);
    wxButton* set = MakeButton(kRecordSet);
    wxButton* before = MakeButton(kRecordInsertBefore);
    wxButton* after = MakeButton(kRecordInsertAfter);
    auto* deleteGroup = new wxStaticBoxSizer(wxHORIZONTAL, this, "Delete Records");
    // As wide as its longest entry from the start: the entries come when the dialog opens.
    auto* type = new wxChoice(deleteGroup->GetStaticBox(), kRecordType, wxDefaultPosition,
                              wxSize(ConvertDialogToPixels(wxSize(100, 0)).x, -1));
    auto* remove = new wxButton(deleteGroup->GetStaticBox(), kRecordDelete, ToWx(dialog.GetText(kRecordDelete)));

    auto* valueRow = new wxBoxSizer(wxHORIZONTAL);
    valueRow->Add(valueLabel, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    valueRow->Add(value, wxSizerFlags(1).CenterVertical().Border(wxRIGHT, 6));
    valueRow->Add(set, wxSizerFlags().CenterVertical());

    deleteGroup->Add(type, wxSizerFlags().CenterVertical().Border(wxALL, 4));
    deleteGroup->Add(remove, wxSizerFlags().CenterVertical().Border(wxALL, 4));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(before, wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    buttons->Add(after, wxSizerFlags().CenterVertical().Border(wxRIGHT, 12));
    buttons->Add(deleteGroup, wxSizerFlags().CenterVertical());
    buttons->AddStretchSpacer();
    buttons->Add(MakeButton(kIdOk), wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    buttons->Add(MakeButton(kIdCancel), wxSizerFlags().CenterVertical());

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(kGridArea.x, kGridArea.y);
    top->Add(valueRow, wxSizerFlags().Expand().Border(wxALL, 7));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 7));
    SetSizerAndFit(top);

    BindButton(kRecordSet, [&dialog] { dialog.ApplyValue(); });
    BindButton(kRecordInsertBefore, [&dialog] { dialog.OnInsertBefore(); });
    BindButton(kRecordInsertAfter, [&dialog] { dialog.OnInsertAfter(); });
    BindButton(kRecordDelete, [&dialog] { dialog.OnDelete(); });
    type->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Forward([this] { dialog_.OnTypeChanged(); }); });
    Bind(wxEVT_CHAR_HOOK, &DataRecordDlgUi::OnCharHook, this);
}

void DataRecordDlgUi::OnCharHook(wxKeyEvent& event) {
    std::optional<GridKey> key = GridKeyOf(event.GetKeyCode());
    char32_t character = 0;
    if (event.GetKeyCode() == WXK_SPACE) {
        key = GridKey::Char;
        character = U' ';
    }
    // F1 is the base window's.
    if (!key || *key == GridKey::F1) {
        event.Skip();
        return;
    }
    wxWindow* focus = FindFocus();
    const int focused = focus && IsDescendant(focus) ? DialogId(focus->GetId()) : 0;
    bool used = false;
    Forward([&] { used = dialog_.OnKey(*key, event.ShiftDown(), character, focused); });
    if (!used) event.Skip();
}
