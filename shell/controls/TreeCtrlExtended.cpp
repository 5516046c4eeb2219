#include "shell/controls/TreeCtrlExtended.h"

bool CTreeCtrlExtended::BeginDrag(TreeItem item) {
    if (!item || item == excluded_) return false;
    dragged_ = item;
    return true;
}

int CTreeCtrlExtended::DragScroll(TreeItem over, TreeItem firstVisible, TreeItem lastVisible) const {
    if (!IsDragging() || !over) return 0;
    if (over == firstVisible) return -1;
    if (over == lastVisible) return 1;
    return 0;
}

TreeItem CTreeCtrlExtended::EndDrag(TreeItem target) {
    const TreeItem dragged = dragged_;
    dragged_ = nullptr;
    if (dragged && target && target != dragged) Drop(dragged, target);
    return dragged;
}

int CTreeCtrlExtended::GetItemFontFlags(TreeItem item, bool boldState) const {
    return Find(fontFlags_, item).value_or(boldState ? kTreeItemBold : 0);
}

void CTreeCtrlExtended::ForgetItem(TreeItem item) {
    textColours_.erase(item);
    backColours_.erase(item);
    highlightColours_.erase(item);
    fontFlags_.erase(item);
    checkStates_.erase(item);
}
