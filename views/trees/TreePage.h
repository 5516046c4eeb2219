#pragma once
// What the Tasks and Windows pages share: their keys and help, renaming in place, the pick mode
// in which a click reports an object to the frame, the marking of found objects as a multiple
// selection, and the cut item waiting to be pasted. Each page adds its tree's rules.
#include <vector>

#include "views/trees/ItemTree.h"
#include "views/trees/ItemTreeEvents.h"
#include "views/trees/TreePageHost.h"

class CTreePage : public ItemTreeEvents {
public:
    CTreePage(TreePageHost& host, CItemTree& tree, int helpContext);

    int GetHelpContext() const { return helpContext_; }
    bool IsPickMode() const { return pickMode_; }
    bool IsEditingLabel() const { return editingLabel_; }
    bool IsMarked() const { return marked_; }
    // The items shown as the marking.
    const std::vector<int>& MarkedItems() const { return markedItems_; }

    // F1 opens the page's help (with Shift the tree's own context help runs); F2 starts a rename,
    // Delete is the frame's Delete, Enter opens the caret's object; none while renaming.
    TreeKeyResult OnKey(TreeKey key, bool shift) override;
    void OnDoubleClick() override { OpenSelected(); }
    void OnContextCommand(int command) override { host_.SendCommand(command); }
    // A click anywhere in the tree ends the marking.
    bool OnItemClick(int item, bool ctrl) override;

    // While a label is being edited the frame's Cut, Copy and Paste (their command numbers) are
    // its own: true when the command went to it.
    bool PassCommandToLabelEdit(int command);

    // Opens what the caret item stands for.
    virtual void OpenSelected() = 0;
    // Ends the marking with the page's list of marked objects.
    virtual void Unmark() = 0;

protected:
    // In pick mode, or with Ctrl, a click on an object's item may report it: true when it did.
    virtual bool ReportClick(int item, bool ctrl) = 0;

    void SetPickFlag(bool pick) { pickMode_ = pick; }
    void SetEditingLabel(bool editing) { editingLabel_ = editing; }
    // Ends any marking, then marks the items; the marking ends with the next click or Unmark.
    void MarkItems(const std::vector<int>& items);
    void UnmarkItems();
    // Draws the item as cut until the next one or EndCut.
    void ShowCut(int item);
    void EndCut();

    TreePageHost& host_;

private:
    CItemTree& tree_;
    int helpContext_;
    bool pickMode_ = false;
    bool editingLabel_ = false;
    bool marked_ = false;
    std::vector<int> markedItems_;
    int cutItem_ = kNoItem;
};
