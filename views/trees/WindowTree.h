#pragma once
// The tree of the Windows page: a root item per project file ("Project " or "Library " and the
// file's name, the project's first), below each the file's windows and controls in their
// hierarchy, each level sorted by the order the user chose ("SortWnd": by name, by window type,
// or by UFT class). Each item shows whether its window is read-only or has transitions; the
// start window is bold. Dragging a window onto another makes it that one's child.
#include <string>

#include "views/trees/FileTree.h"
#include "views/trees/TreePageHost.h"

class CApplicationKav;
class CFileKav;
class CWindowKav;

// The registry value of the sort order and its values.
inline constexpr const char* kSortOrderValue = "SortWnd";
inline constexpr const char* kSortOrderName = "Name";
inline constexpr const char* kSortOrderType = "Type";
inline constexpr const char* kSortOrderUftClass = "QTP";

// The order of two windows under the sort order: below zero when the first comes first. A
// missing window comes before any other. The key of "QTP" is the UFT class of the window's tool
// data, of "Type" its type's name, of any other order none; equal keys (exactly) leave it to the
// names. Both compare without regard to case.
int CompareWindows(const CWindowKav* first, const CWindowKav* second, const std::string& sortOrder);

class CWindowTree : public CFileTree {
public:
    static constexpr int kWindowItem = kFileItem + 1;
    static constexpr int kImageProject = 0;
    static constexpr int kImageLibrary = 29;
    // A window's image is its type code plus this.
    static constexpr int kFirstWindowImage = 2;

    explicit CWindowTree(TreePageHost& host) : host_(host) {}

    // Deletes every item and forgets the current window, then adds the current project's files
    // with their windows, sorted by the order read from the settings.
    void Fill();
    // The order the last fill read.
    const std::string& GetSortOrder() const { return sortOrder_; }

    CWindowKav* WindowOf(int item) const;
    int ItemOf(const CWindowKav* window) const;

    // Appends the window's item below the parent with the items of its children, each level
    // sorted; the window keeps its item.
    int AppendWindowItem(CWindowKav* window, int parent);
    // Text, image, mark and colours from the item's object; with ancestors also those of the
    // windows above it.
    void UpdateWindowItem(int item, bool ancestors);
    // Sorts the item's children by the sort order; recursive sorts every level below too.
    void SortWindowChildren(int item, bool recursive = false);
    // Reads the sort order again and sorts every level below the file items by it.
    void SortAll();

    bool IsPickMode() const { return pickMode_; }
    void SetPickMode(bool pick) { pickMode_ = pick; }
    CWindowKav* GetCurrentWindow() const { return current_; }
    void SetCurrentWindow(CWindowKav* window);
    // The internal ID of the window the caret stood on when it last moved: what a refill selects
    // again, since the window itself may be gone with its project.
    const std::string& GetCaretWindowId() const { return caretWindowId_; }

protected:
    void CaretMoved() override;
    // Only windows that may be changed are dragged.
    bool MayDrag(int item) const override;
    void ItemDropped(int dragged, int target) override;

private:
    void UpdateOwnLook(int item);
    // The window's item goes; a new one is appended below the target, the items around both
    // places take their looks again and the target's children are sorted.
    void MoveItem(int dragged, int target, CWindowKav* window, CWindowKav* oldParent);

    TreePageHost& host_;
    std::string sortOrder_;
    bool pickMode_ = false;
    CWindowKav* current_ = nullptr;
    std::string caretWindowId_;
};

// The sort order as the settings hold it ("" when never chosen).
std::string ReadWindowSortOrder();
