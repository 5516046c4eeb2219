#include "views/trees/LabelEditCommands.h"

#include "shell/CommandIds.h"
#include "views/trees/ItemTree.h"

bool PassClipboardCommandToLabelEdit(CItemTree& tree, int command) {
    switch (command) {
        case command::kCut: tree.PassToLabelEdit(LabelClipboard::Cut); return true;
        case command::kCopy: tree.PassToLabelEdit(LabelClipboard::Copy); return true;
        case command::kPaste: tree.PassToLabelEdit(LabelClipboard::Paste); return true;
        default: return false;
    }
}
