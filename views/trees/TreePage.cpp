#include "views/trees/TreePage.h"

#include "shell/CommandIds.h"

CTreePage::CTreePage(TreePageHost& host, CItemTree& tree, int helpContext)
    : host_(host), tree_(tree), helpContext_(helpContext) {}

TreeKeyResult CTreePage::OnKey(TreeKey key, bool shift) {
    switch (key) {
        case TreeKey::F1:
            if (shift) return TreeKeyResult::NotHandled;
            host_.ShowHelp(helpContext_);
            return TreeKeyResult::Handled;
        case TreeKey::F2: return editingLabel_ ? TreeKeyResult::NotHandled : TreeKeyResult::StartLabelEdit;
        case TreeKey::Delete:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            host_.SendCommand(command::kDelete);
            return TreeKeyResult::Handled;
        case TreeKey::Enter:
            if (editingLabel_) return TreeKeyResult::NotHandled;
            OpenSelected();
            return TreeKeyResult::Handled;
        case TreeKey::Other: break;
    }
    return TreeKeyResult::NotHandled;
}

bool CTreePage::OnItemClick(int item, bool ctrl) {
    if (marked_) Unmark();
    return item != kNoItem && tree_.Find(item) && ReportClick(item, ctrl);
}

void CTreePage::MarkItems(const std::vector<int>& items) {
    UnmarkItems();
    for (int item : items) {
        if (!tree_.Find(item)) continue;
        tree_.EnsureVisible(item);
        tree_.SetMarked(item, true);
        markedItems_.push_back(item);
    }
    marked_ = true;
}

void CTreePage::UnmarkItems() {
    for (int item : markedItems_) tree_.SetMarked(item, false);
    markedItems_.clear();
    marked_ = false;
}

void CTreePage::ShowCut(int item) {
    EndCut();
    tree_.SetCut(item, true);
    cutItem_ = item;
}

void CTreePage::EndCut() {
    tree_.SetCut(cutItem_, false);
    cutItem_ = kNoItem;
}

bool CTreePage::PassCommandToLabelEdit(int command) {
    if (!editingLabel_) return false;
    switch (command) {
        case command::kCut: tree_.PassToLabelEdit(LabelClipboard::Cut); return true;
        case command::kCopy: tree_.PassToLabelEdit(LabelClipboard::Copy); return true;
        case command::kPaste: tree_.PassToLabelEdit(LabelClipboard::Paste); return true;
        default: return false;
    }
}
