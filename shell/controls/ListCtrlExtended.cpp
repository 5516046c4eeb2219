#include "shell/controls/ListCtrlExtended.h"

#include "platform/TextUtil.h"

void CListCtrlExtended::HighlightItemByData(std::uintptr_t value) {
    for (int row = 0; row < rows_.GetRowCount(); ++row) {
        if (rows_.GetRowData(row) != value) continue;
        HighlightItem(row);
        return;
    }
    highlighted_ = -1;
}

int CListCtrlExtended::FindItemText(const std::string& text, int column) const {
    for (int row = 0; row < rows_.GetRowCount(); ++row)
        if (EqualsNoCase(rows_.GetRowText(row, column), text)) return row;
    return -1;
}

void CListCtrlExtended::OnClick(int row, bool doubleClick) {
    HighlightItem(row);
    if (row >= 0 && row == silentRow_) return;
    Tell(doubleClick ? kListRowDoubleClicked : kListRowClicked, row);
}

void CListCtrlExtended::OnKey(ListKey key) {
    const int last = rows_.GetRowCount() - 1;
    int row = current_;
    switch (key) {
        case ListKey::PageUp:
        case ListKey::Home: row = 0; break;
        case ListKey::PageDown:
        case ListKey::End: row = last; break;
        case ListKey::Up: row = current_ - 1; break;
        case ListKey::Down: row = current_ + 1; break;
    }
    if (row < 0 || row > last || row == current_) return;
    HighlightItem(row);
    Tell(kListRowClicked, row);
}

void CListCtrlExtended::Tell(int message, int row) {
    if (parent_) parent_->OnListMessage(message, row >= 0 ? rows_.GetRowData(row) : 0);
}
