#pragma once
// What the window of an item tree hands the logic behind it (the workspace pages, the
// reference picker): clicks, keys, double clicks, renames in place and the context menu. Each
// answer says what the window does next.
#include <optional>
#include <string>
#include <vector>

// Keys the logic handles itself.
enum class TreeKey { F1, F2, Delete, Enter, Other };

// After a key: nothing more, start a rename in place of the caret item, or let the tree handle it.
enum class TreeKeyResult { Handled, StartLabelEdit, NotHandled };

// An entry of a context menu: its text id and command, with a check mark; a separator has
// neither id nor command.
struct TreeMenuEntry {
    int textId = 0;
    int command = 0;
    bool checked = false;
    bool operator==(const TreeMenuEntry&) const = default;
};

class ItemTreeEvents {
public:
    virtual ~ItemTreeEvents() = default;

    // A left button press on the item's icon or label (kNoItem elsewhere in the tree): true when
    // the press goes no further.
    virtual bool OnItemClick(int /*item*/, bool /*ctrl*/) { return false; }
    // A double click on the item, after the window selected it; its expansion stays as it was.
    virtual void OnDoubleClick() {}
    virtual TreeKeyResult OnKey(TreeKey /*key*/, bool /*shift*/) { return TreeKeyResult::NotHandled; }
    // A rename in place begins on the item: the text to edit, or nothing when refused.
    virtual std::optional<std::string> BeginLabelEdit(int /*item*/) { return std::nullopt; }
    // It ended: whether the object took the text. The item shows its look again in any case.
    virtual bool EndLabelEdit(int /*item*/, bool /*cancelled*/, const std::string& /*text*/) { return false; }
    // The context menu, built when it opens; empty: none.
    virtual std::vector<TreeMenuEntry> ContextMenu() const { return {}; }
    virtual void OnContextCommand(int /*command*/) {}
    // An item was opened or closed by the user.
    virtual void OnExpanded(int /*item*/, bool /*expanded*/) {}
};
