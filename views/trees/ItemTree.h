#pragma once
// The items of a model tree kept without a window: their texts, images, marks and colours, what
// each stands for, their order, the caret, the expanded and the marked items. The workspace
// pages and the reference picker fill one each; tests read the items, and the window mirrors
// them through the observer. Items are numbered, and a number is never given twice, so a number
// that a model object kept from an earlier fill names no item.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/controls/TreeCtrlExtended.h"

// No item; as a parent, the tree's roots.
inline constexpr int kNoItem = 0;

// Colours as 0xBBGGRR; none means the system's colour.
struct ItemColours {
    std::optional<std::uint32_t> text;
    std::optional<std::uint32_t> background;
    std::optional<std::uint32_t> highlight;
    bool operator==(const ItemColours&) const = default;
};

struct TreeNode {
    int parent = kNoItem;
    std::vector<int> children;
    std::string text;
    int image = 0;
    bool bold = false;
    ItemColours colours;
    // What the item stands for: a kind of the tree's own and the object (not owned).
    int kind = 0;
    void* data = nullptr;
    bool expanded = false;
    // Shown as selected apart from the caret (a marking).
    bool marked = false;
    // Waits to be pasted elsewhere: drawn as cut.
    bool cut = false;
};

// Cut, Copy and Paste as the label being edited takes them.
enum class LabelClipboard { Cut, Copy, Paste };

// What the window hears of the items; each call comes after the change.
class ItemTreeObserver {
public:
    virtual ~ItemTreeObserver() = default;
    // The item was inserted among its parent's children at the index.
    virtual void ItemInserted(int item, int index) = 0;
    // Its text, image, mark or colours changed.
    virtual void ItemChanged(int item) = 0;
    // The item is about to go with its children; they still exist.
    virtual void ItemDeleting(int item) = 0;
    virtual void AllItemsDeleted() = 0;
    // The parent's children (kNoItem: the roots) stand in a new order.
    virtual void ChildrenSorted(int parent) = 0;
    virtual void ItemExpanded(int item, bool expanded) = 0;
    // The caret moved to the item (kNoItem: none).
    virtual void ItemSelected(int item) = 0;
    virtual void ItemMarked(int item, bool marked) = 0;
    virtual void ItemMadeVisible(int item) = 0;
    virtual void TreeEnabled(bool enabled) = 0;
    // Only a window acts on these two: it takes the keyboard focus, or the label being edited
    // takes the clipboard command.
    virtual void FocusWanted() {}
    virtual void LabelEditCommand(LabelClipboard /*command*/) {}
};

class CItemTree : public CTreeCtrlExtended {
public:
    // The order of two items: true when the first comes before the second.
    using ItemOrder = std::function<bool(int first, int second)>;

    CItemTree() = default;
    CItemTree(const CItemTree&) = delete;
    CItemTree& operator=(const CItemTree&) = delete;

    void SetObserver(ItemTreeObserver* observer) { observer_ = observer; }

    // The number as the base class names items, and back; also the handle a model object keeps
    // of its item.
    static TreeItem Key(int item) { return Handle(item); }
    static void* Handle(int item) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(item)); }
    static int ItemOfKey(TreeItem key) { return static_cast<int>(reinterpret_cast<std::intptr_t>(key)); }

    // ---- Changing

    // A new item among the parent's children: last, or first when asked.
    int InsertItem(int parent, const std::string& text, int kind, void* data, bool first = false);
    // The same at the index among the parent's children.
    int InsertItemAt(int parent, std::size_t index, const std::string& text, int kind, void* data);
    // Deletes the item with its children; the caret on one of them goes.
    void DeleteItem(int item);
    void DeleteAllItems();
    void SetText(int item, const std::string& text);
    // The text, image, mark and colours at once; the window hears of it only when one changed.
    void SetLook(int item, const std::string& text, int image, bool bold, const ItemColours& colours);
    void SetData(int item, int kind, void* data);
    // Orders the parent's children; equal ones keep their order. Without an order, by text
    // without regard to case.
    void SortChildren(int parent, const ItemOrder& order = {});
    void Expand(int item, bool expanded = true);
    // Moves the caret to the item and shows it so.
    void Select(int item);
    void SetMarked(int item, bool marked);
    // Draws the item as cut, or as it was again; the window hears of it as a change of look.
    void SetCut(int item, bool cut);
    // Scrolls the item into view, its ancestors expanded.
    void EnsureVisible(int item);
    void Enable(bool enabled);
    // The window takes the keyboard focus.
    void TakeFocus();
    // The label being edited cuts, copies or pastes.
    void PassToLabelEdit(LabelClipboard command);

    // ---- What the window reports

    // The user moved the caret, or opened or closed an item.
    void SetCaret(int item);
    void SetExpanded(int item, bool expanded);
    // A drag of the item begins when the tree's rules allow it.
    bool StartDrag(int item) { return Find(item) && MayDrag(item) && BeginDrag(Key(item)); }

    // ---- Reading

    // Null for a number that names no item.
    const TreeNode* Find(int item) const;
    // The children of the item; of kNoItem: the roots.
    const std::vector<int>& Children(int item) const;
    int GetParent(int item) const;
    int KindOf(int item) const;
    void* DataOf(int item) const;
    int GetCaret() const { return caret_; }
    bool IsEnabled() const { return enabled_; }
    // The texts of the items below the parent in order, depth first, each indented by two blanks
    // per level: the tree as a person reads it.
    std::vector<std::string> Outline(int parent = kNoItem) const;

protected:
    // Sets a new item's look from what it stands for before the window hears of it; a tree that
    // gives looks as it fills leaves this alone.
    virtual void Dress(int /*item*/) {}
    // Dresses the item again and tells the window.
    void Redress(int item);
    // The item to dress; it must exist.
    TreeNode& Look(int item) { return *Get(item); }
    // The caret moved, to another item or to none.
    virtual void CaretMoved() {}
    // Whether the item may be dragged; the model trees say which.
    virtual bool MayDrag(int /*item*/) const { return true; }
    // The dropped item's number and the target's.
    virtual void ItemDropped(int /*dragged*/, int /*target*/) {}

private:
    TreeNode* Get(int item);
    void Forget(int item);
    void Drop(TreeItem dragged, TreeItem target) override { ItemDropped(ItemOfKey(dragged), ItemOfKey(target)); }
    void AddOutline(int parent, int depth, std::vector<std::string>& lines) const;

    struct Slot {
        TreeNode node;
        bool live = false;
    };
    // Item n lives at slots_[n - firstItem_]; numbers before firstItem_ were deleted.
    std::vector<Slot> slots_;
    int firstItem_ = 1;
    std::vector<int> roots_;
    int caret_ = kNoItem;
    bool enabled_ = false;
    ItemTreeObserver* observer_ = nullptr;
};
