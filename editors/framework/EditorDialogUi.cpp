#include "editors/framework/EditorDialogUi.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/textentry.h>

wxString ToWx(const std::string& text) {
    return wxString::FromUTF8(text);
}

std::string FromWx(const wxString& text) {
    return std::string(text.utf8_str());
}

namespace {

std::vector<std::string> SortedTexts(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::vector<std::string> ChoiceItems(const wxChoice& choice) {
    std::vector<std::string> items;
    for (const wxString& item : choice.GetStrings()) items.push_back(FromWx(item));
    return items;
}

}  // namespace

EditorDialogUi::EditorDialogUi(EditorDialog& dialog, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx(dialog.GetTitle())), dialog_(dialog) {
    // Opening reads nothing from the controls: they are still empty, the dialog is not.
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) {
        dialog_.OnInitDialog();
        ApplyState();
    });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); }, wxID_CANCEL);
    // The toolkit has no help event of its own for F1: the key is caught before any control.
    Bind(wxEVT_CHAR_HOOK, &EditorDialogUi::OnKey, this);
}

int EditorDialogUi::WxId(int dialogId) {
    if (dialogId == kIdOk) return wxID_OK;
    if (dialogId == kIdCancel) return wxID_CANCEL;
    return dialogId;
}

int EditorDialogUi::DialogId(int wxId) {
    if (wxId == wxID_OK) return kIdOk;
    if (wxId == wxID_CANCEL) return kIdCancel;
    return wxId;
}

void EditorDialogUi::Forward(const std::function<void()>& handler) {
    ReadControls();
    handler();
    ApplyState();
}

void EditorDialogUi::BindButton(int dialogId, std::function<void()> handler) {
    Bind(wxEVT_BUTTON, [this, handler = std::move(handler)](wxCommandEvent&) { Forward(handler); }, WxId(dialogId));
}

wxButton* EditorDialogUi::MakeButton(int dialogId) {
    return new wxButton(this, WxId(dialogId), ToWx(dialog_.GetText(dialogId)));
}

wxListView* EditorDialogUi::MakeList(int dialogId, wxSize size) {
    auto* list = new wxListView(this, WxId(dialogId), wxDefaultPosition, size,
                                wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER | wxBORDER_SUNKEN);
    list->Bind(wxEVT_LIST_ITEM_SELECTED, [this, dialogId](wxListEvent& event) {
        if (!applying_) Forward([this, dialogId, row = event.GetIndex()] { dialog_.ChooseRow(dialogId, row); });
    });
    // A click beside the rows takes the selection away; a click on another row does so too,
    // just before it selects that row, so only a list left without a selection counts.
    list->Bind(wxEVT_LIST_ITEM_DESELECTED, [this, list, dialogId](wxListEvent&) {
        if (applying_) return;
        CallAfter([this, list, dialogId] {
            if (list->GetSelectedItemCount() == 0 && dialog_.List(dialogId).GetHighlighted() >= 0)
                Forward([this, dialogId] { dialog_.ChooseRow(dialogId, -1); });
        });
    });
    return list;
}

void EditorDialogUi::ReadControls() {
    for (const auto& [id, control] : dialog_.Controls()) {
        wxWindow* window = FindWindow(WxId(id));
        if (auto* choice = dynamic_cast<wxChoice*>(window)) {
            dialog_.SetText(id, FromWx(choice->GetStringSelection()));
        } else if (auto* entry = dynamic_cast<wxTextEntry*>(window)) {
            dialog_.SetText(id, FromWx(entry->GetValue()));
        }
    }
}

void EditorDialogUi::ApplyState() {
    applying_ = true;
    if (FromWx(GetTitle()) != dialog_.GetTitle()) SetTitle(ToWx(dialog_.GetTitle()));
    for (const auto& [id, control] : dialog_.Controls()) {
        if (wxWindow* window = FindWindow(WxId(id))) ApplyControl(window, control);
    }
    for (const auto& [id, list] : dialog_.Lists()) ApplyList(id, list);
    if (auto* button = dynamic_cast<wxButton*>(FindWindow(WxId(dialog_.GetDefaultButton())))) button->SetDefault();
    Layout();
    ApplyFocus();
    applying_ = false;
}

void EditorDialogUi::ApplyControl(wxWindow* window, const EditorControl& control) {
    if (auto* choice = dynamic_cast<wxChoice*>(window)) {
        if (SortedTexts(ChoiceItems(*choice)) != SortedTexts(control.items)) {
            choice->Clear();
            for (const std::string& item : control.items) choice->Append(ToWx(item));
        }
        if (control.text.empty()) choice->SetSelection(wxNOT_FOUND);
        else choice->SetStringSelection(ToWx(control.text));
    } else if (auto* entry = dynamic_cast<wxTextEntry*>(window)) {
        if (FromWx(entry->GetValue()) != control.text) entry->ChangeValue(ToWx(control.text));
    } else if (FromWx(window->GetLabel()) != control.text) {
        window->SetLabel(ToWx(control.text));
    }
    window->Enable(control.enabled);
    window->Show(control.shown);
}

void EditorDialogUi::ApplyList(int dialogId, const EditorList& list) {
    auto* control = dynamic_cast<wxListView*>(FindWindow(WxId(dialogId)));
    if (!control) return;
    if (listRevisions_[dialogId] != list.Revision() || control->GetColumnCount() == 0) {
        listRevisions_[dialogId] = list.Revision();
        control->ClearAll();
        int column = 0;
        for (const EditorListColumn& header : list.Columns())
            control->InsertColumn(column++, ToWx(header.title), wxLIST_FORMAT_LEFT, header.width);
        for (int row = 0; row < list.RowCount(); ++row) {
            const std::vector<std::string>& texts = list.RowTexts(row);
            control->InsertItem(row, texts.empty() ? wxString() : ToWx(texts.front()));
            for (size_t i = 1; i < texts.size(); ++i) control->SetItem(row, static_cast<int>(i), ToWx(texts[i]));
        }
    }
    const int highlighted = list.GetHighlighted();
    for (long row = control->GetFirstSelected(); row != -1; row = control->GetNextSelected(row))
        if (row != highlighted) control->Select(row, false);
    if (highlighted >= 0 && highlighted < control->GetItemCount()) {
        control->Select(highlighted);
        control->Focus(highlighted);
    }
}

void EditorDialogUi::ApplyFocus() {
    const FocusRequest request = dialog_.GetFocusRequest();
    dialog_.ClearFocusRequest();
    wxWindow* window = request.control ? FindWindow(WxId(request.control)) : nullptr;
    if (!window || !window->IsEnabled()) return;
    window->SetFocus();
    if (auto* entry = dynamic_cast<wxTextEntry*>(window); entry && request.selectText) entry->SelectAll();
}

void EditorDialogUi::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F1) {
        event.Skip();
        return;
    }
    wxWindow* focus = FindFocus();
    const int focused = focus && IsDescendant(focus) ? DialogId(focus->GetId()) : 0;
    Forward([this, shift = event.ShiftDown(), focused] { dialog_.OnHelp(shift, focused); });
}

void EditorDialogUi::OnOk() {
    bool close = false;
    Forward([this, &close] { close = dialog_.OnOK(); });
    if (close) EndModal(wxID_OK);
}
