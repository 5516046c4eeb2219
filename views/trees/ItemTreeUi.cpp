#include "views/trees/ItemTreeUi.h"

#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

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

wxColour Shown(const std::optional<std::uint32_t>& colour, wxSystemColour system) {
    if (!colour) return wxSystemSettings::GetColour(system);
    wxColour shown;
    shown.SetRGB(*colour);
    return shown;
}

TreeKey KeyOf(int keyCode) {
    switch (keyCode) {
        case WXK_F1: return TreeKey::F1;
        case WXK_F2: return TreeKey::F2;
        case WXK_DELETE: return TreeKey::Delete;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: return TreeKey::Enter;
        default: return TreeKey::Other;
    }
}

}  // namespace

ItemTreeUi::ItemTreeUi(wxWindow* parent, int id, CItemTree& tree, ItemTreeEvents& events, wxImageList* images,
                       bool labelEdits)
    : CTreeCtrlExtendedUi(parent, id, tree,
                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                              (labelEdits ? wxTR_EDIT_LABELS : 0)),
      tree_(tree),
      events_(events) {
    AssignImageList(images);
    root_ = AddRoot(wxString());
    // Bound after the base's handlers, so called before them: the drag follows the tree's rules.
    Bind(wxEVT_TREE_BEGIN_DRAG, &ItemTreeUi::OnBeginDrag, this);
    Bind(wxEVT_TREE_END_DRAG, &ItemTreeUi::OnEndDrag, this);
    Bind(wxEVT_LEFT_DOWN, &ItemTreeUi::OnLeftDown, this);
    Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) { tree_.SetCaret(TreeItemOf(event.GetItem())); });
    Bind(wxEVT_TREE_KEY_DOWN, &ItemTreeUi::OnKey, this);
    // Handled, so that the tree does not toggle the item: a double click keeps its expansion. What
    // it opens opens once the click is over, which the pointer's grab would otherwise keep.
    Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { CallAfter([this] { events_.OnDoubleClick(); }); });
    Bind(wxEVT_TREE_BEGIN_LABEL_EDIT, &ItemTreeUi::OnBeginLabelEdit, this);
    Bind(wxEVT_TREE_END_LABEL_EDIT, &ItemTreeUi::OnEndLabelEdit, this);
    Bind(wxEVT_TREE_ITEM_MENU, &ItemTreeUi::OnContextMenu, this);
    Bind(wxEVT_TREE_ITEM_EXPANDED, &ItemTreeUi::OnExpansion, this);
    Bind(wxEVT_TREE_ITEM_COLLAPSED, &ItemTreeUi::OnExpansion, this);
    Enable(tree.IsEnabled());
    tree.SetObserver(this);
    ShowChildren(kNoItem);
}

ItemTreeUi::~ItemTreeUi() { tree_.SetObserver(nullptr); }

void ItemTreeUi::ShowChildren(int parent) {
    const std::vector<int>& children = tree_.Children(parent);
    for (std::size_t index = 0; index < children.size(); ++index) {
        ItemInserted(children[index], static_cast<int>(index));
        ShowChildren(children[index]);
    }
}

wxTreeItemId ItemTreeUi::WindowItem(int item) const {
    const auto found = shown_.find(item);
    return found == shown_.end() ? wxTreeItemId() : found->second;
}

int ItemTreeUi::TreeItemOf(const wxTreeItemId& item) const {
    const auto* number = item.IsOk() ? dynamic_cast<ItemNumber*>(GetItemData(item)) : nullptr;
    return number ? number->Item() : kNoItem;
}

void ItemTreeUi::ShowLook(const wxTreeItemId& shown, int item) {
    const TreeNode& node = *tree_.Find(item);
    SetItemText(shown, wxString::FromUTF8(node.text));
    SetItemImage(shown, node.image);
    SetItemImage(shown, node.image, wxTreeItemIcon_Selected);
    SetItemBold(shown, node.bold);
    if (node.marked) {
        SetItemTextColour(shown, wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
        SetItemBackgroundColour(shown, wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
        return;
    }
    SetItemTextColour(shown, node.cut ? wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT)
                                      : Shown(node.colours.text, wxSYS_COLOUR_WINDOWTEXT));
    SetItemBackgroundColour(shown, Shown(node.colours.background, wxSYS_COLOUR_WINDOW));
}

void ItemTreeUi::ItemInserted(int item, int index) {
    const int parent = tree_.GetParent(item);
    const wxTreeItemId shown = InsertItem(parent == kNoItem ? root_ : WindowItem(parent), static_cast<size_t>(index),
                                          wxString(), -1, -1, new ItemNumber(item));
    shown_[item] = shown;
    ShowLook(shown, item);
}

void ItemTreeUi::ItemChanged(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) ShowLook(shown, item);
}

void ItemTreeUi::ItemDeleting(int item) {
    const wxTreeItemId shown = WindowItem(item);
    ForgetSubtree(item);
    if (shown.IsOk()) Delete(shown);
}

void ItemTreeUi::ForgetSubtree(int item) {
    shown_.erase(item);
    if (editedItem_ == item) editedItem_ = kNoItem;
    for (int child : tree_.Children(item)) ForgetSubtree(child);
}

void ItemTreeUi::AllItemsDeleted() {
    shown_.clear();
    editedItem_ = kNoItem;
    DeleteChildren(root_);
}

void ItemTreeUi::ChildrenSorted(int parent) {
    const wxTreeItemId shown = parent == kNoItem ? root_ : WindowItem(parent);
    if (!shown.IsOk()) return;
    const std::vector<int>& children = tree_.Children(parent);
    for (size_t rank = 0; rank < children.size(); ++rank) sortRanks_[children[rank]] = static_cast<int>(rank);
    SortChildren(shown);
    sortRanks_.clear();
}

int ItemTreeUi::OnCompareItems(const wxTreeItemId& first, const wxTreeItemId& second) {
    return sortRanks_[TreeItemOf(first)] - sortRanks_[TreeItemOf(second)];
}

void ItemTreeUi::ItemExpanded(int item, bool expanded) {
    const wxTreeItemId shown = WindowItem(item);
    if (!shown.IsOk() || !ItemHasChildren(shown)) return;
    if (expanded) Expand(shown);
    else Collapse(shown);
}

void ItemTreeUi::ItemSelected(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (!shown.IsOk()) {
        UnselectAll();
        return;
    }
    SelectItem(shown);
    EnsureVisible(shown);
}

void ItemTreeUi::ItemMarked(int item, bool /*marked*/) { ItemChanged(item); }

void ItemTreeUi::ItemMadeVisible(int item) {
    const wxTreeItemId shown = WindowItem(item);
    if (shown.IsOk()) EnsureVisible(shown);
}

void ItemTreeUi::TreeEnabled(bool enabled) { Enable(enabled); }

void ItemTreeUi::LabelEditCommand(LabelClipboard command) {
    wxTextCtrl* edit = GetEditControl();
    if (!edit) return;
    switch (command) {
        case LabelClipboard::Cut: edit->Cut(); break;
        case LabelClipboard::Copy: edit->Copy(); break;
        case LabelClipboard::Paste: edit->Paste(); break;
    }
}

void ItemTreeUi::OnLeftDown(wxMouseEvent& event) {
    int flags = 0;
    const wxTreeItemId hit = HitTest(event.GetPosition(), flags);
    const bool onItem = hit.IsOk() && (flags & (wxTREE_HITTEST_ONITEMICON | wxTREE_HITTEST_ONITEMLABEL |
                                                wxTREE_HITTEST_ONITEMSTATEICON));
    if (!events_.OnItemClick(onItem ? TreeItemOf(hit) : kNoItem, event.ControlDown())) event.Skip();
}

void ItemTreeUi::OnKey(wxTreeEvent& event) {
    switch (events_.OnKey(KeyOf(event.GetKeyCode()), event.GetKeyEvent().ShiftDown())) {
        case TreeKeyResult::StartLabelEdit:
            if (const wxTreeItemId caret = WindowItem(tree_.GetCaret()); caret.IsOk()) EditLabel(caret);
            break;
        case TreeKeyResult::NotHandled: event.Skip(); break;
        case TreeKeyResult::Handled: break;
    }
}

void ItemTreeUi::OnBeginLabelEdit(wxTreeEvent& event) {
    const int item = TreeItemOf(event.GetItem());
    const std::optional<std::string> name = events_.BeginLabelEdit(item);
    if (!name) {
        event.Veto();
        return;
    }
    // The edit takes the bare name from the item; then the item's own text is blank behind it.
    editedItem_ = item;
    editStart_ = *name;
    editEscaped_ = false;
    SetItemText(event.GetItem(), wxString::FromUTF8(*name));
    CallAfter([this, item] {
        if (editedItem_ != item) return;
        SetItemText(WindowItem(item), wxString());
        if (wxTextCtrl* edit = GetEditControl())
            edit->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& key) {
                if (key.GetKeyCode() == WXK_ESCAPE) editEscaped_ = true;
                key.Skip();
            });
    });
}

void ItemTreeUi::OnEndLabelEdit(wxTreeEvent& event) {
    const int item = TreeItemOf(event.GetItem());
    editedItem_ = kNoItem;
    const bool unchanged = event.IsEditCancelled() && !editEscaped_;
    const std::string text = unchanged ? editStart_ : std::string(event.GetLabel().utf8_str());
    events_.EndLabelEdit(item, event.IsEditCancelled() && editEscaped_, text);
    // The logic has given the item its text, whatever became of the rename.
    if (const wxTreeItemId shown = WindowItem(item); shown.IsOk()) ShowLook(shown, item);
    event.Veto();
}

void ItemTreeUi::OnContextMenu(wxTreeEvent& event) {
    if (event.GetItem().IsOk()) SelectItem(event.GetItem());
    const std::vector<TreeMenuEntry> entries = events_.ContextMenu();
    if (entries.empty()) return;
    wxMenu menu;
    for (size_t index = 0; index < entries.size(); ++index) {
        const TreeMenuEntry& entry = entries[index];
        const int id = static_cast<int>(index) + 1;
        if (entry.command == 0) menu.AppendSeparator();
        else if (entry.checked) menu.AppendCheckItem(id, wxString::FromUTF8(LoadMessage(entry.textId)))->Check();
        else menu.Append(id, wxString::FromUTF8(LoadMessage(entry.textId)));
    }
    // From the keyboard the menu opens at the tree's top left corner.
    const wxPoint at = event.GetPoint() == wxDefaultPosition ? wxPoint(0, 0) : event.GetPoint();
    const int chosen = GetPopupMenuSelectionFromUser(menu, at);
    if (chosen != wxID_NONE) events_.OnContextCommand(entries[static_cast<size_t>(chosen) - 1].command);
}

void ItemTreeUi::OnBeginDrag(wxTreeEvent& event) {
    if (tree_.StartDrag(TreeItemOf(event.GetItem()))) event.Allow();
}

void ItemTreeUi::OnEndDrag(wxTreeEvent& event) {
    const int target = TreeItemOf(event.GetItem());
    // The drop changes the items once the tree has finished with the drag.
    CallAfter([this, target] { tree_.EndDrag(target == kNoItem ? nullptr : CItemTree::Key(target)); });
}

void ItemTreeUi::OnExpansion(wxTreeEvent& event) {
    const int item = TreeItemOf(event.GetItem());
    if (item == kNoItem) return;
    const bool expanded = event.GetEventType() == wxEVT_TREE_ITEM_EXPANDED;
    tree_.SetExpanded(item, expanded);
    events_.OnExpanded(item, expanded);
}
