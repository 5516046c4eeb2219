#include "editors/framework/ModelTreeUi.h"

#include <wx/menu.h>

#include "resources/MessageCatalogue.h"

namespace {

// The tree's number of an item, kept as the window item's data.
class ItemNumber : public wxTreeItemData {
public:
    explicit ItemNumber(int item) : item_(item) {}
    int Item() const { return item_; }

private:
    int item_;
};

}  // namespace

ModelTreeUi::ModelTreeUi(wxWindow* parent, int id, CModelTree& tree, long style)
    : CTreeCtrlExtendedUi(parent, id, tree, style | wxTR_HIDE_ROOT), tree_(tree) {
    root_ = AddRoot(wxString());
    Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) { tree_.SetCaret(TreeItemOf(event.GetItem())); });
    Enable(tree.IsEnabled());
    tree.SetObserver(this);
}

ModelTreeUi::~ModelTreeUi() { tree_.SetObserver(nullptr); }

wxTreeItemId ModelTreeUi::WindowItem(int item) const {
    const auto found = shown_.find(item);
    return found == shown_.end() ? wxTreeItemId() : found->second;
}

int ModelTreeUi::TreeItemOf(const wxTreeItemId& item) const {
    const auto* number = item.IsOk() ? dynamic_cast<ItemNumber*>(GetItemData(item)) : nullptr;
    return number ? number->Item() : kNoTreeItem;
}

void ModelTreeUi::ShowLook(const wxTreeItemId& shown, int item) {
    const ModelTreeItem& look = *tree_.Find(item);
    SetItemText(shown, wxString::FromUTF8(look.text));
    SetItemImage(shown, look.image);
    SetItemTextColor(shown, look.colour);
}

void ModelTreeUi::ItemInserted(int item, int index) {
    const int parent = tree_.GetParent(item);
    const wxTreeItemId shown = InsertItem(parent == kNoTreeItem ? root_ : WindowItem(parent),
                                          static_cast<size_t>(index), wxString(), -1, -1, new ItemNumber(item));
    shown_[item] = shown;
    ShowLook(shown, item);
}

void ModelTreeUi::ItemChanged(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) ShowLook(shown, item);
}

void ModelTreeUi::ItemDeleting(int item) {
    const wxTreeItemId shown = WindowItem(item);
    ForgetSubtree(item);
    if (shown.IsOk()) Delete(shown);
}

void ModelTreeUi::ForgetSubtree(int item) {
    shown_.erase(item);
    for (int child : tree_.Children(item)) ForgetSubtree(child);
}

void ModelTreeUi::AllItemsDeleted() {
    shown_.clear();
    DeleteChildren(root_);
}

void ModelTreeUi::ChildrenSorted(int parent) {
    const wxTreeItemId shown = parent == kNoTreeItem ? root_ : WindowItem(parent);
    if (!shown.IsOk()) return;
    const std::vector<int>& children = tree_.Children(parent);
    for (size_t rank = 0; rank < children.size(); ++rank) sortRanks_[children[rank]] = static_cast<int>(rank);
    SortChildren(shown);
    sortRanks_.clear();
}

int ModelTreeUi::OnCompareItems(const wxTreeItemId& first, const wxTreeItemId& second) {
    return sortRanks_[TreeItemOf(first)] - sortRanks_[TreeItemOf(second)];
}

void ModelTreeUi::ItemExpanded(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) Expand(shown);
}

void ModelTreeUi::ItemSelected(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (!shown.IsOk()) {
        UnselectAll();
        return;
    }
    SelectItem(shown);
    EnsureVisible(shown);
}

void ModelTreeUi::TreeEnabled(bool enabled) { Enable(enabled); }

PageKey ModelTreeUi::KeyOf(int keyCode) {
    switch (keyCode) {
        case WXK_F1: return PageKey::F1;
        case WXK_F2: return PageKey::F2;
        case WXK_DELETE: return PageKey::Delete;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return PageKey::Enter;
        default: return PageKey::Other;
    }
}

int ModelTreeUi::ChooseFromMenu(const std::vector<PageMenuEntry>& entries, const wxPoint& at) {
    wxMenu menu;
    for (size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].command == 0) menu.AppendSeparator();
        else menu.Append(static_cast<int>(index) + 1, wxString::FromUTF8(LoadMessage(entries[index].textId)));
    }
    const int chosen = GetPopupMenuSelectionFromUser(menu, at == wxDefaultPosition ? wxPoint(0, 0) : at);
    return chosen == wxID_NONE ? 0 : entries[static_cast<size_t>(chosen) - 1].command;
}
