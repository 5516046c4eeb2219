#pragma once
// An item tree on the toolkit: a tree control that mirrors the items of a CItemTree (a hidden
// root holds its roots) and hands the logic behind it its clicks, keys, double clicks, renames,
// drags and context menu. The workspace pages and the reference picker show theirs so.
#include <string>
#include <unordered_map>

#include "shell/wx/controls/TreeCtrlExtendedUi.h"
#include "views/trees/ItemTree.h"
#include "views/trees/ItemTreeEvents.h"

class wxImageList;

class ItemTreeUi : public CTreeCtrlExtendedUi, private ItemTreeObserver {
public:
    // Takes the images; with labelEdits the items are renamed in place.
    ItemTreeUi(wxWindow* parent, int id, CItemTree& tree, ItemTreeEvents& events, wxImageList* images,
               bool labelEdits);
    ~ItemTreeUi() override;

    CItemTree& Items() { return tree_; }
    // The window's item of the tree's item; not ok for none.
    wxTreeItemId WindowItem(int item) const;
    // The tree's item of the window's item; kNoItem for none and the hidden root.
    int TreeItemOf(const wxTreeItemId& item) const;

protected:
    // Children sort in the order the tree gave them.
    int OnCompareItems(const wxTreeItemId& first, const wxTreeItemId& second) override;

private:
    void ItemInserted(int item, int index) override;
    void ItemChanged(int item) override;
    void ItemDeleting(int item) override;
    void AllItemsDeleted() override;
    void ChildrenSorted(int parent) override;
    void ItemExpanded(int item, bool expanded) override;
    void ItemSelected(int item) override;
    void ItemMarked(int item, bool marked) override;
    void ItemMadeVisible(int item) override;
    void TreeEnabled(bool enabled) override;
    void FocusWanted() override { SetFocus(); }
    void LabelEditCommand(LabelClipboard command) override;

    // Shows the items the tree had before the window (recursively below the parent).
    void ShowChildren(int parent);
    void ShowLook(const wxTreeItemId& shown, int item);
    void ForgetSubtree(int item);
    void OnLeftDown(wxMouseEvent& event);
    void OnKey(wxTreeEvent& event);
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);
    void OnContextMenu(wxTreeEvent& event);
    void OnBeginDrag(wxTreeEvent& event);
    void OnEndDrag(wxTreeEvent& event);
    void OnExpansion(wxTreeEvent& event);

    CItemTree& tree_;
    ItemTreeEvents& events_;
    wxTreeItemId root_;
    std::unordered_map<int, wxTreeItemId> shown_;
    // While children are sorted: each child's place among its siblings in the tree.
    std::unordered_map<int, int> sortRanks_;
    // The item being renamed, whose label is blank while the edit shows its name.
    int editedItem_ = kNoItem;
    // The text the edit began with, and whether Esc ended it: the toolkit reports a text
    // confirmed unchanged as a cancelled edit.
    std::string editStart_;
    bool editEscaped_ = false;
};
