#pragma once
// What the workspace pages with a model tree hear from their windows: the keys they handle
// themselves and the entries of their context menus.

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
