#pragma once
// Reading a page's model tree in tests: its items as indented lines, an item by the texts on
// its way from a root, and what the window would have heard.
#include <sstream>
#include <string>
#include <vector>

#include "editors/framework/ModelTree.h"
#include "tests/views/RecordingTreeObserver.h"

// The items below the parent as indented lines "text [image] colour", colours as b(lue),
// g(rey) or nothing for black.
inline std::vector<std::string> Outline(const CModelTree& tree, int parent = kNoItem, int depth = 0) {
    std::vector<std::string> lines;
    for (int item : tree.Children(parent)) {
        const TreeNode& shown = *tree.Find(item);
        std::ostringstream line;
        line << std::string(static_cast<size_t>(depth) * 2, ' ') << shown.text << " [" << shown.image << "]";
        if (shown.colours.text == kTreeTextBlue) line << " b";
        if (shown.colours.text == kTreeTextGrey) line << " g";
        lines.push_back(line.str());
        for (const std::string& below : Outline(tree, item, depth + 1)) lines.push_back(below);
    }
    return lines;
}

// The item whose path of texts from a root is the given one; kNoItem when there is none.
inline int ItemAt(const CModelTree& tree, const std::vector<std::string>& path) {
    int item = kNoItem;
    for (const std::string& text : path) {
        int found = kNoItem;
        for (int child : tree.Children(item))
            if (tree.Find(child)->text == text) found = child;
        if (!found) return kNoItem;
        item = found;
    }
    return item;
}
