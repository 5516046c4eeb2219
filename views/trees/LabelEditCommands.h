#pragma once
// While a tree item's label is being edited, the frame's Cut, Copy and Paste belong to the label
// edit, not to the model objects.
class CItemTree;

// Passes Cut, Copy or Paste (their command numbers) to the tree's label edit: true when the
// command was one of them.
bool PassClipboardCommandToLabelEdit(CItemTree& tree, int command);
