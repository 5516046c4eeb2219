#pragma once
// The data tree on the toolkit: a tree control that mirrors the items of the page's CDataTree
// (a hidden root holds the file items), renames sets and fields in place, and hands the page
// its selection, keys, double clicks and context menu. No item is dragged.
#include <unordered_map>

#include "editors/data/DataDlg.h"
#include "shell/wx/controls/TreeCtrlExtendedUi.h"

class DataTreeUi : public CTreeCtrlExtendedUi, private DataTreeObserver {
public:
    DataTreeUi(wxWindow* parent, CDataDlg& page);
    ~DataTreeUi() override;

    // The window's item of the tree's item; not ok for none.
    wxTreeItemId WindowItem(int item) const;
    // The tree's item of the window's item; kNoDataItem for none and the hidden root.
    int DataItem(const wxTreeItemId& item) const;

protected:
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
    void OnBeginLabelEdit(wxTreeEvent& event);
    void OnEndLabelEdit(wxTreeEvent& event);
    void OnContextMenu(wxTreeEvent& event);

    CDataDlg& page_;
    wxTreeItemId root_;
    std::unordered_map<int, wxTreeItemId> shown_;
    // While children are sorted: each child's place among its siblings in the tree.
    std::unordered_map<int, int> sortRanks_;
};
