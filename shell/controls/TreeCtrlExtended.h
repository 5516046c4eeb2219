#pragma once
// The base of every model tree: per-item colours, font marks and check states, the focus flag
// that tells the frame whether the tree's page is the active pane, and the rules of dragging an
// item onto another. The window keeps the items; items are named by the window's item handles.
#include <cstdint>
#include <map>
#include <optional>

using TreeItem = const void*;

// Font marks of an item.
inline constexpr int kTreeItemBold = 1;
inline constexpr int kTreeItemItalic = 2;

class CTreeCtrlExtended {
public:
    virtual ~CTreeCtrlExtended() = default;

    // The item that may not be dragged (the pages' root item).
    void SetExcludedItem(TreeItem item) { excluded_ = item; }

    // Starts dragging the item; false for the excluded item (or none).
    bool BeginDrag(TreeItem item);
    bool IsDragging() const { return dragged_ != nullptr; }
    TreeItem GetDraggedItem() const { return dragged_; }
    // How the tree scrolls while dragging over the item: -1 up by one item over the first
    // visible one, 1 down over the last visible one, else 0.
    int DragScroll(TreeItem over, TreeItem firstVisible, TreeItem lastVisible) const;
    // The button was released over the target (null beside the items): the drag ends, and the
    // drop operation runs unless there is no target or it is the dragged item itself. The item
    // that was dragged, which the window then selects.
    TreeItem EndDrag(TreeItem target);

    void SetFocusFlag(bool focused) { focus_ = focused; }
    bool HasFocus() const { return focus_; }

    // Colours as 0xBBGGRR; none stored: the system's colour.
    void SetItemTextColor(TreeItem item, std::uint32_t colour) { textColours_[item] = colour; }
    void SetItemBkColor(TreeItem item, std::uint32_t colour) { backColours_[item] = colour; }
    void SetItemHighlightColor(TreeItem item, std::uint32_t colour) { highlightColours_[item] = colour; }
    std::optional<std::uint32_t> GetItemTextColor(TreeItem item) const { return Find(textColours_, item); }
    std::optional<std::uint32_t> GetItemBkColor(TreeItem item) const { return Find(backColours_, item); }
    std::optional<std::uint32_t> GetItemHighlightColor(TreeItem item) const { return Find(highlightColours_, item); }

    void SetItemCheckState(TreeItem item, int state) { checkStates_[item] = state; }
    // 0 when none was stored.
    int GetItemCheckState(TreeItem item) const { return Find(checkStates_, item).value_or(0); }

    // Stores the font marks; the window sets the item's bold state by bit 0.
    void SetItemBold(TreeItem item, int flags) { fontFlags_[item] = flags; }
    // The item's font marks: the stored ones, or from the item's own bold state.
    int GetItemFontFlags(TreeItem item, bool boldState) const;

    // The window deleted the item: what was stored for it goes.
    void ForgetItem(TreeItem item);

protected:
    // Dropping the dragged item on the target; the model trees move their objects here.
    virtual void Drop(TreeItem /*dragged*/, TreeItem /*target*/) {}

private:
    template <class Value>
    static std::optional<Value> Find(const std::map<TreeItem, Value>& map, TreeItem item) {
        auto it = map.find(item);
        return it == map.end() ? std::nullopt : std::optional<Value>(it->second);
    }

    TreeItem excluded_ = nullptr;
    TreeItem dragged_ = nullptr;
    bool focus_ = false;
    std::map<TreeItem, std::uint32_t> textColours_;
    std::map<TreeItem, std::uint32_t> backColours_;
    std::map<TreeItem, std::uint32_t> highlightColours_;
    std::map<TreeItem, int> fontFlags_;
    std::map<TreeItem, int> checkStates_;
};
