#pragma once
// An entry of a view's context menu: its text's message id and its command, or a separator
// (command 0).
struct ViewMenuEntry {
    int textId;
    int command;
};
