#include "shell/wx/controls/ListCtrlExtendedUi.h"

wxDEFINE_EVENT(kListRowEvent, wxCommandEvent);

CListCtrlExtendedUi::CListCtrlExtendedUi(wxWindow* parent, int id)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL) {
    list_.SetParent(this);
    Bind(wxEVT_LEFT_DOWN, &CListCtrlExtendedUi::OnMouse, this);
    Bind(wxEVT_LEFT_DCLICK, &CListCtrlExtendedUi::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &CListCtrlExtendedUi::OnKeyDown, this);
}

std::string CListCtrlExtendedUi::GetRowText(int row, int column) const {
    return std::string(GetItemText(row, column).utf8_str());
}

void CListCtrlExtendedUi::HighlightItem(int row) {
    list_.HighlightItem(row);
    ShowHighlight();
}

void CListCtrlExtendedUi::HighlightItemByData(std::uintptr_t value) {
    list_.HighlightItemByData(value);
    ShowHighlight();
}

void CListCtrlExtendedUi::ShowHighlight() {
    const int highlighted = list_.GetHighlightedRow();
    for (int row = 0; row < GetItemCount(); ++row)
        SetItemState(row, row == highlighted ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    if (highlighted >= 0) EnsureVisible(highlighted);
}

void CListCtrlExtendedUi::OnListMessage(int message, std::uintptr_t data) {
    wxCommandEvent event(kListRowEvent, GetId());
    event.SetEventObject(this);
    event.SetInt(message);
    event.SetExtraLong(static_cast<long>(data));
    GetEventHandler()->ProcessEvent(event);
}

void CListCtrlExtendedUi::OnMouse(wxMouseEvent& event) {
    event.Skip();
    int flags = 0;
    const long row = HitTest(event.GetPosition(), flags);
    list_.OnClick(static_cast<int>(row), event.GetEventType() == wxEVT_LEFT_DCLICK);
    CallAfter([this] { ShowHighlight(); });
}

void CListCtrlExtendedUi::OnKeyDown(wxKeyEvent& event) {
    ListKey key;
    switch (event.GetKeyCode()) {
        case WXK_PAGEUP: key = ListKey::PageUp; break;
        case WXK_HOME: key = ListKey::Home; break;
        case WXK_PAGEDOWN: key = ListKey::PageDown; break;
        case WXK_END: key = ListKey::End; break;
        case WXK_UP: key = ListKey::Up; break;
        case WXK_DOWN: key = ListKey::Down; break;
        default: event.Skip(); return;
    }
    list_.OnKey(key);
    ShowHighlight();
}
