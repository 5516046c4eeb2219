#include "editors/framework/ModelTreeUi.h"

#include <wx/artprov.h>
#include <wx/imaglist.h>
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

ModelTreeUi::ModelTreeUi(wxWindow* parent, int id, CModelTree& tree, ModelTreePage& page, long style)
    : CTreeCtrlExtendedUi(parent, id, tree, style | wxTR_HIDE_ROOT), tree_(tree), page_(page) {
    root_ = AddRoot(wxString());
    Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) { tree_.SetCaret(TreeItemOf(event.GetItem())); });
    Bind(wxEVT_TREE_KEY_DOWN, &ModelTreeUi::OnKey, this);
    // Handled, so that the tree does not toggle the item: a double click keeps its expansion. The
    // dialog opens once the click is over, which the pointer's grab would otherwise keep.
    Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { CallAfter([this] { page_.OpenProperties(); }); });
    Bind(wxEVT_TREE_ITEM_MENU, &ModelTreeUi::OnContextMenu, this);
    Enable(tree.IsEnabled());
    tree.SetObserver(this);
}

ModelTreeUi::~ModelTreeUi() { tree_.SetObserver(nullptr); }

void ModelTreeUi::SetImages(const std::vector<const char*>& art, wxSize size) {
    auto* images = new wxImageList(size.x, size.y, false);
    for (const char* id : art) {
        const wxBitmap bitmap = wxArtProvider::GetBitmap(id, wxART_OTHER, wxSize(16, 16));
        images->Add(bitmap.IsOk() ? wxBitmap(bitmap.ConvertToImage().Size(size, wxPoint(0, 0))) : wxBitmap(size));
    }
    AssignImageList(images);
}

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

namespace {

PageKey KeyOf(int keyCode) {
    switch (keyCode) {
        case WXK_F1: return PageKey::F1;
        case WXK_F2: return PageKey::F2;
        case WXK_DELETE: return PageKey::Delete;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return PageKey::Enter;
        default: return PageKey::Other;
    }
}

}  // namespace

void ModelTreeUi::OnKey(wxTreeEvent& event) {
    switch (page_.OnKey(KeyOf(event.GetKeyCode()))) {
        case PageKeyResult::StartLabelEdit:
            if (const wxTreeItemId caret = WindowItem(tree_.GetCaret()); caret.IsOk()) EditLabel(caret);
            break;
        case PageKeyResult::NotHandled: event.Skip(); break;
        case PageKeyResult::Handled: break;
    }
}

// From the mouse the item under the pointer is chosen first; from the keyboard the menu opens at
// the tree's top left corner.
void ModelTreeUi::OnContextMenu(wxTreeEvent& event) {
    if (event.GetItem().IsOk()) SelectItem(event.GetItem());
    const std::vector<PageMenuEntry>& entries = page_.ContextMenuEntries();
    wxMenu menu;
    for (size_t index = 0; index < entries.size(); ++index) {
        if (entries[index].command == 0) menu.AppendSeparator();
        else menu.Append(static_cast<int>(index) + 1, wxString::FromUTF8(LoadMessage(entries[index].textId)));
    }
    const wxPoint at = event.GetPoint() == wxDefaultPosition ? wxPoint(0, 0) : event.GetPoint();
    const int chosen = GetPopupMenuSelectionFromUser(menu, at);
    if (chosen != wxID_NONE) page_.OnContextCommand(entries[static_cast<size_t>(chosen) - 1].command);
}
