#pragma once
// The items of a workspace page's tree, kept without a window: each with its parent, its
// children in their order, its text, image and colour, and what it shows (a project file or a
// model object). A derived tree says how an item looks by its object. Items are numbered, and a
// number is never given twice, so a number that an object kept from an earlier fill names no
// item. The window mirrors the items through the observer; its base keeps the focus flag.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/controls/TreeCtrlExtended.h"

class CFileKav;

// No item; as a parent, the tree's roots.
inline constexpr int kNoTreeItem = 0;

// Text colours as 0xBBGGRR.
inline constexpr std::uint32_t kTreeTextBlack = 0x000000;
inline constexpr std::uint32_t kTreeTextBlue = 0xFF0000;
inline constexpr std::uint32_t kTreeTextGrey = 0x646464;

struct ModelTreeItem {
    int parent = kNoTreeItem;
    std::vector<int> children;
    std::string text;
    int image = 0;
    std::uint32_t colour = kTreeTextBlack;
    // A file root item's file; null for the others.
    CFileKav* file = nullptr;
    // The model object of every other item; its tree knows its type.
    void* object = nullptr;
};

// What the window hears of the items; each call comes after the change.
class ModelTreeObserver {
public:
    virtual ~ModelTreeObserver() = default;
    // The item was inserted among its parent's children at the index.
    virtual void ItemInserted(int item, int index) = 0;
    // Its text, image or colour changed.
    virtual void ItemChanged(int item) = 0;
    // The item is about to go with its children; they still exist.
    virtual void ItemDeleting(int item) = 0;
    virtual void AllItemsDeleted() = 0;
    // The parent's children (kNoTreeItem: the roots) stand in a new order.
    virtual void ChildrenSorted(int parent) = 0;
    virtual void ItemExpanded(int item) = 0;
    // The caret moved to the item (kNoTreeItem: none).
    virtual void ItemSelected(int item) = 0;
    virtual void TreeEnabled(bool enabled) = 0;
};

class CModelTree : public CTreeCtrlExtended {
public:
    void SetObserver(ModelTreeObserver* observer) { observer_ = observer; }

    // ---- Changing the items

    // Deletes the item with its children.
    void DeleteItem(int item);
    // Orders the parent's children by their texts without regard to case.
    void SortChildren(int parent);
    void Expand(int item);
    // Moves the caret to the item and shows it so.
    void Select(int item);
    // The window moved the caret.
    void SetCaret(int item);
    void Enable(bool enabled);

    // ---- Reading

    // Null for a number that names no item.
    const ModelTreeItem* Find(int item) const;
    // The children of the item; of kNoTreeItem: the roots.
    const std::vector<int>& Children(int item) const;
    int GetParent(int item) const;
    int GetCaret() const { return caret_; }
    int GetProjectRoot() const { return projectRoot_; }
    bool IsEnabled() const { return enabled_; }

protected:
    // Deletes every item.
    void Clear();
    // A new item among the parent's children at the index, dressed.
    int Insert(int parent, int index, CFileKav* file, void* object);
    // The same as the parent's last child.
    int Append(int parent, CFileKav* file, void* object) {
        return Insert(parent, static_cast<int>(Children(parent).size()), file, object);
    }
    void SetProjectRoot(int item) { projectRoot_ = item; }
    // Dresses the item again and tells the window.
    void Redress(int item);
    ModelTreeItem& Look(int item) { return *Get(item); }

    // Sets the item's text, image and colour by what it shows.
    virtual void Dress(int item) = 0;
    // The caret moved (also to none).
    virtual void CaretMoved() {}

private:
    struct Node : ModelTreeItem {
        bool live = true;
    };

    Node* Get(int item);
    void Forget(int item);

    // Item n lives at nodes_[n - firstItem_]; numbers before firstItem_ were deleted.
    std::vector<Node> nodes_;
    int firstItem_ = 1;
    std::vector<int> roots_;
    int projectRoot_ = kNoTreeItem;
    int caret_ = kNoTreeItem;
    bool enabled_ = false;
    ModelTreeObserver* observer_ = nullptr;
};
