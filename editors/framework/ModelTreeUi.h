#pragma once
// A model tree on the toolkit: a tree control that mirrors the items of a CModelTree (a hidden
// root holds the roots) with their texts, images and colours, hands the tree the caret and the
// page its keys, double clicks and context menu. The page's tree window adds its own events.
#include <unordered_map>
#include <vector>

#include "editors/framework/ModelTree.h"
#include "editors/framework/PageEvents.h"
#include "shell/wx/controls/TreeCtrlExtendedUi.h"

class ModelTreeUi : public CTreeCtrlExtendedUi, private ModelTreeObserver {
public:
    // The window shows the tree's items while it lives.
    ModelTreeUi(wxWindow* parent, int id, CModelTree& tree, ModelTreePage& page, long style);
    ~ModelTreeUi() override;

    // The window's item of the tree's item; not ok for none.
    wxTreeItemId WindowItem(int item) const;
    // The tree's item of the window's item; kNoTreeItem for none and the hidden root.
    int TreeItemOf(const wxTreeItemId& item) const;

protected:
    // The tree's images by index, from the art provider, each cut to the size.
    void SetImages(const std::vector<const char*>& art, wxSize size);
    // Children sort in the order the tree gave them.
    int OnCompareItems(const wxTreeItemId& first, const wxTreeItemId& second) override;

private:
    void ItemInserted(int item, int index) override;
    void ItemChanged(int item) override;
    void ItemDeleting(int item) override;
    void AllItemsDeleted() override;
    void ChildrenSorted(int parent) override;
    void ItemExpanded(int item) override;
    void ItemSelected(int item) override;
    void TreeEnabled(bool enabled) override;

    void ShowLook(const wxTreeItemId& shown, int item);
    void ForgetSubtree(int item);
    void OnKey(wxTreeEvent& event);
    void OnContextMenu(wxTreeEvent& event);

    CModelTree& tree_;
    ModelTreePage& page_;
    wxTreeItemId root_;
    std::unordered_map<int, wxTreeItemId> shown_;
    // While children are sorted: each child's place among its siblings in the tree.
    std::unordered_map<int, int> sortRanks_;
};
