#pragma once
// What the window of an item tree would have heard of its items.
#include <vector>

#include "views/trees/ItemTree.h"

class RecordingTreeObserver : public ItemTreeObserver {
public:
    void ItemInserted(int, int) override {}
    void ItemChanged(int) override {}
    void ItemDeleting(int item) override { deleted.push_back(item); }
    void AllItemsDeleted() override {}
    void ChildrenSorted(int) override {}
    void ItemExpanded(int item, bool) override { expanded.push_back(item); }
    void ItemSelected(int item) override { selected = item; }
    void ItemMarked(int, bool) override {}
    void ItemMadeVisible(int) override {}
    void TreeEnabled(bool) override {}
    void FocusWanted() override { ++focusWanted; }
    void LabelEditCommand(LabelClipboard command) override { labelCommands.push_back(command); }

    std::vector<int> deleted;
    std::vector<int> expanded;
    int selected = kNoItem;
    int focusWanted = 0;
    std::vector<LabelClipboard> labelCommands;
};
