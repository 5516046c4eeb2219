#pragma once
// The extended list on the toolkit: a report list that shows the current row selected and sends
// its parent a command event of type kListRowEvent (the message 1204 or 1205 as its int, the
// row's item data as its extra long) on every click and arrow key.
#include <wx/listctrl.h>

#include "shell/controls/ListCtrlExtended.h"

wxDECLARE_EVENT(kListRowEvent, wxCommandEvent);

class CListCtrlExtendedUi : public wxListCtrl, public ListRows, public ListParent {
public:
    CListCtrlExtendedUi(wxWindow* parent, int id);

    CListCtrlExtended& GetLogic() { return list_; }
    void HighlightItem(int row);
    void HighlightItemByData(std::uintptr_t value);

    int GetRowCount() const override { return GetItemCount(); }
    std::uintptr_t GetRowData(int row) const override { return GetItemData(row); }
    std::string GetRowText(int row, int column) const override;
    void OnListMessage(int message, std::uintptr_t data) override;

private:
    void ShowHighlight();
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    CListCtrlExtended list_{*this};
};
