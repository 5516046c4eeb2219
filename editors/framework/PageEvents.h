#pragma once
// What the workspace pages with a model tree hear from their windows: the keys they handle
// themselves, their double clicks and the entries of their context menus.
#include <vector>

// Keys a page handles itself.
enum class PageKey { F1, F2, Delete, Enter, Other };

// What the window does after a key: nothing more, start an in-place rename of the caret item,
// or let the tree handle the key.
enum class PageKeyResult { Handled, StartLabelEdit, NotHandled };

// An entry of a context menu: its text id and command; a separator has neither.
struct PageMenuEntry {
    int textId;
    int command;
};

// What a page with a model tree does on the events its window forwards.
class ModelTreePage {
public:
    virtual ~ModelTreePage() = default;
    virtual PageKeyResult OnKey(PageKey key) = 0;
    // Enter or a double click: the properties of the chosen item.
    virtual void OpenProperties() = 0;
    virtual const std::vector<PageMenuEntry>& ContextMenuEntries() const = 0;
    // A command chosen in the context menu.
    virtual void OnContextCommand(int command) = 0;
};
