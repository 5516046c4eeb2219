#include "editors/framework/EditorDialogUi.h"

#include <algorithm>
#include <optional>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/textentry.h>
#include <wx/utils.h>

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

std::vector<std::string> ChoiceItems(const wxItemContainer& choice) {
    std::vector<std::string> items;
    for (const wxString& item : choice.GetStrings()) items.push_back(FromWx(item));
    return items;
}

// A choice or combo box takes new entries only when they differ, so that it keeps its state.
void ApplyItems(wxItemContainer& choice, const std::vector<std::string>& items) {
    if (SortedTexts(ChoiceItems(choice)) == SortedTexts(items)) return;
    choice.Clear();
    for (const std::string& item : items) choice.Append(ToWx(item));
}

// Positions in an edit count characters; the dialog counts the bytes of the UTF-8 text.
size_t BytesOfCharacters(const wxString& text, long characters) {
    return FromWx(text.Left(static_cast<size_t>(std::max(characters, 0L)))).size();
}

long CharactersOfBytes(const std::string& text, size_t bytes) {
    return static_cast<long>(ToWx(text.substr(0, bytes)).length());
}

std::string RowText(const EditorList& list, int row) {
    const std::vector<std::string>& texts = list.RowTexts(row);
    return texts.empty() ? std::string() : texts.front();
}

// A sorted list box orders its entries itself: its rows are found by their texts.
int BoxIndexOfRow(const wxListBox& box, const EditorList& list, int row) {
    if (row < 0 || row >= list.RowCount()) return wxNOT_FOUND;
    return box.HasFlag(wxLB_SORT) ? box.FindString(ToWx(RowText(list, row)), true) : row;
}

int RowOfBoxIndex(const wxListBox& box, const EditorList& list, int index) {
    if (index == wxNOT_FOUND || !box.HasFlag(wxLB_SORT)) return index;
    const std::string text = FromWx(box.GetString(static_cast<unsigned>(index)));
    for (int row = 0; row < list.RowCount(); ++row)
        if (RowText(list, row) == text) return row;
    return -1;
}

}  // namespace

EditorDialogUi::EditorDialogUi(EditorDialog& dialog, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx(dialog.GetTitle())), dialog_(dialog) {
    // Opening reads nothing from the controls: they are still empty, the dialog is not.
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) {
        dialog_.OnInitDialog();
        opening_ = true;
        ApplyState();
        opening_ = false;
    });
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
    // Esc and closing the window come as this button too.
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
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
    if (const int end = dialog_.TakeEndRequest()) EndModal(WxId(end));
}

void EditorDialogUi::BindButton(int dialogId, std::function<void()> handler) {
    BindCommand(wxEVT_BUTTON, dialogId, std::move(handler));
}

void EditorDialogUi::BindCommand(const wxEventTypeTag<wxCommandEvent>& type, int dialogId,
                                 std::function<void()> handler) {
    Bind(type, [this, handler = std::move(handler)](wxCommandEvent&) { Forward(handler); }, WxId(dialogId));
}

void EditorDialogUi::BindCheck(int dialogId, std::function<void()> handler) {
    BindCommand(wxEVT_CHECKBOX, dialogId, handler);
    BindCommand(wxEVT_RADIOBUTTON, dialogId, std::move(handler));
}

void EditorDialogUi::BindChoice(int dialogId, std::function<void()> handler) {
    BindCommand(wxEVT_CHOICE, dialogId, std::move(handler));
}

void EditorDialogUi::BindFocusLost(int dialogId, std::function<void()> handler) {
    wxWindow* control = FindWindow(WxId(dialogId));
    wxCHECK_RET(control, "no control to watch");
    control->Bind(wxEVT_KILL_FOCUS, [handler = std::move(handler)](wxFocusEvent& event) {
        handler();
        event.Skip();
    });
}

wxButton* EditorDialogUi::MakeButton(int dialogId) {
    return new wxButton(this, WxId(dialogId), ToWx(dialog_.GetText(dialogId)));
}

wxCheckBox* EditorDialogUi::MakeCheckBox(int dialogId) {
    return new wxCheckBox(this, WxId(dialogId), ToWx(dialog_.GetText(dialogId)));
}

wxRadioButton* EditorDialogUi::MakeRadioButton(int dialogId, bool startsGroup) {
    return new wxRadioButton(this, WxId(dialogId), ToWx(dialog_.GetText(dialogId)), wxDefaultPosition,
                             wxDefaultSize, startsGroup ? wxRB_GROUP : 0);
}

wxSizer* EditorDialogUi::MakeOkCancelRow(const std::vector<int>& leftButtons) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    for (int id : leftButtons) row->Add(MakeButton(id), wxSizerFlags().Border(wxRIGHT, 6));
    row->AddStretchSpacer();
    row->Add(MakeButton(kIdOk), wxSizerFlags().Border(wxRIGHT, 6));
    row->Add(MakeButton(kIdCancel));
    return row;
}

wxFlexGridSizer* EditorDialogUi::MakeNameValidGrid(wxWindow* nameLabel, wxWindow* name, wxWindow* valid) {
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
    grid->AddGrowableCol(1);
    grid->Add(nameLabel, wxSizerFlags().CenterVertical());
    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(name, wxSizerFlags(1).Border(wxRIGHT, 12));
    nameRow->Add(valid, wxSizerFlags().CenterVertical());
    grid->Add(nameRow, wxSizerFlags().Expand());
    return grid;
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
    list->Bind(wxEVT_LEFT_DCLICK, [this, list, dialogId](wxMouseEvent& event) {
        int flags = 0;
        const long row = list->HitTest(event.GetPosition(), flags);
        Forward([this, dialogId, row] { dialog_.DoubleClickRow(dialogId, static_cast<int>(row)); });
    });
    return list;
}

wxListBox* EditorDialogUi::MakeListBox(int dialogId, wxSize size, long style) {
    auto* box = new wxListBox(this, WxId(dialogId), wxDefaultPosition, size, 0, nullptr, style | wxLB_SINGLE);
    box->Bind(wxEVT_LISTBOX, [this, box, dialogId](wxCommandEvent& event) {
        if (applying_) return;
        const int row = RowOfBoxIndex(*box, dialog_.List(dialogId), event.GetSelection());
        Forward([this, dialogId, row] { dialog_.ChooseRow(dialogId, row); });
    });
    return box;
}

wxSizer* EditorDialogUi::ListsSideBySide(wxWindow* leftLabel, wxWindow* left, const std::vector<wxWindow*>& buttons,
                                         wxWindow* rightLabel, wxWindow* right) {
    auto column = [](wxWindow* label, wxWindow* list) {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(label);
        sizer->Add(list, wxSizerFlags(1).Expand());
        return sizer;
    };
    auto* middle = new wxBoxSizer(wxVERTICAL);
    middle->AddStretchSpacer();
    for (wxWindow* button : buttons) middle->Add(button, wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    middle->AddStretchSpacer();
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(column(leftLabel, left), wxSizerFlags(1).Expand());
    lists->Add(middle, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 6));
    lists->Add(column(rightLabel, right), wxSizerFlags(1).Expand());
    return lists;
}

void EditorDialogUi::ReadControls() {
    for (const auto& [id, control] : dialog_.Controls()) {
        wxWindow* window = FindWindow(WxId(id));
        if (auto* check = dynamic_cast<wxCheckBox*>(window)) {
            dialog_.SetChecked(id, check->GetValue());
        } else if (auto* choice = dynamic_cast<wxChoice*>(window); choice && !dynamic_cast<wxComboBox*>(window)) {
            dialog_.SetText(id, FromWx(choice->GetStringSelection()));
        } else if (auto* radio = dynamic_cast<wxRadioButton*>(window)) {
            dialog_.SetChecked(id, radio->GetValue());
        } else if (auto* entry = dynamic_cast<wxTextEntry*>(window)) {
            const wxString value = entry->GetValue();
            long from = 0, to = 0;
            entry->GetSelection(&from, &to);
            dialog_.SetText(id, FromWx(value));
            dialog_.SetSelection(id, BytesOfCharacters(value, from), BytesOfCharacters(value, to));
        }
    }
}

void EditorDialogUi::ApplyState() {
    applying_ = true;
    if (FromWx(GetTitle()) != dialog_.GetTitle()) SetTitle(ToWx(dialog_.GetTitle()));
    for (const auto& [id, control] : dialog_.Controls()) {
        if (wxWindow* window = FindWindow(WxId(id))) ApplyControl(window, control);
    }
    if (auto* button = dynamic_cast<wxButton*>(FindWindow(WxId(dialog_.GetDefaultButton())))) button->SetDefault();
    Layout();
    ApplyFocus();
    // After the focus: a list box that takes it selects the row under its cursor.
    for (const auto& [id, list] : dialog_.Lists()) ApplyList(id, list);
    applying_ = false;
}

void EditorDialogUi::ApplyControl(wxWindow* window, const EditorControl& control) {
    if (auto* combo = dynamic_cast<wxComboBox*>(window)) {
        ApplyItems(*combo, control.items);
        if (FromWx(combo->GetValue()) != control.text) combo->ChangeValue(ToWx(control.text));
    } else if (auto* choice = dynamic_cast<wxChoice*>(window)) {
        ApplyItems(*choice, control.items);
        if (control.text.empty()) choice->SetSelection(wxNOT_FOUND);
        else choice->SetStringSelection(ToWx(control.text));
    } else if (auto* entry = dynamic_cast<wxTextEntry*>(window)) {
        if (FromWx(entry->GetValue()) != control.text) {
            entry->ChangeValue(ToWx(control.text));
            entry->SetSelection(CharactersOfBytes(control.text, control.selectionFrom),
                                CharactersOfBytes(control.text, control.selectionTo));
        }
        // An edit that its window made read-only stays so.
        if (auto* edit = dynamic_cast<wxTextCtrl*>(window); edit && !edit->HasFlag(wxTE_READONLY))
            edit->SetEditable(!control.readOnly);
    } else {
        if (auto* check = dynamic_cast<wxCheckBox*>(window)) check->SetValue(control.checked);
        // A radio button is cleared by checking another of its group.
        else if (auto* radio = dynamic_cast<wxRadioButton*>(window); radio && control.checked) radio->SetValue(true);
        if (FromWx(window->GetLabel()) != control.text) window->SetLabel(ToWx(control.text));
    }
    window->Enable(control.enabled);
    window->Show(control.shown);
}

void EditorDialogUi::ApplyList(int dialogId, const EditorList& list) {
    wxWindow* window = FindWindow(WxId(dialogId));
    if (auto* box = dynamic_cast<wxListBox*>(window)) {
        ApplyListBox(dialogId, *box, list);
        return;
    }
    auto* control = dynamic_cast<wxListView*>(window);
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

void EditorDialogUi::ApplyListBox(int dialogId, wxListBox& box, const EditorList& list) {
    if (listRevisions_[dialogId] != list.Revision()) {
        listRevisions_[dialogId] = list.Revision();
        wxArrayString texts;
        for (int row = 0; row < list.RowCount(); ++row) texts.Add(ToWx(RowText(list, row)));
        box.Set(texts);
    }
    const int shown = BoxIndexOfRow(box, list, list.GetHighlighted());
    if (box.GetSelection() != shown) box.SetSelection(shown);
}

void EditorDialogUi::ApplyFocus() {
    const FocusRequest request = dialog_.GetFocusRequest();
    dialog_.ClearFocusRequest();
    wxWindow* window = request.control ? FindWindow(WxId(request.control)) : nullptr;
    if (!window || !window->IsEnabled()) {
        // A window opens with the focus on its first control unless its dialog asks for another.
        if (opening_) SetFocus();
        return;
    }
    window->SetFocus();
    // The toolkit selects an edit's whole text when it takes the focus; only a refusal should.
    if (auto* entry = dynamic_cast<wxTextEntry*>(window)) {
        const EditorControl& control = dialog_.Control(request.control);
        if (request.selectText) entry->SelectAll();
        else entry->SetSelection(CharactersOfBytes(control.text, control.selectionFrom),
                                 CharactersOfBytes(control.text, control.selectionTo));
    }
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

void EditorDialogUi::OnCancel() {
    bool close = false;
    Forward([this, &close] { close = dialog_.OnCancel(); });
    if (close) EndModal(wxID_CANCEL);
}

void EditorDialogUi::OnOk() {
    std::optional<wxBusyCursor> waiting;
    if (dialog_.OKTakesLong()) waiting.emplace();
    bool close = false;
    Forward([this, &close] { close = dialog_.OnOK(); });
    if (close) EndModal(wxID_OK);
}
